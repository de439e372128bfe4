#!/usr/bin/env bash
# Builds the display benchmark for Windows, runs it under Wine and prints its
# figures; with --screenshot also saves a picture of the sample window.
#   bench/display/run.sh [--screenshot]
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
preset=win32
cmake --preset $preset -DTARVO_BENCH=ON >/dev/null
cmake --build --preset $preset --target display_bench >/dev/null
build=$root/build/$preset

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
. scripts/wine-env.sh "$build"
tarvo_make_prefix
"$tarvo_wine" "$build/bin/display_bench.exe" </dev/null

shoot() {  # shoot NAME [background]
  "$tarvo_wine" "$build/bin/display_bench.exe" show 5 "${2:-}" >/dev/null 2>&1 </dev/null &
  local pid=$!
  for _ in $(seq 1 300); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Tarvo - orders.txt"' && break
    sleep 0.1
  done
  sleep 1  # let the first paint finish
  /usr/bin/import -window root "$build/shots/$1.png"
  wait $pid
  echo "screenshot: $build/shots/$1.png"
}
if [ "${1:-}" = --screenshot ]; then
  mkdir -p "$build/shots"
  shoot display
  shoot display-background background
fi
"$tarvo_wineserver" -k 2>/dev/null || true
