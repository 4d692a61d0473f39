#!/usr/bin/env bash
# Prints the libFuzzer dictionary option of a fuzz target (nothing for targets without one): the
# dictionary that the fuzz build writes beside the target from the formats fuzz/CMakeLists.txt
# names for it.
# Usage: scripts/fuzz-dict.sh <target name>   (after the fuzz preset was configured)
set -euo pipefail
cd "$(dirname "$0")/.."
dict="build/fuzz/fuzz/$1.dict"
if [ -f "$dict" ]; then echo "-dict=$dict"; fi
