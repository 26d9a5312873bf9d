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


def write(name, rows, y_digits, x_digits):
    lines = ["Y,X1"] + [f"{y:.{y_digits}f},{x:.{x_digits}f}" for x, y in sorted(rows)]
    (HERE / "sheets" / name).write_text("\n".join(lines) + "\n")


def years_cubic():
    """Yearly means of a temperature, 1950 to 2023, on a cubic trend."""
    rng = random.Random(1950)
    rows = []
    for year in range(1950, 2024):
        t = year - 1950
        rows.append((year, 13.9 + 0.002 * t - 1.2e-4 * t**2 + 2.6e-6 * t**3 + rng.gauss(0, 0.035)))
    write("years_cubic.csv", rows, 3, 0)


def years_quadratic():
    """Yearly means of a concentration, 1950 to 2023, on a quadratic trend."""
    rng = random.Random(1958)
    rows = []
    for year in range(1950, 2024):
        t = year - 1950
        rows.append((year, 311.0 + 0.75 * t + 0.0125 * t**2 + rng.gauss(0, 0.6)))
    write("years_quadratic.csv", rows, 2, 0)


def kelvin_arrhenius():
    """A rate constant against the absolute temperature, 290 to 310 K."""
    rng = random.Random(8314)
    rows = []
    for _ in range(60):
        kelvin = round(rng.uniform(290.0, 310.0), 2)
        rate = 2.0e8 * math.exp(-55000.0 / (8.314 * kelvin)) * (1 + rng.gauss(0, 0.02))
        rows.append((kelvin, rate))
    write("kelvin_arrhenius.csv", rows, 6, 2)


def julian_dates():
    """A seasonal reading against the Julian date, 2,460,000 onwards."""
    rng = random.Random(2460000)
    rows = []
    for _ in range(40):
        day = 2460000.5 + round(rng.uniform(0.0, 400.0), 2)
        t = day - 2460000.5
        rows.append((day, 50.0 + 0.1 * t - 2.0e-4 * t**2 + rng.gauss(0, 0.5)))
    write("julian_dates.csv", rows, 3, 2)


def reading_1e6():
    """A response against a frequency reading near 1 MHz, within 1 kHz."""
    rng = random.Random(1000000)
    rows = []
    for _ in range(50):
        hertz = round(1.0e6 + rng.uniform(-1000.0, 1000.0), 1)
        d = hertz - 1.0e6
        rows.append((hertz, 20.0 + 3.0e-3 * d + 2.0e-6 * d**2 + rng.gauss(0, 0.05)))
    write("reading_1e6.csv", rows, 4, 1)


def pendulum():
    """The period of a pendulum against its length."""
    rng = random.Random(981)
    rows = []
    for _ in range(40):
        length = round(rng.uniform(0.2, 2.0), 3)
        rows.append((length, 2 * math.pi * math.sqrt(length / 9.81) * (1 + rng.gauss(0, 0.005))))
    write("pendulum.csv", rows, 4, 3)


def saturating():
    """A rate that saturates with the concentration (Michaelis and Menten)."""
    rng = random.Random(1913)
    rows = []
    for _ in range(40):
        concentration = round(rng.uniform(0.1, 20.0), 2)
        rows.append((concentration, 12.0 * concentration / (2.5 + concentration) * (1 + rng.gauss(0, 0.01))))
    write("saturating.csv", rows, 3, 2)


if __name__ == "__main__":
    for make in (years_cubic, years_quadratic, kelvin_arrhenius, julian_dates, reading_1e6, pendulum, saturating):
        make()
