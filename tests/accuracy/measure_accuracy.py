#!/usr/bin/env python3
"""Measures how far a build's search lies from the exact fits, at Maximum
Terms 5, and prints it as a table: per sheet, how many of the listed top 50
have an R squared off by more than 1e-6, the worst R squared error among
them, the correct digits of their coefficients (each entry counted by its
worst coefficient; least and median), and how many of the exact top 50 the
whole list of 1000 lacks (those the tool refuses as unresolvable counted
apart). Then the correct digits of the tool's coefficients on NIST's
certified Longley data.

    measure_accuracy.py --cli build/cli/regrovantis-cli --candidates build/tests/accuracy/list_candidates
"""

import math
import statistics
from decimal import Decimal

from cli_tool import parse_build_arguments
from equation_text import parse_equation
from exact_fit import ExactFitter, read_sheet
from exact_results import (CONTROL_CASES, OFFSET_CASES, SHEETS, correct_digits, exact_ranking,
                           listable_candidates, read_exact)

MAX_TERMS = 5
TOP = 50
OFF = Decimal("1e-6")
ROWS = OFFSET_CASES + [case for case in CONTROL_CASES if case.name in ("pendulum", "saturating")]

# NIST StRD, Longley.dat: the certified estimates of Y on X1 ... X6 and the
# constant (b1 ... b6, then b0), as Apache Commons Math's test of its least
# squares quotes them (repository apache/commons-math, file
# src/test/java/org/apache/commons/math3/stat/regression/OLSMultipleLinearRegressionTest.java).
LONGLEY_EQUATION = "Y = aX1 + bX2 + cX3 + dX4 + eX5 + fX6 + g"
LONGLEY_CERTIFIED = [Decimal(v) for v in ("15.0618722713733", "-0.358191792925910E-01", "-2.02022980381683",
                                          "-1.03322686717359", "-0.511041056535807E-01", "1829.15146461355",
                                          "-3482258.63459582")]


def exact_file_for(case, list_candidates):
    """The exact fits of a case at Maximum Terms 5: those kept for the test's
    shape when the program enumerates the same candidates at both (a sheet
    of one variable has no candidate that Maximum Terms 5 adds to 4)."""
    variables = len(read_sheet(case.sheet).x)
    if listable_candidates(list_candidates, variables, MAX_TERMS) != \
            listable_candidates(list_candidates, variables, case.max_terms):
        raise SystemExit(f"{case.name}: no exact fits at Maximum Terms {MAX_TERMS}; add the case to make_exact.py")
    return read_exact(case.exact_file)


def entry_digits(statistics_of_entry, exact_entry):
    return min(correct_digits(p, x) for p, x in zip(statistics_of_entry.coefficients, exact_entry.coefficients))


def measure(case, tool, exact):
    listed = tool.search(case.sheet, MAX_TERMS)
    top = listed[:TOP]
    errors = []
    for entry in top:
        e = exact.get(entry.text)
        errors.append(abs(Decimal(entry.r_squared) - e.r_squared) if e and e.listable else Decimal("Infinity"))
    report = tool.statistics(case.sheet, MAX_TERMS, [entry.ordinal for entry in top])
    digits = [entry_digits(report[entry.ordinal], exact[entry.text]) if exact.get(entry.text) and
              exact[entry.text].listable and report[entry.ordinal].exit_status == 0 else -math.inf
              for entry in top]
    listed_texts = {entry.text for entry in listed}
    missing = [e for e in exact_ranking(exact)[:TOP] if e.text not in listed_texts]
    refused = tool.statistics(case.sheet, MAX_TERMS, [e.ordinal for e in missing])
    refusals = sum(1 for e in missing if refused[e.ordinal].refused_as_unresolvable)
    return {
        "off": sum(1 for error in errors if error > OFF),
        "worst": max(errors),
        "digits": (min(digits), statistics.median(digits)),
        "missing": len(missing),
        "refused": refusals,
        "points": len(read_sheet(case.sheet).y),
    }


def row(case, figures):
    worst = f"{figures['worst']:.1e}" if figures["worst"].is_finite() else "no exact fit"
    missing = f"{figures['missing']} of {TOP}" + (f" ({figures['refused']} refused)" if figures["refused"] else "")
    least, median = (round(d, 1) + 0.0 for d in figures["digits"])  # no "-0.0"
    return (f"| {case.title} ({figures['points']}) | {figures['off']} | {worst} | {least:.1f} / {median:.1f} "
            f"| {missing} |")


def longley(tool, list_candidates):
    sheet = SHEETS / "longley.csv"
    ordinal = next(o for o, text in listable_candidates(list_candidates, 6, 7, "1") if text == LONGLEY_EQUATION)
    result = tool.statistics(sheet, 7, [ordinal], sets="1")[ordinal]
    exact = ExactFitter(read_sheet(sheet)).fit(parse_equation(LONGLEY_EQUATION))
    program = [correct_digits(p, c) for p, c in zip(result.coefficients, LONGLEY_CERTIFIED)]
    reference = [correct_digits(float(x), c) for x, c in zip(exact.coefficients, LONGLEY_CERTIFIED)]
    names = "abcdefg"
    print(f"\nNIST's certified Longley data (16 points), {LONGLEY_EQUATION}, Set 1, Maximum Terms 7, "
          f"ordinal {ordinal}:")
    print("| Coefficient | " + " | ".join(names) + " | min / median |")
    print("|---|" + "---|" * (len(names) + 1))
    for title, digits in (("the tool's correct digits", program), ("exact fit (check of the reference)", reference)):
        print(f"| {title} | " + " | ".join(f"{d:.1f}" for d in digits)
              + f" | {min(digits):.1f} / {statistics.median(digits):.1f} |")


def main():
    tool, candidates = parse_build_arguments(__doc__)
    print(f"Maximum Terms {MAX_TERMS}, all six sets, against the exact fits of every candidate; coefficient digits "
          "are -log10 of the relative error (at most 15), each entry counted by its worst coefficient.\n")
    print(f"| Sheet (points) | Listed top-{TOP} R² off by > 1e-6 | Worst R² error | Coefficient digits of listed "
          f"entries (min / median) | Exact top {TOP} missing from the whole list of 1000 |")
    print("|---|---|---|---|---|")
    for case in ROWS:
        exact = exact_file_for(case, candidates)
        print(row(case, measure(case, tool, exact)), flush=True)
    longley(tool, candidates)


if __name__ == "__main__":
    main()
