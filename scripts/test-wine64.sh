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
cmake --preset windows64 >/dev/null
scripts/wine-tests.sh windows64 -L "win|e2e"
