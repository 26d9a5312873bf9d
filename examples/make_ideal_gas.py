#!/usr/bin/env python3
"""Writes ideal_gas.csv: simulated laboratory readings of an ideal gas.

Y  pressure in kPa, as read from a gauge with about 0.5 % random error
X1 temperature in K
X2 volume in L
X3 amount of gas in mol

The true law is P = n R T / V with R = 8.314 J/(mol K), so the best equation
is ln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d with a = 1, b = -1, c = 1.
A fixed linear congruential generator makes the file the same on every run.
"""
from simulated_noise import Noise

noise = Noise(20261208)
uniform, gaussian = noise.uniform, noise.gaussian

rows = []
for _ in range(40):
    temperature = round(250.0 + 150.0 * uniform(), 1)
    volume = round(5.0 + 20.0 * uniform(), 2)
    amount = round(0.5 + 1.5 * uniform(), 3)
    pressure = 8.314 * amount * temperature / volume * (1.0 + 0.005 * gaussian())
    rows.append((round(pressure, 2), temperature, volume, amount))

with open("ideal_gas.csv", "w", newline="\n") as out:
    out.write("Y,X1,X2,X3\n")
    for row in rows:
        out.write("%.2f,%.1f,%.2f,%.3f\n" % row)
