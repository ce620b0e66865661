#!/usr/bin/env bash
# Prepares the prefix of the Large Fonts checks: a test prefix as
# tools/setup-prefix.sh makes it, with the screen at 120 DPI. Wine reads the
# resolution when a program starts.
#   setup-large-fonts-prefix.sh <prefix> <build folder>
set -euo pipefail

"$(dirname "$0")/../../tools/setup-prefix.sh" "$1" "$2"
export WINEPREFIX
WINEPREFIX=$(realpath -m "$1")
wine=${TS_WINE:-wine}
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f \
    </dev/null >/dev/null 2>&1
echo "screen at 120 DPI: $WINEPREFIX"
