#!/usr/bin/env bash
# Builds the suite and runs it against the simulated controller in a Wine
# prefix of its own (build/windows/run-prefix).
#   scripts/run.sh          serial build
#   scripts/run.sh --ps2    PS/2 build
set -euo pipefail
cd "$(dirname "$0")/.."

letter=C
[ "${1:-}" = "--ps2" ] && letter=P

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"

build=$PWD/build/windows
export WINEPREFIX=$build/run-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
tools/setup-prefix.sh "$WINEPREFIX" "$build"

log=$(mktemp)
wine "$build/tools/ChannelBench_$letter.exe" 1000 </dev/null >"$log" 2>&1 || true
cat "$log"
rm -f "$log"
