#!/usr/bin/python3
"""Writes the scan window's three sounds into assets/sounds: a rising two-note chirp for a product
found, one low short tone for none found, two quick buzzes for a code that is not valid. Short
(under a fifth of a second), quiet, and distinct by pitch and rhythm, so that a user who scans
without looking at the screen tells them apart. Run it after changing a sound and commit the
files it writes."""
import math
import pathlib
import struct
import sys
import wave

RATE = 16000


def tone(frequency, seconds, volume=0.35, square=False):
    frames = int(RATE * seconds)
    samples = []
    for i in range(frames):
        # Soft start and end, so the sound does not click.
        edge = min(1.0, i / (RATE * 0.005), (frames - i) / (RATE * 0.01))
        phase = math.sin(2 * math.pi * frequency * i / RATE)
        value = (1.0 if phase >= 0 else -1.0) * 0.5 if square else phase
        samples.append(int(32767 * volume * edge * value))
    return samples


def silence(seconds):
    return [0] * int(RATE * seconds)


SOUNDS = {
    "found.wav": tone(880, 0.06) + tone(1320, 0.08),
    "not-found.wav": tone(440, 0.12),
    "invalid.wav": tone(220, 0.05, square=True) + silence(0.03) + tone(220, 0.05, square=True),
}


def main(folder):
    folder = pathlib.Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    for name, samples in SOUNDS.items():
        with wave.open(str(folder / name), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(struct.pack("<%dh" % len(samples), *samples))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else
         pathlib.Path(__file__).resolve().parents[2] / "assets" / "sounds")
