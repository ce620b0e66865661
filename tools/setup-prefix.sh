#!/usr/bin/env bash
# Prepares a Wine prefix for the suite: creates it when missing (headless
# unless --display), installs and starts both simulated controllers, and
# leaves one persistent wineserver running for the prefix.
#   setup-prefix.sh <prefix> <build folder> [--display | --desktop]
# --desktop: on the display, with every program of the prefix in one Wine
# desktop of 1024x768 (the size the programs are tested at).
# The build folder holds drivers/KVD2K*.sys and tools/PrefixKeeper.exe.
# TS_WINE names the Wine loader (default wine; the 64-bit check build uses
# wine64, with WINEARCH=win64).
set -euo pipefail

prefix=$(realpath -m "$1")
build=$(realpath "$2")
display=${3:-}
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

quiet() { "$@" </dev/null >/dev/null 2>&1; }
wine=${TS_WINE:-wine}

# A fresh server for every run: the drivers are reloaded from their files.
quiet wineserver -k || true

if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    quiet "$wine" wineboot -i
    quiet wineserver -w
fi

# Wine's own fonts (window buttons, the classic dialog font) are looked up in
# the prefix; this Wine does not find them where the package puts them.
if [ -d /usr/share/wine/fonts ]; then
    cp -n /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
fi

# The graphics driver is chosen when the prefix's desktop starts: set it, then
# let every process of the prefix end so that the next start uses it.
reg=$(mktemp --suffix=.reg)
if [ "$display" = "--display" ]; then
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"=-\n' >"$reg"
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"=-\n' >>"$reg"
elif [ "$display" = "--desktop" ]; then
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"=-\n' >"$reg"
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Default"\n' >>"$reg"
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="1024x768"\n' >>"$reg"
else
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="null"\n' >"$reg"
fi
quiet "$wine" regedit "$reg"
rm -f "$reg"
quiet wineserver -w

# New driver files go in while no process of the prefix runs, so that the
# service manager, which starts them at its own start, loads these.
target="$prefix/drive_c/windows/system32/drivers"
mkdir -p "$target"
cp "$build/drivers/KVD2KCOM.sys" "$build/drivers/KVD2KPS2.sys" "$target/"

setsid -f wineserver -p </dev/null >/dev/null 2>&1
# Wine ends the services, the driver host with the simulated controllers
# included, when the last ordinary process of the prefix exits: the keeper
# is an ordinary process that outlives every program of a run.
setsid -f "$wine" "$build/tools/PrefixKeeper.exe" </dev/null >/dev/null 2>&1

for name in KVD2KCOM KVD2KPS2; do
    quiet "$wine" sc create "$name" type= kernel start= auto \
        binpath= "C:\\windows\\system32\\drivers\\$name.sys" || true
    quiet "$wine" sc config "$name" start= auto || true
    quiet "$wine" net start "$name" || true
    status=$(mktemp)
    "$wine" sc query "$name" </dev/null >"$status" 2>&1 || true
    if ! grep -q RUNNING "$status"; then
        echo "setup-prefix: could not start $name" >&2
        cat "$status" >&2
        rm -f "$status"
        exit 1
    fi
    rm -f "$status"
done
echo "prefix ready: $prefix"
