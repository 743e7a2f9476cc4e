#!/usr/bin/env python3
"""Synthesises the game's six sound effects as 16-bit PCM mono WAV files.

Run from anywhere: python3 make_sounds.py [OUTPUT_FOLDER]
Every sound is shorter than half a second and fades out, so nothing clicks.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def envelope(i, n, attack=0.005):
    """A quick attack and an exponential fade to silence at the end."""
    t = i / RATE
    rise = min(1.0, t / attack) if attack > 0 else 1.0
    return rise * math.exp(-4.0 * i / n) * (1 - i / n)


def tone(freqs, seconds, shape=math.sin, volume=0.5):
    """A sequence of equal-length notes; freqs may be a function of progress."""
    n = int(RATE * seconds)
    out, phase = [], 0.0
    for i in range(n):
        progress = i / n
        f = freqs(progress) if callable(freqs) else freqs[min(len(freqs) - 1, int(progress * len(freqs)))]
        phase += 2 * math.pi * f / RATE
        out.append(volume * envelope(i, n) * shape(phase))
    return out


def square(phase):
    return 1.0 if math.sin(phase) >= 0 else -1.0


def click(seconds=0.04):
    rng = random.Random(7)
    n = int(RATE * seconds)
    return [0.6 * math.exp(-60.0 * i / n) * (rng.uniform(-1, 1) * 0.5 + math.sin(2 * math.pi * 2200 * i / RATE))
            for i in range(n)]


SOUNDS = {
    0: lambda: tone([1318.5, 1760.0], 0.35),                                   # message chime
    1: click,                                                                  # selection click
    2: lambda: tone(lambda p: 1500 * (1 - p) + 200 * p, 0.40, volume=0.4),     # clear sweep
    3: lambda: tone([880.0], 0.08, shape=square, volume=0.2),                  # move blip
    5: lambda: tone([120.0], 0.22, shape=square, volume=0.3),                  # blocked buzz
    9: lambda: tone(lambda p: 600 + 1800 * p * p, 0.45, volume=0.4),           # flight whistle
}


def write(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32767)) for s in samples))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(folder, exist_ok=True)
    for n, make in SOUNDS.items():
        write(os.path.join(folder, f"sound{n}.wav"), make())


if __name__ == "__main__":
    main()
