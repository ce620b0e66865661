#!/usr/bin/env bash
# Builds the suite, installs it through the simulation variant of its setup
# package (TouchScreenSetup-COM-Simulation.exe, with the stand-ins of the
# outside programs) into a Wine prefix of its own (build/windows/run-prefix)
# and opens the control panel against the simulated controller.
#   scripts/run.sh              serial build (KVD2KCcp.exe)
#   scripts/run.sh --ps2        PS/2 build (KVD2KPcp.exe)
#   scripts/run.sh --lifecycle  the whole life cycle of both builds, step by
#                               step with what each step checked (--ps2: only
#                               the PS/2 build, --com: only the serial build)
# With a display (DISPLAY set) the control panel opens on it, in a 1024x768
# Wine desktop, after the logon run of the startup agent, with the touch
# simulator beside it (the mouse is the finger). Without one, a picture of
# every window of both builds is written to build/windows/screenshots/
# (scripts/screenshots.sh).
# TS_RUN_BUILD_DIR=<folder> uses that already built folder instead of building.
set -euo pipefail
cd "$(dirname "$0")/.."

letters=C
lifecycle=
for option in "$@"; do
    case $option in
    --ps2) letters=P ;;
    --com) letters=C ;;
    --lifecycle) lifecycle=1 ;;
    *) echo "run.sh: unknown option $option" >&2; exit 2 ;;
    esac
done
if [ -n "$lifecycle" ] && [ $# -eq 1 ]; then letters="C P"; fi

build=${TS_RUN_BUILD_DIR:-$PWD/build/windows}
if [ -z "${TS_RUN_BUILD_DIR:-}" ]; then
    scripts/install-deps.sh
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$(nproc)"
fi
build=$(realpath "$build")

screen=--desktop
[ -n "${DISPLAY:-}" ] || screen=

if [ -n "$lifecycle" ]; then
    for letter in $letters; do
        tools/lifecycle.sh "$build/lifecycle-prefix-$letter" "$build" "$letter" $screen
    done
    exit 0
fi

if [ -z "$screen" ]; then
    TS_RUN_BUILD_DIR="$build" exec scripts/screenshots.sh "$build/screenshots"
fi

export WINEPREFIX=$build/run-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
letter=$letters
tools/lifecycle.sh "$WINEPREFIX" "$build" "$letter" --desktop --install

quiet() { "$@" </dev/null >/dev/null 2>&1; }
# The build's names (settings key, ...), made from the programs' own header.
# shellcheck source=/dev/null
. "$build/packaging/names-$letter.sh"
answer=$(mktemp)
wine reg query "HKLM\\$TS_SETTINGS_KEY" /v InstallPath /reg:32 </dev/null >"$answer" 2>/dev/null || true
installed=$(sed -n 's/.*REG_SZ *//p' "$answer" | tr -d '\r')
rm -f "$answer"

# The touch simulator runs beside the control panel so that the mouse acts
# as the finger: press, hold and release on the calibration screen to touch
# the simulated panel.
setsid -f wine "$build/tools/TouchSimulator_$letter.exe" </dev/null >/dev/null 2>&1
wine "$installed\\KVD2K${letter}cp.exe" </dev/null >/dev/null 2>&1 || true
quiet wine taskkill /F /IM "TouchSimulator_$letter.exe" || true
quiet wineserver -k || true # the session's companions (tool, SMI program) end with it
