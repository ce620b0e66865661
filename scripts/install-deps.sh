#!/usr/bin/env bash
# Installs the Debian packages the suite needs, when any is missing.
set -euo pipefail

packages=(cmake g++ clang clang-format libclang-rt-14-dev googletest
          mingw-w64 g++-mingw-w64-i686-win32 gcc-mingw-w64-x86-64
          g++-mingw-w64-x86-64-win32
          wine wine64 wine32:i386 fonts-wine xvfb xauth imagemagick ccache
          nsis)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
$sudo_cmd dpkg --add-architecture i386
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
