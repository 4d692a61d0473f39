#!/usr/bin/env bash
# Installs what is missing, builds a preset and runs every test of it.
# Usage: scripts/test.sh [default|asan]   (default: default)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

bash scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)" --timeout 600
