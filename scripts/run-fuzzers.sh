#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a number of executions each.
#   run-fuzzers.sh BUILD_DIR RUNS
set -u
build=$1
runs=$2
passed=0
failed=0
for f in "$build"/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus=$(mktemp -d)
  if "$f" -runs="$runs" -max_len=70000 "$corpus" >"$build/$name.log" 2>&1; then
    passed=$((passed + 1))
    echo "fuzz: $name: $runs runs, no findings"
  else
    failed=$((failed + 1))
    echo "fuzz: $name FAILED"
    tail -40 "$build/$name.log"
  fi
  rm -rf "$corpus"
done
echo "fuzz: $passed passed, $failed failed"
[ $failed -eq 0 ]
