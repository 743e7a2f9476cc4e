#!/usr/bin/env bash
# The real game's start-up under Xvfb, RUNS times (5 by default): the time
# from launch until its window is mapped, and its peak resident memory (VmHWM)
# a second later, with the first painted window on screen.
# Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
source "$(dirname "$0")/../scripts/xvfb.sh"
build=$(cd "$1" && pwd)
runs=${2:-5}
cp -r "$build/tsubura" "$build/Data" "$work/"
start_xvfb 1280x1024
for _ in $(seq "$runs"); do
  t0=$(date +%s%N)
  "$work/tsubura" > /dev/null 2>&1 &
  game_pid=$!
  until xdotool search --onlyvisible --name 'ツブラ' > /dev/null 2>&1; do sleep 0.005; done
  t1=$(date +%s%N)
  sleep 1
  echo "window after $(( (t1 - t0) / 1000000 )) ms, peak memory $(awk '/VmHWM/ {print $2}' "/proc/$game_pid/status") kB"
  kill "$game_pid"; wait "$game_pid" 2>/dev/null || true; game_pid=
done
