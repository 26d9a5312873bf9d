#!/usr/bin/env python3
"""Writes the sheets of the accuracy tests into sheets/, the same every time
(each has its own seed). Five have a variable with a large offset relative to
its spread, as measured data often do; two are ordinary laboratory data. Each
value is rounded to the digits an instrument or a table would give.

    python3 make_sheets.py
"""

import math
import random
from pathlib import Path

HERE = Path(__file__).resolve().parent

# Name, seed, points, X of point i, Y at X (with its noise), digits of Y and of X.
SHEETS = [
    # Yearly means of a temperature, 1950 to 2023, on a cubic trend.
    ("years_cubic.csv", 1950, 74, lambda i, rng: 1950 + i,
     lambda x, rng: 13.9 + 0.002 * (x - 1950) - 1.2e-4 * (x - 1950) ** 2 + 2.6e-6 * (x - 1950) ** 3
     + rng.gauss(0, 0.035), 3, 0),
    # Yearly means of a concentration, 1950 to 2023, on a quadratic trend.
    ("years_quadratic.csv", 1958, 74, lambda i, rng: 1950 + i,
     lambda x, rng: 311.0 + 0.75 * (x - 1950) + 0.0125 * (x - 1950) ** 2 + rng.gauss(0, 0.6), 2, 0),
    # A rate constant against the absolute temperature, 290 to 310 K.
    ("kelvin_arrhenius.csv", 8314, 60, lambda i, rng: round(rng.uniform(290.0, 310.0), 2),
     lambda x, rng: 2.0e8 * math.exp(-55000.0 / (8.314 * x)) * (1 + rng.gauss(0, 0.02)), 6, 2),
    # A seasonal reading against the Julian date, 2,460,000 onwards.
    ("julian_dates.csv", 2460000, 40, lambda i, rng: 2460000.5 + round(rng.uniform(0.0, 400.0), 2),
     lambda x, rng: 50.0 + 0.1 * (x - 2460000.5) - 2.0e-4 * (x - 2460000.5) ** 2 + rng.gauss(0, 0.5), 3, 2),
    # A response against a frequency reading near 1 MHz, within 1 kHz.
    ("reading_1e6.csv", 1000000, 50, lambda i, rng: round(1.0e6 + rng.uniform(-1000.0, 1000.0), 1),
     lambda x, rng: 20.0 + 3.0e-3 * (x - 1.0e6) + 2.0e-6 * (x - 1.0e6) ** 2 + rng.gauss(0, 0.05), 4, 1),
    # The period of a pendulum against its length.
    ("pendulum.csv", 981, 40, lambda i, rng: round(rng.uniform(0.2, 2.0), 3),
     lambda x, rng: 2 * math.pi * math.sqrt(x / 9.81) * (1 + rng.gauss(0, 0.005)), 4, 3),
    # A rate that saturates with the concentration (Michaelis and Menten).
    ("saturating.csv", 1913, 40, lambda i, rng: round(rng.uniform(0.1, 20.0), 2),
     lambda x, rng: 12.0 * x / (2.5 + x) * (1 + rng.gauss(0, 0.01)), 3, 2),
]


def write(name, seed, points, x_of, y_of, y_digits, x_digits):
    rng = random.Random(seed)
    rows = []
    for i in range(points):
        x = x_of(i, rng)
        rows.append((x, y_of(x, rng)))
    lines = ["Y,X1"] + [f"{y:.{y_digits}f},{x:.{x_digits}f}" for x, y in sorted(rows)]
    (HERE / "sheets" / name).write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    for sheet in SHEETS:
        write(*sheet)
