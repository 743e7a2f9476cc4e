#!/usr/bin/env bash
# The Debian package: it holds the install layout under /usr, depends on the
# libraries, faces and translations the game needs, and lintian finds no error.
# Usage: package_check.sh PACKAGE.deb
set -euo pipefail
deb=$1
fail() { echo "$*"; exit 1; }

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
  ./usr/games/tsubura
  ./usr/bin/tsubura-puzzle
  ./usr/share/applications/jp.tsubura.Tsubura.desktop
  ./usr/share/metainfo/jp.tsubura.Tsubura.metainfo.xml
  ./usr/share/mime/packages/jp.tsubura.Tsubura.xml
  ./usr/share/man/man6/tsubura.6.gz
  ./usr/share/man/man1/tsubura-puzzle.1.gz
  ./usr/share/doc/tsubura/copyright
  ./usr/share/games/tsubura/puzzles/targets.txt
)
for n in 0 1 2 3 5 9; do expected+=("./usr/share/games/tsubura/Data/sound$n.wav"); done
for p in english hajimete kanji ookii tsuzuki; do expected+=("./usr/share/games/tsubura/puzzles/$p.tbr"); done
for puzzle in "$(dirname "$0")"/../../assets/pack/*.tbr; do
  expected+=("./usr/share/games/tsubura/puzzles/$(basename "$puzzle")")
done
for list in "$(dirname "$0")"/../../assets/words/*.txt; do
  expected+=("./usr/share/games/tsubura/words/$(basename "$list")")
done
for s in 16 32 48 64 128 256; do expected+=("./usr/share/icons/hicolor/${s}x$s/apps/jp.tsubura.Tsubura.png"); done
for path in "${expected[@]}"; do
  grep -qxF "$path" <<< "$listing" || fail "the package lacks $path"
done

[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libsdl2-2.0-0 libsqlite3-0 fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n; do
  grep -q "$needed" <<< "$depends" || fail "Depends lacks $needed: $depends"
done

status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<< "$report" || true
[ "$status" = 0 ] || fail "lintian reports errors"
echo "package checked: ${#expected[@]} files, dependencies, lintian"
