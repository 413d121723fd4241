#!/usr/bin/env python3
"""Synthesises hoshi's sound effects as WAV files (mono, 44100 Hz, 16-bit PCM).

Every sound is computed here from noise and damped sines, with a fixed seed, so
the files are the project's own and a rerun writes them again byte for byte.
Usage: scripts/make-sounds.py [--out DIR]   (default: data/sounds/)
"""

import argparse
import math
import random
import wave
from pathlib import Path

RATE = 44100
PEAK_DBFS = -3.0
FULL_SCALE = 32767
DEFAULT_OUT = Path(__file__).resolve().parent.parent / "data" / "sounds"


def samples(duration):
    return round(duration * RATE)


def silence(duration):
    return [0.0] * samples(duration)


def mix(into, sound, at=0.0, gain=1.0):
    """Adds sound into the buffer from time `at`, cutting what runs past its end."""
    start = samples(at)
    for i, value in enumerate(sound[: max(0, len(into) - start)]):
        into[start + i] += gain * value
    return into


def damped_partials(duration, partials, attack=0.0):
    """Sum of sines (frequency Hz, amplitude, decay time constant s), all starting at phase 0."""
    out = silence(duration)
    rise = max(1, samples(attack))
    for frequency, amplitude, decay in partials:
        step = 2 * math.pi * frequency / RATE
        for i in range(len(out)):
            envelope = amplitude * math.exp(-i / (decay * RATE)) * min(1.0, i / rise)
            out[i] += envelope * math.sin(step * i)
    return out


def gliding_tone(duration, start_hz, end_hz, harmonics, decay, attack):
    """A tone whose pitch falls exponentially, with harmonics (number, amplitude)."""
    out = silence(duration)
    rise = max(1, samples(attack))
    phase = 0.0
    for i in range(len(out)):
        progress = i / len(out)
        phase += 2 * math.pi * start_hz * (end_hz / start_hz) ** progress / RATE
        envelope = math.exp(-i / (decay * RATE)) * min(1.0, i / rise)
        out[i] = envelope * sum(a * math.sin(n * phase) for n, a in harmonics)
    return out


def biquad(sound, kind, frequency, q):
    """Band-pass (0 dB at the centre) or low-pass second-order filter, direct form I."""
    w = 2 * math.pi * frequency / RATE
    alpha = math.sin(w) / (2 * q)
    cos_w = math.cos(w)
    if kind == "bandpass":
        b = (alpha, 0.0, -alpha)
    else:
        b = ((1 - cos_w) / 2, 1 - cos_w, (1 - cos_w) / 2)
    a0, a1, a2 = 1 + alpha, -2 * cos_w, 1 - alpha
    x1 = x2 = y1 = y2 = 0.0
    out = []
    for x in sound:
        y = (b[0] * x + b[1] * x1 + b[2] * x2 - a1 * y1 - a2 * y2) / a0
        x2, x1, y2, y1 = x1, x, y1, y
        out.append(y)
    return out


def noise_burst(rng, duration, centre, q, decay):
    """White noise under a sharp exponential decay, band-passed around `centre`."""
    raw = [rng.uniform(-1.0, 1.0) * math.exp(-i / (decay * RATE))
           for i in range(samples(duration))]
    return biquad(raw, "bandpass", centre, q)


