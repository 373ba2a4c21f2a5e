#!/usr/bin/env python3
"""Synthesise the knock heard when a seat knocks: two raps of a knuckle on a wooden table.

Each rap is a short burst of filtered noise (the click of the knuckle) over a few damped
resonances of the table top. The random generator has a fixed seed, so the file is the
same on every run.

    python3 tools/sounds/busso.py resources/Busso.wav
"""

import math
import random
import struct
import sys
import wave

RATE = 22050
DURATA = 0.40  # seconds
RAPS = (0.015, 0.175)  # start of each rap, seconds
# Resonances of a wooden board: frequency (Hz), amplitude, decay time (s).
MODI = ((180.0, 1.00, 0.045), (410.0, 0.55, 0.030), (720.0, 0.35, 0.020), (1250.0, 0.20, 0.012))


def rap(t, forza, rnd_state):
    """One rap at time t (seconds after its start)."""
    if t < 0.0:
        return 0.0
    # A softer attack than a pure step keeps the speaker from clicking.
    attacco = min(1.0, t / 0.0015)
    corpo = sum(a * math.exp(-t / tau) * math.sin(2 * math.pi * f * t) for f, a, tau in MODI)
    rumore = rnd_state() * math.exp(-t / 0.004)
    return forza * attacco * (corpo + 0.8 * rumore)


def main():
    percorso = sys.argv[1] if len(sys.argv) > 1 else "Busso.wav"
    rnd = random.Random(1996)
    # Low-passed noise: a wooden knock has no hiss.
    precedente = 0.0

    def rumore():
        nonlocal precedente
        precedente = 0.6 * precedente + 0.4 * rnd.uniform(-1.0, 1.0)
        return precedente

    n = int(RATE * DURATA)
    campioni = []
    for i in range(n):
        t = i / RATE
        v = rap(t - RAPS[0], 1.0, rumore) + rap(t - RAPS[1], 0.85, rumore)
        campioni.append(v)
    picco = max(abs(v) for v in campioni) or 1.0
    scala = 0.85 * 32767 / picco
    # Fade the last 20 ms so the file never ends on a step.
    coda = int(0.02 * RATE)
    for i in range(coda):
        campioni[n - coda + i] *= 1.0 - i / coda
    dati = b"".join(struct.pack("<h", int(round(v * scala))) for v in campioni)
    with wave.open(percorso, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(dati)


if __name__ == "__main__":
    main()
