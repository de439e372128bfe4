#!/usr/bin/env bash
# Runs one Windows program of the build under Wine: the CTest emulator.
#   wine-run.sh BUILD_DIR PROGRAM.EXE [ARGS...]
# TARVO_WINE chooses the Wine (wine8 or wine10, see wine-env.sh).
# The program's output goes through a temporary file, with stdin from
# /dev/null, so Wine's helper processes never hold CTest's pipes open.
set -u
build_dir=$1
shift
. "$(dirname "$0")/wine-env.sh" "$build_dir" || exit 1
tarvo_make_prefix
out=$(mktemp)
"$tarvo_wine" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
