#!/usr/bin/env bash
# The distribution folder and its zip.
#   package.sh                               sets up the machine, builds what the
#                                            package needs and packs build/win32/dist/Tarvo
#   package.sh [--check] BIN_DIR DIST_DIR LIST   (the build's step: writes DIST_DIR
#                                            and DIST_DIR.zip from BIN_DIR)
# LIST is the build's package-files.txt: the suite's programs and libraries
# in install order, as their CMake targets declare them. The folder holds
# Setup.exe, TRUSetup.exe, those files, and FILES.LST, the list that
# TRUSetup.exe installs. With STRIP set (the build's strip tool) the
# programs are packed without their debug information, which stays in the
# build folder. --check then verifies the zip against the folder.
set -euo pipefail
if [ $# = 0 ]; then
  cd "$(dirname "$0")/.."
  bash scripts/install.sh
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target package_dist
  echo "package: $(pwd)/build/win32/dist/Tarvo and $(pwd)/build/win32/dist/Tarvo.zip"
  exit 0
fi
check=0
if [ "${1:-}" = --check ]; then check=1; shift; fi
bin=$1
dist=$2
mapfile -t suite < <(tr -d '\r' <"$3" | grep -v '^$')

for f in Setup.exe TRUSetup.exe "${suite[@]}"; do
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
  put "$f"
  printf '%s\r\n' "$f" >>"$list"
done

parent=$(dirname "$dist")
name=$(basename "$dist")
(cd "$parent" && zip -q -X -r "$name.zip" "$name")
echo "$dist.zip"

if [ $check = 1 ]; then
  expected=$(cd "$parent" && find "$name" -type f | sort)
  packed=$(zip -sf "$dist.zip" | sed -n 's/^  //p' | grep -v '/$' | sort)
  [ "$expected" = "$packed" ] || { echo "zip differs from the folder:"; diff <(echo "$expected") <(echo "$packed"); exit 1; }
  for f in Setup.exe TRUSetup.exe FILES.LST "${suite[@]}"; do
    grep -qx "$name/$f" <<<"$packed" || { echo "missing from the zip: $f"; exit 1; }
  done
  listed=$(grep -v '^;' "$list" | tr -d '\r' | sort)
  beside=$(cd "$dist" && ls | grep -vx -e Setup.exe -e TRUSetup.exe -e FILES.LST | sort)
  [ "$listed" = "$beside" ] || { echo "FILES.LST does not match the programs packed"; exit 1; }
  echo "package ok: $(echo "$packed" | wc -l) files"
fi
