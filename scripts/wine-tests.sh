#!/usr/bin/env bash
# Builds a configured preset and runs its CTest tests that use Wine:
#   scripts/wine-tests.sh <preset> [ctest arguments]
# The template of the test prefixes needs only Wine: it is made while the
# build runs (the tests would make it otherwise).
set -euo pipefail
cd "$(dirname "$0")/.."

preset=$1
shift
jobs=$(nproc)
tools/setup-prefix.sh --template "build/$preset" >/dev/null 2>&1 &
template=$!
cmake --build --preset "$preset" -j"$jobs"
wait "$template" || echo "wine-tests: the prefix template is left to the tests" >&2
# One Wine test more than there are cores, as they wait more than they
# compute, and one that only waits (cmake/suite.cmake: TS_WINE_TEST_SLOTS).
ctest --preset "$preset" -j$((2 * (jobs + 1) + 1)) "$@"
