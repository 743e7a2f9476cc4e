#!/usr/bin/env bash
# tsubura-puzzle records on folders with no records, an empty file and a
# damaged one: nothing played is printed as such, and a damaged file is
# reported in one line and left exactly as it was.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

[ -z "$("$tool" records --data "$work")" ] || fail "records of an empty folder"
[ "$("$tool" records --data "$work" --stats)" = "played 0 cleared 0 daily 0 streak 0 longest 0" ] ||
  fail "stats of an empty folder: $("$tool" records --data "$work" --stats)"

: > "$work/Records.db"  # begun, never given its tables
[ "$("$tool" records --data "$work" --stats)" = "played 0 cleared 0 daily 0 streak 0 longest 0" ] ||
  fail "stats of a file with no tables: $("$tool" records --data "$work" --stats)"

head -c 8192 /dev/urandom > "$work/Records.db"
cp "$work/Records.db" "$work/before"
status=0
"$tool" records --data "$work" > "$work/out" 2> "$work/err" || status=$?
[ "$status" = 1 ] || fail "a damaged file ended with status $status"
[ "$(wc -l < "$work/err")" = 1 ] || fail "not one line: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "printed: $(cat "$work/out")"
cmp -s "$work/Records.db" "$work/before" || fail "the damaged file was changed"
