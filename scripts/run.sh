#!/usr/bin/env bash
# Sets up the machine, builds Tarvo and opens a sample file in it under Wine.
# With a display the window appears; without one it runs in Xvfb, saves a
# screenshot and prints its path. It runs the shipped 32-bit TARVO.EXE under
# Debian 12's Wine 8 where this kernel runs 32-bit programs, else under
# Wine 10 in WoW64 mode (TARVO_WINE=wine8 or wine10 chooses).
#   scripts/run.sh [FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/install.sh

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target tarvo

build=$root/build/win32
demo=$build/demo
mkdir -p "$demo"
sample=${1:-$demo/sample.txt}
if [ -z "${1:-}" ]; then
  {
    echo "Tarvo sample file"
    echo "================="
    for i in $(seq 1 200); do
      printf 'Line %4d\tof the sample file: tabs, long lines and form feeds.\n' "$i"
      [ $((i % 60)) -eq 0 ] && printf '\f'
    done
  } >"$sample"
fi

. scripts/wine-env.sh "$build"
tarvo_make_prefix
echo "TARVO.EXE (i686) under $(tarvo_wine_describe)"
unix_to_wine() { echo "Z:$(echo "$1" | sed 's|/|\\|g')"; }

if [ -n "${DISPLAY:-}" ] && [ -z "${TARVO_SCREENSHOT:-}" ]; then
  "$tarvo_wine" "$build/bin/TARVO.EXE" "$(unix_to_wine "$(realpath "$sample")")"
  exit 0
fi

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" env TARVO_SCREENSHOT=1 bash "$0" "$@"
fi

"$tarvo_wineserver" -k 2>/dev/null || true
"$tarvo_wine" "$build/bin/TARVO.EXE" "$(unix_to_wine "$(realpath "$sample")")" >/dev/null 2>&1 </dev/null &
caption="Tarvo - $(basename "$sample")"
for _ in $(seq 1 300); do
  xwininfo -root -tree 2>/dev/null | grep -q "\"$caption\"" && break
  sleep 0.1
done
sleep 1  # let the first paint finish
shot=$demo/tarvo.png
/usr/bin/import -window root "$shot"
"$tarvo_wineserver" -k 2>/dev/null || true
echo "screenshot: $shot"
