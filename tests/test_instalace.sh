#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed launcher the way
# the menu entry does: every file lands where the desktop and the launcher look for it,
# the menu entry is valid and names the launcher, and the launcher prepares the
# learner's working folder (copying only what is missing) and starts the program in it.
#   test_instalace.sh <cmake> <build folder> <source folder> <program folder> <data folder>
# The last two are the build's install folders of the program and of the shipped data,
# relative to the prefix (libexec/kolomat and share/kolomat-data unless configured).
set -euo pipefail
cmake=$1
sestaveni=$2
zdroj=$3
programy=$4
data=$5

tmp=$(mktemp -d)
beh=
uklid() {
    if [ -n "$beh" ]; then
        kill "$beh" 2>/dev/null || true
        wait "$beh" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap uklid EXIT

selhani() {
    echo "FAIL: $*" >&2
    exit 1
}

# A prefix with characters that the menu entry must quote and the launcher must keep.
prefix="$tmp/pre fix \$%\"\`"
echo "Installing into $prefix"
"$cmake" --install "$sestaveni" --prefix "$prefix" >"$tmp/instalace.log" 2>&1 || {
    cat "$tmp/instalace.log" >&2
    selhani "cmake --install $sestaveni --prefix '$prefix' failed"
}

# --- the installed files
spoustec="$prefix/bin/kolomat"
[ -f "$spoustec" ] && [ -x "$spoustec" ] || selhani "the launcher $spoustec is missing or not executable"
[ -f "$prefix/$programy/kolomat" ] && [ -x "$prefix/$programy/kolomat" ] ||
    selhani "the program $prefix/$programy/kolomat is missing or not executable"
diff -r "$zdroj/data/Help" "$prefix/$programy/Help" ||
    selhani "the help pages beside the program differ from data/Help"
cmp "$zdroj/data/otazky.xml" "$prefix/$data/otazky.xml" ||
    selhani "$data/otazky.xml is not the shipped catalogue"
diff -r "$zdroj/data/grafika" "$prefix/$data/grafika" ||
    selhani "$data/grafika differs from data/grafika"
cmp "$zdroj/app/kolomat.1" "$prefix/share/man/man1/kolomat.1" ||
    selhani "the manual page share/man/man1/kolomat.1 is not app/kolomat.1"
metainfo="$prefix/share/metainfo/org.example.kolomat.metainfo.xml"
cmp "$zdroj/app/org.example.kolomat.metainfo.xml" "$metainfo" ||
    selhani "$metainfo is not app/org.example.kolomat.metainfo.xml"
grep -qF '<launchable type="desktop-id">kolomat.desktop</launchable>' "$metainfo" ||
    selhani "$metainfo does not launch the menu entry kolomat.desktop"

for strana in 16 32 48 64 128 256; do
    ikona="$prefix/share/icons/hicolor/${strana}x${strana}/apps/kolomat.png"
    [ -f "$ikona" ] || selhani "the icon $ikona is missing"
    podpis=$(od -An -tx1 -N8 "$ikona" | tr -d ' \n')
    [ "$podpis" = 89504e470d0a1a0a ] || selhani "$ikona is not a PNG file"
    rozmer=$(od -An -tu1 -j16 -N8 "$ikona" |
        awk '{ printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }')
    [ "$rozmer" = "${strana}x${strana}" ] || selhani "$ikona is $rozmer, not ${strana}x${strana}"
done

# --- the menu entry
polozka="$prefix/share/applications/kolomat.desktop"
[ -f "$polozka" ] || selhani "the menu entry $polozka is missing"
command -v desktop-file-validate >/dev/null ||
    selhani "desktop-file-validate is not installed (package desktop-file-utils, tools/zavislosti.sh)"
hlaseni=$(desktop-file-validate "$polozka" 2>&1) && [ -z "$hlaseni" ] ||
    selhani "desktop-file-validate rejects $polozka: $hlaseni"
for radek in Type=Application Name=Kolomat Icon=kolomat Terminal=false; do
    grep -qxF "$radek" "$polozka" || selhani "$polozka lacks the line $radek"
done
grep -qx 'Categories=.*Education;.*' "$polozka" || selhani "$polozka is not in the Education category"
grep -qx 'Comment=.*[ěščřžýáíéůú].*' "$polozka" || selhani "$polozka has no Czech comment"
# Exec read back by the entry's own rules: the value's escapes, then the quoted argument.
prikaz=$(python3 - "$polozka" <<'EOF'
import sys
radky = [l[5:].rstrip("\n") for l in open(sys.argv[1], encoding="utf-8") if l.startswith("Exec=")]
if len(radky) != 1:
    sys.exit("not one Exec line")
hodnota, i = "", 0
while i < len(radky[0]):
    z = radky[0][i]
    if z == "\\":
        i += 1
        z = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}[radky[0][i]]
    hodnota += z
    i += 1
if len(hodnota) < 2 or hodnota[0] != '"' or hodnota[-1] != '"':
    sys.exit("Exec is not one quoted argument: " + radky[0])
argument, i = "", 1
while i < len(hodnota) - 1:
    z = hodnota[i]
    if z == "\\":
        i += 1
        z = hodnota[i]
        if z not in '"`$\\':
            sys.exit("Exec escapes a character that needs no escape: " + z)
    elif z in '"`$':
        sys.exit("Exec leaves a reserved character unescaped: " + z)
    argument += z
    i += 1
if "%" in argument.replace("%%", ""):
    sys.exit("Exec holds a field code")
print(argument.replace("%%", "%"))
EOF
) || selhani "cannot read the Exec line of $polozka"
[ "$prikaz" = "$spoustec" ] || selhani "Exec of $polozka runs '$prikaz', not the launcher '$spoustec'"

