#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, i686) and runs each for a few seconds, starting from its
# committed corpus (fuzz/corpus/<target>) and kept fault inputs (fuzz/regressions/<target>) with
# the dictionaries of its formats. New inputs go to build/fuzz/corpus/<target>;
# scripts/fuzz-seeds.sh merges them into the committed corpus.
# Usage: scripts/fuzz.sh [seconds per target] [target...]   (default: 15, every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"
shift || true

bash scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
# fontconfig keeps permanent caches that LeakSanitizer would report.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
artifacts="build/fuzz/artifacts"
mkdir -p "$artifacts"
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=($(cd build/fuzz/fuzz && ls -- *_fuzz))
for name in "${targets[@]}"; do
  target="build/fuzz/fuzz/$name"
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  inputs=("$corpus" "fuzz/corpus/$name")
  [ -d "fuzz/regressions/$name" ] && inputs+=("fuzz/regressions/$name")
  echo "fuzzing $name for ${seconds}s"
  log="build/fuzz/$name.log"
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 $(bash scripts/fuzz-dict.sh "$name") \
      -artifact_prefix="$artifacts/$name-" "${inputs[@]}" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $name failed; the input is in $artifacts"
    exit 1
  fi
  grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)" "$log" | sed "s/^/  /" || true
done
echo "fuzz targets ran clean"
