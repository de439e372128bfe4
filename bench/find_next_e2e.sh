#!/usr/bin/env bash
# Find Next in the running viewer under Wine, timed from a second process
# (synchronous WM_COMMAND), next to the native file search on the same file:
# the search_bench text file with its marker 4 KiB before the end, the
# search taken from the profile's newest recent text, as F3 at start-up does.
# With --screenshot it also saves pictures of the found selection and of the
# Find Text dialog under build/<preset>/shots; with --sparse the file is
# sparse (text in its first and last 16 MiB only). With --mark-all it times
# Mark All of "aes" instead (8190 matches, the tag list full, in the first
# 25 MB), next to the native ways of marking. The viewer's memory after the
# searches is printed too. With --exe it times that TARVO.EXE instead of
# this build's (another commit's, for figures before and after a change).
#   bench/find_next_e2e.sh [--screenshot] [--sparse] [--mark-all] [--exe TARVO.EXE] [MIB]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
shots=""
generate=generate
mark_all=()
exe=""
while [ $# -gt 0 ]; do
  case $1 in
    --exe)
      exe=$(realpath "$2")
      shift
      ;;
    --screenshot) shots=1 ;;
    --sparse) generate=sparse ;;
    --mark-all) mark_all=(--mark-all) ;;
    *) break ;;
  esac
  shift
done
mib=${1:-1024}
runs=3
preset=win32
cmake --preset $preset -DTARVO_BENCH=ON >/dev/null
cmake --build --preset $preset --target tarvo find_next_timer >/dev/null
cmake --preset bench >/dev/null
cmake --build --preset bench --target search_bench >/dev/null
build=$root/build/$preset
bench=$root/build/bench/bench/search_bench
work=$build/find_next_bench
file=$work/find_next_data.txt
marker="zephyr notes in the lazy harbors"
[ ${#mark_all[@]} -gt 0 ] && marker=aes
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

"$bench" $generate "$file" "$mib"
cat "$file" >/dev/null  # into the page cache
read -r at native_s < <("$bench" find "$file" "$marker" nocase $runs)

cp "${exe:-$build/bin/TARVO.EXE}" "$work/TARVO.EXE"
printf '[Tarvo Setup]\nMasterProfile=1\n[MRU Search]\nTexts=1\nText1=%s\n' "$marker" >"$work/TARVO.INI"
winpath() { local p="Z:$1"; echo "${p//\//\\}"; }
. scripts/wine-env.sh "$build"
tarvo_make_prefix
timer=("$tarvo_wine" "$build/bin/find_next_timer.exe" "${mark_all[@]}" "$(winpath "$work/TARVO.EXE")" "$(winpath "$file")" $runs)
if [ -z "$shots" ]; then
  out=$("${timer[@]}" </dev/null | tr -d '\r')
else
  signals=$work/signals
  mkdir -p "$signals" "$build/shots"
  "${timer[@]}" "$(winpath "$signals")" >"$work/out.txt" </dev/null &
  pid=$!
  shoot() {  # shoot SIGNAL PICTURE
    for _ in $(seq 1 600); do
      [ -e "$signals/$1" ] && break
      sleep 0.1
    done
    sleep 1  # let the paint finish
    /usr/bin/import -window root "$build/shots/$2.png"
    touch "$signals/$1.shot"
    echo "screenshot: $build/shots/$2.png"
  }
  shoot found find-next-found
  shoot dialog find-text-dialog
  wait $pid
  out=$(tr -d '\r' <"$work/out.txt")
fi
"$tarvo_wineserver" -k 2>/dev/null || true

ms() { awk -v s="$1" 'BEGIN { printf "%.1f", s * 1000 }'; }
mb=$(awk -v m="$mib" 'BEGIN { print m * 1048576 / 1e6 }')
if [ ${#mark_all[@]} -gt 0 ]; then
  read -r _ first_ms best_ms < <(echo "$out" | grep '^mark_all_ms')
  echo "file: $mib MiB ($generate), Mark All of \"$marker\", case-insensitive, $preset under Wine"
  printf '%-34s %8s %10s %18s\n' "" tags ms "TARVO.EXE best / x"
  while read -r way tags s; do
    printf '%-34s %8s %10s %18s\n' "native $way (best of $runs)" "$tags" "$(ms "$s")" \
      "$(awk -v a="$best_ms" -v b="$s" 'BEGIN { printf "%.2f", a / b / 1000 }')"
  done < <("$bench" markall "$file" "$marker" nocase $runs)
  printf '%-34s %8s %10s\n' "Mark All in TARVO.EXE, first" "" "$first_ms" \
    "Mark All in TARVO.EXE, best" "" "$best_ms"
  echo "$out" | grep '^viewer_memory_kb'
  exit 0
fi
read -r _ first_ms best_ms < <(echo "$out" | grep '^find_next_ms')
echo "file: $mib MiB ($generate), marker at offset $at, case-insensitive, $preset under Wine"
printf '%-34s %10s %10s\n' "" "ms" "MB/s"
printf '%-34s %10.1f %10.0f\n' "native FindInFile (best of $runs)" \
  "$(awk -v s="$native_s" 'BEGIN { print s * 1000 }')" "$(awk -v mb="$mb" -v s="$native_s" 'BEGIN { print mb / s }')"
printf '%-34s %10.1f %10.0f\n' "Find Next in TARVO.EXE, first" "$first_ms" \
  "$(awk -v mb="$mb" -v s="$first_ms" 'BEGIN { print mb / s * 1000 }')"
printf '%-34s %10.1f %10.0f\n' "Find Next in TARVO.EXE, best" "$best_ms" \
  "$(awk -v mb="$mb" -v s="$best_ms" 'BEGIN { print mb / s * 1000 }')"
echo "$out" | grep '^selected'
echo "$out" | grep '^viewer_memory_kb'
