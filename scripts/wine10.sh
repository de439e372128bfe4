#!/usr/bin/env bash
# Wine 10 (WoW64) as a loader on the host: runs wine64 of the Wine 10 root,
# or the program named by TARVO_WINE10_PROGRAM (a path inside the root), in a
# private mount namespace. /proc, /dev, /tmp (the X sockets, the X authority
# of xvfb-run, the wineserver sockets) and the folder TARVO_WINE10_DIR are
# bound into the root at the same paths, so programs built there and their
# absolute paths work unchanged. The mounts go away with the last process of
# the namespace (a wineserver keeps its own until it ends): nothing lingers.
# An X authority file elsewhere (a desktop's) is bound in too.
# Without root it enters a user namespace that maps the caller to root
# (mount points missing in the root are made with sudo first).
#   TARVO_WINE10_ROOT=... TARVO_WINE10_DIR=... wine10.sh [ARGS...]
# scripts/wine-env.sh sets both.
set -euo pipefail
root=$TARVO_WINE10_ROOT
dir=$TARVO_WINE10_DIR
program=${TARVO_WINE10_PROGRAM:-/usr/lib/wine/wine64}
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
  ns=(unshare --mount --propagation private)
else
  as_root=(sudo)
  ns=(unshare --user --map-root-user --mount --propagation private)
fi
[ -d "$root$dir" ] || "${as_root[@]}" mkdir -p "$root$dir"
xauth=${XAUTHORITY:-}
case $xauth in "" | /tmp/* | "$dir"/*) xauth="" ;; esac
if [ -n "$xauth" ] && [ -f "$xauth" ]; then
  [ -e "$root$xauth" ] || "${as_root[@]}" sh -c 'mkdir -p "$(dirname "$1")" && touch "$1"' _ "$root$xauth"
else
  xauth=""
fi
exec "${ns[@]}" /bin/sh -ec '
  root=$1 dir=$2 cwd=$3 xauth=$4
  shift 4
  mount --rbind /proc "$root/proc"
  mount --rbind /dev "$root/dev"
  mount --rbind /tmp "$root/tmp"
  [ "$dir" = /tmp ] || mount --bind "$dir" "$root$dir"
  [ -z "$xauth" ] || mount --bind "$xauth" "$root$xauth"
  exec chroot "$root" /bin/sh -c "cd \"\$0\" 2>/dev/null || cd /; exec \"\$@\"" "$cwd" "$@"
' _ "$root" "$dir" "$PWD" "$xauth" "$program" "$@"
