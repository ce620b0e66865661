#!/usr/bin/env bash
# Runs a test program in a throwaway Wine prefix of its own, for the scenarios
# that restart Windows (a restart ends the session of its prefix, and the
# shared prefixes' keepers and simulated controllers must never go through
# one) and for long ones that would hold up their build's shared prefix.
# tools/setup-prefix.sh makes the prefix as it makes the shared one, with a
# server, controllers and a keeper of its own; it is removed afterwards.
#   own-prefix.sh <own prefix> <build folder> <program> [arguments]
set -euo pipefail

own=$(realpath -m "$1")
build=$(realpath "$2")
shift 2
wine=${TS_WINE:-wine}

quiet() { "$@" </dev/null >/dev/null 2>&1; }
remove() {
    if [ -d "$own" ]; then
        WINEPREFIX=$own quiet wineserver -k || true
        WINEPREFIX=$own quiet wineserver -w || true
        rm -rf "$own"
    fi
}

remove # what an interrupted run left
trap remove EXIT
"$(dirname "$0")/../../tools/setup-prefix.sh" "$own" "$build" >/dev/null
WINEPREFIX=$own "$wine" "$@" </dev/null
