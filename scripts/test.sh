#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test:
# host tests natively (the format check among them), Windows tests and
# black-box scenarios under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)
cmake --preset host >/dev/null
cmake --build --preset host -j"$jobs"
cmake --preset windows >/dev/null

# The programs are 32-bit. A Linux kernel started without its 32-bit support
# (ia32_emulation=off) cannot run Wine's 32-bit loader: then only the checks
# that need no Wine run, and the run says so plainly.
if scripts/can-run-32bit.sh && wine --version </dev/null >/dev/null 2>&1; then
    ctest --preset host -j"$jobs"
    scripts/wine-tests.sh windows
else
    cat <<'NOTE'
*** This machine cannot start 32-bit programs (its kernel has no 32-bit
*** support, see "ia32_emulation"), so Wine cannot run the shipped 32-bit
*** programs. Below: the shipped files and their setup packages are built and
*** checked without Wine (label host), then every Wine test of the same
*** sources built for x86_64, with 64-bit setup packages, runs under wine64
*** (scripts/test-wine64.sh): the life cycle and the gallery included. The
*** shipped 32-bit files themselves do NOT run.
NOTE
    # The 32-bit test programs could not run: only what ships is built.
    cmake --build --preset windows -j"$jobs" --target setup_C_release setup_P_release
    ctest --preset host -j"$jobs"
    ctest --preset windows -L host
    scripts/test-wine64.sh
fi
