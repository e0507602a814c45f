#!/usr/bin/env bash
# Builds the Debian package: installs the build dependencies that are missing (through
# sudo when not run as root), copies the source tree into build-deb/kolomat-<version>/
# and runs dpkg-buildpackage -us -uc -b there, two jobs, with the tests (dh_auto_test,
# headless) unless DEB_BUILD_OPTIONS holds nocheck. The package lands in build-deb/:
#   tools/balicek.sh                          build-deb/kolomat_<version>_amd64.deb
#   DEB_BUILD_OPTIONS=nocheck tools/balicek.sh   the same without building the tests
set -euo pipefail
koren=$(cd "$(dirname "$0")/.." && pwd)
vystup=$koren/build-deb

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
apt_get() {
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"
}

if ! command -v dpkg-checkbuilddeps >/dev/null || ! command -v git >/dev/null; then
    apt_get update -q
    apt_get install -y -q dpkg-dev git
fi
if ! dpkg-checkbuilddeps "$koren/debian/control"; then
    echo "Installing the build dependencies of debian/control"
    apt_get update -q
    apt_get build-dep -y -q "$koren"
fi

# A copy of what git knows (tracked files and new ones it does not ignore), so that the
# package is built from the source alone, not from build folders beside it.
verze=$(dpkg-parsechangelog -l "$koren/debian/changelog" -S Version)
zdroj=$vystup/kolomat-${verze%-*}
rm -rf "$vystup"
mkdir -p "$zdroj"
git -C "$koren" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' soubor; do
        # A tracked file deleted in the work tree is not part of the source.
        if [ -e "$koren/$soubor" ] || [ -L "$koren/$soubor" ]; then
            printf '%s\0' "$soubor"
        fi
    done |
    tar -C "$koren" --null -T - -cf - | tar -C "$zdroj" -xf -

volby=${DEB_BUILD_OPTIONS:-}
case " $volby " in
*" parallel="*) ;;
*) volby="$volby parallel=2" ;;
esac
zacatek=$(date +%s)
(cd "$zdroj" && DEB_BUILD_OPTIONS="${volby# }" dpkg-buildpackage -us -uc -b)
echo "dpkg-buildpackage took $(($(date +%s) - zacatek)) s (DEB_BUILD_OPTIONS=${volby# })"

baliky=("$vystup"/kolomat_*.deb)
[ -f "${baliky[0]}" ] || {
    echo "dpkg-buildpackage made no kolomat_*.deb in $vystup" >&2
    exit 1
}
echo "The package: ${baliky[*]}"
