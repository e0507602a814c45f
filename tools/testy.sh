#!/usr/bin/env bash
# Builds Kolomat with warnings as errors and runs the whole test suite headless.
#   tools/testy.sh              the format check of every C++ file, then the normal
#                               build in build/ and its tests
#   tools/testy.sh --sanitize   the same tests built by clang with AddressSanitizer and
#                               UndefinedBehaviorSanitizer in build-asan/, plus the
#                               fuzz targets for a bounded time
set -euo pipefail
cd "$(dirname "$0")/.."

slozka=build
volby=(-DKOLOMAT_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    slozka=build-asan
    volby+=(-DKOLOMAT_SANITIZE=ON -DKOLOMAT_FUZZ=ON -DKOLOMAT_BENCH=OFF
            -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
else
    bash tools/format.sh
fi

cmake -S . -B "$slozka" -G Ninja "${volby[@]}"
cmake --build "$slozka" -j2
ctest --test-dir "$slozka" --output-on-failure -j2
