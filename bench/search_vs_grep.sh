#!/usr/bin/env bash
# The file search on a 1 GiB text file in the page cache, next to grep -c -F
# (byte semantics, LC_ALL=C) and one read-and-memchr pass, for pattern
# lengths 1, 4, 16 and 32, absent and present once near the end; then the
# same on a 5 GiB sparse file (text in its first and last 16 MiB, holes
# between, searched by grep with NUL-separated records, so its long runs of
# zeros are no line).
#   bench/search_vs_grep.sh [BUILD_DIR] [MIB] [SPARSE_GIB]
set -eu
build=${1:-build/bench}
mib=${2:-1024}
sparse_gib=${3:-5}
bench="$build/bench/search_bench"
file="$build/search_bench_data.txt"
runs=2
trap 'rm -f "$file"' EXIT

best_grep() {  # best of $runs wall-clock seconds of grep "$@"
  local best=""
  for _ in $(seq $runs); do
    local t0 t1
    t0=$(date +%s.%N)
    LC_ALL=C grep "$@" >/dev/null || true
    t1=$(date +%s.%N)
    best=$(awk -v a="$best" -v b="$t0" -v c="$t1" 'BEGIN { t = c - b; print (a == "" || t < a) ? t : a }')
  done
  echo "$best"
}
rate() { awk -v mb="$mb" -v s="$1" 'BEGIN { printf "%.0f", mb / s }'; }

# table MIB [GREP_OPTION]: the figures for $file of MIB MiB.
table() {
  mb=$(awk -v m="$1" 'BEGIN { print m * 1048576 / 1e6 }')
  local grep_opt=("${@:2}")
  read -r _ memchr_s < <("$bench" memchr "$file" $runs)
  echo "file: $1 MiB; memchr pass: $(rate "$memchr_s") MB/s"
  printf '%-6s %-3s %-7s %-6s %10s %10s %9s %9s %10s\n' \
    case len where offset "ours MB/s" "grep MB/s" "grep/ours" "x memchr" matches
  local absent=("q" " is " "and then it is a" "the cat and the dog is at it now")
  local present="zephyr notes in the lazy harbors"
  for c in case nocase; do
    local flag=("${grep_opt[@]}")
    [ "$c" = nocase ] && flag+=(-i)
    for i in 0 1 2 3; do
      local len=$((1 << (2 * i)))
      [ $len -gt 1 ] || len=1
      for where in absent present; do
        if [ "$where" = absent ]; then pat=${absent[$i]}; else pat=${present:0:$len}; fi
        read -r at ours_s < <("$bench" find "$file" "$pat" "$c" $runs)
        grep_s=$(best_grep -c -F "${flag[@]}" -e "$pat" "$file")
        count=$(LC_ALL=C grep -c -F "${flag[@]}" -e "$pat" "$file" || true)
        printf '%-6s %-3s %-7s %-6s %10s %10s %9.2f %9.2f %10s\n' "$c" "${#pat}" "$where" \
          "$([ "$at" -ge 0 ] && echo found || echo none)" "$(rate "$ours_s")" "$(rate "$grep_s")" \
          "$(awk -v a="$grep_s" -v b="$ours_s" 'BEGIN { print a / b }')" \
          "$(awk -v a="$ours_s" -v b="$memchr_s" 'BEGIN { print a / b }')" "$count"
      done
    done
  done
  read -r _ small_s < <("$bench" find "$file" "${absent[2]}" case $runs 32760)
  echo "32760-byte reads, case, len 16, absent: $(rate "$small_s") MB/s"
}

"$bench" generate "$file" "$mib"
cat "$file" >/dev/null  # into the page cache
table "$mib"
if [ "$sparse_gib" -gt 0 ]; then
  "$bench" sparse "$file" $((sparse_gib * 1024))
  echo
  echo "sparse file, $(du -h "$file" | cut -f1) on disk:"
  table $((sparse_gib * 1024)) -z
fi
