#!/usr/bin/env bash
# tsubura-puzzle solve as a player runs it: the written puzzle holds the
# arrangement found, complete by the game's check; one thread and one seed
# give the same file twice; a file solved into itself never gets worse; Ctrl+C
# stops it with the best found written; a file the game refuses is refused.
set -euo pipefail
tool=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

for run in 1 2; do
  "$tool" solve "$build/tsuzuki.tbr" -o "$work/run$run.tbr" --seconds 0.5 --threads 1 --seed 7 > "$work/out$run"
done
cmp "$work/run1.tbr" "$work/run2.tbr" || fail "one thread and one seed gave two arrangements"
read -r word score rest < "$work/out1"
[ "$word" = best ] && [[ "$rest" =~ ^(optimal|bound\ [0-9]+)$ ]] || fail "solve printed: $(cat "$work/out1")"
[[ "$("$tool" check "$work/run1.tbr")" =~ ^score\ $score\ placed\ [0-9]+\ complete$ ]] ||
  fail "check says: $("$tool" check "$work/run1.tbr")"

# The shipped 8 x 8 sample proven or not, the header and words stay as read.
"$tool" solve "$build/hajimete.tbr" -o "$work/hajimete.tbr" --seconds 0.5 > /dev/null
"$tool" show "$build/hajimete.tbr" | grep '^word' | cut -d' ' -f1-3 > "$work/words-before"
"$tool" show "$work/hajimete.tbr" | grep '^word' | cut -d' ' -f1-3 > "$work/words-after"
cmp "$work/words-before" "$work/words-after" || fail "the words changed"

# Solved into itself, a file keeps its arrangement when a search finds less.
"$tool" solve "$build/kanji.tbr" -o "$work/kanji.tbr" --seconds 3 > "$work/first"
"$tool" solve "$work/kanji.tbr" -o "$work/kanji.tbr" --seconds 0.01 --threads 1 > "$work/again"
read -r _ held _ < "$work/first"
read -r _ again _ < "$work/again"
[ "$again" -ge "$held" ] || fail "a file holding $held solved into itself holds $again"
"$tool" check "$work/kanji.tbr" | grep -q "^score $again " || fail "check: $("$tool" check "$work/kanji.tbr")"

"$tool" solve "$build/ookii.tbr" -o "$work/stopped.tbr" --seconds 60 > "$work/stopped" &
solver=$!
sleep 1
kill -INT "$solver"
status=0
wait "$solver" || status=$?
[ "$status" = 0 ] || fail "Ctrl+C ended the solver with status $status"
grep -q '^best [0-9]* bound 3230$' "$work/stopped" || fail "after Ctrl+C: $(cat "$work/stopped")"
"$tool" check "$work/stopped.tbr" | grep -q ' complete$' || fail "no complete arrangement written after Ctrl+C"

printf '\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\x51\x01\x00\x82' > "$work/cut.tbr"
status=0
"$tool" solve "$work/cut.tbr" 2> "$work/err" || status=$?
[ "$status" = 1 ] && grep -q "Shift_JIS" "$work/err" || fail "a broken file was not refused"
status=0
"$tool" solve "$build/tsuzuki.tbr" --threads none 2> /dev/null || status=$?
[ "$status" = 2 ] || fail "a bad option was not refused"
echo "1 passed, 0 failed"
