#!/usr/bin/env bash
# Benchmark of the suite on the test prefix: one line per figure, each with
# its baseline measured in the same run. The machine may be shared and noisy,
# so the figures are reported here and never asserted in tests.
#   scripts/bench.sh [--ps2] [figure ...]
# Without figure names every figure runs. TS_DELIVER_DIR, when set, names
# another folder of deliverables to measure (e.g. a build of an older commit). A figure is one function named
# figure_<name> below; add it to FIGURES.
set -euo pipefail
cd "$(dirname "$0")/.."

FIGURES=(startup_control_panel startup_right_button cpu_armed_tool
         cpu_waiting_calibration driver_request size logon_run)

letter=C
if [ "${1:-}" = "--ps2" ]; then
    letter=P
    shift
fi
build=$PWD/build/windows
export WINEPREFIX=$build/prefix-$letter WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export TS_DELIVER_DIR=${TS_DELIVER_DIR:-$build/deliver}
budget=300000

# Runs the measuring program of this build with the given figure; its output
# goes through a file, since background Wine processes would hold a pipe open.
bench() {
    local out
    out=$(mktemp)
    local status=0
    wine "$build/tools/Bench_$letter.exe" "$@" </dev/null >"$out" 2>&1 || status=$?
    grep -v '^\s*$' "$out" || true
    rm -f "$out"
    [ $status -eq 0 ] || echo "($1: the measuring program ended with $status)"
}

figure_startup_control_panel() { bench startup "KVD2K${letter}cp.exe" 11; }
figure_startup_right_button() { bench startup "KVD2K${letter}rb.exe" 11; }
figure_cpu_armed_tool() { bench armed-tool 3; }
figure_cpu_waiting_calibration() { bench waiting-calibration 3; }
figure_driver_request() { bench request 20000; }

# From the process start to the exit of the startup agent run without
# arguments, as at logon; it is designed to last about one second.
figure_logon_run() {
    local out
    bench prepare
    out=$(mktemp)
    wine "$build/tools/RunTimer.exe" 9 "$(winepath -w "$TS_DELIVER_DIR/KVD2K${letter}ao.exe")" \
        </dev/null >"$out" 2>&1 || true
    echo "logon run KVD2K${letter}ao.exe: $(tail -1 "$out"); the designed run 1000 ms"
    rm -f "$out"
}

figure_size() {
    local bare program
    bare=$(stat -c %s "$build/tools/BareWindow.exe")
    for program in "$TS_DELIVER_DIR"/KVD2K*.exe; do
        # The suite's own programs; the stand-ins of outside programs are not shipped.
        [[ $(basename "$program") =~ ^KVD2K[CP](cp|ao|rb|di|de)\.exe$ ]] || continue
        printf 'size %s: %d bytes (budget %d; the bare window program %d)\n' \
            "$(basename "$program")" "$(stat -c %s "$program")" "$budget" "$bare"
    done
}

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target \
    "cp_$letter" "rb_$letter" "ao_$letter" "Bench_$letter" BareWindow RunTimer PrefixKeeper \
    drivers >/dev/null
tools/setup-prefix.sh "$WINEPREFIX" "$build" >/dev/null

for figure in "${@:-${FIGURES[@]}}"; do
    "figure_$figure"
done
wineserver -k 2>/dev/null || true
