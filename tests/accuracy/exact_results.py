"""The exact fits of every candidate of a sheet and a search shape, as the
files in exact/ keep them, and what the scripts share about them.

One line per equation text the program can list, at the first ordinal whose
candidate builds all its terms (the list keeps each text once, the first
found): the ordinal, the status (exact_fit's OK or the reason it cannot be
listed), and for a listable fit R squared to 17 significant digits and the
coefficients to 15 (more than the tests resolve) separated by blanks; then
the text. Compressed.
"""

import gzip
import math
import subprocess
from dataclasses import dataclass
from decimal import Decimal
from pathlib import Path

from exact_fit import OK

HERE = Path(__file__).resolve().parent
SHEETS = HERE / "sheets"
EXACT = HERE / "exact"
EXPECTED = HERE / "expected"
EXAMPLE = HERE.parent.parent / "examples" / "ideal_gas.csv"


@dataclass(frozen=True)
class Case:
    """A sheet and the Maximum Terms it is searched with."""

    name: str
    title: str
    sheet: Path
    max_terms: int
    offset: bool  # a variable with a large offset relative to its spread

    @property
    def exact_file(self):
        return EXACT / f"{self.name}.mt{self.max_terms}.tsv.gz"

    @property
    def expected_file(self):
        return EXPECTED / f"{self.name}.mt{self.max_terms}.tsv"


OFFSET_CASES = [
    Case("years_cubic", "calendar years 1950-2023, cubic trend", SHEETS / "years_cubic.csv", 4, True),
    Case("years_quadratic", "calendar years, quadratic trend", SHEETS / "years_quadratic.csv", 4, True),
    Case("kelvin_arrhenius", "absolute temperature 290-310 K, Arrhenius", SHEETS / "kelvin_arrhenius.csv", 4, True),
    Case("julian_dates", "X near 2,460,000 (Julian dates)", SHEETS / "julian_dates.csv", 4, True),
    Case("reading_1e6", "X near 1e6 +- 1e3", SHEETS / "reading_1e6.csv", 4, True),
]
CONTROL_CASES = [
    Case("pendulum", "pendulum (control)", SHEETS / "pendulum.csv", 4, False),
    Case("saturating", "saturating law (control)", SHEETS / "saturating.csv", 4, False),
    Case("ideal_gas", "ideal gas, the bundled example (control)", EXAMPLE, 3, False),
]
CASES = OFFSET_CASES + CONTROL_CASES


@dataclass
class ExactEntry:
    ordinal: int
    status: str
    r_squared: Decimal  # None when there is no fit
    coefficients: tuple  # Decimal
    text: str

    @property
    def listable(self):
        return self.status == OK


def listable_candidates(list_candidates, variables, max_terms, sets=None):
    """(ordinal, text) of the first candidate of each text that builds all its
    terms, in ordinal order, from the program's own enumeration."""
    command = [str(list_candidates), str(variables), str(max_terms)] + ([sets] if sets else [])
    output = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    seen = set()
    candidates = []
    for line in output.splitlines():
        ordinal, always_faults, text = line.split("\t")
        if always_faults == "0" and text not in seen:
            seen.add(text)
            candidates.append((int(ordinal), text))
    return candidates


def write_exact(path, entries):
    lines = []
    for e in entries:
        # Only a listable fit's numbers are ever compared.
        r_squared = f"{e.r_squared:.16e}" if e.listable else ""
        coefficients = " ".join(f"{c:.14e}" for c in e.coefficients) if e.listable else ""
        lines.append(f"{e.ordinal}\t{e.status}\t{r_squared}\t{coefficients}\t{e.text}\n")
    path.parent.mkdir(exist_ok=True)
    # No time in the header: the same fits give the same bytes.
    with open(path, "wb") as raw, gzip.GzipFile(fileobj=raw, mode="wb", compresslevel=9, mtime=0) as packed:
        packed.write("".join(lines).encode())


def read_exact(path):
    """The exact entries of a file, by equation text."""
    entries = {}
    with gzip.open(path, "rt") as stream:
        for line in stream:
            ordinal, status, r_squared, coefficients, text = line.rstrip("\n").split("\t")
            entries[text] = ExactEntry(
                int(ordinal),
                status,
                Decimal(r_squared) if r_squared else None,
                tuple(Decimal(c) for c in coefficients.split()),
                text,
            )
    return entries


def exact_ranking(entries):
    """The listable entries, best R squared first (ties by ordinal)."""
    return sorted((e for e in entries.values() if e.listable), key=lambda e: (-e.r_squared, e.ordinal))


DIGITS_CAP = 15.0  # as many digits as the exact files keep


def correct_digits(program, exact, scale=None):
    """-log10 of the relative error of a coefficient, at most DIGITS_CAP;
    -inf when the program gave no number. An exact coefficient of 0 has no
    relative error: its error is taken relative to scale, the size the
    coefficient would need for its term to matter as much as the whole fit."""
    if program is None or not math.isfinite(program):
        return -math.inf
    error = abs(Decimal(program) - exact)
    reference = abs(exact) if exact != 0 else scale
    if error == 0:
        return DIGITS_CAP
    return min(DIGITS_CAP, -float((error / reference).log10()))
