#!/usr/bin/env bash
# Plays the suite's life cycle for one build in a fresh Wine prefix, the way
# a distributor and a user meet it, and prints each step and what it checked:
#   setup package (/S; the simulation variant) -> driver installation
#   (restart, or the PS/2 registration) -> logon run of the startup agent ->
#   setup again over the running control panel and right-button tool ->
#   control panel -> removal (confirmation, uninstaller, restart) -> next
#   start, which ends with a "left behind:" line that must read "nothing".
#   lifecycle.sh <prefix> <build folder> <C|P> [--desktop] [--install]
# The prefix is made afresh; headless unless --desktop (on the display).
# --install: only the setup and the Windows start after it, in the prefix as
# it is (made when missing); scripts/run.sh installs so before it opens the
# control panel.
#
# Wine 8 runs the Run keys (HKLM, both registry views, and HKCU) in wineboot
# when it is started without arguments and in the session end that a restart
# request starts (wineboot --end-session --force), but not when a new session
# of the prefix begins on its own. So a Windows start is played here as: a new
# session (the drivers load their start values from the settings key), then
# wineboot, which runs the Run keys as the logon does.
set -euo pipefail
cd "$(dirname "$0")/.."

prefix=$(realpath -m "$1")
build=$(realpath "$2")
letter=$3
shift 3
mode=
only_install=
for option in "$@"; do
    case $option in
    --desktop) mode=--desktop ;;
    --install) only_install=1 ;;
    *) echo "lifecycle: unknown option $option" >&2; exit 2 ;;
    esac
done
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=${TS_WINE:-wine} # the 64-bit check build's loader is wine64

quiet() { "$@" </dev/null >/dev/null 2>&1; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT

fail() {
    echo "lifecycle ($letter): $1"
    quiet wineserver -k || true
    exit 1
}

step() { # step <title> <step of Lifecycle_<letter>.exe>
    echo "== $1"
    if TS_DELIVER_DIR=$build/deliver "$wine" "$build/tools/Lifecycle_$letter.exe" "$2" \
        </dev/null >"$log" 2>&1; then
        grep -E '^  ' "$log" || true # the checks and notes
    else
        grep -vE '^== ' "$log" || true
        fail "step '$2' failed"
    fi
}

new_session() {
    echo "-- Windows starts: a new session of the prefix, then the logon (wineboot runs the Run keys)"
    tools/setup-prefix.sh "$prefix" "$build" $mode >/dev/null || fail "the new session did not start"
}

# On a loaded machine the cycle once ended without a word between a new
# session and the next step. A failing wineboot now names its exit code and
# runs once more: the later steps must meet a logon that happened.
logon() {
    local status=0
    quiet "$wine" wineboot || status=$?
    [ "$status" -eq 0 ] && return
    echo "        the logon's wineboot ended with $status; once more"
    status=0
    quiet "$wine" wineboot || status=$?
    [ "$status" -eq 0 ] || fail "the logon's wineboot ended with $status"
}

quiet wineserver -k || true
[ -n "$only_install" ] || rm -rf "$prefix"
tools/setup-prefix.sh "$prefix" "$build" $mode >/dev/null || fail "the prefix could not be made"

step "Setup package, driver installation" Setup
new_session
logon
[ -z "$only_install" ] || exit 0
step "Logon run" Logon
step "Setup again over the running control panel and tool" SetupOverRunning
new_session
logon
step "Control panel" ControlPanel
step "Removal" Removal
new_session
# Before the logon: something for a Run value that the removal left to start.
step "A stand-in where the startup agent was" AgentStandIn
logon
step "Next start" AfterRemoval

quiet wineserver -k || true
echo "lifecycle ($letter): every step passed"
