#!/usr/bin/env bash
# A 2 GB DBF table (sparse: its header, its last record, zeros between) in
# ZRDB32.DLL under Wine: the time to open it until painted and to go to its
# last record until painted, next to reading that record with a plain seek
# in the same process (the reference), and the process's peak memory.
#   bench/tables.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/library_bench.sh
runs=3
library_bench_build zrdb32 table_library_bench
work=$build/table_bench
mkdir -p "$work"
table=$work/2GB.dbf
if [ ! -f "$table" ]; then
  # One 99-character field, 100-byte records, as many as 2 GB holds.
  python3 - "$table" <<'PY'
import struct, sys
size = 2 * 1024**3
header = 32 + 32 + 1
records = (size - header - 1) // 100
h = bytearray(32)
h[0] = 3
h[4:8] = struct.pack('<I', records)
h[8:10] = struct.pack('<H', header)
h[10:12] = struct.pack('<H', 100)
field = bytearray(32)
field[0:4] = b'TEXT'
field[11] = ord('C')
field[16] = 99
last = b' ' + b'the last record'.ljust(99)
with open(sys.argv[1], 'wb') as f:
    f.write(bytes(h) + bytes(field) + b'\r')
    f.seek(header + (records - 1) * 100)
    f.write(last + b'\x1a')
PY
  truncate -s 2G "$table"
fi
dll=$(winpath "$build/bin/ZRDB32.DLL")
for w in $(library_bench_wines); do
  library_bench_use_wine $w
  echo "$w, 2 GB table, best of $runs"
  read -r open last seek kib < <("$tarvo_wine" "$build/bin/table_library_bench.exe" "$dll" "$(winpath "$table")" $runs | tr -d '\r')
  printf '%-28s %10s s\n' "open until painted" "$open" "go to the last record" "$last" \
    "plain seek and read" "$seek"
  printf '%-28s %10s KiB\n' "peak working set" "$kib"
done
