#!/usr/bin/env python3
"""Reads the pixels of the X screen ($DISPLAY) for the tests of the real game.

  screen_pixels.py top                  the first row of the green client area
  screen_pixels.py count X Y W H R G B  how many pixels of the box have that colour
  screen_pixels.py latency X Y W H N    clicks the box's centre N times, each time
                                        timing its change to or from light blue
"""
import ctypes
import statistics
import sys
import time

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
x11.XOpenDisplay.restype = x11.XGetImage.restype = ctypes.c_void_p
x11.XDefaultRootWindow.restype = x11.XGetPixel.restype = ctypes.c_ulong
display = ctypes.c_void_p(x11.XOpenDisplay(None))
root = ctypes.c_ulong(x11.XDefaultRootWindow(display))
LIGHT_BLUE = (128, 128, 255)  # a chosen word's label


def pixels(x, y, w, h):
    image = ctypes.c_void_p(x11.XGetImage(display, root, x, y, w, h, ctypes.c_ulong(~0), 2))
    found = [x11.XGetPixel(image, i, j) for j in range(h) for i in range(w)]
    x11.XDestroyImage(image)
    return [(p >> 16 & 255, p >> 8 & 255, p & 255) for p in found]


def latency(x, y, w, h, clicks):
    times = []
    for _ in range(clicks):
        chosen = LIGHT_BLUE in pixels(x, y, w, h)
        xtst.XTestFakeMotionEvent(display, -1, x + w // 2, y + h // 2, 0)
        start = time.monotonic()
        xtst.XTestFakeButtonEvent(display, 1, True, 0)
        xtst.XTestFakeButtonEvent(display, 1, False, 0)
        x11.XFlush(display)
        while (LIGHT_BLUE in pixels(x, y, w, h)) == chosen:
            if time.monotonic() - start > 5:
                sys.exit("the label did not answer within 5 s")
        times.append((time.monotonic() - start) * 1000)
        time.sleep(0.2)
    print("a click on a word label was answered in " + ", ".join(f"{t:.0f}" for t in times) +
          f" ms (median {statistics.median(times):.0f}, most {max(times):.0f})")


command, numbers = sys.argv[1], [int(a) for a in sys.argv[2:]]
if command == "top":
    print(next(y for y, p in enumerate(pixels(3, 0, 1, 200)) if p == (0, 128, 0)))
elif command == "count":
    print(pixels(*numbers[:4]).count(tuple(numbers[4:])))
elif command == "latency":
    latency(*numbers)
