#!/usr/bin/env bash
# Cross-builds galloria-sim for 64-bit Windows with MinGW-w64, runs it under
# wine and checks that it prints the same races and race sets as the Linux
# build, and leaves the same game files (dates aside), for a handful of seeds.
# Exits 77 (skipped) only when the MinGW-w64 compiler is absent.
# Usage: check_windows_sim.sh SOURCE_DIR LINUX_GALLORIA_SIM WORK_DIR
set -euo pipefail
source=$1
linux_sim=$2
work=$3

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null && ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
    echo "the MinGW-w64 compiler is absent (apt-get install g++-mingw-w64-x86-64-posix): skipped"
    exit 77
fi
wine=$(command -v wine64 || command -v wine || true)
[ -n "$wine" ] || { echo "wine is missing (apt-get install wine wine64)"; exit 1; }

# Only the core and galloria-sim: no Qt, no tests, no benchmarks.
build=$work/build-windows
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64-x86_64.cmake" "${launcher[@]}" \
    -DGALLORIA_BUILD_UI=OFF -DGALLORIA_BUILD_TESTS=OFF -DGALLORIA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target galloria-sim
windows_sim=$build/tools/galloria_sim/galloria-sim.exe

# Wine quiet and headless, in a prefix of its own that goes away afterwards.
# Its server stays up between the runs (they take a fraction of a second then)
# and is stopped at the end.
runs=$(mktemp -d)
export WINEPREFIX=$runs/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
unset DISPLAY WAYLAND_DISPLAY
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
trap '"$wineserver" -k >/dev/null 2>&1 || true; rm -rf "$runs"' EXIT
"$wine" wineboot --init >"$runs/wineboot.log" 2>&1 || { cat "$runs/wineboot.log"; exit 1; }
"$wineserver" -p >/dev/null 2>&1 || true

failures=0
# Runs one command line on both builds, each in a fresh folder holding the
# starting stable, and compares what they print and the files they leave.
# Windows ends its console lines with CR LF; the dates and times in the game's
# files are masked (12-7-2026, 19:25).
compare() {
    local label=$1
    shift
    local side
    for side in linux windows; do
        rm -rf "${runs:?}/$side"
        mkdir -p "$runs/$side"
        cp "$source/resources/stable/Stable.dat" "$runs/$side/Stable.dat"
    done
    (cd "$runs/linux" && "$linux_sim" "$@" >stdout.txt 2>stderr.txt) || true
    (cd "$runs/windows" && "$wine" "$windows_sim" "$@" >stdout.txt 2>stderr.txt) || true
    tr -d '\r' <"$runs/windows/stdout.txt" >"$runs/windows/stdout.lf"
    mv "$runs/windows/stdout.lf" "$runs/windows/stdout.txt"
    if [ ! -s "$runs/linux/stdout.txt" ]; then
        echo "FAIL $label: the Linux build printed nothing: $(cat "$runs/linux/stderr.txt")"
        failures=$((failures + 1))
        return
    fi
    local file before=$failures
    (cd "$runs/linux" && find . -type f ! -name stderr.txt | sort) >"$runs/files.txt"
    while read -r file; do
        if [ ! -f "$runs/windows/$file" ]; then
            echo "FAIL $label: the Windows build left no $file"
            failures=$((failures + 1))
        elif ! cmp -s <(LC_ALL=C sed -E 's/[0-9]{1,2}-[0-9]{1,2}-[0-9]{4}/DATE/g; s/[0-9]{1,2}:[0-9]{2}/TIME/g' "$runs/linux/$file") \
                      <(LC_ALL=C sed -E 's/[0-9]{1,2}-[0-9]{1,2}-[0-9]{4}/DATE/g; s/[0-9]{1,2}:[0-9]{2}/TIME/g' "$runs/windows/$file"); then
            echo "FAIL $label: $file differs between Linux and Windows"
            diff <(head -c 2000 "$runs/linux/$file") <(head -c 2000 "$runs/windows/$file") | head -5 || true
            failures=$((failures + 1))
        fi
    done <"$runs/files.txt"
    [ "$failures" -eq "$before" ] && echo "same on Linux and Windows: $label"
    return 0
}

for seed in 1 7 42 1999 65535 4000000000; do
    # Twelve horses of the starting stable, a different field for each seed.
    field=$(awk -v s="$seed" 'BEGIN { for (i = 0; i < 12; i++) printf "%s%d", (i ? "," : ""), (s + 31 * i) % 400 + 1 }')
    compare "race seed $seed" race --seed "$seed" --stable Stable.dat --field "$field" --json
    compare "race of given horses seed $seed" race --seed "$seed" --horse 80,40,60,30 --horse 70,70,50,50 \
        --horse 60,90,40,80 --horse 100,0,100,0 --gait 0,5,10,3 --tipped 2 --json
    compare "odds seed $seed" odds --runs 200 --seed "$seed" --stable Stable.dat --field "$field" --json
    compare "set seed $seed" set --seed "$seed" --players Ann,Bob,Cy --strategy mixed --stake 50 --sets 2 \
        --dir game --stable Stable.dat --json
done

if [ "$failures" -gt 0 ]; then
    echo "$failures difference(s) between the Linux and the Windows galloria-sim"
    exit 1
fi
echo "the Windows galloria-sim gives the same races as the Linux one"