# --- the launcher, after the prefix has moved (it finds the program relative to itself)
instalace="$tmp/jinde/kolomat"
mkdir -p "$tmp/jinde"
mv "$prefix" "$instalace"
spoustec="$instalace/bin/kolomat"
domov="$tmp/domov"
mkdir -p "$domov"

zije() {
    local stav
    { read -r _ _ stav _ <"/proc/$1/stat"; } 2>/dev/null || return 1
    [ "$stav" != Z ]
}

# spust <launcher> <expected working folder> [VAR=value...]: starts the launcher from /
# with only the given environment, as a desktop would; checks that it became the
# installed program, in the expected folder, and still runs 3 s later; then ends it.
spust() {
    local kym=$1 slozka=$2 program
    shift 2
    program=$(readlink -f "$(dirname "$(readlink -f "$kym")")/../$programy/kolomat")
    (cd / && exec env -i PATH="$PATH" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0 "$@" "$kym") >"$tmp/beh.log" 2>&1 &
    beh=$!
    local i
    for ((i = 0; i < 300; i++)); do
        zije "$beh" || break
        [ "$(readlink "/proc/$beh/exe" 2>/dev/null)" = "$program" ] && break
        sleep 0.1
    done
    if ! zije "$beh"; then
        cat "$tmp/beh.log" >&2
        selhani "the launcher ($*) ended instead of starting the program"
    fi
    [ "$(readlink "/proc/$beh/exe")" = "$program" ] ||
        selhani "the launcher ($*) did not start $program within 30 s"
    sleep 3
    if ! zije "$beh"; then
        cat "$tmp/beh.log" >&2
        selhani "the program ($*) ended within 3 s of starting"
    fi
    local cwd
    cwd=$(readlink "/proc/$beh/cwd")
    [ "$cwd" = "$(readlink -f "$slozka")" ] ||
        selhani "the program ($*) runs in $cwd, not in the working folder $slozka"
    kill "$beh"
    wait "$beh" 2>/dev/null || true
    beh=
}

# shipped_in <folder>: the folder holds the shipped catalogue and all the pictures.
shipped_in() {
    cmp "$zdroj/data/otazky.xml" "$1/otazky.xml" ||
        selhani "$1/otazky.xml is not the shipped catalogue"
    diff -r "$zdroj/data/grafika" "$1/grafika" || selhani "$1/grafika differs from the shipped pictures"
}

echo "First start: ~/.local/share/kolomat"
pracovni="$domov/.local/share/kolomat"
spust "$spoustec" "$pracovni" HOME="$domov"
shipped_in "$pracovni"

echo "Second start: the learner's files stay, what is missing comes back"
echo '<?xml version="1.0"?><!-- the learner updated it --><otazky/>' >"$pracovni/otazky.xml"
cp "$pracovni/otazky.xml" "$tmp/otazky.ucen"
echo 'own picture' >"$pracovni/grafika/no.png"
rm "$pracovni/grafika/yes.png"
rm -r "$pracovni/grafika/situace"
echo '<Profily/>' >"$pracovni/Profily.xml"
spust "$spoustec" "$pracovni" HOME="$domov"
cmp "$tmp/otazky.ucen" "$pracovni/otazky.xml" || selhani "the learner's otazky.xml was overwritten"
[ "$(cat "$pracovni/grafika/no.png")" = 'own picture' ] || selhani "the learner's grafika/no.png was overwritten"
[ "$(cat "$pracovni/Profily.xml")" = '<Profily/>' ] || selhani "Profily.xml was changed"
cmp "$zdroj/data/grafika/yes.png" "$pracovni/grafika/yes.png" || selhani "the missing grafika/yes.png was not copied"
diff -r "$zdroj/data/grafika/situace" "$pracovni/grafika/situace" ||
    selhani "the missing folder grafika/situace was not copied"
