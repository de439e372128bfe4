#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   native unit tests (sanitizers on); the shipped 32-bit programs' import
#   checks; their Wine tests (in-process window tests and end-to-end tests)
#   under Wine 10 in WoW64 mode on every machine, and under Debian 12's
#   Wine 8 too where the kernel runs 32-bit programs; a short run of every
#   fuzz target. Prints which Wine ran which suite and one closing line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install.sh

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi

werror=()
[ -n "${CI:-}" ] && werror=(-DTARVO_WERROR=ON)

# The Wine 10 root is made (once per machine) while the builds run.
root_log=$(mktemp)
bash scripts/wine10-root.sh >"$root_log" 2>&1 &
root_pid=$!

builds_started=$(date +%s)
cmake --preset win32 "${werror[@]}"
cmake --preset native "${werror[@]}"
cmake --preset fuzz "${werror[@]}"
for p in native win32 fuzz; do
  cmake --build --preset "$p"
done
echo "builds: $(($(date +%s) - builds_started)) s"

if ! wait $root_pid; then
  cat "$root_log"
  echo "the Wine 10 root could not be made"
  exit 1
fi
sed '$d' "$root_log"  # what making the root took, when it was made
TARVO_WINE10_ROOT=$(tail -1 "$root_log")
export TARVO_WINE10_ROOT
rm -f "$root_log"

wines=(wine10)
if bash scripts/can-run-wine32.sh; then
  wines+=(wine8)
else
  echo "note: this kernel cannot run 32-bit programs: no Wine 8 run, Wine 10 runs every Wine test"
fi

status=0
summary=()
total_passed=0
total_failed=0
# leg NAME RUNNER COMMAND...: runs one suite, keeps its counts and time.
leg() {
  local name=$1 runner=$2 log started passed failed
  shift 2
  log=$(mktemp)
  echo "== $name: $runner"
  started=$(date +%s)
  "$@" 2>&1 | tee "$log" || status=1
  read -r passed failed < <(awk '
    /^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+$/ { f += $4; p += $NF - $4 }
    /^fuzz: [0-9]+ passed, [0-9]+ failed$/ { p += $2; f += $4 }
    END { print p + 0, f + 0 }' "$log")
  rm -f "$log"
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  summary+=("$(printf '%-22s %-52s %4d passed %3d failed %4d s' "$name" "$runner" "$passed" "$failed" $(($(date +%s) - started)))")
}

leg native "host g++, sanitizers" ctest --preset native
leg "win32 imports" "objdump of the shipped programs" ctest --preset win32 -LE '^(wine|e2e)$'
for w in "${wines[@]}"; do
  . scripts/wine-env.sh build/win32 "$w"
  leg "win32 under $w" "$(tarvo_wine_describe)$([ "$w" = wine10 ] && echo ", WoW64")" \
    env TARVO_WINE="$w" ctest --preset win32 -L '^(wine|e2e)$'
  "$tarvo_wineserver" -k 2>/dev/null || true
done
leg fuzz "clang, libFuzzer" bash scripts/run-fuzzers.sh build/fuzz 20000

echo
printf '%s\n' "${summary[@]}"
echo "all suites: $total_passed passed, $total_failed failed"
exit $status
