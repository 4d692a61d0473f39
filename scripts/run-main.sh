#!/usr/bin/env bash
# The main job: installs what is missing, builds the default preset and lets the host program
# load the module and play the first scenario, printing the host traffic.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default
jobs=$(nproc 2>/dev/null || echo 4)
[ "$jobs" -gt 8 ] && jobs=8
cmake --build --preset default -j"$jobs"
build/default/host/tavorine-host --module build/default/module/libtavorine.so scenarios/first.scn
