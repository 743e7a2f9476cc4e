#!/usr/bin/env bash
# The real program under Xvfb: "終了" from the menu, "はい" in the dialog, and
# the process ends with status 0.
set -euo pipefail
source "$(dirname "$0")/../../scripts/xvfb.sh"
game=$1
work=$(mktemp -d)
cleanup() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$game" "$work/tsubura"
mkdir "$work/Data"

start_xvfb "$work" 800x600

"$work/tsubura" > "$work/log" 2>&1 &
game_pid=$!
# Waits up to 10 s until at least $2 visible windows match: --name or --class $1.
wait_for_windows() {
  for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible "$1" "$3" 2>/dev/null | wc -l)" -ge "$2" ] && return 0
    sleep 0.1
  done
  echo "waited in vain for $2 windows matching $1 $3"; exit 1
}
wait_for_windows --name 1 'ツブラ'
sleep 0.3
xdotool mousemove 20 10 click 1     # the "ファイル" menu
wait_for_windows --class 2 tsubura  # its popup is open
xdotool key Up Return               # its last item, "終了"
wait_for_windows --name 2 'ツブラ'  # the question beside the main window
sleep 0.3
xdotool key space                   # "はい", the focused first button
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then
  echo "the game is still running"; exit 1
fi
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" = 0 ] || { echo "exit status $status"; cat "$work/log"; exit 1; }
[ ! -s "$work/Data/Data.dat" ] || { echo "quitting wrote the settings"; exit 1; }
echo "1 passed, 0 failed"
