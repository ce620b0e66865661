#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test:
# host tests natively, Windows tests and black-box scenarios under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)
cmake --preset host >/dev/null
cmake --build --preset host -j"$jobs"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
ctest --preset host -j"$jobs"
ctest --preset windows
