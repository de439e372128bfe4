#!/usr/bin/env bash
# Checks what a print test printed: the PostScript, made a PDF, has the
# expected pages with the expected text; with "bands", also page 1's tagged
# line lies on a band of its grey shade and page 3's selected line is
# inverted (a black band). Prints one line per check, "ok" or what differed;
# exits non-zero on a difference.
#   check_print.sh DIR NAME [bands]   (DIR holds NAME.ps and NAME.expected.txt)
set -euo pipefail
dir=$1
name=$2
ps2pdf "$dir/$name.ps" "$dir/$name.pdf"
pdftotext -layout "$dir/$name.pdf" "$dir/$name.txt"
failed=0
check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: expected [$2], got [$3]"; failed=1; fi
}
# One line per printed line, blanks folded, a lone \f between pages.
normalize() {
  sed -e 's/\f/\n\f\n/g' "$1" | sed -e 's/[[:space:]]\+/ /g' -e 's/^ //' -e 's/ $//' | grep -v '^$' || true
}
check "pages" "$(tr -cd '\f' <"$dir/$name.expected.txt" | wc -c)" \
  "$(pdfinfo "$dir/$name.pdf" | awk '/^Pages:/ { print $2 }')"
if ! diff <(normalize "$dir/$name.expected.txt") <(normalize "$dir/$name.txt") >"$dir/$name.diff"; then
  echo "FAILED: page text (expected < > printed):"
  cat "$dir/$name.diff"
  failed=1
else
  echo "ok: page text"
fi
[ "${3:-}" = bands ] || exit $failed

# The grey at the middle of the band of the line whose last word is WORD on
# PAGE, some way right of the text, at 60 dpi.
band_grey() {  # band_grey PAGE WORD
  local box ymin xmax ymax
  # <word xMin="..." yMin="..." xMax="..." yMax="...">WORD</word>, in points from the top left
  box=$(pdftotext -bbox -f "$1" -l "$1" "$dir/$name.pdf" - |
    awk -v w="$2" -F'"' '/<word/ && $0 ~ ">" w "</word>" { print $4, $6, $8; exit }')
  [ -n "$box" ] || { echo "none"; return; }
  read -r ymin xmax ymax <<<"$box"
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pnggray -r60 -dFirstPage="$1" -dLastPage="$1" \
    -sOutputFile="$dir/page$1.png" "$dir/$name.pdf"
  local x y
  x=$(awk -v a="$xmax" 'BEGIN { printf "%d", (a + 36) * 60 / 72 }')
  y=$(awk -v a="$ymin" -v b="$ymax" 'BEGIN { printf "%d", (a + b) / 2 * 60 / 72 }')
  convert "$dir/page$1.png" -format '%[fx:int(255*p{'"$x,$y"'}.r+0.5)]' info:
}
near() {  # near VALUE TARGET: within 8 levels
  awk -v v="$1" -v t="$2" 'BEGIN { d = v - t; if (d < 0) d = -d; print (v != "none" && d <= 8) ? "yes" : "no (" v ")" }'
}
check "tagged band grey (shade 2)" "yes" "$(near "$(band_grey 1 3)" 192)"
check "selected band inverted" "yes" "$(near "$(band_grey 3 17)" 0)"
echo "page 1: $dir/page1.png"
exit $failed
