#!/usr/bin/env bash
# Makes the shipped pack of generated puzzles from pack.txt with the puzzle
# tool of a build, and prints the README's table of them.
# Usage: assets/pack/make_pack.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=$1/tsubura-puzzle
echo "| Puzzle | Theme | Board | Words | Level | Best known |"
echo "|---|---|---|---|---|---|"
grep -v '^#' "$here/pack.txt" | while read -r name theme size level seed; do
  read -r _ _ _ _ words _ got _ best rest < <(
    "$tool" generate --theme "$theme" --size "$size" --level "$level" --seed "$seed" \
      -o "$here/$name.tbr")
  [ "$got" = "$level" ] || { echo "$name: made $got, not $level" >&2; exit 1; }
  shown=$(awk -v id="$theme" '$1 == id { print $2 }' < <("$tool" themes))
  [[ "$rest" == optimal* ]] && best="$best (highest possible)"
  echo "| $name | $shown | $size × $size | $words | $level | $best |"
done
