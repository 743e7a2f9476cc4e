#!/usr/bin/env bash
# The shipped pack is what the generator makes: its first puzzle made again
# from its recipe gives the same bytes on this machine, and every puzzle of
# the pack is one the game opens with an empty board.
set -euo pipefail
tool=$1
pack=$(dirname "$0")/../../assets/pack
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

recipes=$(grep -v '^#' "$pack/pack.txt")
[ "$(wc -l <<< "$recipes")" -ge 20 ] || fail "the pack holds fewer than 20 puzzles"
read -r name theme size level seed <<< "$(head -1 <<< "$recipes")"
"$tool" generate --theme "$theme" --size "$size" --level "$level" --seed "$seed" \
  -o "$work/again.tbr" > /dev/null
cmp "$work/again.tbr" "$pack/$name.tbr" || fail "$name is not what the generator makes"
while read -r name _; do
  [ "$("$tool" check "$pack/$name.tbr")" = "score 0 placed 0 complete" ] || fail "$name: $("$tool" check "$pack/$name.tbr")"
done <<< "$recipes"
echo "1 passed, 0 failed"
