#!/usr/bin/env python3
"""Writes decay_counts.csv: simulated counts of a decaying source, each with
its counting uncertainty in X16.

Y   counts in a 10 s window
X1  time since the start in min
X16 sigma of Y, the square root of the counts (a counter's Poisson error)

The true law is Y = 5000 exp(-0.35 X1), so the best equation is
ln(Y) = a X1 + b with a = -0.35, b = ln 5000 = 8.517. The noise is Gaussian
with the standard deviation of counting, sqrt(5000 exp(-0.35 X1)): from about
71 counts at the start to about 3 at the end, a factor of 20, so the late
points are far noisier relative to the early ones than an unweighted fit
assumes. A fixed linear congruential generator makes the file the same on
every run.
"""
import math

from simulated_noise import Noise

noise = Noise(20261209)
gaussian = noise.gaussian

rows = []
for i in range(30):
    minutes = 0.5 * i
    expected = 5000.0 * math.exp(-0.35 * minutes)
    counts = round(expected + math.sqrt(expected) * gaussian())
    rows.append((counts, minutes, math.sqrt(max(counts, 1))))

with open("decay_counts.csv", "w", newline="\n") as out:
    out.write("Y,X1,X16\n")
    for row in rows:
        out.write("%d,%.1f,%.3f\n" % row)
