#!/usr/bin/env bash
# Makes the shipped pack of generated puzzles from pack.txt with the puzzle
# tool of a build, and targets.txt, which gives every shipped puzzle (the
# samples of samples.txt, then the pack) its name, level and best known score:
# what a long solve finds, starting from the generator's arrangement so that it
# never drops, "proven" when the solver proved that nothing scores more.
# Prints the README's table of the pack.
#
# Usage: assets/pack/make_pack.sh BUILD_DIR [SECONDS [NAME...]]
#   SECONDS: each solve's time (120 by default, every core);
#   NAME...: only these puzzles (pack names or sample files) are made again,
#            the other lines of targets.txt are kept.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
seconds=${2:-120}
shift $(($# < 2 ? $# : 2))
only=" $* "
tool=$build/tsubura-puzzle
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

recipes=$(grep -v '^#' "$here/pack.txt")
samples=$(grep -v '^#' "$here/samples.txt")
declare -A line
if [ -e "$here/targets.txt" ]; then
  while IFS=$'\t' read -r file rest; do line[$file]="$file	$rest"; done < <(grep -v '^#' "$here/targets.txt")
fi
wanted() { [ "$only" = "  " ] || [[ "$only" == *" $1 "* ]] || [[ "$only" == *" ${1%.tbr} "* ]]; }

# "best S optimal" or "best S bound U", from a solve of $1 written to $2.
target() {
  local said best proof
  said=$("$tool" solve "$1" --seconds "$seconds" -o "$2")
  read -r _ best proof _ <<< "$said"
  echo "$best	$([ "$proof" = optimal ] && echo proven || echo known)"
}

while read -r file name; do
  wanted "$file" || continue
  found=$(target "$build/$file" "$work/$file")
  # A sample's best known never drops: a shorter run than the one that
  # found it keeps it.
  kept=$(cut -f4 <<< "${line[$file]:-}")
  [ -n "$kept" ] && [ "$kept" -gt "${found%%	*}" ] && continue
  line[$file]="$file	$name	-	$found"
done <<< "$samples"

declare -A caption=([easy]=かんたん [normal]=ふつう [hard]=むずかしい)
themes=$("$tool" themes)
while read -r name theme size level seed; do
  wanted "$name" || continue
  made=$("$tool" generate --theme "$theme" --size "$size" --level "$level" --seed "$seed" \
    -o "$here/$name.tbr" --solved "$work/$name.tbr")
  read -r _ _ _ _ _ _ got _ <<< "$made"
  [ "$got" = "$level" ] || { echo "$name: made $got, not $level" >&2; exit 1; }
  shown=$(awk -v id="$theme" '$1 == id { print $2 }' <<< "$themes")
  found=$(target "$work/$name.tbr" "$work/$name.tbr")
  line[$name.tbr]="$name.tbr	$shown $size×$size ${caption[$level]}	$level	$found"
done <<< "$recipes"

for file in $(cut -d' ' -f1 <<< "$samples") $(sed 's/ .*/.tbr/' <<< "$recipes"); do
  [ -n "${line[$file]:-}" ] || { echo "targets.txt has no line for $file: make it too" >&2; exit 1; }
done
{
  echo "# The best known score of each shipped puzzle, for the game's targets: made by"
  echo "# make_pack.sh from long solver runs."
  printf '# file\tname\tlevel\tbest\tproven\n'
  while read -r file _; do echo "${line[$file]}"; done <<< "$samples"
  while read -r name _; do echo "${line[$name.tbr]}"; done <<< "$recipes"
} > "$work/targets.txt"
mv "$work/targets.txt" "$here/targets.txt"

echo "| Puzzle | Theme | Board | Words | Level | Best known |"
echo "|---|---|---|---|---|---|"
while read -r name theme size level _; do
  IFS=$'\t' read -r _ _ _ best proven <<< "${line[$name.tbr]}"
  words=$("$tool" show "$here/$name.tbr" | awk '$1 == "words" { print $2 }')
  shown=$(awk -v id="$theme" '$1 == id { print $2 }' <<< "$themes")
  [ "$proven" = proven ] && best="$best (highest possible)"
  echo "| $name | $shown | $size × $size | $words | $level | $best |"
done <<< "$recipes"
