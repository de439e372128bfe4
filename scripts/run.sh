#!/usr/bin/env bash
# Sets up the machine, builds Tarvo and opens a sample file in it under Wine.
# With a display the window appears; without one it runs in Xvfb, saves a
# screenshot and prints its path. It runs the shipped 32-bit TARVO.EXE under
# Debian 12's Wine 8 where this kernel runs 32-bit programs, else under
# Wine 10 in WoW64 mode (TARVO_WINE=wine8 or wine10 chooses).
# With --print it prints the file to the prefix's PostScript test printer
# instead, and says where the pages went (PostScript, and page 1 as a PNG).
# With --shell it opens the file in the viewer shell, ZR32.EXE, instead.
#   scripts/run.sh [--print | --shell] [FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
print=
shell=
if [ "${1:-}" = --print ]; then print=1; shift; fi
if [ "${1:-}" = --shell ]; then shell=1; shift; fi
bash scripts/install.sh

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target tarvo ${print:+add_test_printer print_open_file} \
  ${shell:+suite}

build=$root/build/win32
demo=$build/demo
mkdir -p "$demo"
sample=${1:-$demo/sample.txt}
if [ -z "${1:-}" ]; then
  {
    echo "Tarvo sample file"
    echo "================="
    for i in $(seq 1 200); do
      printf 'Line %4d\tof the sample file: tabs, long lines and form feeds.\n' "$i"
      [ $((i % 60)) -eq 0 ] && printf '\f'
    done
  } >"$sample"
fi

. scripts/wine-env.sh "$build"
tarvo_make_prefix
echo "$([ -n "$shell" ] && echo ZR32.EXE || echo TARVO.EXE) (i686) under $(tarvo_wine_describe)"
unix_to_wine() { echo "Z:$(echo "$1" | sed 's|/|\\|g')"; }
# The demo's own copy of the program keeps its profile beside it, so the
# prefix's Windows folder (where the tests look for profiles) stays clean.
cp "$build/bin/TARVO.EXE" "$demo/TARVO.EXE"
[ -f "$demo/TARVO.INI" ] || printf '[Tarvo Setup]\r\nMasterProfile=1\r\n' >"$demo/TARVO.INI"

if [ -n "$print" ]; then
  [ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" --print "$@"
  # The test printer's port pipes each job into the file TARVO_PRINT_OUT names.
  export TARVO_PRINT_OUT=$demo/$(basename "$sample").ps
  rm -f "$TARVO_PRINT_OUT"
  "$tarvo_wine" "$demo/TARVO.EXE" "$(unix_to_wine "$(realpath "$sample")")" >/dev/null 2>&1 </dev/null &
  "$tarvo_wine" "$build/bin/print_open_file.exe"
  wait
  "$tarvo_wineserver" -w
  page1=${TARVO_PRINT_OUT%.ps}-page1.png
  gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=png16m -r72 -dFirstPage=1 -dLastPage=1 \
    -sOutputFile="$page1" "$TARVO_PRINT_OUT"
  echo "printed $(grep -c '^%%Page:' "$TARVO_PRINT_OUT") pages on the test printer: $TARVO_PRINT_OUT"
  echo "page 1: $page1"
  exit 0
fi

program=$demo/TARVO.EXE
caption="Tarvo - $(basename "$sample")"
if [ -n "$shell" ]; then
  # The shell looks for its libraries beside itself: every one the package has.
  mkdir -p "$demo/shell"
  cp "$build/bin/ZR32.EXE" "$demo/shell/"
  for f in $(tr -d '\r' <"$build/package-files.txt" | grep '\.DLL$'); do cp "$build/bin/$f" "$demo/shell/"; done
  program=$demo/shell/ZR32.EXE
  name=$(basename "$sample")
  # The shell shows the extension in capitals.
  [[ $name == *.* ]] && name="${name%.*}.$(tr a-z A-Z <<<"${name##*.}")"
  caption="Skimmet For Win 32 - $name"
fi

if [ -n "${DISPLAY:-}" ] && [ -z "${TARVO_SCREENSHOT:-}" ]; then
  "$tarvo_wine" "$program" "$(unix_to_wine "$(realpath "$sample")")"
  exit 0
fi

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" env TARVO_SCREENSHOT=1 bash "$0" ${shell:+--shell} "$@"
fi

"$tarvo_wineserver" -k 2>/dev/null || true
"$tarvo_wine" "$program" "$(unix_to_wine "$(realpath "$sample")")" >/dev/null 2>&1 </dev/null &
for _ in $(seq 1 300); do
  xwininfo -root -tree 2>/dev/null | grep -q "\"$caption\"" && break
  sleep 0.1
done
sleep 1  # let the first paint finish
shot=$demo/$(basename "$program" .EXE | tr A-Z a-z).png
/usr/bin/import -window root "$shot"
"$tarvo_wineserver" -k 2>/dev/null || true
echo "screenshot: $shot"