def fade(sound, fade_in, fade_out):
    """Raised-cosine fades, so the first and last samples are exactly zero."""
    n_in, n_out = samples(fade_in), samples(fade_out)
    for i in range(n_in):
        sound[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(n_out):
        sound[-1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return sound


def to_pcm(sound):
    target = FULL_SCALE * 10 ** (PEAK_DBFS / 20)
    scale = target / max(abs(v) for v in sound)
    return [round(v * scale) for v in sound]


# --- the sounds -------------------------------------------------------------

def clack(rng, duration):
    """Slate on wood: a bright snap of noise over a few short wooden partials."""
    out = silence(duration)
    mix(out, noise_burst(rng, duration, 2600, 1.0, 0.0030), gain=3.0)
    mix(out, noise_burst(rng, duration, 7000, 1.2, 0.0008), gain=0.8)
    body = [(330, 0.30, 0.020), (610, 0.45, 0.014), (905, 0.35, 0.010), (1180, 0.25, 0.007)]
    return mix(out, damped_partials(duration, body))


def small_click(rng, duration, pitch):
    """A small stone knocking another: shorter and higher than the clack."""
    out = noise_burst(rng, duration, 9000 * pitch, 1.4, 0.0020)
    ring = [(3100 * pitch, 0.20, 0.006), (4300 * pitch, 0.15, 0.004), (5600 * pitch, 0.10, 0.003)]
    return mix(out, damped_partials(duration, ring))


def stone(rng):
    return fade(clack(rng, 0.100), 0.001, 0.008)


def capture(rng):
    # The move's clack, then the prisoners clinking as they are lifted off the board.
    out = clack(rng, 0.300)
    for at, pitch, gain in ((0.105, 1.00, 0.80), (0.160, 1.12, 0.65), (0.205, 0.92, 0.50)):
        mix(out, small_click(rng, 0.060, pitch), at, gain)
    return fade(out, 0.001, 0.015)


def wooden_knock(rng, duration, pitch):
    """A muted knock: a wooden bar's partials (1 : 2.76 : 5.4) dying fast, a dull tap."""
    bar = [(pitch, 1.0, 0.028), (pitch * 2.76, 0.30, 0.010), (pitch * 5.4, 0.08, 0.004)]
    out = damped_partials(duration, bar, attack=0.002)
    tap = biquad(noise_burst(rng, duration, pitch * 2, 1.0, 0.002), "lowpass", 1500, 0.7)
    return mix(out, tap, gain=0.5)


def pass_(rng):
    # Each knock rings to the end of the file: one cut short would click where it stops.
    out = silence(0.200)
    mix(out, wooden_knock(rng, 0.200, 440), 0.0, 1.0)
    mix(out, wooden_knock(rng, 0.115, 330), 0.085, 0.85)
    return fade(out, 0.002, 0.015)


def refused(rng):
    # Two low voices a semitone apart beat against each other: dull, slightly wrong.
    harmonics = ((1, 1.0), (2, 0.45), (3, 0.20))
    out = gliding_tone(0.150, 175, 135, harmonics, 0.045, 0.003)
    mix(out, gliding_tone(0.150, 185, 143, harmonics, 0.045, 0.003), gain=0.7)
    mix(out, biquad(noise_burst(rng, 0.150, 400, 0.8, 0.006), "lowpass", 600, 0.7), gain=0.8)
    return fade(biquad(out, "lowpass", 900, 0.7), 0.002, 0.015)


def game_end(rng):
    # A falling major triad (G5, E5, C5) of soft bells comes to rest on the tonic.
    out = silence(1.100)
    for at, frequency, gain in ((0.0, 783.99, 0.75), (0.15, 659.26, 0.85), (0.30, 523.25, 1.0)):
        bell = [(frequency, 1.0, 0.28), (frequency * 2, 0.20, 0.14), (frequency * 3, 0.06, 0.08)]
        mix(out, damped_partials(1.100 - at, bell, attack=0.002), at, gain)
    return fade(out, 0.002, 0.120)


SOUNDS = {
    "stone": stone,
    "capture": capture,
    "pass": pass_,
    "refused": refused,
    "game-end": game_end,
}


def write_wav(path, pcm):
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(v.to_bytes(2, "little", signed=True) for v in pcm))


def main():
    parser = argparse.ArgumentParser(description="Synthesise hoshi's sound effects.")
    parser.add_argument("--out", type=Path, default=DEFAULT_OUT, help="folder to write into")
    args = parser.parse_args()
    args.out.mkdir(parents=True, exist_ok=True)
    for name, make in SOUNDS.items():
        # A seed of its own per sound, so retuning one leaves the others' noise as it was.
        write_wav(args.out / f"{name}.wav", to_pcm(make(random.Random(f"hoshi-{name}"))))


if __name__ == "__main__":
    main()
