#!/usr/bin/python3
"""Writes NeueZeile.wav, the short sound that marks the change to another week.

Two soft sine tones, a fifth apart and rising (660 Hz, then 990 Hz), each with a raised-cosine
fade in and out so that neither starts or ends with a click. 22050 Hz, 16 bit, mono, about 120 ms.
The output is the same bytes on every run.

    /usr/bin/python3 resources/NeueZeileErzeugen.py [TARGET.wav]
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
AMPLITUDE = 0.22  # of full scale: clearly audible, never loud
TONES = ((660.0, 0.055), (990.0, 0.065))  # frequency in Hz, length in seconds
GAP = 0.004  # a moment of silence between the tones
FADE = 0.012  # length of each fade in seconds


def tone(frequency, seconds):
    count = int(round(RATE * seconds))
    fade = int(round(RATE * FADE))
    samples = []
    for i in range(count):
        envelope = 1.0
        if i < fade:
            envelope = 0.5 - 0.5 * math.cos(math.pi * i / fade)
        elif i >= count - fade:
            envelope = 0.5 - 0.5 * math.cos(math.pi * (count - 1 - i) / fade)
        value = AMPLITUDE * envelope * math.sin(2.0 * math.pi * frequency * i / RATE)
        samples.append(int(round(value * 32767)))
    return samples


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                                 "NeueZeile.wav")
    samples = []
    for number, (frequency, seconds) in enumerate(TONES):
        if number > 0:
            samples.extend([0] * int(round(RATE * GAP)))
        samples.extend(tone(frequency, seconds))
    with wave.open(target, "wb") as output:
        output.setnchannels(1)
        output.setsampwidth(2)
        output.setframerate(RATE)
        output.writeframes(struct.pack("<%dh" % len(samples), *samples))
    print("%s: %d samples, %.0f ms" % (target, len(samples), 1000.0 * len(samples) / RATE))


if __name__ == "__main__":
    main()
