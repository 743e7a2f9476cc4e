#!/usr/bin/env bash
# The shipped pack is what the generator makes: its first puzzle made again
# from its recipe gives the same bytes on this machine, and every puzzle of
# the pack is one the game opens with an empty board. targets.txt names every
# shipped puzzle, the samples first, with a best known no lower than the
# generator's own and proven whenever the generator proved it.
set -euo pipefail
tool=$1
pack=$(dirname "$0")/../../assets/pack
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

recipes=$(grep -v '^#' "$pack/pack.txt")
[ "$(wc -l <<< "$recipes")" -ge 20 ] || fail "the pack holds fewer than 20 puzzles"
read -r name theme size level seed <<< "$(head -1 <<< "$recipes")"
said=$("$tool" generate --theme "$theme" --size "$size" --level "$level" --seed "$seed" \
  -o "$work/again.tbr")
cmp "$work/again.tbr" "$pack/$name.tbr" || fail "$name is not what the generator makes"
while read -r each _; do
  [ "$("$tool" check "$pack/$each.tbr")" = "score 0 placed 0 complete" ] || fail "$each: $("$tool" check "$pack/$each.tbr")"
done <<< "$recipes"

targets=$pack/targets.txt
sed -n '1,/^[^#]/p' "$targets" | grep -q $'^# file\tname\tlevel\tbest\tproven$' ||
  fail "targets.txt does not start with its comment lines"
grep -v '^#' "$targets" | cut -f1 > "$work/files"
{ grep -v '^#' "$pack/samples.txt" | cut -d' ' -f1; sed 's/ .*/.tbr/' <<< "$recipes"; } |
  cmp - "$work/files" || fail "targets.txt does not list the samples and then the pack"
grep -v '^#' "$targets" | grep -qvE $'^[^\t]+\t[^\t]+\t(-|easy|normal|hard)\t[0-9]+\t(proven|known)$' &&
  fail "a target line out of form: $(grep -v '^#' "$targets" | grep -vE $'\t(proven|known)$')"
grep -q $'^hajimete.tbr\tはじめて\t-\t' "$targets" || fail "hajimete: $(grep hajimete "$targets")"
read -r _ _ _ _ _ _ _ _ best proof _ <<< "$said"
IFS=$'\t' read -r _ shown got target proven <<< "$(grep "^$name.tbr" "$targets")"
[ "$shown" = "$(awk -v id="$theme" '$1 == id { print $2 }' < <("$tool" themes)) $size×$size かんたん" ] &&
  [ "$got" = "$level" ] || fail "$name is shown as $shown, $got"
[ "$target" -ge "$best" ] || fail "$name: target $target below the generator's $best"
[ "$proof" != optimal ] || [ "$proven" = proven ] || fail "$name: proven by the generator, not in targets.txt"
echo "1 passed, 0 failed"
