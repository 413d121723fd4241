#!/usr/bin/env python3
"""Checks hoshi's sound effects: that data/sounds/ holds exactly what
scripts/make-sounds.py writes, and that each file is what the game expects to
play (format, length, level, an immediate start, clean ends, its own character).
Prints one line of measures per file and exits non-zero on any problem.
Usage: scripts/check-sounds.py [--sounds DIR]
"""

import argparse
import cmath
import filecmp
import math
import subprocess
import sys
import tempfile
import wave
from dataclasses import dataclass
from pathlib import Path

SCRIPTS = Path(__file__).resolve().parent
RATE = 44100
FULL_SCALE = 32767
PEAK_DBFS, PEAK_TOLERANCE_DB = -3.0, 0.1
START_WITHIN = 0.002      # QSoundEffect plays at once: the sound must too
START_LEVEL = 0.1         # ... reaching a tenth of its peak by then
MAX_BYTES = 128 * 1024


@dataclass
class Expected:
    name: str
    shortest: float
    longest: float
    clicks: int | None = None        # separate strikes heard, where they make the sound
    peak_within: float | None = None  # a sharp attack peaks this early


EXPECTED = [
    Expected("stone", 0.080, 0.120, clicks=1, peak_within=0.010),
    Expected("capture", 0.250, 0.350, clicks=4, peak_within=0.010),
    Expected("pass", 0.170, 0.230, clicks=2),
    Expected("refused", 0.120, 0.180),
    Expected("game-end", 0.800, 1.200),
]


@dataclass
class Measures:
    duration: float
    size: int
    peak_dbfs: float
    start: float
    peak_at: float
    centroid: float
    clicks: int


def read_pcm(path):
    """The samples of a mono 16-bit PCM WAV at RATE; raises ValueError for anything else."""
    with wave.open(str(path), "rb") as f:
        layout = (f.getnchannels(), f.getsampwidth(), f.getframerate(), f.getcomptype())
        if layout != (1, 2, RATE, "NONE"):
            raise ValueError(f"format (channels, bytes, rate, compression) is {layout}")
        data = f.readframes(f.getnframes())
    return [int.from_bytes(data[i:i + 2], "little", signed=True) for i in range(0, len(data), 2)]


