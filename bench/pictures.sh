#!/usr/bin/env bash
# Time to the first paint of large pictures in ZRG32.DLL under Wine, next
# to a native decode of the same file with the same readers (the
# reference), and each process's peak memory: 8000 x 8000 JPEGs (the
# largest shown whole) with colours sampled as cameras do (4:2:0) and at
# full resolution (4:4:4, the decoder's largest planes) and progressive
# (its coefficients kept too), a 10000 x 10000 JPEG (shown reduced by half
# as its rows come), an 8000 x 8000 PNG with alpha (read row by row) and a
# 100 MB BMP.
#   bench/pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/library_bench.sh
runs=2
cmake --preset bench >/dev/null
cmake --build --preset bench --target picture_decode_bench >/dev/null
library_bench_build zrg32 picture_library_bench
work=$build/picture_bench
mkdir -p "$work"
[ -f "$work/8000-420.jpg" ] || convert -size 8000x8000 gradient:navy-orange -quality 90 -sampling-factor 4:2:0 "$work/8000-420.jpg"
[ -f "$work/8000-444.jpg" ] || convert -size 8000x8000 gradient:navy-orange -quality 90 -sampling-factor 1x1 "$work/8000-444.jpg"
[ -f "$work/8000-prog.jpg" ] || convert -size 8000x8000 gradient:navy-orange -quality 90 -interlace JPEG "$work/8000-prog.jpg"
[ -f "$work/8000-alpha.png" ] || convert -size 8000x8000 gradient:navy-orange -alpha set -channel A -evaluate set 50% "PNG32:$work/8000-alpha.png"
[ -f "$work/10000-420.jpg" ] || convert -size 10000x10000 gradient:navy-orange -quality 90 -sampling-factor 4:2:0 "$work/10000-420.jpg"
[ -f "$work/100MB.bmp" ] || convert -size 5774x5774 gradient:navy-orange -type TrueColor "BMP3:$work/100MB.bmp"
dll=$(winpath "$build/bin/ZRG32.DLL")
for w in $(library_bench_wines); do
  library_bench_use_wine $w
  echo "$w, open until painted, best of $runs"
  printf '%-13s %10s %12s %8s %14s %14s\n' file "library s" "native s" ratio "library KiB" "native KiB"
  for f in 8000-420.jpg 8000-444.jpg 8000-prog.jpg 8000-alpha.png 100MB.bmp 10000-420.jpg; do
    read -r ns nk status < <("$root/build/bench/bench/picture_decode_bench" "$work/$f" $runs)
    if [ "$status" != decoded ]; then
      printf '%-13s %10s %12s %8s %14s %14s\n' "$f" "$status" "$ns" - - "$nk"
      continue
    fi
    read -r ls lk < <("$tarvo_wine" "$build/bin/picture_library_bench.exe" "$dll" "$(winpath "$work/$f")" $runs | tr -d '\r')
    printf '%-13s %10s %12s %8.2f %14s %14s\n' "$f" "$ls" "$ns" \
      "$(awk -v a="$ls" -v b="$ns" 'BEGIN { print (b > 0 ? a / b : 0) }')" "$lk" "$nk"
  done
done
