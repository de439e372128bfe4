#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   native unit tests (sanitizers on), the Windows programs' tests under Wine
#   (in-process window tests and end-to-end tests), the import-table checks,
#   and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install.sh

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi

werror=()
[ -n "${CI:-}" ] && werror=(-DTARVO_WERROR=ON)

# Which build runs the Wine tests: the 32-bit programs where this machine can
# run 32-bit Wine, else the same sources built for x86-64.
if bash scripts/can-run-wine32.sh; then
  wine_preset=win32
  cmake --preset win32 "${werror[@]}" -DTARVO_RUN_WINE_TESTS=ON
else
  echo "note: this kernel cannot run 32-bit programs; Wine tests run on the x86-64 build"
  wine_preset=win64
  cmake --preset win32 "${werror[@]}" -DTARVO_RUN_WINE_TESTS=OFF
  cmake --preset win64 "${werror[@]}"
fi
cmake --preset native "${werror[@]}"
cmake --preset fuzz "${werror[@]}"

status=0
for p in native win32 $([ $wine_preset = win64 ] && echo win64) fuzz; do
  cmake --build --preset "$p"
done

log=$(mktemp)
run() { "$@" 2>&1 | tee -a "$log"; return "${PIPESTATUS[0]}"; }
run ctest --preset native || status=1
run ctest --preset win32 || status=1   # the import-table checks of the shipped programs
if [ $wine_preset = win64 ]; then run ctest --preset win64 || status=1; fi
run bash scripts/run-fuzzers.sh build/fuzz 20000 || status=1

# One closing line over every suite.
read -r passed failed < <(awk '
  /^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+$/ { f += $4; p += $NF - $4 }
  /^fuzz: [0-9]+ passed, [0-9]+ failed$/ { p += $2; f += $4 }
  END { print p + 0, f + 0 }' "$log")
rm -f "$log"

. scripts/wine-env.sh build/$wine_preset $wine_preset
"$tarvo_wineserver" -k 2>/dev/null || true
echo "all suites: $passed passed, $failed failed"
exit $status
