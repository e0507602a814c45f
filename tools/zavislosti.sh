#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Kolomat need (only the
# missing ones; through sudo when not run as root).
#   tools/zavislosti.sh            building, running and testing
#   tools/zavislosti.sh --snimky   also the X server of the screenshot tour
#   tools/zavislosti.sh --balicek  also the checks of the Debian package (tests/test_balicek.sh)
set -euo pipefail

balicky=(
    g++ cmake ninja-build python3        # the build and the test servers
    qt6-base-dev libpugixml-dev          # Qt 6 Widgets/Network/Test/Sql, the XML reader
    libqt6sql6-sqlite                    # the SQLite driver of the answer history
    qt6-charts-dev libqt6opengl6-dev     # the trend chart (its CMake files need Qt OpenGL)
    poppler-utils                        # pdftotext: the tests read the printed PDF back
    libbenchmark-dev curl                # bench/ (curl: the download benchmark)
    fonts-liberation2                    # metric-compatible "Arial" and "Courier New"
    clang libclang-rt-14-dev             # the sanitizer build and the fuzz targets
    clang-format                         # the format check of the C++ files
    desktop-file-utils                   # the install test checks the menu entry
)
case "${1:-}" in
--snimky)
    balicky+=(xvfb xauth)                # tools/snimky.sh: a real X server without a screen
    ;;
--balicek)
    balicky+=(lintian appstream dpkg-dev # the package's checks
              xvfb x11-utils)            # its first start in an X server, its window list
    ;;
esac

chybi=()
for balicek in "${balicky[@]}"; do
    dpkg-query -W -f='${Status}' "$balicek" 2>/dev/null | grep -q 'install ok installed' ||
        chybi+=("$balicek")
done
if ((${#chybi[@]} == 0)); then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${chybi[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${chybi[@]}"
