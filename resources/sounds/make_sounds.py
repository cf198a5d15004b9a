#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the two answer clips, right.wav and wrong.wav, beside this script.

right.wav: a bright rising two-note chime (880 Hz, then 1320 Hz), 22,050 Hz 16-bit mono, 57 ms.
wrong.wav: a soft low tone gliding down from 220 Hz to 165 Hz, 11,025 Hz 8-bit mono, 195 ms.

Run:  python3 resources/sounds/make_sounds.py [output-directory]

Standard library only. The output is the same bytes on every run, so regenerating the clips never
shows up as a change. Both files carry exactly three chunks: "fmt ", "fact" and "data".
"""

import math
import struct
import sys
from pathlib import Path

# -6 dBFS: clearly audible, with headroom so the clips never sound harsh next to other programs.
PEAK = 0.5


def raised_cosine(x):
    """0 at x = 0, 1 at x = 1, with zero slope at both ends so a fade has no audible corner."""
    return 0.5 - 0.5 * math.cos(math.pi * min(max(x, 0.0), 1.0))


def fade_out(i, count, length):
    """1 until the last `length` samples, then down to exactly 0 on the final sample."""
    remaining = count - 1 - i
    return raised_cosine(remaining / (length - 1)) if remaining < length - 1 else 1.0


def normalised(samples):
    """Scales the clip so its largest excursion is PEAK of full scale."""
    top = max(abs(s) for s in samples)
    return [s * PEAK / top for s in samples]


def chime_note(t, onset, freq, decay):
    """One struck note: a quick soft attack, then an exponential ring-out. A faint octave partial
    gives it a bell's brightness without any roughness."""
    age = t - onset
    if age < 0.0:
        return 0.0
    envelope = raised_cosine(age / 0.003) * math.exp(-age / decay)
    phase = 2.0 * math.pi * freq * age
    return envelope * (math.sin(phase) + 0.2 * math.sin(2.0 * phase))


def right_clip(rate=22050, count=1258):
    """The second note starts while the first still rings, so the pair reads as one rising chime."""
    tail = int(0.012 * rate)
    samples = []
    for i in range(count):
        t = i / rate
        s = chime_note(t, 0.0, 880.0, 0.012) + chime_note(t, 0.022, 1320.0, 0.025)
        samples.append(s * fade_out(i, count, tail))
    return normalised(samples)


def wrong_clip(rate=11025, count=2152):
    """A pure low tone with a soft second partial: no harmonics above it to buzz. The pitch glides
    down a fourth, which sounds like a gentle "no" rather than an alarm."""
    start_freq, end_freq = 220.0, 165.0
    duration = count / rate
    attack = 0.015 * rate
    tail = int(0.040 * rate)
    samples = []
    phase = 0.0
    for i in range(count):
        t = i / rate
        # Integrating the frequency keeps the waveform continuous as the pitch falls.
        freq = start_freq * (end_freq / start_freq) ** (t / duration)
        envelope = raised_cosine(i / attack) * math.exp(-t / 0.15) * fade_out(i, count, tail)
        samples.append(envelope * (math.sin(phase) + 0.15 * math.sin(2.0 * phase)))
        phase += 2.0 * math.pi * freq / rate
    return normalised(samples)


def wave_file(rate, bits, samples):
    """A mono PCM RIFF WAVE file with "fmt ", "fact" and "data" chunks, in that order."""
    if bits == 8:
        # 8-bit PCM is unsigned, centred on 128.
        data = bytes(128 + round(s * 128.0) for s in samples)
    else:
        data = struct.pack("<%dh" % len(samples), *(round(s * 32767.0) for s in samples))
    block_align = bits // 8
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * block_align, block_align, bits)
    fact = struct.pack("<I", len(samples))
    body = b"WAVE"
    for chunk_id, payload in ((b"fmt ", fmt), (b"fact", fact), (b"data", data)):
        body += chunk_id + struct.pack("<I", len(payload)) + payload
        if len(payload) % 2:
            body += b"\0"  # chunks start on even offsets
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    out_dir = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    out_dir.mkdir(parents=True, exist_ok=True)
    (out_dir / "right.wav").write_bytes(wave_file(22050, 16, right_clip()))
    (out_dir / "wrong.wav").write_bytes(wave_file(11025, 8, wrong_clip()))


if __name__ == "__main__":
    main()
