#!/usr/bin/env bash
# Opening a ZIP archive of 100,000 entries (made by zip, from empty files)
# in ZRCP32.DLL under Wine until its listing is painted, and selecting and
# copying the whole listing, next to `unzip -l` of the same file (the
# reference, natively), with each process's peak memory; and the same
# for an archive of one entry, which is what the process takes without a
# listing.
#   bench/archives.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/library_bench.sh
runs=3
entries=100000
library_bench_build zrcp32 archive_library_bench
work=$build/archive_bench
mkdir -p "$work"
if [ ! -f "$work/100k.zip" ]; then
  rm -rf "$work/files" && mkdir -p "$work/files"
  (cd "$work/files" && for d in $(seq 0 99); do
     mkdir "folder$d"
     (cd "folder$d" && touch $(seq -f "entry%06g.txt" $((d * entries / 100)) $(((d + 1) * entries / 100 - 1))))
   done && zip -qr "$work/100k.zip" .)
  rm -rf "$work/files"
fi
[ -f "$work/one.zip" ] || (cd "$work" && printf 'one\n' >one.txt && zip -q one.zip one.txt && rm one.txt)
dll=$(winpath "$build/bin/ZRCP32.DLL")
read -r us uk < <({ /usr/bin/time -f "%e %M" unzip -l "$work/100k.zip" >/dev/null; } 2>&1)
listed=$(unzip -l "$work/100k.zip" | tail -1 | awk '{print $2}')
echo "unzip -l: $listed entries in $us s, peak $uk KiB"
for w in $(library_bench_wines); do
  library_bench_use_wine $w
  echo "$w, best of $runs"
  printf '%-10s %8s %8s %10s %12s %10s %8s\n' file "open s" "copy s" "peak KiB" "copied B" "unzip s" ratio
  for f in one.zip 100k.zip; do
    read -r open copy kib bytes < <("$tarvo_wine" "$build/bin/archive_library_bench.exe" "$dll" \
      "$(winpath "$work/$f")" $runs | tr -d '\r')
    printf '%-10s %8s %8s %10s %12s %10s %8.1f\n' "$f" "$open" "$copy" "$kib" "$bytes" "$us" \
      "$(awk -v a="$open" -v c="$copy" -v b="$us" 'BEGIN { print (b > 0 ? (a + c) / b : 0) }')"
  done
done
cmake --preset win32 -DTARVO_BENCH=OFF >/dev/null
