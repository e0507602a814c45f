# Run by `cmake --install`: writes the menu entry kolomat.desktop. Its Exec line names
# the launcher by its absolute path under the prefix chosen at install time (the menu
# does not search ~/.local/bin), so it is written here rather than at configure time.
# Set before this script: KOLOMAT_DESKTOP_SABLONA, KOLOMAT_BINDIR, KOLOMAT_DATAROOTDIR.
get_filename_component(_spoustec "${CMAKE_INSTALL_PREFIX}/${KOLOMAT_BINDIR}/kolomat" ABSOLUTE)
if(_spoustec MATCHES "[\n\r]")
    message(FATAL_ERROR "The install prefix holds a line break: ${CMAKE_INSTALL_PREFIX}")
endif()
# A quoted Exec argument escapes " ` $ \ with a backslash; the value escapes each
# backslash once more; % is doubled.
string(REPLACE "\\" "\\\\" _exec "${_spoustec}")
string(REPLACE "\"" "\\\"" _exec "${_exec}")
string(REPLACE "`" "\\`" _exec "${_exec}")
string(REPLACE "$" "\\$" _exec "${_exec}")
string(REPLACE "\\" "\\\\" _exec "${_exec}")
string(REPLACE "%" "%%" _exec "${_exec}")
set(KOLOMAT_EXEC "\"${_exec}\"")

set(_cil "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${KOLOMAT_DATAROOTDIR}/applications/kolomat.desktop")
message(STATUS "Installing: ${_cil}")
configure_file("${KOLOMAT_DESKTOP_SABLONA}" "${_cil}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${_cil}")