def fft(values):
    """Iterative radix-2 transform; len(values) is a power of two."""
    n = len(values)
    out = list(values)
    j = 0
    for i in range(1, n):
        bit = n >> 1
        while j & bit:
            j ^= bit
            bit >>= 1
        j |= bit
        if i < j:
            out[i], out[j] = out[j], out[i]
    size = 2
    while size <= n:
        step = cmath.exp(-2j * math.pi / size)
        for start in range(0, n, size):
            w = 1
            for k in range(size // 2):
                a, b = out[start + k], out[start + k + size // 2] * w
                out[start + k], out[start + k + size // 2] = a + b, a - b
                w *= step
        size *= 2
    return out


def spectral_centroid(pcm):
    n = 1 << (len(pcm) - 1).bit_length()
    magnitudes = [abs(c) for c in fft(pcm + [0] * (n - len(pcm)))[: n // 2]]
    return sum(i * m for i, m in enumerate(magnitudes)) * RATE / n / sum(magnitudes)


def count_clicks(pcm, peak):
    """Strikes: 2 ms windows whose level jumps fourfold over the window before, above 5 % of the peak."""
    width = round(0.002 * RATE)
    levels = [max(abs(v) for v in pcm[i:i + width]) for i in range(0, len(pcm), width)]
    quiet = 0.0
    clicks = 0
    for before, level in zip([quiet] + levels, levels):
        clicks += level > 0.05 * peak and level > 4 * before
    return clicks


def measure(path):
    pcm = read_pcm(path)
    peak = max(abs(v) for v in pcm)
    first_loud = next(i for i, v in enumerate(pcm) if abs(v) >= START_LEVEL * peak)
    return pcm, Measures(
        duration=len(pcm) / RATE,
        size=path.stat().st_size,
        peak_dbfs=20 * math.log10(peak / FULL_SCALE),
        start=first_loud / RATE,
        peak_at=next(i for i, v in enumerate(pcm) if abs(v) == peak) / RATE,
        centroid=spectral_centroid(pcm),
        clicks=count_clicks(pcm, peak),
    )


def problems_of(expected, pcm, m):
    peak = max(abs(v) for v in pcm)
    tail = pcm[-round(0.0005 * RATE):]
    checks = [
        (expected.shortest <= m.duration <= expected.longest,
         f"lasts {m.duration:.3f} s, not {expected.shortest}-{expected.longest} s"),
        (abs(m.peak_dbfs - PEAK_DBFS) <= PEAK_TOLERANCE_DB, f"peaks at {m.peak_dbfs:.2f} dBFS"),
        (m.start < START_WITHIN, f"starts only after {1000 * m.start:.1f} ms"),
        (abs(pcm[0]) <= 0.01 * peak, "does not fade in from silence"),
        (max(abs(v) for v in tail) <= 0.02 * peak, "does not fade out to silence"),
        (abs(sum(pcm) / len(pcm)) <= 0.005 * FULL_SCALE, "has a DC offset"),
        (m.size <= MAX_BYTES, f"is {m.size} bytes"),
        (expected.clicks is None or m.clicks == expected.clicks,
         f"has {m.clicks} strikes, not {expected.clicks}"),
        (expected.peak_within is None or m.peak_at <= expected.peak_within,
         f"peaks only at {1000 * m.peak_at:.1f} ms"),
    ]
    return [f"{expected.name}: {text}" for ok, text in checks if not ok]


def regeneration_problems(sounds):
    """The committed files must be exactly what the script writes today."""
    with tempfile.TemporaryDirectory() as fresh:
        subprocess.run([sys.executable, str(SCRIPTS / "make-sounds.py"), "--out", fresh], check=True)
        made = sorted(p.stem for p in Path(fresh).glob("*.wav"))
        kept = sorted(p.stem for p in sounds.glob("*.wav"))
        problems = [f"{name}: written by make-sounds.py but not in {sounds}" for name in made if name not in kept]
        problems += [f"{name}: in {sounds} but not written by make-sounds.py" for name in kept if name not in made]
        both = [f"{name}.wav" for name in made if name in kept]
        _, differ, unreadable = filecmp.cmpfiles(fresh, sounds, both, shallow=False)
        problems += [f"{Path(name).stem}: differs from what make-sounds.py writes now" for name in differ + unreadable]
    return problems


def main():
    parser = argparse.ArgumentParser(description="Check hoshi's sound effects.")
    parser.add_argument("--sounds", type=Path, default=SCRIPTS.parent / "data" / "sounds")
    args = parser.parse_args()

    problems = regeneration_problems(args.sounds)
    measured = {}
    print(f"{'file':<14}{'ms':>6}{'bytes':>8}{'dBFS':>7}{'start ms':>10}{'peak ms':>9}{'centroid Hz':>13}{'strikes':>9}")
    for expected in EXPECTED:
        path = args.sounds / f"{expected.name}.wav"
        try:
            pcm, m = measure(path)
        except (OSError, EOFError, ValueError, wave.Error) as error:
            problems.append(f"{expected.name}: {error}")
            continue
        measured[expected.name] = m
        print(f"{path.name:<14}{1000 * m.duration:>6.0f}{m.size:>8}{m.peak_dbfs:>7.2f}"
              f"{1000 * m.start:>10.2f}{1000 * m.peak_at:>9.1f}{m.centroid:>13.0f}{m.clicks:>9}")
        problems += problems_of(expected, pcm, m)

    # A capture must not be mistaken for a plain move: longer, and brighter from its rattle.
    stone, capture = measured.get("stone"), measured.get("capture")
    if stone and capture:
        if capture.duration < 2 * stone.duration:
            problems.append("capture: not clearly longer than stone")
        if capture.centroid < 1.2 * stone.centroid:
            problems.append(f"capture: centroid {capture.centroid:.0f} Hz too close to stone's {stone.centroid:.0f} Hz")

    for problem in problems:
        print(problem)
    failed = {p.split(":")[0] for p in problems}
    passed = [e.name for e in EXPECTED if e.name not in failed]
    print(f"sounds: {len(passed)} passed, {len(failed)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
