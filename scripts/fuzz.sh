#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, i686) and runs each for a few seconds.
# Usage: scripts/fuzz.sh [seconds per target]   (default: 15)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"

bash scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
# fontconfig keeps permanent caches that LeakSanitizer would report.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
artifacts="build/fuzz/artifacts"
mkdir -p "$artifacts"
for target in build/fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "fuzzing $name for ${seconds}s"
  log="build/fuzz/$name.log"
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
      -artifact_prefix="$artifacts/$name-" "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $name failed; the input is in $artifacts"
    exit 1
  fi
done
echo "fuzz targets ran clean"
