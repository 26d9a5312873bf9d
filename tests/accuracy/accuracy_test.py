#!/usr/bin/env python3
"""Holds the command-line tool's search to the exact fits in exact/.

On each sheet with an offset: every listed entry's R squared lies within 1e-9
of the exact one and its coefficients have at least 8 correct digits (asked
of the tool's statistics only where R squared passes, to spare the runs), and
every candidate among the exact 50 best is listed, or refused by the tool as
one that "cannot be resolved in double precision". On each sheet without an
offset the list equals the one recorded in expected/ to 1e-12; where it
differs, the test says which entries and why, and fails for a difference it
cannot explain.

    accuracy_test.py --cli build/cli/regrovantis-cli --candidates build/tests/accuracy/list_candidates
"""

import sys
import time
from decimal import Decimal

from cli_tool import UNRESOLVABLE, parse_build_arguments
from equation_text import parse_equation
from exact_fit import ExactFitter, read_sheet
from exact_results import CONTROL_CASES, OFFSET_CASES, correct_digits, exact_ranking, listable_candidates, read_exact

R_SQUARED_TOLERANCE = Decimal("1e-9")
COEFFICIENT_DIGITS = 8
TOP = 50
CONTROL_TOLERANCE = Decimal("1e-12")
EXAMPLES = 5  # entries shown of each kind of fault
NOTES = 20  # differences shown that are explained


class Report:
    def __init__(self, case):
        self.case = case
        self.failures = []  # (title, lines)
        self.notes = []

    def fail(self, title, lines=()):
        self.failures.append((title, list(lines)))

    def print(self):
        verdict = "FAILED" if self.failures else "passed"
        print(f"{self.case.name} (Maximum Terms {self.case.max_terms}): {verdict}")
        for title, lines in self.failures:
            print(f"  {title}")
            for line in lines[:EXAMPLES]:
                print(f"      {line}")
            if len(lines) > EXAMPLES:
                print(f"      ... and {len(lines) - EXAMPLES} more")
        for note in self.notes[:NOTES]:
            print(f"  note: {note}")
        if len(self.notes) > NOTES:
            print(f"  ... and {len(self.notes) - NOTES} more notes")


def check_enumeration(case, exact, list_candidates, report):
    """The exact file must describe the candidates the program enumerates."""
    variables = len(read_sheet(case.sheet).x)
    program = listable_candidates(list_candidates, variables, case.max_terms)
    stored = sorted((e.ordinal, e.text) for e in exact.values())
    if program != stored:
        first = next((p, s) for p, s in zip(program + [None], stored + [None]) if p != s)
        report.fail("the program's candidates differ from those of the exact file; run make_exact.py",
                    [f"program {first[0]}, exact file {first[1]}"])
        return False
    return True


def show(r_squared):
    """A value as the tool writes it, or "none"."""
    return "none" if r_squared is None else repr(float(r_squared))


def entry_line(rank, text, listed, exact):
    return f"#{rank} {text.strip()}: listed {listed:.10f}, exact {float(exact):.10f}"


def fitter_scales(case, text):
    return ExactFitter(read_sheet(case.sheet)).coefficient_scales(parse_equation(text))


def check_listed_entries(case, tool, listed, exact, report):
    """R squared within 1e-9 of the exact one, then, for the entries whose R
    squared passes (a wrong one fails the test already), coefficients of at
    least 8 correct digits."""
    off, unlisted, close = [], [], []
    for rank, entry in enumerate(listed, 1):
        e = exact.get(entry.text)
        if e is None or not e.listable:
            reason = e.status if e else "not a candidate of this shape"
            unlisted.append(f"#{rank} {entry.text.strip()}: exactly it has no listable fit ({reason})")
            continue
        error = abs(Decimal(entry.r_squared) - e.r_squared)
        if error > R_SQUARED_TOLERANCE:
            off.append((error, f"{entry_line(rank, entry.text, entry.r_squared, e.r_squared)}, off by {error:.1e}"))
        else:
            close.append((rank, entry, e))
    if unlisted:
        report.fail(f"{len(unlisted)} listed entries have no exact fit that may be listed", unlisted)
    if off:
        off.sort(key=lambda item: -item[0])
        report.fail(f"{len(off)} of {len(listed)} listed R squared values are off by more than "
                    f"{R_SQUARED_TOLERANCE:.0e} (worst {off[0][0]:.1e})", [line for _, line in off])
    check_coefficients(case, tool, close, report)


def check_coefficients(case, tool, entries, report):
    statistics = tool.statistics(case.sheet, case.max_terms, [entry.ordinal for _, entry, _ in entries])
    failed, few_digits = [], []
    for rank, entry, e in entries:
        s = statistics[entry.ordinal]
        if s.exit_status != 0:
            failed.append(f"#{rank} {entry.text.strip()}: stats exits {s.exit_status}: {s.message.strip()}")
            continue
        scales = fitter_scales(case, entry.text) if 0 in e.coefficients else [None] * len(e.coefficients)
        digits = min(correct_digits(p, x, scale) for p, x, scale in zip(s.coefficients, e.coefficients, scales))
        if digits < COEFFICIENT_DIGITS:
            shown = ", ".join(f"{p:.6g}" if p is not None else "none" for p in s.coefficients)
            exact_shown = ", ".join(f"{float(x):.6g}" for x in e.coefficients)
            few_digits.append((digits, f"#{rank} {entry.text.strip()}: {digits:.2f} digits ({shown}; exact "
                                       f"{exact_shown})"))
    if failed:
        report.fail(f"{len(failed)} listed entries have no statistics", failed)
    if few_digits:
        few_digits.sort(key=lambda item: item[0])
        report.fail(f"{len(few_digits)} of the {len(entries)} entries whose R squared passes have coefficients with "
                    f"fewer than {COEFFICIENT_DIGITS} correct digits (worst {few_digits[0][0]:.2f})",
                    [line for _, line in few_digits])


