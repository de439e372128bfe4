# Sourced, never run: the Wine environment for one build folder.
#   . scripts/wine-env.sh BUILD_DIR [WINE]
# WINE is wine8 (Debian 12's Wine, 32-bit prefix; needs a kernel that runs
# 32-bit programs) or wine10 (Wine 10 in WoW64 mode from the Debian 13 root of
# scripts/wine10-root.sh, 64-bit prefix; runs everywhere). Without it:
# $TARVO_WINE, else wine8 where this kernel runs it, else wine10.
# Exports WINEPREFIX and friends (each Wine has its own prefix and home in the
# build folder), sets $tarvo_wine and $tarvo_wineserver to the loader and
# server, and defines tarvo_wine_describe (the loader's version) and
# tarvo_make_prefix, which makes the prefix once (guarded by a lock).
tarvo_build_dir=$(cd "$1" && pwd)
tarvo_scripts_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tarvo_wine_name=${2:-${TARVO_WINE:-}}
if [ -z "$tarvo_wine_name" ]; then
  if bash "$tarvo_scripts_dir/can-run-wine32.sh"; then tarvo_wine_name=wine8; else tarvo_wine_name=wine10; fi
fi

export WINEDEBUG=-all
# Test programs that link the suite's own DLLs find them in the build's
# program folder, as an installed program finds them beside itself.
export WINEPATH="Z:${tarvo_build_dir//\//\\}\\bin"
# X clients find the X authority through HOME, which changes below.
if [ -z "${XAUTHORITY:-}" ] && [ -f "${HOME:-/nonexistent}/.Xauthority" ]; then
  export XAUTHORITY=$HOME/.Xauthority
fi
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
case $tarvo_wine_name in
  wine8)
    export WINEPREFIX="$tarvo_build_dir/wineprefix"
    export WINEARCH=win32
    # Keep the prefix's Desktop and Documents links out of the real home.
    export HOME="$tarvo_build_dir/winehome"
    tarvo_wine=/usr/lib/wine/wine
    tarvo_wineserver=/usr/lib/wine/wineserver32
    export WINESERVER=$tarvo_wineserver
    unset WINELOADER
    ;;
  wine10)
    # Made or checked once per run: scripts/test.sh exports the path.
    if [ ! -f "${TARVO_WINE10_ROOT:-/nonexistent}/.tarvo-recipe" ]; then
      TARVO_WINE10_ROOT=$(bash "$tarvo_scripts_dir/wine10-root.sh") || return 1
    fi
    # The clone is bound into the root at its own path.
    TARVO_WINE10_DIR=$(cd "$tarvo_scripts_dir/.." && pwd)
    export TARVO_WINE10_ROOT TARVO_WINE10_DIR
    export WINEPREFIX="$tarvo_build_dir/wine10prefix"
    # WoW64 mode refuses WINEARCH=win32: the prefix is a 64-bit one.
    unset WINEARCH
    export HOME="$tarvo_build_dir/wine10home"
    tarvo_wine=$tarvo_scripts_dir/wine10.sh
    tarvo_wineserver=$tarvo_scripts_dir/wineserver10.sh
    # Paths inside the root, for the processes Wine starts there.
    export WINELOADER=/usr/lib/wine/wine64
    export WINESERVER=/usr/lib/wine/wineserver64
    ;;
  *)
    echo "wine-env.sh: unknown Wine '$tarvo_wine_name' (wine8 or wine10)" >&2
    return 1
    ;;
esac
mkdir -p "$HOME"

# "wine-8.0 (Debian 8.0~repack-4)" and the like, for the test report.
tarvo_wine_describe() { "$tarvo_wine" --version 2>/dev/null </dev/null || echo "$tarvo_wine_name"; }

tarvo_make_prefix() {
  tarvo_make_bare_prefix
  tarvo_add_test_printer
}

tarvo_make_bare_prefix() {
  [ -f "$WINEPREFIX/.tarvo-ready" ] && return 0
  # -o: the wineserver started inside must not inherit the lock.
  flock -o "$WINEPREFIX.lock" bash -c '
    [ -f "$WINEPREFIX/.tarvo-ready" ] && exit 0
    "$1" wineboot -i >/dev/null 2>&1 </dev/null
    "$1" regedit /S "$3" >/dev/null 2>&1 </dev/null
    "$2" -w
    touch "$WINEPREFIX/.tarvo-ready"
  ' _ "$tarvo_wine" "$tarvo_wineserver" "$tarvo_scripts_dir/wine-settings.reg"
}

# The PostScript test printer (tests/printer), once per prefix, when the
# build has its program: the default printer, writing each job to the file
# that TARVO_PRINT_OUT names.
tarvo_add_test_printer() {
  local program="$tarvo_build_dir/bin/add_test_printer.exe"
  [ -f "$WINEPREFIX/.tarvo-test-printer" ] || [ ! -f "$program" ] && return 0
  flock -o "$WINEPREFIX.lock" bash -c '
    [ -f "$WINEPREFIX/.tarvo-test-printer" ] && exit 0
    mkdir -p "$WINEPREFIX/drive_c/tarvo"
    cp "$3" "$WINEPREFIX/drive_c/tarvo/TARVOTST.PPD"
    "$1" "$4" "C:\\tarvo\\TARVOTST.PPD" </dev/null || exit 1
    "$2" -w
    touch "$WINEPREFIX/.tarvo-test-printer"
  ' _ "$tarvo_wine" "$tarvo_wineserver" "$tarvo_scripts_dir/../tests/printer/test_printer.ppd" "$program"
}
