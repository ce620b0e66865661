#!/usr/bin/env bash
# Runs a test program in a throwaway Wine prefix of its own, for the scenarios
# that restart Windows: a restart ends the session of its prefix, and the
# shared prefix's keeper and simulated controllers must never go through one.
# The own prefix is a copy of the shared one (made by the fixture), given a
# server, controllers and a keeper of its own by tools/setup-prefix.sh, and
# removed afterwards.
#   own-prefix.sh <shared prefix> <own prefix> <build folder> <program> [arguments]
set -euo pipefail

shared=$(realpath "$1")
own=$(realpath -m "$2")
build=$(realpath "$3")
shift 3
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
# The shared prefix's server keeps its registry on disk and replaces the
# files whole, so a copy taken while it runs is a consistent one.
cp -a "$shared" "$own"
"$(dirname "$0")/../../tools/setup-prefix.sh" "$own" "$build" >/dev/null
WINEPREFIX=$own "$wine" "$@" </dev/null
