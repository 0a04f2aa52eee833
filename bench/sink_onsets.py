#!/usr/bin/env python3
"""Watches a PulseAudio pipe sink and prints, on the Unix clock, when sound starts
after silence ("onset T") and when it has gone quiet again ("quiet T", the time of
its last loud sample). One line each, flushed at once.
    sink_onsets.py FIFO
The sink (use_system_clock_for_timing=yes, s16le, 48000 Hz, stereo) writes each
block of samples when its playing time comes, so frame n of the stream plays at
origin + n / RATE. Every read bounds the origin from above (its first frame cannot
have been written after the read returned); the smallest bound so far is taken, so
a read that returns late on a busy machine does not make sound seem late."""

import array
import os
import sys
import time

RATE = 48000
CHANNELS = 2
FRAME_BYTES = 2 * CHANNELS
LOUD = 328  # -40 dBFS; quieter samples count as silence
QUIET_GAP = 0.2  # seconds without a loud sample that end a sound


def first_loud(samples):
    return next((i for i, s in enumerate(samples) if abs(s) > LOUD), None)


def last_loud(samples):
    return next((i for i in range(len(samples) - 1, -1, -1) if abs(samples[i]) > LOUD), None)


def main():
    fifo = os.open(sys.argv[1], os.O_RDONLY)
    origin = float("inf")
    frames = 0  # frames read so far
    pending = b""
    sounding = False
    last_loud_time = 0.0
    while True:
        chunk = os.read(fifo, 65536)
        stamp = time.time()
        if not chunk:
            return
        data = pending + chunk
        usable = len(data) - len(data) % FRAME_BYTES
        pending = data[usable:]
        samples = array.array("h", data[:usable])
        origin = min(origin, stamp - frames / RATE)
        start = origin + frames / RATE
        frames += usable // FRAME_BYTES
        loud = max(samples, default=0) > LOUD or min(samples, default=0) < -LOUD
        if loud and not sounding:
            sounding = True
            print("onset %.6f" % (start + first_loud(samples) // CHANNELS / RATE), flush=True)
        if loud:
            last_loud_time = start + last_loud(samples) // CHANNELS / RATE
        elif sounding and origin + frames / RATE - last_loud_time > QUIET_GAP:
            sounding = False
            print("quiet %.6f" % last_loud_time, flush=True)


if __name__ == "__main__":
    main()
