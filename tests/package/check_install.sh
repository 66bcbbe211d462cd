#!/usr/bin/env bash
# Installs the build into a temporary prefix with `cmake --install` and checks
# the tree a player's desktop relies on: the two programs, the menu entry, the
# AppStream metadata, the icons, the manuals and documents, and that the
# installed game starts and fills its folder from what is built into it.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1
source=$2
version=$3
app_id=org.tamberlyn.galloria

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (./scripts/test installs it)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The programs, and the installed galloria-sim runs the same race as the built one.
for program in galloria galloria-sim; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
"$prefix/bin/galloria-sim" --help | grep -q "galloria-sim race" || fail "installed galloria-sim --help"
race=(race --seed 7 --horse 80,40,60,30 --horse 70,70,50,50 --horse 60,90,40,80 --json)
[ "$("$prefix/bin/galloria-sim" "${race[@]}")" = "$("$build/tools/galloria_sim/galloria-sim" "${race[@]}")" ] ||
    fail "the installed galloria-sim runs a different race"

# The menu entry: valid, and naming a program and an icon that are installed.
desktop=$prefix/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate $app_id.desktop"
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$prefix/bin/$exec_program" ] || fail "the menu entry starts '$exec_program', which is not installed"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    grep -q '^Categories=.*Game;' "$desktop" || fail "the menu entry is not in the Game category"
else
    fail "no $app_id.desktop in share/applications"
    icon=galloria
fi

# The AppStream metadata: valid offline, launching the menu entry, this version.
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $app_id.metainfo.xml"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metadata does not launch $app_id.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version"
    grep -q '<content_rating type="oars-1.1">' "$metainfo" || fail "the metadata has no content rating"
else
    fail "no $app_id.metainfo.xml in share/metainfo"
fi

# The icon at every size of the hicolor theme, each a PNG of its size.
png_side() { # width and height from the PNG header, big-endian at bytes 16 and 20
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for size in 16 22 24 32 48 64 128 256; do
    file=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    if [ ! -f "$file" ]; then
        fail "no icon $icon.png at ${size}x${size}"
    elif [ "$(head -c 8 "$file" | od -An -tx1 | tr -d ' ')" != 89504e470d0a1a0a ]; then
        fail "$file is not a PNG"
    elif [ "$(png_side "$file")" != "${size}x${size}" ]; then
        fail "$file is $(png_side "$file"), not ${size}x${size}"
    fi
done

# Manuals compressed as Debian wants them, and the documents.
for page in galloria galloria-sim; do
    manual=$prefix/share/man/man6/$page.6.gz
    if [ -f "$manual" ] && gzip -t "$manual"; then
        gzip -dc "$manual" | grep -q '^\.TH' || fail "$page.6.gz is no manual page"
    else
        fail "no good share/man/man6/$page.6.gz"
    fi
done
for doc in README.md LICENSE copyright changelog.gz; do
    [ -s "$prefix/share/doc/galloria/$doc" ] || fail "no share/doc/galloria/$doc"
done

# Nothing leads back to the build folder: no run path into it, and the game,
# started from elsewhere with a fresh home, fills its folder with the stable and
# sounds built into it.
if command -v readelf >/dev/null; then
    for program in galloria galloria-sim; do
        ! readelf -d "$prefix/bin/$program" | grep -E 'RPATH|RUNPATH' | grep -q "$build" ||
            fail "bin/$program keeps a run path into the build folder"
    done
fi
home=$work/home
mkdir -p "$home" "$work/elsewhere"
(cd "$work/elsewhere" && HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config \
    QT_QPA_PLATFORM=offscreen timeout 10 "$prefix/bin/galloria" >/dev/null 2>&1) || true
folder=$home/.local/share/Tamberlyn/Galloria
for stable in Stable.dat BackUp.dat; do
    cmp -s "$folder/data/$stable" "$source/resources/stable/Stable.dat" ||
        fail "the installed game did not make data/$stable from the starting stable"
done
sounds=0
for sound in "$source"/resources/sounds/*.wav; do
    cmp -s "$folder/Sounds/$(basename "$sound")" "$sound" || fail "the installed game did not make Sounds/$(basename "$sound")"
    sounds=$((sounds + 1))
done
[ "$sounds" -gt 0 ] || fail "no sounds in $source/resources/sounds"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) of the installed tree failed"
    exit 1
fi
echo "the installed tree is complete"
