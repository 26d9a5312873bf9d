#!/usr/bin/env python3
"""Writes fit_criteria_reference.h: the extra fit statistics of three fits,
computed independently of the program in 120-digit decimal arithmetic with
nothing but the standard library.

Norris is the NIST StRD linear regression data set; the script checks its fit
against the certified values before writing anything, so a mistyped value
cannot slip through. The other two sets are made up: a plane in two variables,
and a curve fitted on the scale of ln(Y), whose criteria are on the scale of Y
while its confidence intervals are on the scale it is fitted on.

Definitions (n points, p terms, k = p + 1 coefficients, SSE and SST on the
scale of Y):
  adjusted R squared = 1 - (SSE / (n - p - 1)) / (SST / (n - 1))
  F = ((SST - SSE) / p) / (SSE / (n - p - 1)), P = P(F(p, n - p - 1) >= F)
  AICc = n ln(SSE / n) + 2k + 2k(k + 1) / (n - k - 1)
  BIC = n ln(SSE / n) + k ln(n)
  interval = coefficient -/+ t(0.975, n - p - 1) * standard error

Every data set has an even n - p - 1, for which the tail of Student's t has a
finite closed form, and p of 1 or 2, for which the tail of F has one too.

Run: python3 make_fit_criteria_reference.py > fit_criteria_reference.h
"""

from decimal import Decimal, getcontext

getcontext().prec = 120

NORRIS = """0.1 0.2
338.8 337.4
118.1 118.2
888.0 884.6
9.2 10.1
228.1 226.5
668.5 666.3
998.5 996.3
449.1 448.6
778.9 777.0
559.2 558.2
0.3 0.4
0.1 0.6
778.1 775.5
668.8 666.9
339.3 338.0
448.9 447.5
10.8 11.6
557.7 556.0
228.3 228.1
998.0 995.8
888.8 887.6
119.6 120.2
0.3 0.3
0.6 0.3
557.6 556.8
339.3 339.1
888.0 887.2
998.5 999.0
778.9 779.0
10.2 11.1
117.6 118.3
228.9 229.2
668.4 669.1
449.2 448.9
0.2 0.5"""

# The certified values of Norris: slope, intercept, their standard errors,
# the residual standard deviation, R squared and F.
NORRIS_CERTIFIED = {
    "slope": "1.00211681802045",
    "intercept": "-0.262323073774029",
    "slope_error": "0.429796848199937E-03",
    "intercept_error": "0.232818234301152",
    "residual_sd": "0.884796396144373",
    "r_squared": "0.999993745883712",
    "f": "5436385.54079785",
}

# Y, X1, X2: a plane 3 + 0.8 X1 - 1.7 X2 with made-up noise.
PLANE = """4.31 1 0.5
3.12 2 1.5
6.45 3 0.2
2.02 4 2.9
7.98 5 0.7
4.77 6 2.6
6.01 7 2.3
10.2 8 0.4
5.55 9 3.6
11.4 10 1.1
8.87 11 2.8"""

# Y, X1: a decay fitted as ln(Y) = a X1 + b.
DECAY = """91.2 0.5
73.9 1.0
61.7 1.5
49.2 2.0
41.8 2.5
33.1 3.0
28.4 3.5
22.0 4.0
18.9 4.5
15.1 5.0"""


def rows_of(text):
    return [[Decimal(v) for v in line.split()] for line in text.splitlines()]


def solve(matrix, vector):
    """Gauss-Jordan elimination with partial pivoting."""
    m = len(vector)
    a = [row[:] + [vector[i]] for i, row in enumerate(matrix)]
    for col in range(m):
        pivot = max(range(col, m), key=lambda r: abs(a[r][col]))
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(m):
            if r != col:
                f = a[r][col] / a[col][col]
                a[r] = [a[r][c] - f * a[col][c] for c in range(m + 1)]
    return [a[i][m] / a[i][i] for i in range(m)]


def inverse_diagonal(matrix):
    m = len(matrix)
    return [solve(matrix, [Decimal(1) if i == k else Decimal(0) for i in range(m)])[k] for k in range(m)]


