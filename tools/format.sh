#!/usr/bin/env bash
# Checks that every C++ file of the project is formatted by clang-format with the
# repository's .clang-format; with --fix formats them in place.
#   tools/format.sh          check (what CI runs)
#   tools/format.sh --fix    format
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t soubory < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${soubory[@]}"
else
    clang-format --dry-run --Werror "${soubory[@]}"
    echo "clang-format: ${#soubory[@]} files formatted"
fi
