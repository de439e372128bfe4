# What the scripts that time viewer libraries under Wine share; each sources
# it from the repository's root, after `set -euo pipefail` and its cd:
# without a display the script starts again in Xvfb, and root and build are
# set. library_bench_build builds the win32 targets named, with the
# benchmarks on; winpath names a file as Wine sees it; library_bench_wines
# lists the Wines this machine runs, and library_bench_use_wine makes one
# the Wine of the calls that follow.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
root=$(pwd)
build=$root/build/win32

library_bench_build() {
  cmake --preset win32 -DTARVO_BENCH=ON >/dev/null
  cmake --build --preset win32 --target "$@" -j2 >/dev/null
}

winpath() {
  local p="Z:$1"
  echo "${p//\//\\}"
}

library_bench_wines() {
  echo wine10
  if bash scripts/can-run-wine32.sh; then echo wine8; fi
}

library_bench_use_wine() {
  . scripts/wine-env.sh "$build" "$1"
  tarvo_make_prefix
}
