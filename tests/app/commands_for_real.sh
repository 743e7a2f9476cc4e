#!/usr/bin/env bash
# The puzzle commands in the real program under Xvfb, driven by real clicks and
# keys on はじめて: two words placed, クリア confirmed, Ctrl+Z brings both back;
# 最高点を探す, 並べる after a few seconds leaves a complete board, and Ctrl+Z
# brings the player's two words back. While the search runs, clicks on a word
# label are timed from the click to the label's new colour on the screen
# (printed, not judged: the machine's load decides them).
set -euo pipefail
source "$(dirname "$0")/../../scripts/xvfb.sh"
build=$1
# Debian's python3 (scripts/setup installs it): a shim found first on PATH can
# take most of a second to start, and the pixels are read a hundred times.
pixels="/usr/bin/python3 $(dirname "$0")/screen_pixels.py"
cp "$build/tsubura" "$build/hajimete.tbr" "$work/"
mkdir "$work/Data"  # standard messages, no sounds

start_xvfb 800x600
"$work/tsubura" "$work/hajimete.tbr" > "$work/log" 2>&1 &
game_pid=$!
wait_for_windows --name 1 'ツブラ'
sleep 0.5
main=$(xdotool search --onlyvisible --name '^ツブラ$')
top=$($pixels top)  # the client area, below the menu bar

# Client pixels: word label k (8 rows of 16 from the top, 55 wide), board cell
# (x, y) of 8 on a 251-pixel board, and "NOW:".
label() { echo 272 $((top + 8 + 16 * ($1 - 1))) 55 17; }
click_label() { read -r x y _ <<< "$(label "$1")"; xdotool mousemove $((x + 20)) $((y + 8)) click 1; }
click_cell() { xdotool mousemove $((8 + 31 * $1 + 15)) $((top + 8 + 31 * $2 + 15)) click 1; }
# The words whose labels are white: those on the board.
placed() {
  local words=""
  for k in $(seq 20); do
    [ "$($pixels count $(label "$k") 255 255 255)" -gt 0 ] && words="$words $k"
  done
  echo "${words# }"
}
# Waits up to 5 s for the placed words to match the pattern $1.
expect_placed() {
  for _ in $(seq 50); do
    now=$(placed)
    [[ "$now" =~ ^$1$ ]] && return 0
    sleep 0.1
  done
  echo "$2: placed words '$now', expected '$1'"; exit 1
}

click_label 1 && click_cell 0 0  # ねこ across
expect_placed "1" "ねこ placed"
click_label 2 && click_cell 0 2  # いぬ across
expect_placed "1 2" "いぬ placed"

xdotool mousemove 50 $((top + 290)) click 1  # Clear
wait_for_windows --name 2 'ツブラ'            # クリアしますか？
xdotool key Return
expect_placed "" "after クリア"
xdotool windowfocus "$main" key ctrl+z
expect_placed "1 2" "Ctrl+Z after クリア"

xdotool mousemove 178 $((top / 2)) click 1  # the menu パズル
wait_for_windows --class 2 tsubura
xdotool key Up Return                        # its last item, 最高点を探す...
wait_for_windows --name 1 '最高点を探す'
search=$(xdotool search --onlyvisible --name '最高点を探す')
$pixels latency $(label 3) 10               # さる, chosen and let go while the search runs
xdotool windowfocus "$search" key Return    # 並べる
wait_for_windows --name 0 '最高点を探す'
expect_placed "[0-9]+( [0-9]+){2,}" "並べる"  # more words than the player's two
[ "$($pixels count 8 $((top + 376)) 160 33 255 0 0)" -eq 0 ] || { echo "NOW: is red"; exit 1; }
echo "並べる placed words $now, the board complete"

xdotool windowfocus "$main" key ctrl+z
expect_placed "1 2" "Ctrl+Z after 並べる"
kill -0 "$game_pid"
echo "4 passed, 0 failed"
