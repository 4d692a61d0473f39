#!/usr/bin/env bash
# Prints the libFuzzer dictionary option of a fuzz target (nothing for targets without one):
# the dictionaries of its formats (fuzz/dict) joined in build/fuzz/dict.
# Usage: scripts/fuzz-dict.sh <target name>
set -euo pipefail
cd "$(dirname "$0")/.."
case "$1" in
  xml_load_fuzz | xml_buffer_fuzz | xml_stream_fuzz) formats="xml" ;;
  page_fromxml_fuzz | wb_record_fuzz | host_events_fuzz) formats="xml page-xml" ;;
  xwb_read_fuzz) formats="xml page-xml xwb" ;;
  defaults_file_fuzz | codecs_fuzz) formats="defaults" ;;
  *) exit 0 ;;
esac
mkdir -p build/fuzz/dict
dict="build/fuzz/dict/$1.dict"
for format in $formats; do cat "fuzz/dict/$format.dict"; done >"$dict"
echo "-dict=$dict"
