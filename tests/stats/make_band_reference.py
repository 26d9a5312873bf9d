#!/usr/bin/env python3
"""Writes band_reference.h: the confidence and prediction bands of four fits
at every data point, computed independently of the program in 120-digit
decimal arithmetic from the normal equations, with the sheets and helpers of
make_fit_criteria_reference.py.

At a point with term values g (the constant's 1 last), C = (X'X)^-1 and
s^2 = SSE / (n - k) on the transformed scale:
  confidence half-width = t(level, n - k) sqrt(s^2 g'Cg)
  prediction half-width = t(level, n - k) sqrt(s^2 (1 + g'Cg))
and the ends on the scale of Y are the transformed ends mapped back, in
ascending order; a band of 1/Y that holds 0 has no ends (kNoEnd).

Run: python3 make_band_reference.py > band_reference.h
"""

from decimal import Decimal

from make_fit_criteria_reference import DECAY, NORRIS, PLANE, least_squares, rows_of, solve, student_critical


def bands(rows, columns, transform, back, level, holds_pole=lambda low, high: False):
    design, xtx, _, fitted, df, s2 = least_squares(rows, columns, transform)
    t = student_critical(1 - Decimal(level), df)
    points = []
    for d, f in zip(design, fitted):
        share = sum(a * b for a, b in zip(d, solve(xtx, d)))
        confidence = t * (s2 * share).sqrt()
        prediction = t * (s2 * (1 + share)).sqrt()
        ends = []
        for half in (confidence, prediction):
            if holds_pole(f - half, f + half):
                ends += [None, None]
            else:
                ends += sorted((back(f - half), back(f + half)))
        points.append([confidence, prediction] + ends)
    return points


def number(value):
    if value is None:
        return "kNoEnd"
    return "{:.20e}".format(value).replace("e", "E")


def emit(name, sheet, level, points):
    print(f"inline const ReferenceBands k{name}Bands = {{")
    print(f"    k{sheet}.rows,")
    print(f"    {level},")
    print("    {")
    for point in points:
        print("        {" + ", ".join(number(v) for v in point) + "},")
    print("    },")
    print("};")
    print()


def main():
    identity = lambda v: v  # noqa: E731
    norris = bands(rows_of(NORRIS), lambda r: [r[1]], identity, identity, "0.95")
    plane = bands(rows_of(PLANE), lambda r: [r[1], r[2]], identity, identity, "0.95")
    decay = bands(rows_of(DECAY), lambda r: [r[1]], lambda y: y.ln(), lambda v: v.exp(), "0.95")
    reciprocal = bands(rows_of(DECAY), lambda r: [r[1].sqrt()], lambda y: 1 / y, lambda v: 1 / v, "0.90",
                       lambda low, high: low <= 0 <= high)

    print("#pragma once")
    print()
    print("// Written by make_band_reference.py; do not edit.")
    print()
    print("#include <array>")
    print("#include <limits>")
    print("#include <vector>")
    print()
    print('#include "fit_criteria_reference.h"')
    print()
    print("namespace rv::testing {")
    print()
    print("inline constexpr double kNoEnd = std::numeric_limits<double>::quiet_NaN();")
    print()
    print("struct ReferenceBands {")
    print("  // The sheet of a fit of fit_criteria_reference.h: Y first, then X1, X2, ...")
    print("  const std::vector<std::vector<double>>& rows;")
    print("  double level;")
    print("  // Per point: the confidence and prediction half-widths on the transformed")
    print("  // scale, then the confidence band's low and high end and the prediction")
    print("  // band's on the scale of Y.")
    print("  std::vector<std::array<double, 6>> points;")
    print("};")
    print()
    print("// Y = aX1 + b on NIST StRD Norris.")
    emit("Norris", "Norris", "0.95", norris)
    print("// Y = aX1 + bX2 + c.")
    emit("Plane", "Plane", "0.95", plane)
    print("// ln(Y) = aX1 + b.")
    emit("Decay", "Decay", "0.95", decay)
    print("// 1/Y = a sqr(X1) + b at 90 %: the ends change places on the way back, and")
    print("// the prediction bands of the first two points hold 1/Y = 0.")
    emit("Reciprocal", "Decay", "0.90", reciprocal)
    print("}  // namespace rv::testing")


if __name__ == "__main__":
    main()
