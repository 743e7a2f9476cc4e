#!/usr/bin/env python3
"""The puzzle that `tsubura-puzzle show` prints, as facts for rules.lp.

With a window X Y W H, the words placed outside it stay where they are: the
facts then ask for the best arrangement that changes only the words with a
character in the window (words not placed may go anywhere). Words without
characters, or holding an end marker or NUL, are left out: the rules here do
not cover them."""
import re
import sys

shown = sys.stdin.read()
window = [int(a) for a in sys.argv[1:5]]
size = re.search(r"^size (\d+)", shown, re.M).group(1)
in_play = int(re.search(r"^words (\d+)", shown, re.M).group(1))
print(f"n({size}).")
characters = {}
entries = re.findall(r'^word "((?:[^"\\]|\\.)*)" (-?\d+)(.*)$', shown, re.M)
for w, (quoted, points, rest) in enumerate(entries[:in_play]):
    text = re.sub(r"\\(.)", r"\1", quoted)
    if not text or "×" in text or "\0" in text:
        continue
    print(f"word({w},{len(text)},{points}).")
    for i, c in enumerate(text):
        print(f"char({w},{i},{characters.setdefault(c, len(characters))}).")
    placed = re.fullmatch(r" (across|down) (\d+) (\d+)", rest)
    if window and placed:
        way, x, y = placed.group(1), int(placed.group(2)), int(placed.group(3))
        right, bottom = (x + len(text) - 1, y) if way == "across" else (x, y + len(text) - 1)
        left, top, width, height = window
        if x >= left + width or right < left or y >= top + height or bottom < top:
            print(f":- not pl({w},{x},{y},{way[0]}).")
