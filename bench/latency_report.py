#!/usr/bin/env python3
"""Pairs every click on 开始 (click-driver's "click T" lines) with the first onset of
sound at the sink after it (sink_onsets.py's "onset T" / "quiet T" lines), prints
each latency, their median and the aim. Fails when a click came while the sink was
still sounding or brought no sound before the next click.
    latency_report.py CLICKS ONSETS"""

import statistics
import sys

AIM_MS = 150.0


def lines_of(path, kinds):
    with open(path) as f:
        rows = [line.split() for line in f]
    return [(row[0], float(row[1])) for row in rows if len(row) == 2 and row[0] in kinds]


def main():
    clicks = [t for _, t in lines_of(sys.argv[1], {"click"})]
    events = lines_of(sys.argv[2], {"onset", "quiet"})
    if not clicks:
        print("latency: no clicks were made", file=sys.stderr)
        return 1
    latencies, problems = [], []
    for number, click in enumerate(clicks, 1):
        following = clicks[number] if number < len(clicks) else float("inf")
        before = [kind for kind, t in events if t <= click]
        if before and before[-1] == "onset":
            problems.append("click %d came while the sink was still sounding" % number)
            continue
        onset = next((t for kind, t in events if kind == "onset" and click < t < following), None)
        if onset is None:
            problems.append("click %d brought no sound to the sink" % number)
            continue
        latencies.append((onset - click) * 1000)
    for problem in problems:
        print("latency: " + problem, file=sys.stderr)
    if problems:
        return 1
    median = statistics.median(latencies)
    print("click on 开始 to the first audible sample at the sink, %d clicks:" % len(latencies))
    print("  each     " + " ".join("%.0f" % ms for ms in latencies) + " ms")
    print("  median   %.1f ms  (fastest %.1f, slowest %.1f)   aim: at most %.0f ms  %s"
          % (median, min(latencies), max(latencies), AIM_MS, "met" if median <= AIM_MS else "NOT MET"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
