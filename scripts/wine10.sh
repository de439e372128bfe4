#!/usr/bin/env bash
# Wine 10 (WoW64) as a loader on the host: runs wine64 of the Wine 10 root,
# or the program named by TARVO_WINE10_PROGRAM (a path inside the root), in a
# private mount namespace. /proc, /dev, /tmp (the X sockets, the X authority
# of xvfb-run, the wineserver sockets) and the folder TARVO_WINE10_DIR are
# bound into the root at the same paths, so programs built there and their
# absolute paths work unchanged. The mounts go away with the last process of
# the namespace (a wineserver keeps its own until it ends): nothing lingers.
# An X authority file elsewhere (a desktop's) is bound in too.
#   TARVO_WINE10_ROOT=... TARVO_WINE10_DIR=... wine10.sh [ARGS...]
# scripts/wine-env.sh sets both.
set -euo pipefail
root=$TARVO_WINE10_ROOT
dir=$TARVO_WINE10_DIR
program=${TARVO_WINE10_PROGRAM:-/usr/lib/wine/wine64}
[ -d "$root$dir" ] || mkdir -p "$root$dir"
xauth=${XAUTHORITY:-}
case $xauth in "" | /tmp/* | "$dir"/*) xauth="" ;; esac
if [ -n "$xauth" ] && [ -f "$xauth" ]; then
  mkdir -p "$root$(dirname "$xauth")"
  [ -e "$root$xauth" ] || touch "$root$xauth"
else
  xauth=""
fi
exec unshare --mount --propagation private /bin/sh -ec '
  root=$1 dir=$2 cwd=$3 xauth=$4
  shift 4
  mount -t proc proc "$root/proc"
  mount --rbind /dev "$root/dev"
  mount --rbind /tmp "$root/tmp"
  [ "$dir" = /tmp ] || mount --bind "$dir" "$root$dir"
  [ -z "$xauth" ] || mount --bind "$xauth" "$root$xauth"
  exec chroot "$root" /bin/sh -c "cd \"\$0\" 2>/dev/null || cd /; exec \"\$@\"" "$cwd" "$@"
' _ "$root" "$dir" "$PWD" "$xauth" "$program" "$@"
