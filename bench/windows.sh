#!/usr/bin/env bash
# Whether a general solver does better than the arrangement a puzzle file holds
# by changing only the words in one window of the board. clingo, given the
# game's rules as written in asp/rules.lp, takes windows of SIDE x SIDE cells,
# half a window apart, SECONDS each: the words placed outside the window stay,
# the others may go anywhere. A window proven to do no better shows that
# putting its words back optimally cannot improve the arrangement; a SIDE as
# large as the board searches the whole board afresh.
# Usage: bench/windows.sh BUILD_DIR SOLVED.tbr [SIDE] [SECONDS]
set -euo pipefail
here=$(dirname "$0")
shown=$("$1/tsubura-puzzle" show "$2")
side=${3:-6}
seconds=${4:-60}
size=$(sed -n 's/^size //p' <<< "$shown")
score=$(sed -n 's/^score //p' <<< "$shown")
last=$((size > side ? size - side : 0))
starts=$( (seq 0 $((side / 2 > 0 ? side / 2 : 1)) "$last"; echo "$last") | sort -nu)
better=0
for top in $starts; do
  for left in $starts; do
    answer=$(python3 "$here/asp/facts.py" "$left" "$top" "$side" "$side" <<< "$shown" |
      clingo "$here/asp/rules.lp" - --parallel-mode=2 \
        --time-limit="$seconds" --quiet=2 2> /dev/null || true)
    if grep -q "^UNSATISFIABLE" <<< "$answer"; then
      echo "window at $left $top: no complete arrangement keeps the words outside it;" \
        "is the file's board complete?" >&2
      exit 1
    fi
    best=$(awk '/^Optimization :/ { print -$3 }' <<< "$answer")
    if [ -z "$best" ]; then
      echo "window at $left $top: clingo gave no answer" >&2
      exit 1
    fi
    proof=$(grep -q "OPTIMUM FOUND" <<< "$answer" && echo proven || echo "time ran out")
    echo "window at $left $top: best $best ($proof)"
    if [ "$best" -gt "$score" ]; then better=$((better + 1)); fi
  done
done
echo "the file scores $score; windows that do better: $better"
