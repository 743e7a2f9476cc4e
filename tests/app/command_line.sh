#!/usr/bin/env bash
# The real program's command line: --help prints and exits without a display,
# an unknown option is refused in one line with exit 2, and --daily starts on
# today's puzzle of the day, which the records then list.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'kill "${game_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
"${no_display[@]}" "$build/tsubura" --help > "$work/out" 2> "$work/err" ||
  { echo "--help exited $?"; cat "$work/err"; exit 1; }
grep -q -- '--daily' "$work/out" || { echo "--help printed:"; cat "$work/out"; exit 1; }
[ ! -s "$work/err" ] || { echo "--help complained:"; cat "$work/err"; exit 1; }

status=0
"${no_display[@]}" "$build/tsubura" --bogus > "$work/out" 2> "$work/err" || status=$?
[ "$status" -eq 2 ] || { echo "an unknown option exited $status"; exit 1; }
[ ! -s "$work/out" ] && [ "$(wc -l < "$work/err")" -eq 1 ] && grep -q -- '--bogus' "$work/err" ||
  { echo "an unknown option said:"; cat "$work/out" "$work/err"; exit 1; }

mkdir "$work/Data"
cp "$build/tsubura" "$build/tsubura-puzzle" "$work/"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$work/tsubura" --daily > "$work/log" 2>&1 &
game_pid=$!
today=$(date +%F)
for _ in $(seq 600); do
  listed=$("$work/tsubura-puzzle" records --data "$work/Data" 2> /dev/null || true)
  [[ "$listed" == *"size 15 "*"last $today"* ]] && break
  kill -0 "$game_pid" || { echo "the game ended:"; cat "$work/log"; exit 1; }
  sleep 0.1
done
[[ "$listed" =~ level\ [a-z]+\ size\ 15\ words\ [0-9]+\ last\ $today$ ]] ||
  { echo "no puzzle of the day recorded: $listed"; cat "$work/log"; exit 1; }
stats=$("$work/tsubura-puzzle" records --data "$work/Data" --stats)
[[ "$stats" == *" daily 1 "* ]] || { echo "the day was not counted: $stats"; exit 1; }
echo "--daily opened $listed"
