#!/usr/bin/env bash
# Last step of making the Wine 10 root (run by mmdebstrap with the root's
# path): puts the 32-bit Windows DLLs of libwine:i386, of the same version as
# the installed Wine, where the 64-bit Wine looks for them.
#   wine10-root-hook.sh ROOT DLL_DIR
set -euo pipefail
root=$1
dlls=$2
version=$(chroot "$root" dpkg-query -W -f='${Version}' libwine)
work=$root/tmp/libwine-i386
rm -rf "$work"
mkdir -p "$work"
(chroot "$root" sh -c "cd /tmp/libwine-i386 && apt-get -o APT::Sandbox::User=root download -q=2 libwine:i386=$version")
dpkg-deb -x "$work"/libwine_*_i386.deb "$work/x"
mkdir -p "$root/$dlls"
cp -a "$work/x/usr/lib/i386-linux-gnu/wine/i386-windows/." "$root/$dlls/"
rm -rf "$work" "$root"/var/cache/apt/archives/*.deb "$root"/var/lib/apt/lists/*_Packages
