#!/usr/bin/env bash
# Installs what is missing, builds Kolomat, installs it into a prefix (default ~/.local,
# so that the menu entry "Kolomat" appears for this user; KOLOMAT_PREFIX chooses
# another) and starts it through the installed launcher, as the menu entry does: in the
# learner's own working folder (~/.local/share/kolomat), which gets a copy of the
# shipped catalogue and its pictures the first time. Profiles and results stay there,
# never in the repository.
set -euo pipefail
koren="$(cd "$(dirname "$0")/.." && pwd)"
prefix="${KOLOMAT_PREFIX:-$HOME/.local}"

bash "$koren/tools/zavislosti.sh"
cmake -S "$koren" -B "$koren/build" -G Ninja
cmake --build "$koren/build" -j2 --target kolomat
# Only what changed is listed; errors still reach the terminal.
cmake --install "$koren/build" --prefix "$prefix" | { grep -v '^-- Up-to-date: ' || true; }
exec "$prefix/bin/kolomat"
