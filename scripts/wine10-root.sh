#!/usr/bin/env bash
# Prints the path of the Debian 13 root that holds Wine 10 for running the
# 32-bit programs in WoW64 mode (32-bit Windows code inside a 64-bit Linux
# process, so it works on kernels that cannot execute 32-bit programs).
# Makes the root first when it is missing, broken or made by an older recipe.
#   wine10-root.sh
# It lives outside any clone (default /var/cache/tarvo, or TARVO_WINE10_ROOT)
# so that every clone and CI run on the machine shares one; a lock keeps two
# runs from making it at once. Making it needs root (sudo otherwise).
set -euo pipefail
root=${TARVO_WINE10_ROOT:-/var/cache/tarvo/wine10-trixie}
# Bump when the recipe below changes: roots made by an older one are remade.
recipe=1
i386_dlls=usr/lib/x86_64-linux-gnu/wine/i386-windows
scripts=$(cd "$(dirname "$0")" && pwd)

ready() {
  [ "$(cat "$root/.tarvo-recipe" 2>/dev/null)" = "$recipe" ] &&
    [ -f "$root/$i386_dlls/ntdll.dll" ] && [ -f "$root/$i386_dlls/user32.dll" ] &&
    TARVO_WINE10_ROOT=$root TARVO_WINE10_DIR=/tmp bash "$scripts/wine10.sh" --version >/dev/null 2>&1
}

if ready; then
  echo "$root"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  exec sudo TARVO_WINE10_ROOT="$root" bash "$0" "$@"
fi
mkdir -p "$(dirname "$root")"
exec 9>"$root.lock"
flock 9
if ready; then
  echo "$root"
  exit 0
fi

echo "wine10-root: making $root (Debian 13 with Wine 10, about a minute)" >&2
started=$(date +%s)
rm -rf "$root.new"
# Debian 13's wine64 is built the old way: its i386-windows folder is empty.
# The 32-bit Windows DLLs of the same version come out of libwine:i386 (they
# are PE files, no Linux programs), which turns on the WoW64 mode.
mmdebstrap --quiet --variant=apt --mode=root --architectures=amd64,i386 \
  --include=wine64,fonts-wine \
  --aptopt='Acquire::Check-Valid-Until "false"' \
  --customize-hook="bash $scripts/wine10-root-hook.sh \"\$1\" $i386_dlls" \
  trixie "$root.new" http://deb.debian.org/debian >&2
echo "$recipe" >"$root.new/.tarvo-recipe"
rm -rf "$root.old"
if [ -e "$root" ]; then mv "$root" "$root.old"; fi
mv "$root.new" "$root"
rm -rf "$root.old"
ready || { echo "wine10-root: $root does not run Wine 10" >&2; exit 1; }
echo "wine10-root: made in $(($(date +%s) - started)) s, $(du -sh "$root" | cut -f1)" >&2
echo "$root"
