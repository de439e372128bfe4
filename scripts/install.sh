#!/usr/bin/env bash
# Installs everything the build, the demo and the tests need, from Debian's
# packages. Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
  wine wine32:i386 fonts-wine mmdebstrap
  xvfb xauth x11-utils imagemagick zip unzip time ghostscript poppler-utils
  libstb-dev libz-mingw-w64-dev zlib1g-dev
  grep coreutils util-linux
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
elif [ -n "${need_update:-}" ]; then
  "${sudo_cmd[@]}" apt-get update -q
fi

# The tests use the posix thread model of the cross compiler (GoogleTest
# needs it); the shipped programs link with the win32 one.
command -v i686-w64-mingw32-g++-posix >/dev/null
command -v i686-w64-mingw32-g++-win32 >/dev/null
