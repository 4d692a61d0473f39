#!/usr/bin/env bash
# Plays every scenario file under scenarios/ with the host program and module of the default
# build, as the host program plans it (`tavorine-host --play-plan scenarios`, which reads the
# "# play: ..." lines of their opening comments; docs/scenarios.md, "Playing the scenario
# files"): in the order of their names, each on a fresh user folder of its own under USERS,
# those declared after another on the folder it left.
# Prints "=== scenarios/NAME.scn" before each play and stops at the first failure; a refused
# declaration stops it before any play, with status 2.
# Usage: scripts/play-scenarios.sh USERS
set -euo pipefail
cd "$(dirname "$0")/.."
users=$1
bin=build/default

plan=$("$bin/host/tavorine-host" --play-plan scenarios)

# run <name> <user folder or "">: one play of the host program.
run() {
  local options=()
  if [ -n "$2" ]; then options=(--user-folder "$2"); fi
  "$bin/host/tavorine-host" --module "$bin/module/libtavorine.so" "${options[@]}" "scenarios/$1.scn"
}

# add_line_end <folder> <pattern>: a line end after the folder's one file matching pattern.
add_line_end() {
  local edited=("$1"/$2)
  if [ ${#edited[@]} -ne 1 ] || [ ! -f "${edited[0]}" ]; then
    echo "no one file $2 in $1" >&2
    exit 1
  fi
  printf '\r\n' >>"${edited[0]}"
}

# same_pictures <file> <file>: the two pictures are the same bytes.
same_pictures() {
  if cmp -s "$1" "$2"; then
    echo "=== both sides show the same page: $1, $2"
  else
    echo "=== the two sides' pages differ" >&2
    exit 1
  fi
}

mapfile -t steps <<<"$plan"
folder="" name=""
for line in "${steps[@]}"; do
  read -r step args <<<"$line"
  case "$step" in
    fresh-user-folder) folder=$users/$args; rm -rf "$folder" ;;
    no-user-folder) folder="" ;;
    play)
      name=$args
      echo "=== scenarios/$name.scn"
      run "$name" "$folder"
      ;;
    again-with-line-end)
      add_line_end "$folder" "$args"
      echo "=== scenarios/$name.scn (a line end added to the saved file)"
      run "$name" "$folder"
      ;;
    same-pictures) same_pictures $args ;;
    *) echo "unknown step in the play plan: $line" >&2; exit 2 ;;
  esac
done
