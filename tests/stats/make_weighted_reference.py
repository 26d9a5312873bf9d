#!/usr/bin/env python3
"""Writes weighted_fit_reference.h: fits weighted by 1 / sigma^2 and their
leave-one-out statistics, computed independently of the program in 120-digit
decimal arithmetic with nothing but the standard library.

Each sheet holds Y, X1, X2 ... and the standard uncertainty sigma of Y. A fit
of T(Y) (Y itself, or ln Y) weights each point by 1 / sigma_T^2 with
sigma_T = |dT/dY| sigma (sigma / Y for ln Y), so that with W = diag(w):
  coefficients b = (X'WX)^-1 X'W t
  standard errors = sqrt(s^2 diag((X'WX)^-1)), s^2 = sum w (t - Xb)^2 / (n - k)
  hat values h_i = w_i x_i' (X'WX)^-1 x_i
  leave-one-out fitted value t_i - (t_i - x_i'b) / (1 - h_i)
and on the scale of Y, each square weighted by 1 / sigma^2:
  chi squared = sum ((y - T^-1(x'b)) / sigma)^2
  SST = sum ((y - ybar) / sigma)^2 about the weighted mean ybar
  R squared = 1 - chi^2 / SST, adjusted = 1 - (chi^2 / (n - k)) / (SST / (n - 1))
  AICc = n ln(chi^2 / n) + 2k + 2k(k + 1) / (n - k - 1), BIC = n ln(chi^2 / n) + k ln n
  PRESS = sum ((y - T^-1(leave-one-out fitted value)) / sigma)^2
  predicted R squared = 1 - PRESS / SST
The last sheet is fitted without weights (every sigma 1), where PRESS is the
plain sum of (e_i / (1 - h_i))^2.

Run: python3 make_weighted_reference.py > weighted_fit_reference.h
"""

from decimal import Decimal, getcontext

from make_fit_criteria_reference import rows_of, solve

getcontext().prec = 120

LINE = """4.8232 1 0.15
7.7130 2 0.25
11.2343 3 0.35
12.9677 4 0.45
16.9211 5 0.55
18.5335 6 0.65
23.8257 7 0.75
26.1725 8 0.85
30.2885 9 0.95
31.4706 10 1.05"""

PLANE = """1.0394 1.0 3 0.35
3.2285 1.5 1 0.25
1.9047 2.0 4 0.4
5.3363 2.5 1 0.25
2.9343 3.0 5 0.45
1.4695 3.5 9 0.65
7.8090 4.0 2 0.3
5.8288 4.5 6 0.5
7.3154 5.0 5 0.45
10.6663 5.5 3 0.35
9.5262 6.0 5 0.45
8.0479 6.5 8 0.6"""

DECAY = """5.02553 0.0 0.16
4.23082 0.5 0.1391
3.65746 1.0 0.1211
3.15116 1.5 0.1056
2.93099 2.0 0.0923
2.36366 2.5 0.0809
2.04531 3.0 0.071
1.79183 3.5 0.0625
1.61730 4.0 0.0552
1.28526 4.5 0.0489"""


def inverse(matrix):
    m = len(matrix)
    columns = [solve(matrix, [Decimal(1) if i == k else Decimal(0) for i in range(m)]) for k in range(m)]
    return [[columns[c][r] for c in range(m)] for r in range(m)]


