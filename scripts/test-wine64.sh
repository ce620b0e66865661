#!/usr/bin/env bash
# A stop-gap for a machine whose Linux kernel cannot start 32-bit programs
# (ia32_emulation=off), where Wine cannot run the suite's 32-bit programs:
# builds the same sources for x86_64, setup packages included, and runs every
# Wine test of that build (in-process, black-box, the gallery and the life
# cycle) under wine64, in 64-bit prefixes of their own. It checks the code,
# not the shipped files: run scripts/test.sh on a machine with 32-bit support
# for the real thing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)
cmake --preset windows64 >/dev/null
# The template of the test prefixes needs only Wine: made while the build
# runs (the tests would make it otherwise).
tools/setup-prefix.sh --template build/windows64 >/dev/null 2>&1 &
template=$!
cmake --build --preset windows64 -j"$jobs"
wait "$template" || echo "test-wine64: the prefix template is left to the tests" >&2
# One Wine test more than there are cores, as they wait more than they
# compute, and one that only waits (cmake/suite.cmake: TS_WINE_TEST_SLOTS).
ctest --preset windows64 -L "win|e2e" -j$((2 * (jobs + 1) + 1))
