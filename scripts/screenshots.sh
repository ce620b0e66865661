#!/usr/bin/env bash
# Writes a PNG of every window and message box a user can meet, in both
# builds, and checks that every picture of the README's gallery was made.
#   scripts/screenshots.sh [folder]     default: docs/screenshots
# The programs run against the simulated controller on a virtual screen of
# 1024x768, one for each build, in Wine prefixes of their own.
# TS_RUN_BUILD_DIR=<folder> uses that already built folder instead of building;
# TS_GALLERY_FILTER="<scene> ..." makes only some of the pictures (no check);
# a scene is named as the gallery prints it, "ControlPanel.*" names an area's.
set -euo pipefail
cd "$(dirname "$0")/.."

out=$(realpath -m "${1:-docs/screenshots}")
build=${TS_RUN_BUILD_DIR:-$PWD/build/windows}
if [ -z "${TS_RUN_BUILD_DIR:-}" ]; then
    scripts/install-deps.sh
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$(nproc)" --target Gallery_C Gallery_P drivers PrefixKeeper
fi
build=$(realpath "$build")

# One build's gallery, on a virtual screen and in a prefix of its own
# (build/windows/shots-prefix-<letter>): the two builds run side by side.
if [ -n "${TS_SHOTS_LETTER:-}" ]; then
    letter=$TS_SHOTS_LETTER
    export WINEPREFIX=$build/shots-prefix-$letter WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wine=${TS_WINE:-wine} # the 64-bit check build's loader is wine64
    tools/setup-prefix.sh "$WINEPREFIX" "$build" --desktop >/dev/null
    read -ra scenes <<<"${TS_GALLERY_FILTER:-}"
    log=$build/gallery-$letter.log
    status=0
    TS_DELIVER_DIR=$build/deliver "$wine" "$build/tools/Gallery_$letter.exe" "${scenes[@]}" \
        </dev/null >"$log" 2>&1 || status=$?
    wineserver -k </dev/null >/dev/null 2>&1 || true
    if [ "$status" -ne 0 ]; then
        echo "screenshots: the gallery of build $letter had failures (log: $log)" >&2
        grep -E 'WRONG|failure|failed' "$log" >&2 || true
    fi
    exit "$status"
fi

raw=$(mktemp -d)
trap 'rm -rf "$raw"' EXIT
# Each build's screen searches for a free display number from its own start,
# so that the two never pick the same one.
pids=()
for letter in C P; do
    first=$([ "$letter" = C ] && echo 99 || echo 199)
    TS_SHOTS_LETTER=$letter TS_SHOTS_DIR=$raw TS_RUN_BUILD_DIR="$build" \
        xvfb-run -a -n "$first" -s "-screen 0 1024x768x24" "$0" "$out" &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done

mkdir -p "$out"
[ -n "${TS_GALLERY_FILTER:-}" ] || rm -f "$out"/*.png
# Without dates in the file, an unchanged window gives the same file. One
# process for all pictures: a process per picture cost seconds.
if compgen -G "$raw/*.bmp" >/dev/null; then
    mogrify -path "$out" -format png -strip "$raw"/*.bmp
fi

# Every picture the README's gallery shows must have been made now.
missing=0
[ -z "${TS_GALLERY_FILTER:-}" ] || exit "$status"
for picture in $(grep -o 'docs/screenshots/[A-Za-z0-9-]*\.png' README.md | sort -u); do
    if [ ! -s "$out/$(basename "$picture")" ]; then
        echo "screenshots: missing $(basename "$picture")" >&2
        missing=$((missing + 1))
    fi
done
made=$(find "$out" -name '*.png' | wc -l)
echo "screenshots: $made pictures in $out, $missing of the gallery missing"
[ "$missing" -eq 0 ] || status=1
exit "$status"
