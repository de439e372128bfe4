#!/usr/bin/env bash
# Runs one Windows program of the build under Wine: the CTest emulator.
#   wine-run.sh BUILD_DIR ARCH PROGRAM.EXE [ARGS...]
# The program's output goes through a temporary file, with stdin from
# /dev/null, so Wine's helper processes never hold CTest's pipes open.
set -u
build_dir=$1
arch=$2
shift 2
. "$(dirname "$0")/wine-env.sh" "$build_dir" "$arch"
tarvo_make_prefix
out=$(mktemp)
"$tarvo_wine" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
