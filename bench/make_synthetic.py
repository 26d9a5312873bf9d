#!/usr/bin/env python3
"""Writes synthetic_15.csv, the benchmark's fixed data set: 99 points of Y and
X1 ... X15, all positive so that every equation set takes part. Y depends on
a few of the variables through a smooth law plus 1 % noise; the others are
distractors. A fixed linear congruential generator keeps the file the same."""
import math

state = 99
def uniform():
    global state
    state = (state * 1103515245 + 12345) % 2**31
    return state / 2**31

with open("synthetic_15.csv", "w", newline="\n") as out:
    out.write(",".join(["Y"] + ["X%d" % v for v in range(1, 16)]) + "\n")
    for _ in range(99):
        x = [round(0.5 + 9.5 * uniform(), 4) for _ in range(15)]
        y = 3.0 + 2.0 * x[0] + 0.5 * x[1] * x[1] / x[2] + 4.0 * math.log(x[3]) + 0.1 * x[4] * x[5]
        y *= 1.0 + 0.01 * (uniform() - 0.5)
        out.write(",".join(["%.6g" % y] + ["%.4f" % v for v in x]) + "\n")
