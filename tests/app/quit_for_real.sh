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
timeout 10 xdotool search --sync --name 'ツブラ' > /dev/null
sleep 0.5
xdotool mousemove 20 10 click 1     # the "ファイル" menu
sleep 0.5
xdotool key Up Return               # its last item, "終了"
sleep 0.8
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
