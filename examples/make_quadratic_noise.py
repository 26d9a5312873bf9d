#!/usr/bin/env python3
"""Writes quadratic_noise.csv for README's section on confidence and
prediction bands: 20 readings of Y = 2 + 0.5 X1 + 0.1 X1^2 at X1 from 1 to
10, each with normal noise of standard deviation 0.3. The law's own equation
Y = aX1 + bX1^2 + c is among the best found, and its bands are wide enough
to see."""
from simulated_noise import Noise


def main():
    noise = Noise(36)
    with open("quadratic_noise.csv", "w", newline="") as out:
        out.write("Y,X1\n")
        for i in range(20):
            x = 1.0 + 9.0 * i / 19
            y = 2.0 + 0.5 * x + 0.1 * x * x + 0.3 * noise.gaussian()
            out.write(f"{y:.4f},{x:.4f}\n")


if __name__ == "__main__":
    main()
