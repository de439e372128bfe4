# Sourced, never run: the Wine environment for one build folder.
#   . scripts/wine-env.sh BUILD_DIR ARCH      (ARCH: win32 or win64)
# Exports WINEPREFIX and friends, sets $tarvo_wine and $tarvo_wineserver to
# the loader and server of that architecture, and defines tarvo_make_prefix,
# which makes the prefix once (guarded by a lock).
tarvo_build_dir=$(cd "$1" && pwd)
tarvo_arch=${2:-win32}
tarvo_scripts_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

export WINEPREFIX="$tarvo_build_dir/wineprefix"
export WINEARCH=$tarvo_arch
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
# Keep the prefix's Desktop and Documents links out of the real home.
export HOME="$tarvo_build_dir/winehome"
mkdir -p "$HOME"

if [ "$tarvo_arch" = win64 ]; then
  tarvo_wine=/usr/lib/wine/wine64
  tarvo_wineserver=/usr/lib/wine/wineserver64
  export WINELOADER=$tarvo_wine
else
  tarvo_wine=/usr/lib/wine/wine
  tarvo_wineserver=/usr/lib/wine/wineserver32
fi
export WINESERVER=$tarvo_wineserver

tarvo_make_prefix() {
  [ -f "$WINEPREFIX/.tarvo-ready" ] && return 0
  # -o: the wineserver started inside must not inherit the lock.
  flock -o "$tarvo_build_dir/.wineprefix.lock" bash -c '
    [ -f "$WINEPREFIX/.tarvo-ready" ] && exit 0
    "$1" wineboot -i >/dev/null 2>&1 </dev/null
    "$1" regedit /S "$3" >/dev/null 2>&1 </dev/null
    "$2" -w
    touch "$WINEPREFIX/.tarvo-ready"
  ' _ "$tarvo_wine" "$tarvo_wineserver" "$tarvo_scripts_dir/wine-settings.reg"
}
