#!/usr/bin/env python3
"""Synthesises the game's sounds as small WAV files (16-bit PCM, mono, 44.1 kHz).

Run from anywhere: `make_sounds.py` writes the files beside itself, `make_sounds.py DIR` into DIR,
and `make_sounds.py --check` compares the committed files with what it would write and checks their
format and length. Noise comes from one generator with a fixed seed per sound, so every run writes
the same bytes.

  shot          a soft wooden knock as a shot is laid while aiming
  splash        a volley into open water: a burst of shaped noise with a few droplets after it
  hit1..hit4    one low boom for each of the computer's ships a volley hit
  sunk          a ship going down: a heavy boom, a falling groan and rising bubbles
  computer      the computer's volley coming in: a falling whistle, then a distant splash
  computer-hit  the computer's volley hitting your fleet: the whistle, then a muffled thud
  won           a short brass fanfare rising to the octave
  lost          a slow falling figure in minor
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 44100
PEAK = 0.85  # the loudest any sample may be: a little below full scale
LOUDNESS = 0.14  # the RMS level of a volley's outcome, so that none stands out
SOFT = 0.05  # the shot's: it is heard at every press while aiming
TUNE = 0.12  # the fanfare's and the falling figure's: steady tones sound louder than noise


def seconds(n):
    return int(round(n * RATE))


class Track:
    """A buffer of samples, mixed into at given times."""

    def __init__(self, length):
        self.samples = [0.0] * seconds(length)

    def add(self, start, samples, gain=1.0):
        at = seconds(start)
        for i, value in enumerate(samples):
            if at + i >= len(self.samples):
                break
            self.samples[at + i] += gain * value

    def finished(self, loudness):
        """Brought to the RMS level unless that would lift the peak past PEAK, then faded in over
        1 ms and out over 5 ms so that nothing clicks."""
        top = max(abs(v) for v in self.samples) or 1.0
        rms = math.sqrt(sum(v * v for v in self.samples) / len(self.samples)) or 1.0
        gain = min(PEAK / top, loudness / rms)
        out = [v * gain for v in self.samples]
        fade_in, fade_out = seconds(0.001), seconds(0.005)
        for i in range(fade_in):
            out[i] *= i / fade_in
        for i in range(fade_out):
            out[-1 - i] *= i / fade_out
        return out


def envelope(n, attack, decay):
    """A quick linear rise, then an exponential fall with time constant decay (seconds), brought
    to silence over the last 10 ms (or third) so that the part ends without a click."""
    rise = max(1, seconds(attack))
    fade = max(1, min(seconds(0.01), n // 3))
    return [((i / rise) if i < rise else math.exp(-(i - rise) / (decay * RATE))) * min(1.0, (n - i) / fade)
            for i in range(n)]


def glide(length, start_hz, end_hz, partials=((1, 1.0),), vibrato=0.0):
    """A tone whose pitch slides exponentially from start to end, with the given partials."""
    n = seconds(length)
    out = []
    phase = 0.0
    ratio = end_hz / start_hz
    for i in range(n):
        t = i / n
        hz = start_hz * ratio**t * (1 + vibrato * math.sin(2 * math.pi * 5.5 * i / RATE))
        phase += 2 * math.pi * hz / RATE
        out.append(sum(a * math.sin(k * phase) for k, a in partials))
    return out


def noise(rng, length, start_cutoff, end_cutoff, high_pass=0.0):
    """White noise through two one-pole low-pass stages whose cut-off slides, optionally less its lows."""
    n = seconds(length)
    out = []
    low1 = low2 = slow = 0.0
    for i in range(n):
        cutoff = start_cutoff + (end_cutoff - start_cutoff) * i / n
        a = 1 - math.exp(-2 * math.pi * cutoff / RATE)
        low1 += a * (rng.uniform(-1, 1) - low1)
        low2 += a * (low1 - low2)
        value = low2
        if high_pass > 0:
            slow += (1 - math.exp(-2 * math.pi * high_pass / RATE)) * (value - slow)
            value -= slow
        out.append(value)
    return out


def shaped(samples, shape):
    return [s * e for s, e in zip(samples, shape)]


def boom(rng, length, pitch, decay, brightness):
    """A low thump: a sine dropping in pitch under a burst of dark noise."""
    body = shaped(glide(length, pitch, pitch * 0.55, ((1, 1.0), (2, 0.25))), envelope(seconds(length), 0.004, decay))
    rumble = noise(rng, length, brightness, brightness * 0.2)
    rumble = shaped(rumble, envelope(len(rumble), 0.002, decay * 0.7))
    top = max(abs(v) for v in rumble) or 1.0
    return [b + 0.9 * r / top for b, r in zip(body, rumble)]


def droplet(start_hz):
    """A tiny rising chirp, as a drop falling back into water."""
    tone = glide(0.03, start_hz, start_hz * 2.2)
    return shaped(tone, envelope(len(tone), 0.002, 0.008))


def whistle(track, length):
    """A shell coming in: a high tone falling in pitch and growing louder."""
    tone = glide(length, 1500, 650, ((1, 1.0), (3, 0.08)), vibrato=0.004)
    n = len(tone)
    track.add(0.0, [v * (0.15 + 0.85 * (i / n) ** 2) for i, v in enumerate(tone)], 0.35)


def shot(rng):
    track = Track(0.11)
    knock = glide(0.1, 320, 210, ((1, 1.0), (2.7, 0.3)))
    track.add(0.0, shaped(knock, envelope(len(knock), 0.002, 0.022)))
    tap = noise(rng, 0.012, 6000, 3000, high_pass=800)
    track.add(0.0, shaped(tap, envelope(len(tap), 0.0005, 0.003)), 2.5)
    return track.finished(SOFT)


def splash(rng):
    track = Track(0.55)
    burst = noise(rng, 0.5, 5500, 900, high_pass=350)
    track.add(0.0, shaped(burst, envelope(len(burst), 0.012, 0.11)))
    plop = glide(0.12, 180, 90)
    track.add(0.0, shaped(plop, envelope(len(plop), 0.003, 0.03)), 0.04)
    for _ in range(5):
        track.add(rng.uniform(0.12, 0.42), droplet(rng.uniform(700, 1300)), rng.uniform(0.006, 0.014))
    return track.finished(LOUDNESS)


def hits(rng, ships):
    """One boom a ship, each a little lower than the one before, 0.22 s apart."""
    track = Track(0.22 * (ships - 1) + 0.42)
    for k in range(ships):
        track.add(0.22 * k, boom(rng, 0.42, 78 * 0.94**k, 0.09, 900), 1.0 - 0.05 * k)
    return track.finished(LOUDNESS)


def sunk(rng):
    track = Track(1.1)
    track.add(0.0, boom(rng, 0.8, 62, 0.2, 1300))
    groan = glide(0.75, 150, 55, ((1, 1.0), (2, 0.4), (3, 0.15)), vibrato=0.01)
    n = len(groan)
    track.add(0.2, [v * math.sin(math.pi * i / n) ** 2 for i, v in enumerate(groan)], 0.25)
    for _ in range(9):
        track.add(rng.uniform(0.45, 1.0), droplet(rng.uniform(300, 700)), rng.uniform(0.05, 0.12))
    return track.finished(LOUDNESS)


def computer(rng):
    track = Track(0.62)
    whistle(track, 0.3)
    far = noise(rng, 0.32, 2200, 500, high_pass=200)
    track.add(0.3, shaped(far, envelope(len(far), 0.01, 0.08)), 0.6)
    return track.finished(LOUDNESS)


def computer_hit(rng):
    track = Track(0.72)
    whistle(track, 0.3)
    track.add(0.3, boom(rng, 0.42, 58, 0.1, 500))
    return track.finished(LOUDNESS)


def brass(length, hz, sustain):
    """A note with the partials of a soft brass tone, a quick swell and a fall to the sustain level."""
    tone = glide(length, hz, hz, ((1, 1.0), (2, 0.55), (3, 0.3), (4, 0.15), (5, 0.07)), vibrato=0.003)
    n = len(tone)
    rise, fall = seconds(0.015), seconds(0.06)
    out = []
    for i, v in enumerate(tone):
        if i < rise:
            level = i / rise
        elif i < rise + fall:
            level = 1 - (1 - sustain) * (i - rise) / fall
        else:
            level = sustain * (1 - ((i - rise - fall) / max(1, n - rise - fall)) ** 3)
        out.append(v * level)
    return out


def note(name):
    semitones = {"C": -9, "D": -7, "Eb": -6, "E": -5, "F": -4, "G": -2, "Ab": -1, "A": 0, "B": 2}
    return 440.0 * 2 ** ((semitones[name[:-1]] + 12 * (int(name[-1]) - 4)) / 12)


def won(_rng):
    track = Track(1.25)
    figure = (("G4", 0.0, 0.13), ("C5", 0.12, 0.13), ("E5", 0.24, 0.13), ("G5", 0.36, 0.2), ("E5", 0.52, 0.1),
              ("G5", 0.6, 0.12), ("C6", 0.7, 0.55))
    for name, start, length in figure:
        track.add(start, brass(length, note(name), 0.7))
    track.add(0.7, brass(0.55, note("G5"), 0.7), 0.45)
    track.add(0.7, brass(0.55, note("E5"), 0.7), 0.4)
    return track.finished(TUNE)


def lost(_rng):
    track = Track(1.4)
    figure = (("G4", 0.0, 0.3), ("Eb4", 0.28, 0.3), ("D4", 0.56, 0.3), ("C4", 0.84, 0.56))
    soft = ((1, 1.0), (2, 0.3), (3, 0.08))
    for k, (name, start, length) in enumerate(figure):
        hz = note(name)
        # The last note sags a little as it dies away.
        tone = glide(length, hz, hz * (0.94 if k == 3 else 1.0), soft, vibrato=0.004)
        track.add(start, shaped(tone, envelope(len(tone), 0.03, 0.35 if k == 3 else 0.16)))
    return track.finished(TUNE)


SOUNDS = {
    "shot": shot,
    "splash": splash,
    "hit1": lambda rng: hits(rng, 1),
    "hit2": lambda rng: hits(rng, 2),
    "hit3": lambda rng: hits(rng, 3),
    "hit4": lambda rng: hits(rng, 4),
    "sunk": sunk,
    "computer": computer,
    "computer-hit": computer_hit,
    "won": won,
    "lost": lost,
}


def wav_bytes(samples, path):
    frames = struct.pack("<%dh" % len(samples), *(int(round(v * 32767)) for v in samples))
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(frames)


def make(directory):
    for seed, (name, make_sound) in enumerate(SOUNDS.items()):
        wav_bytes(make_sound(random.Random(seed)), os.path.join(directory, name + ".wav"))


def check(here):
    """The committed files are what the script writes, mono 16-bit at 44.1 kHz, 0.1 to 1.5 s long."""
    import tempfile

    failures = []
    with tempfile.TemporaryDirectory() as fresh:
        make(fresh)
        for name in SOUNDS:
            committed = os.path.join(here, name + ".wav")
            with open(committed, "rb") as a, open(os.path.join(fresh, name + ".wav"), "rb") as b:
                if a.read() != b.read():
                    failures.append("%s.wav is not what the script writes" % name)
            with wave.open(committed, "rb") as f:
                length = f.getnframes() / f.getframerate()
                if (f.getnchannels(), f.getsampwidth(), f.getframerate()) != (1, 2, RATE) or not 0.1 <= length <= 1.5:
                    failures.append("%s.wav: %d channels, %d bytes a sample, %d Hz, %.3f s" %
                                    (name, f.getnchannels(), f.getsampwidth(), f.getframerate(), length))
    for failure in failures:
        print(failure)
    return 1 if failures else 0


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    if argv[1:] == ["--check"]:
        return check(here)
    make(argv[1] if len(argv) > 1 else here)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
