#!/usr/bin/env bash
# Plays the life cycle of both builds at once (tools/lifecycle.sh), each in a
# fresh prefix of its own, and prints each build's steps once it has ended.
# Two sessions side by side, and nothing else: beside further Wine sessions
# the removal step's right-button tool failed now and then to end in time.
#   lifecycles.sh <build folder>
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(realpath "$1")
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

pids=()
for letter in C P; do
    tools/lifecycle.sh "$build/lifecycle-prefix-$letter" "$build" "$letter" \
        >"$logs/$letter.log" 2>&1 &
    pids+=($!)
done
status=0
for index in 0 1; do
    wait "${pids[$index]}" || status=1
done
cat "$logs/C.log" "$logs/P.log"
exit "$status"