zbytky=$(find "$pracovni" -name '*.kopie*')
[ -z "$zbytky" ] || selhani "temporary copies were left behind: $zbytky"

echo "Installing into ~/.local, as tools/spustit.sh does, leaves the working folder alone"
rc=0
HOME="$domov" XDG_DATA_HOME= KOLOMAT_SLOZKA= \
    "$cmake" --install "$sestaveni" --prefix "$domov/.local" >"$tmp/instalace.log" 2>&1 || rc=$?
if [ "$data" = share/kolomat ]; then
    # A system layout: its data folder under ~/.local is the working folder itself, so
    # the install must refuse before it copies anything.
    [ "$rc" != 0 ] || selhani "installing data into ~/.local/share/kolomat was not refused"
    grep -qF "Not installing: the data folder" "$tmp/instalace.log" || {
        cat "$tmp/instalace.log" >&2
        selhani "the refused install into ~/.local does not say why"
    }
    [ ! -e "$domov/.local/bin/kolomat" ] || selhani "the refused install still installed the launcher"
else
    [ "$rc" = 0 ] || {
        cat "$tmp/instalace.log" >&2
        selhani "cmake --install $sestaveni --prefix $domov/.local failed"
    }
fi
cmp "$tmp/otazky.ucen" "$pracovni/otazky.xml" ||
    selhani "installing into ~/.local replaced the learner's otazky.xml"
[ "$(cat "$pracovni/grafika/no.png")" = 'own picture' ] ||
    selhani "installing into ~/.local replaced the learner's grafika/no.png"
if [ "$rc" = 0 ]; then
    spust "$domov/.local/bin/kolomat" "$pracovni" HOME="$domov"
    cmp "$tmp/otazky.ucen" "$pracovni/otazky.xml" || selhani "the learner's otazky.xml was overwritten"
fi

echo "An install whose data folder is a learner's working folder is refused"
mkdir -p "$tmp/jinam/$data"
echo '<otazky/>' >"$tmp/jinam/$data/otazky.xml"
rc=0
KOLOMAT_SLOZKA="$tmp/jinam/$data" \
    "$cmake" --install "$sestaveni" --prefix "$tmp/jinam" >"$tmp/instalace.log" 2>&1 || rc=$?
[ "$rc" != 0 ] && grep -qF "Not installing: the data folder" "$tmp/instalace.log" || {
    cat "$tmp/instalace.log" >&2
    selhani "installing the data into the working folder KOLOMAT_SLOZKA was not refused (exit $rc)"
}
[ "$(cat "$tmp/jinam/$data/otazky.xml")" = '<otazky/>' ] ||
    selhani "the refused install replaced the learner's otazky.xml"

echo "XDG_DATA_HOME, through a link to the launcher"
mkdir -p "$tmp/odkazy"
ln -s "$spoustec" "$tmp/odkazy/kolomat"
spust "$tmp/odkazy/kolomat" "$tmp/xdg/kolomat" HOME="$domov" XDG_DATA_HOME="$tmp/xdg"
shipped_in "$tmp/xdg/kolomat"

echo "KOLOMAT_SLOZKA chooses the folder"
vlastni="$tmp/vlastní složka"
spust "$spoustec" "$vlastni" HOME="$domov" XDG_DATA_HOME="$tmp/xdg" KOLOMAT_SLOZKA="$vlastni"
shipped_in "$vlastni"

echo "A working folder that cannot be made is reported"
echo x >"$tmp/soubor"
rc=0
(cd / && env -i PATH="$PATH" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    HOME="$domov" KOLOMAT_SLOZKA="$tmp/soubor/kolomat" timeout 20 "$spoustec") \
    >"$tmp/chyba.log" 2>&1 || rc=$?
[ "$rc" = 1 ] || {
    cat "$tmp/chyba.log" >&2
    selhani "the launcher ended with $rc, not 1, when the working folder cannot be made"
}
grep -qF "Pracovní složku $tmp/soubor/kolomat nelze vytvořit" "$tmp/chyba.log" || {
    cat "$tmp/chyba.log" >&2
    selhani "the launcher's message does not name the working folder"
}

echo "The program itself missing is reported"
mv "$instalace/$programy/kolomat" "$tmp/kolomat.stranou"
rc=0
(cd / && env -i PATH="$PATH" HOME="$domov" timeout 20 "$spoustec") >"$tmp/chyba.log" 2>&1 || rc=$?
[ "$rc" = 1 ] && grep -qF "Program Kolomat nebyl nalezen" "$tmp/chyba.log" || {
    cat "$tmp/chyba.log" >&2
    selhani "a missing program is not reported (exit $rc)"
}

echo "PASS"