def student_two_sided_p(t, df):
    """P(|T| >= t) for an even df: 1 - sin(theta) sum of cos(theta)^(2j) (2j-1)!!/(2j)!!."""
    assert df % 2 == 0
    t2 = t * t
    s = t / (df + t2).sqrt()
    c2 = df / (df + t2)
    total, term = Decimal(0), Decimal(1)
    for j in range(df // 2):
        total += term
        term *= c2 * (2 * j + 1) / (2 * j + 2)
    return 1 - s * total


def student_critical(p, df):
    low, high = Decimal(0), Decimal(100)
    for _ in range(400):
        middle = (low + high) / 2
        if student_two_sided_p(middle, df) > p:
            low = middle
        else:
            high = middle
    return (low + high) / 2


def f_upper_p(f, d1, d2):
    if d1 == 1:
        return student_two_sided_p(f.sqrt(), d2)
    if d1 == 2:
        return (Decimal(d2) / (d2 + 2 * f)) ** (d2 // 2)
    raise ValueError("no closed form")


def least_squares(rows, columns, transform):
    """Least squares of transform(Y) on the columns of each row, the constant
    last: the design, X'X, the coefficients, the fitted values, the residual
    degrees of freedom and s^2."""
    design = [columns(row) + [Decimal(1)] for row in rows]
    ty = [transform(row[0]) for row in rows]
    m = len(design[0])
    xtx = [[sum(d[r] * d[c] for d in design) for c in range(m)] for r in range(m)]
    xty = [sum(d[r] * y for d, y in zip(design, ty)) for r in range(m)]
    coefficients = solve(xtx, xty)
    fitted = [sum(c * v for c, v in zip(coefficients, d)) for d in design]
    df = len(rows) - m
    s2 = sum((y - f) ** 2 for y, f in zip(ty, fitted)) / df
    return design, xtx, coefficients, fitted, df, s2


def fit(rows, columns, transform, back):
    """The fit's statistics and criteria on the scale of Y."""
    design, xtx, coefficients, fitted, df, s2 = least_squares(rows, columns, transform)
    n, p = len(rows), len(design[0]) - 1
    errors = [(s2 * g).sqrt() for g in inverse_diagonal(xtx)]
    y = [row[0] for row in rows]
    mean = sum(y) / n
    sse = sum((obs - back(f)) ** 2 for obs, f in zip(y, fitted))
    sst = sum((obs - mean) ** 2 for obs in y)
    k = p + 1
    f_stat = ((sst - sse) / p) / (sse / df)
    t = student_critical(Decimal("0.05"), df)
    return {
        "coefficients": coefficients,
        "errors": errors,
        "r_squared": 1 - sse / sst,
        "residual_sd": (sse / df).sqrt(),
        "adjusted_r_squared": 1 - (sse / df) / (sst / (n - 1)),
        "f_stat": f_stat,
        "f_p_value": f_upper_p(f_stat, p, df),
        "aicc": n * (sse / n).ln() + 2 * k + Decimal(2 * k * (k + 1)) / (n - k - 1),
        "bic": n * (sse / n).ln() + k * Decimal(n).ln(),
        "t_critical": t,
        "ci95": [(c - t * e, c + t * e) for c, e in zip(coefficients, errors)],
    }


def check_norris(result):
    certified = NORRIS_CERTIFIED
    got = {
        "slope": result["coefficients"][0],
        "intercept": result["coefficients"][1],
        "slope_error": result["errors"][0],
        "intercept_error": result["errors"][1],
        "residual_sd": result["residual_sd"],
        "r_squared": result["r_squared"],
        "f": result["f_stat"],
    }
    for name, value in got.items():
        expected = Decimal(certified[name])
        assert abs(value - expected) <= Decimal("1e-13") * abs(expected), (name, value, expected)


def number(value):
    return "{:.20e}".format(value).replace("e", "E")


def emit(name, text, result):
    print(f"inline const ReferenceFit k{name} = {{")
    print("    {")
    for row in text.splitlines():
        print("        {" + ", ".join(row.split()) + "},")
    print("    },")
    for key in ("adjusted_r_squared", "f_stat", "f_p_value", "aicc", "bic", "t_critical"):
        print(f"    {number(result[key])},  // {key}")
    print("    {")
    for low, high in result["ci95"]:
        print(f"        {{{number(low)}, {number(high)}}},")
    print("    },")
    print("};")
    print()


def main():
    norris = fit(rows_of(NORRIS), lambda r: [r[1]], lambda y: y, lambda v: v)
    check_norris(norris)
    plane = fit(rows_of(PLANE), lambda r: [r[1], r[2]], lambda y: y, lambda v: v)
    decay = fit(rows_of(DECAY), lambda r: [r[1]], lambda y: y.ln(), lambda v: v.exp())

    print("#pragma once")
    print()
    print("// Written by make_fit_criteria_reference.py; do not edit.")
    print()
    print("#include <utility>")
    print("#include <vector>")
    print()
    print("namespace rv::testing {")
    print()
    print("struct ReferenceFit {")
    print("  std::vector<std::vector<double>> rows;  // Y first, then X1, X2, ...")
    print("  double adjustedRSquared, fStat, fPValue, aicc, bic;")
    print("  double tCritical;  // the 97.5 % quantile of Student's t with n - p - 1 df")
    print("  std::vector<std::pair<double, double>> ci95;  // one per coefficient, the constant last")
    print("};")
    print()
    print("// NIST StRD Norris, Y = aX1 + b; its fit matches the certified values.")
    emit("Norris", NORRIS, norris)
    print("// Y = aX1 + bX2 + c.")
    emit("Plane", PLANE, plane)
    print("// ln(Y) = aX1 + b.")
    emit("Decay", DECAY, decay)
    print("}  // namespace rv::testing")


if __name__ == "__main__":
    main()