def fit(rows, variables, log_y, weighted):
    """rows: Y, X1 .. Xvariables, sigma."""
    n = len(rows)
    design = [row[1:1 + variables] + [Decimal(1)] for row in rows]
    y = [row[0] for row in rows]
    sigma = [row[-1] if weighted else Decimal(1) for row in rows]
    t = [v.ln() if log_y else v for v in y]
    sigma_t = [s / abs(v) if log_y else s for s, v in zip(sigma, y)]
    back = (lambda v: v.exp()) if log_y else (lambda v: v)
    w = [1 / (s * s) for s in sigma_t]
    m = len(design[0])
    xtwx = [[sum(wi * d[r] * d[c] for wi, d in zip(w, design)) for c in range(m)] for r in range(m)]
    xtwt = [sum(wi * d[r] * ti for wi, d, ti in zip(w, design, t)) for r in range(m)]
    b = solve(xtwx, xtwt)
    g = inverse(xtwx)
    fitted = [sum(c * v for c, v in zip(b, d)) for d in design]
    k = m
    s2 = sum(wi * (ti - f) ** 2 for wi, ti, f in zip(w, t, fitted)) / (n - k)
    errors = [(s2 * g[j][j]).sqrt() for j in range(m)]
    hat = [wi * sum(d[r] * g[r][c] * d[c] for r in range(m) for c in range(m)) for wi, d in zip(w, design)]
    left_out = [ti - (ti - f) / (1 - h) for ti, f, h in zip(t, fitted, hat)]
    wy = [1 / (s * s) for s in sigma]
    mean = sum(wi * v for wi, v in zip(wy, y)) / sum(wy)
    chi2 = sum(((v - back(f)) / s) ** 2 for v, f, s in zip(y, fitted, sigma))
    sst = sum(((v - mean) / s) ** 2 for v, s in zip(y, sigma))
    press = sum(((v - back(f)) / s) ** 2 for v, f, s in zip(y, left_out, sigma))
    return {
        "coefficients": b[:-1] + [b[-1]],
        "errors": errors,
        "chi2": chi2,
        "r_squared": 1 - chi2 / sst,
        "adjusted_r_squared": 1 - (chi2 / (n - k)) / (sst / (n - 1)),
        "aicc": n * (chi2 / n).ln() + 2 * k + Decimal(2 * k * (k + 1)) / (n - k - 1),
        "bic": n * (chi2 / n).ln() + k * Decimal(n).ln(),
        "press": press,
        "predicted_r_squared": 1 - press / sst,
    }


def number(value):
    return "{:.20e}".format(value).replace("e", "E")


def emit(name, text, variables, log_y, weighted, rows_of_earlier=None):
    """rows_of_earlier: an earlier reference of the same sheet, whose rows this one shares."""
    result = fit(rows_of(text), variables, log_y, weighted)
    print(f"inline const WeightedReference kWeighted{name} = {{")
    print(f"    \"{name}\", {variables}, {'true' if log_y else 'false'}, {'true' if weighted else 'false'},")
    if rows_of_earlier:
        print(f"    kWeighted{rows_of_earlier}.rows,")
    else:
        print("    {")
        for row in text.splitlines():
            print("        {" + ", ".join(row.split()) + "},")
        print("    },")
    print("    {" + ", ".join(number(v) for v in result["coefficients"]) + "},")
    print("    {" + ", ".join(number(v) for v in result["errors"]) + "},")
    for key in ("chi2", "r_squared", "adjusted_r_squared", "aicc", "bic", "press", "predicted_r_squared"):
        print(f"    {number(result[key])},  // {key}")
    print("};")
    print()


def main():
    print("#pragma once")
    print()
    print("// Written by make_weighted_reference.py; do not edit.")
    print()
    print("#include <vector>")
    print()
    print("namespace rv::testing {")
    print()
    print("struct WeightedReference {")
    print("  const char* name;")
    print("  int variables;  // X1 .. Xvariables, each a term X, then the constant")
    print("  bool logY;      // fitted as ln(Y) =")
    print("  bool weighted;  // by 1 / sigma^2; without, sigma is left out of the sheet")
    print("  std::vector<std::vector<double>> rows;  // Y, X1 ..., sigma of Y")
    print("  std::vector<double> coefficients, stdErrors;  // the constant last")
    print("  double chiSquared, rSquared, adjustedRSquared, aicc, bic, press, predictedRSquared;")
    print("};")
    print()
    emit("Line", LINE, 1, False, True)
    emit("Plane", PLANE, 2, False, True)
    emit("Decay", DECAY, 1, True, True)
    emit("LineUnweighted", LINE, 1, False, False, rows_of_earlier="Line")
    print("inline std::vector<WeightedReference> WeightedReferences() { return {kWeightedLine, kWeightedPlane, kWeightedDecay, kWeightedLineUnweighted}; }")
    print()
    print("}  // namespace rv::testing")


if __name__ == "__main__":
    main()
