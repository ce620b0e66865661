#!/usr/bin/env bash
# Fails when a C or C++ file of the repository differs from what clang-format
# (.clang-format at the root) makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.c' '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
