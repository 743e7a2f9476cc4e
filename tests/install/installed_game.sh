#!/usr/bin/env bash
# The game installed into a temporary prefix, as a player gets it: the desktop
# files validate, a MIME database knows .tbr files by name and by content, and
# the installed game started under Xvfb with a shipped sample on its command
# line opens it, keeps its data in the player's home folder and writes
# nothing under the prefix.
# Usage: installed_game.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/xvfb.sh"
build=$1
fail() { echo "$*"; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
shared=$prefix/share/games/tsubura
id=jp.tsubura.Tsubura

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > /dev/null

mkdir -p "$work/xdg/mime/packages" "$work/files"
cp "$prefix/share/mime/packages/$id.xml" "$work/xdg/mime/packages/"
XDG_DATA_DIRS=$work/xdg update-mime-database "$work/xdg/mime"
cp "$shared/puzzles/hajimete.tbr" "$work/files/by-name.tbr"
cp "$shared/puzzles/tsuzuki.tbr" "$work/files/by-content"  # the 90-entry layout
for file in by-name.tbr by-content; do
  type=$(XDG_DATA_DIRS=$work/xdg XDG_DATA_HOME=$work/xdg-home \
    gio info -a standard::content-type "$work/files/$file" | awk '/content-type/ {print $2}')
  [ "$type" = application/x-tsubura-puzzle ] || fail "$file is seen as $type"
done

find "$prefix" -printf '%p %s %m %T@\n' | sort > "$work/prefix-before"

export HOME=$work/home
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
start_xvfb 1280x1024
"$prefix/games/tsubura" "$shared/puzzles/tsuzuki.tbr" extra arguments are ignored \
  > "$work/log" 2>&1 &
game_pid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name 'ツブラ' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no window appeared: $(cat "$work/log")"
sleep 0.5
# An opened puzzle makes the window 8080 twips high; the empty start is a 44-pixel strip.
height=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[2]}')
[ "$height" -ge 500 ] || fail "the puzzle did not open: the window is $height pixels high"

own=$HOME/.local/share/tsubura
[ -f "$own/Data/Data.dat" ] || fail "no Data.dat in $own/Data"
for n in 0 1 2 3 5 9; do
  cmp -s "$shared/Data/sound$n.wav" "$own/Data/sound$n.wav" || fail "sound$n.wav was not copied"
done
for sample in "$shared"/puzzles/*.tbr; do
  cmp -s "$sample" "$own/$(basename "$sample")" || fail "$(basename "$sample") was not copied"
done

kill "$game_pid"; wait "$game_pid" 2>/dev/null || true; game_pid=
find "$prefix" -printf '%p %s %m %T@\n' | sort > "$work/prefix-after"
diff "$work/prefix-before" "$work/prefix-after" || fail "the game wrote under the prefix"
echo "1 passed, 0 failed"
