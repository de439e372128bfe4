#!/usr/bin/env bash
# Puts the distribution folder together from a Windows build's programs and
# zips it:
#   package.sh [--check] BIN_DIR DIST_DIR      (writes DIST_DIR and DIST_DIR.zip)
# The folder holds Setup.exe, TRUSetup.exe, the suite's programs that the
# build made, and FILES.LST, the list of those programs that TRUSetup.exe
# installs (so it never offers what is not there). With STRIP set (the
# build's strip tool) the programs are packed without their debug
# information, which stays in the build folder. --check then verifies the
# zip against the folder.
set -euo pipefail
check=0
if [ "${1:-}" = --check ]; then check=1; shift; fi
bin=$1
dist=$2

# The programs and libraries of the suite, in install order; TARVO.EXE must exist.
suite=(TARVO.EXE TARVODDE.EXE ZR32.EXE HTCTL32.DLL ZREDIT32.DLL ZRH32.DLL)

for f in Setup.exe TRUSetup.exe TARVO.EXE; do
  [ -f "$bin/$f" ] || { echo "package.sh: $bin/$f is missing: build first" >&2; exit 1; }
done

put() {
  if [ -n "${STRIP:-}" ]; then "$STRIP" -o "$dist/$1" "$bin/$1"; else cp "$bin/$1" "$dist/"; fi
}

rm -rf "$dist" "$dist.zip"
mkdir -p "$dist"
put Setup.exe
put TRUSetup.exe
list="$dist/FILES.LST"
printf '; Files TRUSetup.exe installs\r\n' >"$list"
for f in "${suite[@]}"; do
  if [ -f "$bin/$f" ]; then
    put "$f"
    printf '%s\r\n' "$f" >>"$list"
  fi
done

parent=$(dirname "$dist")
name=$(basename "$dist")
(cd "$parent" && zip -q -X -r "$name.zip" "$name")
echo "$dist.zip"

if [ $check = 1 ]; then
  expected=$(cd "$parent" && find "$name" -type f | sort)
  packed=$(zip -sf "$dist.zip" | sed -n 's/^  //p' | grep -v '/$' | sort)
  [ "$expected" = "$packed" ] || { echo "zip differs from the folder:"; diff <(echo "$expected") <(echo "$packed"); exit 1; }
  for f in Setup.exe TRUSetup.exe TARVO.EXE FILES.LST; do
    grep -qx "$name/$f" <<<"$packed" || { echo "missing from the zip: $f"; exit 1; }
  done
  listed=$(grep -v '^;' "$list" | tr -d '\r' | sort)
  beside=$(cd "$dist" && ls | grep -vx -e Setup.exe -e TRUSetup.exe -e FILES.LST | sort)
  [ "$listed" = "$beside" ] || { echo "FILES.LST does not match the programs packed"; exit 1; }
  echo "package ok: $(echo "$packed" | wc -l) files"
fi
