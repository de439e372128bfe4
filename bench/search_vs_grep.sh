#!/usr/bin/env bash
# The file search on a 1 GiB text file in the page cache, next to grep -c -F
# (byte semantics, LC_ALL=C), ripgrep (rg -c -F, when it is installed) and
# one read-and-memchr pass, for pattern lengths 1, 4, 16 and 32, absent and
# present once near the end, and " the" (a common first byte); then Mark All
# of a word that fills the tag list within the first 25 MB; then the same
# searches on a 5 GiB sparse file (text in its first and last 16 MiB, holes
# between, searched by grep and rg with NUL-separated records, so its long
# runs of zeros are no line). Speeds are MB/s; "ours/x" is our speed over
# x's (above 1: ours is faster). rg maps the file into memory; "rg read"
# is rg --no-mmap, reading it as we do.
#   bench/search_vs_grep.sh [BUILD_DIR] [MIB] [SPARSE_GIB]
set -eu
build=${1:-build/bench}
mib=${2:-1024}
sparse_gib=${3:-5}
bench="$build/bench/search_bench"
file="$build/search_bench_data.txt"
runs=2
trap 'rm -f "$file"' EXIT

have_rg=$(command -v rg >/dev/null && echo 1 || true)

best_of() {  # best of $runs wall-clock seconds of "$@"
  local best=""
  for _ in $(seq $runs); do
    local t0 t1
    t0=$(date +%s.%N)
    LC_ALL=C "$@" >/dev/null || true
    t1=$(date +%s.%N)
    best=$(awk -v a="$best" -v b="$t0" -v c="$t1" 'BEGIN { t = c - b; print (a == "" || t < a) ? t : a }')
  done
  echo "$best"
}
rate() { awk -v mb="$mb" -v s="$1" 'BEGIN { printf "%.0f", mb / s }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# table MIB [-z]: the figures for $file of MIB MiB; -z reads NUL-separated records.
table() {
  mb=$(awk -v m="$1" 'BEGIN { print m * 1048576 / 1e6 }')
  local grep_opt=() rg_opt=()
  [ "${2:-}" = -z ] && grep_opt=(-z) && rg_opt=(--null-data)
  read -r _ memchr_s < <("$bench" memchr "$file" $runs)
  echo "file: $1 MiB; memchr pass: $(rate "$memchr_s") MB/s"
  printf '%-6s %-3s %-7s %-6s %7s %7s %7s %7s %9s %7s %12s %11s %8s\n' case len where offset \
    ours grep rg "rg read" ours/grep ours/rg "ours/rg read" ours/memchr matches
  local absent=("q" " is " "and then it is a" "the cat and the dog is at it now")
  local present="zephyr notes in the lazy harbors"
  for c in case nocase; do
    local grep_flag=("${grep_opt[@]}") rg_flag=("${rg_opt[@]}")
    [ "$c" = nocase ] && grep_flag+=(-i) && rg_flag+=(-i)
    for pat in "${absent[0]}" "${present:0:1}" "${absent[1]}" "${present:0:4}" "${absent[2]}" \
      "${present:0:16}" "${absent[3]}" "$present" " the"; do
      read -r at ours_s < <("$bench" find "$file" "$pat" "$c" $runs)
      grep_s=$(best_of grep -c -F "${grep_flag[@]}" -e "$pat" "$file")
      count=$(LC_ALL=C grep -c -F "${grep_flag[@]}" -e "$pat" "$file" || true)
      local rg=(- - - -)
      if [ -n "$have_rg" ]; then
        rg_s=$(best_of rg -c -F "${rg_flag[@]}" -e "$pat" "$file")
        rg_read_s=$(best_of rg --no-mmap -c -F "${rg_flag[@]}" -e "$pat" "$file")
        rg=("$(rate "$rg_s")" "$(rate "$rg_read_s")" "$(ratio "$rg_s" "$ours_s")"
          "$(ratio "$rg_read_s" "$ours_s")")
      fi
      printf '%-6s %-3s %-7s %-6s %7s %7s %7s %7s %9s %7s %12s %11s %8s\n' "$c" "${#pat}" \
        "$([ "$count" = 0 ] && echo absent || echo present)" \
        "$([ "$at" -ge 0 ] && echo found || echo none)" "$(rate "$ours_s")" "$(rate "$grep_s")" \
        "${rg[0]}" "${rg[1]}" "$(ratio "$grep_s" "$ours_s")" "${rg[2]}" "${rg[3]}" \
        "$(ratio "$memchr_s" "$ours_s")" "$count"
    done
  done
  read -r _ small_s < <("$bench" find "$file" "${absent[2]}" case $runs 32760)
  echo "32760-byte reads, case, len 16, absent: $(rate "$small_s") MB/s"
}

# Mark All of "aes" ignoring case: 8190 tags, the list full, in the first
# 25 MB; each way's time next to that of the plain single pass ("count").
mark_all() {
  echo 'Mark All of "aes", ignoring case, until the tag list is full:'
  printf '%-8s %8s %9s %9s\n' way tags ms "x count"
  local ways count_s=""
  ways=$("$bench" markall "$file" aes nocase $runs)
  count_s=$(echo "$ways" | awk '$1 == "count" { print $3 }')
  while read -r way tags s; do
    printf '%-8s %8s %9.1f %9s\n' "$way" "$tags" "$(awk -v s="$s" 'BEGIN { print s * 1000 }')" \
      "$([ -n "$count_s" ] && ratio "$s" "$count_s" || echo -)"
  done <<<"$ways"
}

"$bench" generate "$file" "$mib"
cat "$file" >/dev/null  # into the page cache
table "$mib"
echo
mark_all
if [ "$sparse_gib" -gt 0 ]; then
  "$bench" sparse "$file" $((sparse_gib * 1024))
  echo
  echo "sparse file, $(du -h "$file" | cut -f1) on disk:"
  table $((sparse_gib * 1024)) -z
fi
