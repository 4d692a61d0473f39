#!/usr/bin/env bash
# Runs every test program of the default build, and every fuzz target's replay of its committed
# corpus and kept fault inputs (as its ctest test runs it), under valgrind's memcheck, three at a
# time; fails on any error valgrind reports.
# Usage: scripts/valgrind.sh   (after scripts/test.sh default)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=$PWD/build/default
logs=$build/valgrind
rm -rf "$logs"
mkdir -p "$logs"

run() {  # run <name> <program> [arguments...]
  local name=$1
  shift
  if (cd "$build/tests" && valgrind --tool=memcheck --error-exitcode=99 --leak-check=no --trace-children=no \
      --log-file="$logs/$name.log" "$@" >"$logs/$name.out" 2>&1); then
    echo "clean: $name"
  else
    echo "FAILED: $name (valgrind log $logs/$name.log)"
    return 1
  fi
}
export -f run
export logs build
# The host tests' random whiteboard sessions: a few under valgrind, each a program of its own.
export TAV_RANDOM_SESSIONS=8

{
  for program in "$build"/tests/*_tests; do echo "$(basename "$program") $program"; done
  # Each corpus replay with the arguments of its ctest test, which the build writes beside it.
  for program in "$build"/fuzz/*_fuzz; do
    echo "$(basename "$program")" "$program" $(<"$program.replay")
  done
} | xargs -P 3 -L 1 bash -c 'run "$@"' _
