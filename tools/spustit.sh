#!/usr/bin/env bash
# Installs what is missing, builds Kolomat and starts it in the learner's own working
# folder (~/.local/share/kolomat), which gets a copy of the shipped catalogue and its
# pictures the first time. Profiles and results stay there, never in the repository.
set -euo pipefail
koren="$(cd "$(dirname "$0")/.." && pwd)"

bash "$koren/tools/zavislosti.sh"
cmake -S "$koren" -B "$koren/build" -G Ninja
cmake --build "$koren/build" -j2 --target kolomat

pracovni="${KOLOMAT_SLOZKA:-${XDG_DATA_HOME:-$HOME/.local/share}/kolomat}"
mkdir -p "$pracovni"
[ -e "$pracovni/otazky.xml" ] || cp "$koren/data/otazky.xml" "$pracovni/"
[ -e "$pracovni/grafika" ] || cp -r "$koren/data/grafika" "$pracovni/"
cd "$pracovni"
exec "$koren/build/app/kolomat"
