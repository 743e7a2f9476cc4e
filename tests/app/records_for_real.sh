#!/usr/bin/env bash
# The records in the real program under Xvfb: a small puzzle completed by real
# clicks, the game killed, started again with nothing named, and パズルを選ぶ →
# Return opens the puzzle again with its board and its best; the puzzle tool
# lists the record.
set -euo pipefail
source "$(dirname "$0")/../../scripts/xvfb.sh"
build=$1
# Debian's python3 (scripts/setup installs it): a shim found first on PATH can
# take most of a second to start, and the pixels are read a hundred times.
pixels="/usr/bin/python3 $(dirname "$0")/screen_pixels.py"
cp "$build/tsubura" "$build/tsubura-puzzle" "$work/"
mkdir "$work/Data"  # standard messages, no sounds
printf 'layout 90\nsize 5\ncount-suffix "個"\nscore-suffix "点"\nword ねこ 20\nword こま 20\n' \
  > "$work/tiny.txt"
"$work/tsubura-puzzle" make "$work/tiny.txt" "$work/tiny.tbr"

start_xvfb 800x600
start_game() {
  "$work/tsubura" "$@" > "$work/log" 2>&1 &
  game_pid=$!
  wait_for_windows --name 1 'ツブラ'
  sleep 0.5
  top=$($pixels top)  # the client area, below the menu bar
}
label_is_white() { [ "$($pixels count 272 $((top + 8)) 40 16 255 255 255)" -gt 0 ]; }
# The target line, a white box under the board's text box.
line_shown() { [ "$($pixels count 8 $((top + 494)) 60 16 255 255 255)" -gt 100 ]; }

start_game "$work/tiny.tbr"
line_shown && { echo "a line before anything is known"; exit 1; }
xdotool mousemove 292 $((top + 16)) click 1      # ねこ
xdotool mousemove 33 $((top + 33)) click 1       # across from the top left cell
for _ in $(seq 50); do label_is_white && break; sleep 0.1; done
label_is_white || { echo "ねこ was not placed"; exit 1; }
for _ in $(seq 50); do line_shown && break; sleep 0.1; done
line_shown || { echo "no line with the best"; exit 1; }
kill -9 "$game_pid"
wait "$game_pid" 2>/dev/null || true

listed=$("$work/tsubura-puzzle" records --data "$work/Data")
[[ "$listed" =~ ^tiny:\ best\ 20\ target\ -\ level\ -\ size\ 5\ words\ 2\ last\ [0-9]{4}-[0-9]{2}-[0-9]{2}$ ]] ||
  { echo "records printed: $listed"; exit 1; }

start_game
label_is_white && { echo "a puzzle open at start"; exit 1; }
xdotool mousemove 178 $((top / 2)) click 1      # the menu パズル
wait_for_windows --class 2 tsubura
xdotool key Down Down Down Return               # パズルを選ぶ...
wait_for_windows --name 1 'パズルを選ぶ'
xdotool key Return
wait_for_windows --name 0 'パズルを選ぶ'
for _ in $(seq 50); do label_is_white && break; sleep 0.1; done
label_is_white || { echo "the board as left did not come back"; exit 1; }
line_shown || { echo "the best did not come back"; exit 1; }
echo "records kept through kill -9: $listed"
