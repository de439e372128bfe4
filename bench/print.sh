#!/usr/bin/env bash
# Printing a text file with a form feed every 60 lines, under Wine: pages
# composed into enhanced metafiles (one a page) and on the default printer
# (the test printer's PostScript, thrown away), next to the screen formatter
# over the same bytes in the same process; peak memory after each, for
# 10 MiB and for MIB (100 by default), so it can be seen not to grow with
# the file.
#   bench/print.sh [MIB]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
mib=${1:-100}
cmake --preset bench >/dev/null
cmake --build --preset bench --target page_index_bench >/dev/null
cmake --preset win32 -DTARVO_BENCH=ON >/dev/null
cmake --build --preset win32 --target print_bench add_test_printer >/dev/null
build=$root/build/win32
work=$build/print_bench
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
winpath() { local p="Z:$1"; echo "${p//\//\\}"; }
for w in wine8 wine10; do
  [ $w = wine8 ] && ! bash scripts/can-run-wine32.sh && continue
  . scripts/wine-env.sh "$build" $w
  tarvo_make_prefix
  echo "under $w:"
  printf '  %-6s %-10s %9s %8s %10s %12s %10s\n' MiB what seconds pages "pages/s" "÷ formatter" "peak KB"
  for size in 10 "$mib"; do
    "$root/build/bench/bench/page_index_bench" generate "$work/bench.txt" "$size"
    TARVO_PRINT_OUT=/dev/null "$tarvo_wine" "$build/bin/print_bench.exe" "$(winpath "$work/bench.txt")" \
      </dev/null | tr -d '\r' | awk -v mib="$size" '
        $1 == "formatter" { f = $2 }
        { rate = ($2 > 0 && $3 > 0 && $1 != "formatter") ? sprintf("%.0f", $3 / $2) : "-"
          ratio = f > 0 ? sprintf("%.2f", $2 / f) : "-"
          printf "  %-6s %-10s %9.3f %8s %10s %12s %10s\n", mib, $1, $2, ($1 == "formatter" ? "-" : $3), rate, ratio, $4 }'
  done
  "$tarvo_wineserver" -k 2>/dev/null || true
done
