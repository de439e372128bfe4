#!/usr/bin/env bash
# Opening a file and jumping to its end (End) in ZREDIT32.DLL's window, next
# to the same open-and-jump done directly with the line buffer as TARVO.EXE
# does it (the reference), for a 10 MiB and a 1 GiB file: the best time of a
# few runs and each process's peak working set, under each Wine this machine
# runs. The files are sparse, with text lines at both ends.
#   bench/viewer_libraries.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/library_bench.sh
runs=3
library_bench_build zredit32 viewer_library_bench
work=$build/viewer_library_bench
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
lines=$(for i in $(seq 200); do printf 'line %d of the text at this end of the file\r\n' "$i"; done)
for mib in 10 1024; do
  f=$work/$mib.txt
  printf '%s' "$lines" >"$f"
  truncate -s $((mib * 1048576)) "$f"
  printf '%s' "$lines" | dd of="$f" bs=1 seek=$((mib * 1048576 - ${#lines})) conv=notrunc status=none
done
dll=$(winpath "$build/bin/ZREDIT32.DLL")
for w in $(library_bench_wines); do
  library_bench_use_wine $w
  echo "$w, open and End, best of $runs"
  printf '%-8s %12s %12s %8s %14s %14s\n' file "library s" "reference s" ratio "library KiB" "reference KiB"
  for mib in 10 1024; do
    f=$(winpath "$work/$mib.txt")
    read -r ls lk < <("$tarvo_wine" "$build/bin/viewer_library_bench.exe" library "$dll" "$f" $runs | tr -d '\r')
    read -r cs ck < <("$tarvo_wine" "$build/bin/viewer_library_bench.exe" core "$f" $runs | tr -d '\r')
    printf '%-8s %12s %12s %8.2f %14s %14s\n' "$mib MiB" "$ls" "$cs" \
      "$(awk -v a="$ls" -v b="$cs" 'BEGIN { print (b > 0 ? a / b : 0) }')" "$lk" "$ck"
  done
done
