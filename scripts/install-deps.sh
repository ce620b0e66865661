#!/usr/bin/env bash
# Installs the Debian packages the suite needs, when any is missing.
set -euo pipefail

# The cross compilers of the win32 thread model only (the toolchain files
# name them); Wine's 32-bit half only where 32-bit programs can start.
packages=(cmake ninja-build g++ clang clang-format libclang-rt-14-dev googletest
          g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32
          wine wine64 fonts-wine xvfb xauth imagemagick nsis)
can32=
if "$(dirname "$0")/can-run-32bit.sh"; then
    can32=1
    packages+=(wine32:i386)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
[ -z "$can32" ] || $sudo_cmd dpkg --add-architecture i386
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
