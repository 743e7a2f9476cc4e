# Sourced by the scripts that run the real game. Makes a work folder ($work)
# and, when the script ends, kills the game ($game_pid) and the server
# ($xvfb_pid) and removes the folder.
work=$(mktemp -d)
clean_up() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap clean_up EXIT

# Starts a private Xvfb on a free display and exports DISPLAY.
# Usage: start_xvfb WIDTHxHEIGHT
start_xvfb() {
  exec 3> "$work/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset > /dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$work/display")"
  unset QT_QPA_PLATFORM
}

# Waits up to 10 s until exactly $2 visible windows match: --name or --class $1.
wait_for_windows() {
  for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible "$1" "$3" 2>/dev/null | wc -l)" -eq "$2" ] && return 0
    sleep 0.1
  done
  echo "waited in vain for $2 windows matching $1 $3"; exit 1
}
