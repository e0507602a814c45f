# Run by `cmake --install` before any file is installed: stops an install whose data
# folder would be the working folder of the user who installs (the launcher's
# ${KOLOMAT_SLOZKA:-${XDG_DATA_HOME:-~/.local/share}/kolomat}), or lie inside it or
# around it. The shipped catalogue would replace the learner's own. This happens when a
# build configured for a system layout (data in share/kolomat) is installed into
# ~/.local. Set before this script: KOLOMAT_DATADIR.
if(DEFINED ENV{KOLOMAT_SLOZKA} AND NOT "$ENV{KOLOMAT_SLOZKA}" STREQUAL "")
    set(_pracovni "$ENV{KOLOMAT_SLOZKA}")
elseif(IS_ABSOLUTE "$ENV{XDG_DATA_HOME}")
    set(_pracovni "$ENV{XDG_DATA_HOME}/kolomat")
elseif(NOT "$ENV{HOME}" STREQUAL "")
    set(_pracovni "$ENV{HOME}/.local/share/kolomat")
else()
    return()
endif()
get_filename_component(_pracovni "${_pracovni}" REALPATH)
get_filename_component(_data "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${KOLOMAT_DATADIR}" REALPATH)

string(FIND "${_data}/" "${_pracovni}/" _data_v_pracovni)
string(FIND "${_pracovni}/" "${_data}/" _pracovni_v_datech)
if(_data_v_pracovni EQUAL 0 OR _pracovni_v_datech EQUAL 0)
    message(FATAL_ERROR
        "Not installing: the data folder ${_data} would be the learner's working folder "
        "${_pracovni}, whose catalogue and pictures the install would replace. This build "
        "puts its data in ${KOLOMAT_DATADIR} (KOLOMAT_INSTALL_DATADIR), which is meant "
        "for a system prefix; configure another one to install into this prefix.")
endif()
