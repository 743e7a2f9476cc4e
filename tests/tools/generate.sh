#!/usr/bin/env bash
# tsubura-puzzle generate and themes as a player runs them: the shipped themes
# are listed, also by the tool copied alone, a puzzle is written that the
# game's reader takes, and word lists the generator cannot use are refused
# with one line.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

[ "$("$tool" themes | wc -l)" -ge 12 ] || fail "themes: $("$tool" themes)"
"$tool" themes | grep -q "^animals 動物 [0-9]*$" || fail "no animals in: $("$tool" themes)"

line=$("$tool" generate --theme 動物 --size 8 --level hard --seed 3 -o "$work/a.tbr")
[[ "$line" =~ ^$work/a\.tbr\ size\ 8\ words\ [0-9]+\ level\ (easy|normal|hard)\ best\ [0-9]+\ (optimal|bound\ [0-9]+)\ greedy\ [0-9]+$ ]] ||
  fail "generate printed: $line"
[ "$("$tool" check "$work/a.tbr")" = "score 0 placed 0 complete" ] || fail "check: $("$tool" check "$work/a.tbr")"
# --solved writes the same puzzle with its best known arrangement placed, for
# a longer solve to start from.
"$tool" generate --theme 動物 --size 8 --level hard --seed 3 -o "$work/b.tbr" --solved "$work/b-solved.tbr" > /dev/null
cmp "$work/a.tbr" "$work/b.tbr" || fail "--solved changed the puzzle"
read -r _ _ _ _ _ _ _ _ best _ <<< "$line"
[[ "$("$tool" check "$work/b-solved.tbr")" =~ ^score\ $best\ placed\ [0-9]+\ complete$ ]] ||
  fail "the solved file: $("$tool" check "$work/b-solved.tbr"), not $best"
diff <("$tool" show "$work/a.tbr" | grep '^word' | cut -d' ' -f1-3) \
  <("$tool" show "$work/b-solved.tbr" | grep '^word' | cut -d' ' -f1-3) > /dev/null ||
  fail "the solved file holds other words"

refused() {
  local status=0
  "$tool" generate "$@" -o "$work/no.tbr" 2> "$work/err" || status=$?
  [ "$status" = 1 ] && [ "$(wc -l < "$work/err")" = 1 ] && [ ! -e "$work/no.tbr" ] ||
    fail "not refused with one line ($status): $*: $(cat "$work/err")"
}
printf '# 韓国語\nねこ\n한국어\n' > "$work/hangul.txt"
refused --words-file "$work/hangul.txt"
grep -q "hangul.txt:3: a character outside code page 932" "$work/err" || fail "$(cat "$work/err")"
printf 'ねこ\nいぬ\nさる\n' > "$work/few.txt"
refused --words-file "$work/few.txt" --size 8
refused --words-file "$work/missing.txt"
refused --theme nonesuch
# A list too short for a normal puzzle's overfull board still makes one.
grep -v '^#' "$(dirname "$0")/../../assets/words/animals.txt" | head -25 > "$work/25.txt"
"$tool" generate --words-file "$work/25.txt" --size 8 --level normal -o "$work/25.tbr" > /dev/null ||
  fail "a list of 25 words made no puzzle of 8 x 8"
# Copied alone, without its folder of lists, the tool still has the shipped themes.
mkdir "$work/alone"
cp "$tool" "$work/alone/"
alone=$work/alone/$(basename "$tool")
[ "$("$alone" themes)" = "$("$tool" themes)" ] || fail "themes alone: $("$alone" themes)"
"$alone" generate --theme 動物 --size 8 --level hard --seed 3 -o "$work/alone.tbr" > /dev/null
cmp "$work/a.tbr" "$work/alone.tbr" || fail "the tool alone made another puzzle"
status=0
"$tool" generate --size 99 -o "$work/no.tbr" 2> /dev/null || status=$?
[ "$status" = 2 ] || fail "a size of 99 was not refused as a usage error"
echo "1 passed, 0 failed"
