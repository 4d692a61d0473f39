#!/usr/bin/env bash
# Gathers seed inputs for the fuzz targets from real inputs and merges them, minimised, with
# each target's committed corpus (fuzz/corpus/<target>):
# - the host messages that the tests and scenarios deliver and the whiteboard records their
#   boards send (the recording host keeps them, host/recording/HostInputForm.h), and from those
#   records their text and picture payloads;
# - the XWB documents and page XML of the boards that received those records;
# - the defaults files and saved conference lists the scenarios write, and their decoded texts;
# - XML documents (fuzz/xml-documents and the page XML) in every encoding the library reads;
# - the pictures of the application folder and those the scenarios paint.
# Usage: scripts/fuzz-seeds.sh [seconds of fuzzing per target before the merge]   (default: 0)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-0}"
jobs=4
root=$PWD
seeds=$root/build/fuzz-seeds
rm -rf "$seeds"
mkdir -p "$seeds"

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$jobs"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
bin=build/default

# The tests' and the scenarios' host messages and sent whiteboard records.
TAV_KEEP_HOST_INPUTS=$seeds ctest --preset default -j"$jobs" -LE fuzz-corpus >/dev/null || true
users=$bin/seed-users
rm -rf "$users"
mkdir -p "$users" out
TAV_KEEP_HOST_INPUTS=$seeds bash scripts/play-scenarios.sh "$users" >/dev/null || true

keep() {  # keep <target> <file>: a seed named by its content
  mkdir -p "$seeds/$1"
  cp "$2" "$seeds/$1/$(sha1sum "$2" | cut -c1-40)"
}
keep_text() {  # keep_text <target> <prefix byte in octal> <file>
  local tmp
  tmp=$(mktemp)
  { printf "\\$2"; cat "$3"; } >"$tmp"
  keep "$1" "$tmp"
  rm -f "$tmp"
}

# Documents and pages of the boards that received the records; their payloads.
TAV_KEEP_DOCUMENTS=$seeds $bin/fuzz/wb_record_fuzz "$seeds/wb_record_fuzz" >/dev/null
$bin/fuzz/tav_fuzz_seed_forms "$seeds/wb_record_fuzz" "$seeds"

# Defaults files and conference lists the scenarios saved; the defaults file's hexadecimal
# text and its decoded tag text for the decoders.
while IFS= read -r -d '' file; do
  keep defaults_file_fuzz "$file"
  keep_text codecs_fuzz 001 "$file"
  tmp=$(mktemp)
  xxd -r -p "$file" >"$tmp" 2>/dev/null && [ -s "$tmp" ] && keep_text codecs_fuzz 002 "$tmp"
  rm -f "$tmp"
done < <(find "$users" -name '*mmc_dfs.dat' -print0)
while IFS= read -r -d '' file; do keep conf_list_fuzz "$file"; done < <(find "$users" -name '*mmc.dat' -print0)

# Pictures, and their Base64 for the decoders.
for file in res/pictures/* out/*.png; do
  [ -f "$file" ] || continue
  keep image_decode_fuzz "$file"
  tmp=$(mktemp)
  base64 -w0 "$file" >"$tmp"
  keep_text codecs_fuzz 000 "$tmp"
  rm -f "$tmp"
done

# XML documents in every encoding the loaders read; the streaming parser gets them in chunks of
# 7, 31 and 255 bytes.
xml_docs=("$seeds"/page_fromxml_fuzz/* fuzz/xml-documents/*.xml)
n=0
for doc in "${xml_docs[@]}"; do
  [ -f "$doc" ] || continue
  n=$((n + 1))
  [ "$n" -gt 40 ] && break
  body=$(mktemp)
  sed '1s/^<?xml[^>]*?>//' "$doc" >"$body"
  for form in utf-8 utf-8-bom gbk gb2312 utf-16le utf-16be utf-16le-bare; do
    out=$(mktemp)
    case $form in
      utf-8) cp "$doc" "$out" ;;
      utf-8-bom) { printf '\357\273\277'; cat "$doc"; } >"$out" ;;
      gbk | gb2312)
        { printf '<?xml version="1.0" encoding="%s"?>' "$form"; cat "$body"; } | iconv -f UTF-8 -t GBK >"$out" || continue ;;
      utf-16le) { printf '\377\376'; iconv -f UTF-8 -t UTF-16LE "$doc"; } >"$out" ;;
      utf-16be) { printf '\376\377'; iconv -f UTF-8 -t UTF-16BE "$doc"; } >"$out" ;;
      utf-16le-bare) iconv -f UTF-8 -t UTF-16LE "$doc" >"$out" ;;
    esac
    keep xml_load_fuzz "$out"
    keep xml_buffer_fuzz "$out"
    rm -f "$out"
  done
  keep_text xml_stream_fuzz 003 <(printf '\003\017\177'; cat "$doc")
  rm -f "$body"
done
for doc in fuzz/xml-documents/*.xml; do keep page_fromxml_fuzz "$doc"; done

# Each target's corpus: what it had and the new seeds, after an optional run, minimised.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
for target in build/fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus=fuzz/corpus/$name
  mkdir -p "$corpus" "$seeds/$name"
  if [ "$seconds" -gt 0 ]; then
    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 $(bash scripts/fuzz-dict.sh "$name") \
      "$seeds/$name" "$corpus" >"$seeds/$name.log" 2>&1 || { echo "fuzz target $name failed"; exit 1; }
  fi
  merged=$seeds/$name.merged
  mkdir -p "$merged"
  "$target" -merge=1 -rss_limit_mb=2048 -timeout=20 "$merged" "$corpus" "$seeds/$name" >"$seeds/$name.merge.log" 2>&1
  rm -rf "$corpus"
  mv "$merged" "$corpus"
  echo "$name: $(ls "$corpus" | wc -l) inputs"
done
