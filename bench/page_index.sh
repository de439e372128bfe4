#!/usr/bin/env bash
# The page index on a text file with a form feed every 60 lines, in the page
# cache: the native scan chunk by chunk (the index file written through the
# file seam) next to plain reads with memchr of the same size and grep -c of
# a form feed; then TARVO.EXE under Wine with the default profile indexing
# the same file, timed from a second process that sends it one message after
# a message every 20 ms and times each reply (what input waits while the
# index is made), next to the same file read flat out in 8192-byte chunks
# and scanned under the same Wine.
#   bench/page_index.sh [MIB]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
mib=${1:-1024}
runs=3
cmake --preset bench >/dev/null
cmake --build --preset bench --target page_index_bench >/dev/null
cmake --preset win32 -DTARVO_BENCH=ON >/dev/null
cmake --build --preset win32 --target tarvo page_index_timer page_scan_timer >/dev/null
bench=$root/build/bench/bench/page_index_bench
build=$root/build/win32
work=$build/page_index_bench
file=$work/pages.txt
rm -rf "$work"
mkdir -p "$work/temp"
trap 'rm -rf "$work"' EXIT
"$bench" generate "$file" "$mib"
cat "$file" >/dev/null  # into the page cache
mb=$(awk -v m="$mib" 'BEGIN { print m * 1048576 / 1e6 }')
rate() { awk -v mb="$mb" -v s="$1" 'BEGIN { printf "%.0f", mb / s }'; }

echo "file: $mib MiB, best of $runs"
printf '%-40s %8s %10s %8s\n' "" "pages" "MB/s" "÷ index"
for buffer in 8192 1048576; do
  read -r pages index_s < <("$bench" index "$file" $buffer $runs)
  read -r _ memchr_s < <("$bench" memchr "$file" $buffer $runs)
  printf '%-40s %8s %10s %8s\n' "index, chunks of $buffer bytes" "$pages" "$(rate "$index_s")" 1.00
  printf '%-40s %8s %10s %8.2f\n' "read+memchr, $buffer bytes" "" "$(rate "$memchr_s")" \
    "$(awk -v a="$index_s" -v b="$memchr_s" 'BEGIN { print a / b }')"
done
best=""
for _ in $(seq $runs); do
  t0=$(date +%s.%N)
  LC_ALL=C grep -c $'\f' "$file" >"$work/grep.out" || true  # not /dev/null: grep stops early
  t1=$(date +%s.%N)
  best=$(awk -v a="$best" -v b="$t0" -v c="$t1" 'BEGIN { t = c - b; print (a == "" || t < a) ? t : a }')
done
printf '%-40s %8s %10s\n' "grep -c form feed" "" "$(rate "$best")"

cp "$build/bin/TARVO.EXE" "$work/"
printf '[Tarvo Setup]\nMasterProfile=1\n' >"$work/TARVO.INI"
winpath() { local p="Z:$1"; echo "${p//\//\\}"; }
for w in wine10 wine8; do
  [ $w = wine8 ] && ! bash scripts/can-run-wine32.sh && continue
  . scripts/wine-env.sh "$build" $w
  tarvo_make_prefix
  read -r seconds pages replies median longest < <(cd "$work" && "$tarvo_wine" \
    "$build/bin/page_index_timer.exe" "$(winpath "$work/TARVO.EXE")" "$(winpath "$file")" \
    "$(winpath "$work/temp")" </dev/null | tr -d '\r')
  read -r scan_s scan_pages < <("$tarvo_wine" "$build/bin/page_scan_timer.exe" \
    "$(winpath "$file")" $runs </dev/null | tr -d '\r')
  "$tarvo_wineserver" -k 2>/dev/null || true
  rm -f "$work"/temp/*
  echo "TARVO.EXE under $w, default profile (8192-byte chunks, ticks of up to 200 ms):"
  echo "  index complete after $seconds s ($(rate "$seconds") MB/s), $pages pages;" \
    "$replies messages answered meanwhile, median reply $median ms, longest $longest ms"
  echo "  flat-out scan under $w: $scan_s s ($(rate "$scan_s") MB/s), $scan_pages pages;" \
    "the index takes $(awk -v a="$seconds" -v b="$scan_s" 'BEGIN { printf "%.2f", a / b }') times as long"
done
echo "(one chunk a tick, as the defaults alone would give: $(awk -v m="$mib" \
  'BEGIN { printf "%.1f", m * 1048576 / 8192 * 0.2 / 3600 }') hours)"
