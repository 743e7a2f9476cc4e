#!/usr/bin/env bash
# The game under Xvfb with the 30 x 30, 90-word sample open: its idle CPU over
# 10 s, then DURATION seconds (600 by default) of random clicks and arrow keys
# every 50 ms, with the resident memory sampled every 10 s.
# Usage: bench/soak.sh BUILD_DIR [DURATION]
set -euo pipefail
source "$(dirname "$0")/../scripts/xvfb.sh"
build=$(cd "$1" && pwd)
duration=${2:-600}
cp "$build/tsubura" "$build/ookii.tbr" "$work/"
mkdir "$work/Data"
# Message mode none, green background, sounds off: nothing modal interrupts.
python3 -c "import struct; open('$work/Data/Data.dat','wb').write(struct.pack('<24h', 0, 0, 0, 1, *([0]*20)))"

start_xvfb 1280x1024

"$work/tsubura" > /dev/null 2>&1 &
game_pid=$!
xdotool search --sync --name 'ツブラ' > /dev/null
sleep 0.5
xdotool mousemove 20 8 click 1; sleep 0.3
xdotool key Down Return; sleep 1
xdotool type ookii.tbr; xdotool key Return; sleep 1

ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
rss() { awk '/VmRSS/ {print $2}' "/proc/$game_pid/status"; }
hz=$(getconf CLK_TCK)
xdotool mousemove 1000 1000
t0=$(ticks); sleep 10; t1=$(ticks)
echo "idle CPU over 10 s: $(python3 -c "print(f'{100 * ($t1 - $t0) / $hz / 10:.2f}')") % of one core"
echo "RSS at start: $(rss) kB"

start_rss=$(rss); peak=$start_rss
end=$((SECONDS + duration)); next_sample=$((SECONDS + 10))
keys=(Up Down Left Right)
while [ $SECONDS -lt $end ]; do
  if (( RANDOM % 4 == 0 )); then
    xdotool key "${keys[RANDOM % 4]}"
  else
    xdotool mousemove $((RANDOM % 760)) $((30 + RANDOM % 500)) click $((1 + RANDOM % 3))
  fi
  sleep 0.05
  if [ $SECONDS -ge $next_sample ]; then
    now=$(rss); (( now > peak )) && peak=$now
    echo "t=$((duration - end + SECONDS)) s RSS $now kB"
    next_sample=$((SECONDS + 10))
  fi
done
kill -0 "$game_pid" || { echo "the game died"; exit 1; }
echo "RSS at start $start_rss kB, at end $(rss) kB, peak $peak kB"
