#!/usr/bin/env bash
# Takes the pictures of the main screens in docs/: builds the program and runs the tour
# (tools/snimky/) in a real X server (Xvfb) on the shipped catalogue, in a scratch
# working folder. Installs Xvfb when it is missing (it is needed only here).
#   tools/snimky.sh [output folder]     default docs/
set -euo pipefail
koren="$(cd "$(dirname "$0")/.." && pwd)"
vystup="$(realpath -m "${1:-$koren/docs}")"

bash "$koren/tools/zavislosti.sh" --snimky
cmake -S "$koren" -B "$koren/build" -G Ninja
cmake --build "$koren/build" -j2 --target kolomat_snimky

# A fixed size and depth, the standard 96 dpi, and no desktop settings of the caller's.
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 QT_AUTO_SCREEN_SCALE_FACTOR=0 \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$koren/build/tools/snimky/kolomat_snimky" "$koren/data" "$vystup"
