# Sourced by the scripts that run the real game: starts a private Xvfb on a
# free display and exports DISPLAY. The caller kills $xvfb_pid when done.
# Usage: start_xvfb WORK_FOLDER WIDTHxHEIGHT
start_xvfb() {
  exec 3> "$1/display"
  Xvfb -displayfd 3 -screen 0 "$2x24" -nolisten tcp -noreset > /dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$1/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$1/display")"
  unset QT_QPA_PLATFORM
}
