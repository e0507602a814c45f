#!/usr/bin/env bash
# Checks the built Debian package as a distribution and a learner would see it: lintian,
# the files and the dependencies in it, its AppStream metadata and menu entry; then
# installs it with apt-get, starts /usr/bin/kolomat once with a temporary home in an X
# server without a screen (the working folder is prepared, the profile manager appears)
# and removes the package again, which must leave the learner's working folder as it was.
#   tests/test_balicek.sh [package]     default build-deb/kolomat_*_amd64.deb (tools/balicek.sh)
# apt-get needs root (sudo otherwise); the tools it lacks are installed first
# (tools/zavislosti.sh --balicek). Where kolomat is already installed it stops, rather
# than replace and remove that installation.
set -euo pipefail
zdroj=$(cd "$(dirname "$0")/.." && pwd)

selhani() {
    echo "FAIL: $*" >&2
    exit 1
}

if [ $# -ge 1 ]; then
    balicek=$1
else
    baliky=("$zdroj"/build-deb/kolomat_*_amd64.deb)
    [ ${#baliky[@]} = 1 ] && [ -f "${baliky[0]}" ] ||
        selhani "not one package build-deb/kolomat_*_amd64.deb; build it with tools/balicek.sh"
    balicek=${baliky[0]}
fi
[ -f "$balicek" ] || selhani "no package $balicek"
balicek=$(readlink -f "$balicek")

bash "$zdroj/tools/zavislosti.sh" --balicek
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
apt_get() {
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"
}
nainstalovan() {
    dpkg-query -W -f='${Status}' kolomat 2>/dev/null | grep -q 'install ok installed'
}
nainstalovan && selhani "kolomat is installed on this machine already; remove it first"

tmp=$(mktemp -d)
beh=
xserver=
instalovali=
uklid() {
    for p in $beh $xserver; do
        kill "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    if [ -n "$instalovali" ]; then
        apt_get purge -y -q kolomat >/dev/null 2>&1 || true
    fi
    rm -rf "$tmp"
}
trap uklid EXIT

verze=$(dpkg-deb -f "$balicek" Version)
echo "Checking $balicek ($verze)"

# --- lintian: no error and no warning (what is accepted, with its reason, stands in
# debian/kolomat.lintian-overrides)
echo "lintian $(lintian --version | awk '{ print $NF }')"
lintian --fail-on error,warning --display-info "$balicek" ||
    selhani "lintian reports errors or warnings"

# --- what the package holds
obsah=$tmp/obsah
dpkg-deb -x "$balicek" "$obsah"
[ -x "$obsah/usr/bin/kolomat" ] || selhani "no launcher /usr/bin/kolomat"
head -c4 "$obsah/usr/lib/kolomat/kolomat" | grep -q ELF ||
    selhani "no program /usr/lib/kolomat/kolomat"
[ "$(readlink -f "$obsah/usr/lib/kolomat/Help")" = "$obsah/usr/share/kolomat/Help" ] ||
    selhani "/usr/lib/kolomat/Help is not a link to /usr/share/kolomat/Help"
diff -r "$zdroj/data/Help" "$obsah/usr/lib/kolomat/Help" ||
    selhani "the help pages beside the program differ from data/Help"
cmp "$zdroj/data/otazky.xml" "$obsah/usr/share/kolomat/otazky.xml" ||
    selhani "/usr/share/kolomat/otazky.xml is not the shipped catalogue"
diff -r "$zdroj/data/grafika" "$obsah/usr/share/kolomat/grafika" ||
    selhani "/usr/share/kolomat/grafika differs from data/grafika"
for strana in 16 32 48 64 128 256; do
    cmp "$zdroj/data/ikona/kolomat_$strana.png" \
        "$obsah/usr/share/icons/hicolor/${strana}x$strana/apps/kolomat.png" ||
        selhani "the ${strana} px icon is not in hicolor"
done
zcat "$obsah/usr/share/man/man1/kolomat.1.gz" | cmp - "$zdroj/app/kolomat.1" ||
    selhani "the manual page /usr/share/man/man1/kolomat.1.gz is not app/kolomat.1"
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$obsah/usr/share/doc/kolomat/copyright" || selhani "the copyright file is not machine-readable"
# No maintainer script: nothing the package runs at install or removal could reach a
# learner's folder (a new script must be shown not to before it is allowed here).
ridici=$(dpkg-deb --ctrl-tarfile "$balicek" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
[ "$ridici" = "control md5sums " ] || selhani "the package's control part holds more than control and md5sums: $ridici"
zavislosti=$(dpkg-deb -f "$balicek" Depends)
for nutny in fonts-liberation2 libqt6sql6-sqlite libqt6widgets6 libpugixml1v5; do
    [[ ", $zavislosti," == *", $nutny"[\ ,]* ]] || selhani "Depends lacks $nutny: $zavislosti"
done

# --- the menu entry and the AppStream metadata
polozka=$obsah/usr/share/applications/kolomat.desktop
hlaseni=$(desktop-file-validate "$polozka" 2>&1) && [ -z "$hlaseni" ] ||
    selhani "desktop-file-validate rejects kolomat.desktop: $hlaseni"
grep -qx 'Exec="/usr/bin/kolomat"' "$polozka" || selhani "the menu entry does not run /usr/bin/kolomat"
metainfo=("$obsah"/usr/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} = 1 ] && [ -f "${metainfo[0]}" ] || selhani "not one metainfo file in /usr/share/metainfo"
metainfo=${metainfo[0]}
appstreamcli validate --no-net "$metainfo" || selhani "appstreamcli rejects $metainfo"
python3 - "$metainfo" "$obsah" "$zdroj/docs" "${verze%-*}" <<'EOF' || selhani "$metainfo does not fit the package"
import os, sys, xml.etree.ElementTree as ET
soubor, obsah, docs, verze = sys.argv[1:]
koren = ET.parse(soubor).getroot()
chyby = []
ident = koren.findtext("id")
if os.path.basename(soubor) != ident + ".metainfo.xml":
    chyby.append(f"the file is not named after its id {ident}")
for jazyk in (None, "cs"):
    for znacka in ("summary", "description/p"):
        if not [z for z in koren.findall(znacka)
                if z.get("{http://www.w3.org/XML/1998/namespace}lang") == jazyk]:
            chyby.append(f"no {znacka} in {jazyk or 'English'}")
for spoustec in koren.findall("launchable"):
    if not os.path.isfile(os.path.join(obsah, "usr/share/applications", spoustec.text)):
        chyby.append(f"the launchable {spoustec.text} is not in the package")
if not koren.findall("launchable"):
    chyby.append("no launchable")
if koren.find("content_rating[@type='oars-1.1']") is None:
    chyby.append("no OARS content rating")
obrazky = [o.text for o in koren.iter("image")]
if not obrazky:
    chyby.append("no screenshots")
for adresa in obrazky:
    if not os.path.isfile(os.path.join(docs, os.path.basename(adresa))):
        chyby.append(f"the screenshot {adresa} is not a picture of docs/")
vydani = [r.get("version") for r in koren.findall("releases/release")]
if not vydani or vydani[0] != verze:
    chyby.append(f"the newest release {vydani[:1]} is not the package's version {verze}")
for c in chyby:
    print(c, file=sys.stderr)
sys.exit(1 if chyby else 0)
EOF

# --- installing with apt, as a learner would
echo "apt-get install $balicek"
instalovali=1
apt_get install -y -q "$balicek" >"$tmp/apt.log" 2>&1 || {
    # The lists may be older than the archive: once more after an update.
    apt_get update -q >>"$tmp/apt.log" 2>&1
    apt_get install -y -q "$balicek" >>"$tmp/apt.log" 2>&1
} || {
    cat "$tmp/apt.log" >&2
    selhani "apt-get install $balicek failed"
}
nainstalovan || selhani "kolomat is not installed after apt-get install"
[ "$(dpkg-query -W -f='${Version}' kolomat)" = "$verze" ] || selhani "another version got installed"

# --- the first start: a temporary home, an X server without a screen, from / with the
# environment a desktop gives
zije() {
    local stav
    { read -r _ _ stav _ <"/proc/$1/stat"; } 2>/dev/null || return 1
    [ "$stav" != Z ]
}
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$tmp/displej" 2>"$tmp/xvfb.log" &
xserver=$!
for ((i = 0; i < 100; i++)); do
    [ -s "$tmp/displej" ] && break
    zije "$xserver" || break
    sleep 0.1
done
[ -s "$tmp/displej" ] || {
    cat "$tmp/xvfb.log" >&2
    selhani "Xvfb did not start"
}
displej=:$(head -n1 "$tmp/displej")

domov=$tmp/domov
mkdir -p "$domov"
pracovni=$domov/.local/share/kolomat
program=/usr/lib/kolomat/kolomat
echo "Starting /usr/bin/kolomat with HOME=$domov on $displej"
(cd / && exec env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$domov" LC_ALL=C.UTF-8 \
    DISPLAY="$displej" /usr/bin/kolomat) >"$tmp/beh.log" 2>&1 &
beh=$!
for ((i = 0; i < 300; i++)); do
    zije "$beh" || break
    [ "$(readlink "/proc/$beh/exe" 2>/dev/null)" = "$program" ] && break
    sleep 0.1
done
zije "$beh" && [ "$(readlink "/proc/$beh/exe")" = "$program" ] || {
    cat "$tmp/beh.log" >&2
    selhani "/usr/bin/kolomat did not become $program"
}
# The profile manager's window, by its title among the X server's windows.
titulek="Správce uživatelských účtů"
okno=
for ((i = 0; i < 300; i++)); do
    zije "$beh" || break
    if LC_ALL=C.UTF-8 xwininfo -display "$displej" -root -tree >"$tmp/okna" 2>/dev/null &&
        grep -qF "\"$titulek\"" "$tmp/okna"; then
        okno=1
        break
    fi
    sleep 0.1
done
[ -n "$okno" ] || {
    cat "$tmp/beh.log" "$tmp/okna" >&2
    selhani "the profile manager \"$titulek\" did not appear within 30 s"
}
[ "$(readlink "/proc/$beh/cwd")" = "$pracovni" ] ||
    selhani "the program runs in $(readlink "/proc/$beh/cwd"), not in the working folder $pracovni"
cmp /usr/share/kolomat/otazky.xml "$pracovni/otazky.xml" ||
    selhani "the working folder did not get the shipped catalogue"
diff -r /usr/share/kolomat/grafika "$pracovni/grafika" ||
    selhani "the working folder did not get the shipped pictures"
kill "$beh"
wait "$beh" 2>/dev/null || true
beh=
echo "The working folder was prepared and the profile manager appeared"

# --- removing the package leaves the learner's files
echo '<?xml version="1.0"?><!-- the learner updated it --><otazky/>' >"$pracovni/otazky.xml"
echo '<Vysledky/>' >"$pracovni/Vysledky.xml"
echo 'own picture' >"$pracovni/grafika/no.png"
otisk() {
    (cd "$pracovni" && find . -printf '%p %y %s %m %T@\n' | sort && find . -type f -exec sha256sum {} + | sort)
}
otisk >"$tmp/pred"
[ "$(grep -c . "$tmp/pred")" -gt 100 ] || selhani "the working folder's fingerprint is too small to mean anything"

echo "apt-get remove kolomat"
apt_get remove -y -q kolomat >"$tmp/apt.log" 2>&1 || {
    cat "$tmp/apt.log" >&2
    selhani "apt-get remove kolomat failed"
}
instalovali=
# Without conffiles nothing is left for a purge: the package is gone entirely.
stav=$(dpkg-query -W -f='${db:Status-Abbrev}' kolomat 2>/dev/null || true)
[ -z "$stav" ] || [ "${stav:1:1}" = n ] || selhani "kolomat is left in the state '$stav' after apt-get remove"
[ ! -e /usr/bin/kolomat ] && [ ! -e /usr/share/kolomat ] && [ ! -e /usr/lib/kolomat ] ||
    selhani "apt-get remove left the program's files behind"
otisk >"$tmp/po"
diff "$tmp/pred" "$tmp/po" >&2 || selhani "apt-get remove changed the learner's working folder"

echo "PASS"
