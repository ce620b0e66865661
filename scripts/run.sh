#!/usr/bin/env bash
# Builds the suite and opens the control panel against the simulated
# controller, in a Wine prefix of its own (build/windows/run-prefix).
#   scripts/run.sh          serial build (KVD2KCcp.exe)
#   scripts/run.sh --ps2    PS/2 build (KVD2KPcp.exe)
# With a display (DISPLAY set) the control panel opens on it, with the touch
# simulator beside it (the mouse is the finger). Without one,
# both builds run on a virtual display and a screenshot of each main window
# is written to build/windows/screenshots/controlpanel-C.png and -P.png,
# with one of each settings page, of the startup agent's double-click
# settings window (startup-C.png, -P.png) and of the removal program's
# confirmation (removal-C.png, -P.png) beside them.
# TS_RUN_BUILD_DIR=<folder> uses that already built folder instead of building.
set -euo pipefail
cd "$(dirname "$0")/.."

letter=C
[ "${1:-}" = "--ps2" ] && letter=P

build=${TS_RUN_BUILD_DIR:-$PWD/build/windows}
if [ -z "${TS_RUN_BUILD_DIR:-}" ] && [ -z "${TS_RUN_ON_XVFB:-}" ]; then
    scripts/install-deps.sh
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$(nproc)"
fi
build=$(realpath "$build")

if [ -z "${DISPLAY:-}" ]; then
    # Again, on a virtual screen of the size the programs are tested at.
    TS_RUN_ON_XVFB=1 TS_RUN_BUILD_DIR="$build" \
        exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

export WINEPREFIX=$build/run-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
tools/setup-prefix.sh "$WINEPREFIX" "$build" --display

quiet() { "$@" </dev/null >/dev/null 2>&1; }

# The settings key as the distributor's setup leaves it, installed in the
# deliverables folder. The programs are 32-bit and see the 32-bit view of
# the registry, which the 32-bit registry editor writes.
write_settings_key() {
    local deliver reg
    deliver=$(winepath -w "$build/deliver" 2>/dev/null </dev/null)
    deliver=${deliver//\\/\\\\}
    reg=$(mktemp --suffix=.reg)
    {
        printf 'REGEDIT4\n\n'
        for subkey in TS-COM:*ZKT0001 TS-PS2:*PNP0F03; do
            printf '[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvalith\\TouchScreen\\%s]\n' \
                "${subkey%%:*}"
            printf '"VenderName"="Orvalith"\n"VenderStyle"=""\n'
            printf '"InstallPath"="%s"\n' "$deliver"
            printf '"WindowsPath"="C:\\\\windows"\n"SystemPath"="C:\\\\windows\\\\system32"\n'
            printf '"HardwareID"="%s"\n\n' "${subkey#*:}"
        done
    } >"$reg"
    quiet wine 'C:\windows\syswow64\regedit.exe' "$reg"
    rm -f "$reg"
}

# Number of colours on the virtual screen: the bare desktop has one or two.
screen_colours() {
    import -window root png:- 2>/dev/null | identify -format '%k' - 2>/dev/null || echo 0
}

# A screenshot of the control panel of one build, after the given input
# steps (arguments of tools/RemoteInput, each step one word list) opened the
# window to be shown. Another program and its arguments may be named in
# shot_program and shot_arguments.
screenshot_of() {
    local letter=$1 out=$2 program step
    shift 2
    program=${shot_program:-KVD2K${letter}cp.exe}
    # shellcheck disable=SC2086
    setsid -f wine explorer /desktop=ts,1024x768 "$build/deliver/$program" ${shot_arguments:-} \
        </dev/null >/dev/null 2>&1
    for _ in $(seq 1 80); do
        [ "$(screen_colours)" -gt 8 ] && break
        sleep 0.25
    done
    sleep 2 # the rest of the first paint
    for step in "$@"; do
        # On the program's desktop, where its windows are; a step is a list
        # of words.
        # shellcheck disable=SC2086
        quiet wine explorer /desktop=ts,1024x768 "$build/tools/RemoteInput.exe" $step ||
            echo "screenshot: '$step' failed"
        sleep 1.5
    done
    import -window root "$out"
    quiet wine taskkill /F /IM "$program" || true
    echo "screenshot: $out"
}

write_settings_key

if [ -n "${TS_RUN_ON_XVFB:-}" ]; then
    shots=$build/screenshots
    mkdir -p "$shots"
    for l in C P; do
        screenshot_of "$l" "$shots/controlpanel-$l.png"
        screenshot_of "$l" "$shots/virtualbutton-$l.png" "click frmMain cmdVirtualButton"
        screenshot_of "$l" "$shots/feedbacksound-$l.png" "click frmMain cmdFeedbackSound"
        shot_program=KVD2K${l}ao.exe shot_arguments=/SDC screenshot_of "$l" "$shots/startup-$l.png"
        shot_program=KVD2K${l}de.exe screenshot_of "$l" "$shots/removal-$l.png"
    done
    # The serial build opens the mouse speed page by Ctrl+K and alone has the
    # serial port windows.
    screenshot_of C "$shots/mousespeed-C.png" "ctrl frmMain K"
    screenshot_of P "$shots/mousespeed-P.png" "click frmMain cmdMouseSpeed"
    screenshot_of C "$shots/serialport-C.png" "click frmMain cmdSerialPort"
    screenshot_of C "$shots/comxset-C.png" "click frmMain cmdSerialPort" \
        "click frmSerialPort cmdSetup"
    quiet wineserver -k || true
    exit 0
fi

# On the display, in a desktop of the tested size. The touch simulator runs
# beside the control panel so that the mouse acts as the finger: press, hold
# and release on the calibration screen to touch the simulated panel.
setsid -f wine explorer /desktop=ts,1024x768 "$build/tools/TouchSimulator_$letter.exe" \
    </dev/null >/dev/null 2>&1
wine explorer /desktop=ts,1024x768 "$build/deliver/KVD2K${letter}cp.exe" </dev/null >/dev/null 2>&1 || true
quiet wine taskkill /F /IM "TouchSimulator_$letter.exe" || true
