#!/usr/bin/env bash
# The real program under Xvfb, driven with real key presses: "終了" from the
# menu, then the question answered from the keyboard. Return and keypad Enter
# press the focused "はい" and the process ends with status 0; Tab moves the
# focus to "いいえ", whose Return closes the question and the game goes on.
set -euo pipefail
source "$(dirname "$0")/../../scripts/xvfb.sh"
game=$1
cp "$game" "$work/tsubura"

start_xvfb 800x600

# Starts the game with empty settings (standard messages) and opens the quit question.
ask_to_quit() {
  rm -rf "$work/Data" && mkdir "$work/Data"
  "$work/tsubura" > "$work/log" 2>&1 &
  game_pid=$!
  wait_for_windows --name 1 'ツブラ'
  sleep 0.3
  xdotool mousemove 20 10 click 1     # the "ファイル" menu
  wait_for_windows --class 2 tsubura  # its popup is open
  xdotool key Up Return               # its last item, "終了"
  wait_for_windows --name 2 'ツブラ'  # the question beside the main window
  sleep 0.3
}

expect_end() {
  for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game_pid" 2>/dev/null; then
    echo "$1: the game is still running"; exit 1
  fi
  status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" = 0 ] || { echo "$1: exit status $status"; cat "$work/log"; exit 1; }
  [ ! -s "$work/Data/Data.dat" ] || { echo "$1: quitting wrote the settings"; exit 1; }
}

ask_to_quit
xdotool key Return
expect_end "Return on はい"

ask_to_quit
xdotool key KP_Enter
expect_end "keypad Enter on はい"

ask_to_quit
xdotool key Tab Return
wait_for_windows --name 1 'ツブラ'  # the question closed, the main window stays
sleep 0.5                           # and no Return left over asks again
kill -0 "$game_pid" 2>/dev/null || { echo "Tab Return on いいえ ended the game"; exit 1; }
wait_for_windows --name 1 'ツブラ'
echo "3 passed, 0 failed"