def check_best_are_listed(case, tool, listed, exact, report):
    listed_texts = {entry.text for entry in listed}
    best = exact_ranking(exact)[:TOP]
    missing = [(rank, e) for rank, e in enumerate(best, 1) if e.text not in listed_texts]
    statistics = tool.statistics(case.sheet, case.max_terms, [e.ordinal for _, e in missing])
    absent = []
    for rank, e in missing:
        s = statistics[e.ordinal]
        if s.refused_as_unresolvable:
            report.notes.append(f"exact #{rank} {e.text.strip()} is refused: {s.message.strip()}")
            continue
        why = f"stats exits {s.exit_status}: {s.message.strip()}" if s.exit_status else \
            f"not refused; its stats give R squared {show(s.r_squared)}"
        absent.append(f"exact #{rank} {e.text.strip()} (R squared {show(e.r_squared)}, ordinal {e.ordinal}): {why}")
    if absent:
        report.fail(f"{len(absent)} of the exact top {TOP} are missing from the list of {len(listed)}", absent)


def check_offset_case(case, tool, exact, report):
    listed = tool.search(case.sheet, case.max_terms)
    check_listed_entries(case, tool, listed, exact, report)
    check_best_are_listed(case, tool, listed, exact, report)


def read_expected(path):
    entries = []
    for line in path.read_text().splitlines():
        r_squared, ordinal, text = line.split("\t")
        entries.append((Decimal(r_squared), int(ordinal), text))
    return entries


def check_control_case(case, tool, exact, report):
    """The list recorded in expected/ from the search before its fit was
    rebuilt, within 1e-12. A value may differ where it is nearer the exact
    one than the recorded value and within 1e-9 of it; an entry may leave the
    list when the tool refuses it or it lies at the end of the list (within
    1e-9 of the last entry), and may join it at the end or where the
    recorded search missed it."""
    listed = tool.search(case.sheet, case.max_terms)
    recorded = {text: (r_squared, ordinal) for r_squared, ordinal, text in read_expected(case.expected_file)}
    now = {entry.text: (Decimal(entry.r_squared), entry.ordinal) for entry in listed}
    recorded_last = min(r for r, _ in recorded.values())
    now_last = min(r for r, _ in now.values())
    unexplained = []

    def exact_r_squared(text):
        e = exact.get(text)
        return e.r_squared if e and e.listable else None

    for text in sorted(set(recorded) & set(now), key=lambda t: -now[t][0]):
        then, current = recorded[text][0], now[text][0]
        if abs(then - current) <= CONTROL_TOLERANCE:
            continue
        truth = exact_r_squared(text)
        if truth is not None and abs(current - truth) < abs(then - truth) and \
                abs(current - truth) <= R_SQUARED_TOLERANCE:
            report.notes.append(f"{text.strip()}: off the exact R squared by {abs(then - truth):.1e} before, "
                                f"{abs(current - truth):.1e} now")
        else:
            unexplained.append(f"{text.strip()}: {show(then)} before, {show(current)} now, exact {show(truth)}")

    gone = sorted(set(recorded) - set(now), key=lambda t: -recorded[t][0])
    statistics = tool.statistics(case.sheet, case.max_terms, [recorded[t][1] for t in gone])
    for text in gone:
        r_squared, ordinal = recorded[text]
        truth = exact_r_squared(text)
        if statistics[ordinal].refused_as_unresolvable:
            report.notes.append(f"{text.strip()} left the list: the tool refuses it as one that {UNRESOLVABLE}")
        elif min(r_squared, truth if truth is not None else r_squared) <= now_last + R_SQUARED_TOLERANCE:
            report.notes.append(f"{text.strip()} left the list at its end ({show(r_squared)} before, exact "
                                f"{show(truth)}; the last entry now {show(now_last)})")
        else:
            unexplained.append(f"{text.strip()} left the list: {show(r_squared)} before, exact {show(truth)}, above "
                               f"the last entry now {show(now_last)}")

    for text in sorted(set(now) - set(recorded), key=lambda t: -now[t][0]):
        r_squared = now[text][0]
        truth = exact_r_squared(text)
        if r_squared <= recorded_last + R_SQUARED_TOLERANCE:
            report.notes.append(f"{text.strip()} joined the list at its end ({show(r_squared)}; the last entry "
                                f"before {show(recorded_last)})")
        elif truth is not None and truth > recorded_last and abs(r_squared - truth) <= R_SQUARED_TOLERANCE:
            report.notes.append(f"{text.strip()} joined the list: the search before missed it (exact {show(truth)})")
        else:
            unexplained.append(f"{text.strip()} joined the list with {show(r_squared)} (exact {show(truth)}), above "
                               f"the last entry before {show(recorded_last)}")
    if unexplained:
        report.fail(f"{len(unexplained)} differences from the recorded list that no exact fit, refusal or end of the "
                    "list explains", unexplained)


def main():
    tool, candidates = parse_build_arguments(__doc__)
    started = time.monotonic()
    reports = []
    for case in OFFSET_CASES + CONTROL_CASES:
        report = Report(case)
        exact = read_exact(case.exact_file)
        if check_enumeration(case, exact, candidates, report):
            (check_offset_case if case.offset else check_control_case)(case, tool, exact, report)
        report.print()
        reports.append(report)
    failed = [r.case.name for r in reports if r.failures]
    print(f"{len(reports) - len(failed)} of {len(reports)} sheets passed in {time.monotonic() - started:.0f} s"
          + (f"; failed: {', '.join(failed)}" if failed else ""))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
