#!/usr/bin/env bash
# The committed icons are exactly what the icon script draws, at every size.
set -euo pipefail
icons=$(cd "$(dirname "$0")/../../assets/icon" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$icons/make_icon.py" "$work/tsubura.png"
cmp "$icons/tsubura.png" "$work/tsubura.png"
for size in 16 32 48 64 128 256; do
  python3 "$icons/make_icon.py" --size "$size" "$work/tsubura-$size.png"
  cmp "$icons/tsubura-$size.png" "$work/tsubura-$size.png"
done
echo "7 icons match the script"
