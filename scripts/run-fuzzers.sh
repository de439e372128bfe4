#!/usr/bin/env bash
# Runs the fuzz targets of a fuzz build for a number of executions each,
# every one from the files the tests make for it (write_fuzz_seeds) where
# there are any.
#   run-fuzzers.sh BUILD_DIR RUNS [TARGET...]   (no target: all of them)
set -u
build=$1
runs=$2
shift 2
passed=0
failed=0
seeds="$build/fuzz/seeds"
rm -rf "$seeds"
[ -x "$build/fuzz/write_fuzz_seeds" ] && "$build/fuzz/write_fuzz_seeds" "$seeds"
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=($(cd "$build/fuzz" && ls fuzz_*))
for name in "${targets[@]}"; do
  f="$build/fuzz/$name"
  [ -x "$f" ] || continue
  corpus=$(mktemp -d)
  inputs=("$corpus")
  [ -d "$seeds/$name" ] && inputs+=("$seeds/$name")
  if "$f" -runs="$runs" -max_len=70000 "${inputs[@]}" >"$build/$name.log" 2>&1; then
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
