#!/usr/bin/env bash
# The puzzle tool on the shipped samples: show then make gives the same bytes,
# check reports the stored counters, and a broken file is refused.
set -euo pipefail
tool=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for puzzle in "$build"/*.tbr; do
  "$tool" show "$puzzle" > "$work/shown.txt"
  "$tool" make "$work/shown.txt" "$work/again.tbr"
  cmp "$puzzle" "$work/again.tbr"
done
[ "$("$tool" check "$build/tsuzuki.tbr")" = "score 620 placed 5 complete" ]
[ "$("$tool" check "$build/hajimete.tbr")" = "score 0 placed 0 complete" ]
printf 'size 4\nword ねこ 1 across 3 0\n' > "$work/bad.txt"
if "$tool" make "$work/bad.txt" "$work/bad.tbr" 2> "$work/err"; then exit 1; fi
grep -q "off the board" "$work/err"
printf '\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\x51\x01\x00\x82' > "$work/cut.tbr"
status=0
"$tool" check "$work/cut.tbr" 2> "$work/err" || status=$?
[ "$status" = 1 ]
grep -q "Shift_JIS" "$work/err"
echo "1 passed, 0 failed"
