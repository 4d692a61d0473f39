#!/usr/bin/env bash
# The main job: installs what is missing, builds the default preset and lets the host program
# load the module and play every scenario under scenarios/ (scripts/play-scenarios.sh; the
# scenarios are described in docs/scenarios.md and in their own opening comments), printing the
# host traffic: loading and closing the module, creating, joining and booking conferences,
# invitations, point-to-point whiteboards, the user's files on folders kept across runs, and two
# module processes drawing together through the program's relay, both sides' pages compared and
# written into out/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default
jobs=$(nproc 2>/dev/null || echo 4)
[ "$jobs" -gt 8 ] && jobs=8
cmake --build --preset default -j"$jobs"

bash scripts/play-scenarios.sh build/default/scenario-users

# Pictures of what the boards show: the tests labelled "pictures" (tests/CMakeLists.txt) draw
# pages of every object kind, text and a board after a run of gestures into out/.
mkdir -p out
TAV_PICTURES_DIR="$PWD/out" ctest --preset default -L pictures >/dev/null
echo "=== pictures in out/: $(cd out && ls *.png | tr '\n' ' ')"
