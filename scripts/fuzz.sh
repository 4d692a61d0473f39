#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, i686) and runs each for a few seconds.
# Usage: scripts/fuzz.sh [seconds per target]   (default: 15)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"

bash scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
for target in build/fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 -print_final_stats=0 "$corpus" 2>&1 | tail -n 2
done
echo "fuzz targets ran clean"
