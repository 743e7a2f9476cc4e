#!/usr/bin/env bash
# The browser's generator makes the same puzzles as the desktop's, byte for
# byte: the puzzle of the day on 60 dates and 20 sets of options, made by the
# native puzzle tool and by its WebAssembly build under node.
#   same_puzzles.sh NATIVE-TSUBURA-PUZZLE TSUBURA-GENERATE.js
set -euo pipefail
native=$1
wasm=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cases=()
for day in $(seq 0 59); do
  cases+=("--daily --date $(date -u -d "2026-11-01 + $day days" +%F)")
done
cases+=(
  "--theme animals --size 8 --level easy --seed 1"
  "--theme animals --size 8 --level normal --seed 2"
  "--theme animals --size 8 --level hard --seed 3"
  "--theme fruits-vegetables --size 10 --level normal --seed 4"
  "--theme sea-life --size 10 --level hard --seed 5"
  "--theme english --size 12 --level easy --seed 6"
  "--theme english --size 12 --level normal --seed 7"
  "--theme yojijukugo --size 12 --level hard --seed 8"
  "--theme kitchen --size 9 --words 12 --seed 9"
  "--theme birds,flowers-trees --size 11 --level normal --seed 10"
  "--theme sports --size 15 --level easy --seed 11"
  "--theme countries --size 15 --level hard --seed 12"
  "--theme weather-seasons --size 13 --level normal --seed 13"
  "--theme body --size 8 --words 6 --level easy --seed 14"
  "--theme vehicles --size 10 --level easy --seed 9223372036854775807"
  "--theme school --size 14 --level normal --seed 16 --date 2027-01-01"
  "--theme food --size 12 --level hard --seed 17"
  "--theme prefectures --size 10 --level normal --seed 18"
  "--size 20 --level easy --seed 19"
  "--size 12 --seed 20"
)

make_all() {  # TOOL PREFIX
  local i=0
  for options in "${cases[@]}"; do
    # shellcheck disable=SC2086
    "$@" generate $options -o "$out/$PREFIX-$i.tbr" > "$out/$PREFIX-$i.txt" 2>&1 || true
    i=$((i + 1))
  done
}
PREFIX=native make_all "$native" &
PREFIX=wasm make_all node --no-experimental-fetch "$wasm"
wait $!

failed=0
for i in "${!cases[@]}"; do
  if ! cmp -s "$out/native-$i.tbr" "$out/wasm-$i.tbr" || \
     ! diff -q <(cut -d' ' -f2- "$out/native-$i.txt") <(cut -d' ' -f2- "$out/wasm-$i.txt") > /dev/null; then
    echo "differ: ${cases[$i]}"
    failed=1
  fi
done
[ $failed -eq 0 ] && echo "same bytes natively and in WebAssembly: ${#cases[@]} puzzles"
exit $failed
