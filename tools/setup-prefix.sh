#!/usr/bin/env bash
# Prepares a Wine prefix for the suite: creates it when missing (headless
# unless --display), starts both simulated controllers, and leaves one
# persistent wineserver running for the prefix.
#   setup-prefix.sh <prefix> <build folder> [--display | --desktop]
#   setup-prefix.sh --template <build folder>   only the template (below),
#     with the Wine settings of the build's tests (<build folder>/wine.env)
# --desktop: on the display, with every program of the prefix in one Wine
# desktop of 1024x768 (the size the programs are tested at).
# The build folder holds drivers/KVD2K*.sys and tools/PrefixKeeper.exe.
# TS_WINE names the Wine loader (default wine; the 64-bit check build uses
# wine64, with WINEARCH=win64).
#
# A new prefix is a copy of the build folder's prefix-template: a prefix
# made once by wineboot, headless, with Wine's fonts and both controllers'
# services in it, never started since. Copying it takes a second; wineboot
# takes many.
set -euo pipefail

only_template=
if [ "$1" = --template ]; then
    only_template=1
    shift
    while IFS= read -r setting; do
        export "$setting"
    done <"$1/wine.env"
    set -- "$1/prefix-template" "$1"
fi
prefix=$(realpath -m "$1")
build=$(realpath "$2")
display=${3:-}
template=$build/prefix-template
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

quiet() { "$@" </dev/null >/dev/null 2>&1; }
wine=${TS_WINE:-wine}

# Sets the graphics driver (null, display or desktop) of the prefix in
# WINEPREFIX. It is chosen when the prefix's desktop starts: set it, then let
# every process of the prefix end so that the next start uses it.
set_graphics() {
    local reg
    reg=$(mktemp --suffix=.reg)
    case $1 in
    display)
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"=-\n' >"$reg"
        printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"=-\n' >>"$reg"
        ;;
    desktop)
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"=-\n' >"$reg"
        printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Default"\n' >>"$reg"
        printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="1024x768"\n' >>"$reg"
        ;;
    *)
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="null"\n' >"$reg"
        printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"=-\n' >>"$reg"
        ;;
    esac
    quiet "$wine" regedit "$reg"
    rm -f "$reg"
    end_session
    echo "$1" >"$WINEPREFIX/.ts-graphics"
}

# Ends every process of the prefix in WINEPREFIX and its server, which
# writes the registry out as it ends.
end_session() {
    quiet wineserver -k || true
    quiet wineserver -w || true
}

make_template() {
    local made=$template.new
    rm -rf "$made"
    mkdir -p "$made"
    export WINEPREFIX=$made
    quiet "$wine" wineboot -i
    # Wine's own fonts (window buttons, the classic dialog font) are looked up
    # in the prefix; this Wine does not find them where the package puts them.
    if [ -d /usr/share/wine/fonts ]; then
        cp -n /usr/share/wine/fonts/*.ttf "$made/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    for name in KVD2KCOM KVD2KPS2; do
        quiet "$wine" sc create "$name" type= kernel start= auto \
            binpath= "C:\\windows\\system32\\drivers\\$name.sys" || true
    done
    set_graphics null
    mv "$made" "$template"
}

# Several prefixes may be prepared at once: one of them makes the template.
exec 9>"$build/prefix-template.lock"
flock 9
[ -f "$template/system.reg" ] || make_template
flock -u 9
[ -z "$only_template" ] || exit 0

export WINEPREFIX=$prefix
# A fresh server for every run: the drivers are reloaded from their files.
end_session
if [ ! -f "$prefix/system.reg" ]; then
    rm -rf "$prefix"
    cp -a "$template" "$prefix"
fi

graphics=${display#--}
[ -n "$graphics" ] || graphics=null
if [ "$(cat "$prefix/.ts-graphics" 2>/dev/null)" != "$graphics" ]; then
    set_graphics "$graphics"
fi

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

# Both services start on their own with the service manager (the template
# has them); one still starting is waited for by net start.
for name in KVD2KCOM KVD2KPS2; do
    status=$(mktemp)
    "$wine" sc query "$name" </dev/null >"$status" 2>&1 || true
    if ! grep -q RUNNING "$status"; then
        quiet "$wine" net start "$name" || true
        "$wine" sc query "$name" </dev/null >"$status" 2>&1 || true
    fi
    if ! grep -q RUNNING "$status"; then
        echo "setup-prefix: could not start $name" >&2
        cat "$status" >&2
        rm -f "$status"
        exit 1
    fi
    rm -f "$status"
done
echo "prefix ready: $prefix"
