#!/usr/bin/env bash
# Plays every scenario file under scenarios/, in the order of their names, with the host program
# and module of the default build, each on a fresh user folder of its own, USERS/NAME. What a
# scenario needs beyond that it declares in its opening comment, in lines "# play: ..."
# (docs/scenarios.md, "Playing the scenario files"):
#   # play: user-folder FOLDER       played on USERS/FOLDER instead (so are those played after it)
#   # play: after NAME               played right after scenarios/NAME.scn, on the folder it left
#   # play: again-with-line-end GLOB played a second time on its folder once a line end was
#                                    added to the user's file GLOB
#   # play: no-user-folder           played without --user-folder (the sibling library's own)
#   # play: same-pictures FILE FILE  the two pictures it writes (paths from the repository root)
#                                    must be the same bytes
# Prints "=== scenarios/NAME.scn" before each play and stops at the first failure.
# Usage: scripts/play-scenarios.sh USERS
set -euo pipefail
cd "$(dirname "$0")/.."
users=$1
bin=build/default

# "NAME WORD ARGS" for each line "# play: WORD ARGS" in the opening comments of the scenarios.
declarations() {
  awk 'FNR == 1 { name = FILENAME; sub(/^.*\//, "", name); sub(/\.scn$/, "", name); opening = 1 }
       !opening { next }
       /^#/ { if (sub(/^# play: /, "")) print name, $0; next }
       !/^[[:space:]]*$/ { opening = 0 }' scenarios/*.scn
}

names=()
for file in scenarios/*.scn; do
  file=${file##*/}
  names+=("${file%.scn}")
done
declare -A after folders line_end pictures no_folder
while read -r name word args; do
  case "$word" in
    user-folder) folders[$name]=$args ;;
    after) after[$name]=$args ;;
    again-with-line-end) line_end[$name]=$args ;;
    same-pictures) pictures[$name]=$args ;;
    no-user-folder) no_folder[$name]=1 ;;
    *) echo "scenarios/$name.scn: unknown play declaration \"$word\"" >&2; exit 2 ;;
  esac
done < <(declarations)
for name in "${!after[@]}"; do
  [ -f "scenarios/${after[$name]}.scn" ] || { echo "scenarios/$name.scn: no scenario ${after[$name]}" >&2; exit 2; }
done

# run <name> <user folder or "">: one play of the host program.
run() {
  local options=()
  if [ -n "$2" ]; then options=(--user-folder "$2"); fi
  "$bin/host/tavorine-host" --module "$bin/module/libtavorine.so" "${options[@]}" "scenarios/$1.scn"
}

# play <name> <user folder or "">: the scenario as it declares, then those played after it.
play() {
  local name=$1 folder=$2 next
  echo "=== scenarios/$name.scn"
  run "$name" "$folder"
  if [ -n "${line_end[$name]:-}" ]; then
    local edited=("$folder"/${line_end[$name]})
    if [ ${#edited[@]} -ne 1 ] || [ ! -f "${edited[0]}" ]; then
      echo "no one file ${line_end[$name]} in $folder" >&2
      exit 1
    fi
    printf '\r\n' >>"${edited[0]}"
    echo "=== scenarios/$name.scn (a line end added to the saved file)"
    run "$name" "$folder"
  fi
  if [ -n "${pictures[$name]:-}" ]; then
    read -r a b <<<"${pictures[$name]}"
    if cmp -s "$a" "$b"; then
      echo "=== both sides show the same page: $a, $b"
    else
      echo "=== the two sides' pages differ" >&2
      exit 1
    fi
  fi
  for next in "${names[@]}"; do
    if [ "${after[$next]:-}" = "$name" ]; then play "$next" "$folder"; fi
  done
}

for name in "${names[@]}"; do
  [ -n "${after[$name]:-}" ] && continue
  folder=""
  if [ -z "${no_folder[$name]:-}" ]; then
    folder=$users/${folders[$name]:-$name}
    rm -rf "$folder"
  fi
  play "$name" "$folder"
done
