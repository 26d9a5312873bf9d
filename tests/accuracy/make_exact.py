#!/usr/bin/env python3
"""Computes the exact fit of every candidate of each accuracy case and writes
exact/NAME.mtM.tsv.gz. It takes a minute or two a sheet on two cores (the
bundled example's three variables take longer); the test only reads the files.

    python3 make_exact.py --candidates build/tests/accuracy/list_candidates [NAME ...]
"""

import argparse
import multiprocessing
import time

from equation_text import parse_equation
from exact_fit import ExactFitter, read_sheet
from exact_results import CASES, ExactEntry, listable_candidates, write_exact

_fitter = None


def _start_worker(sheet_path):
    global _fitter
    _fitter = ExactFitter(read_sheet(sheet_path))


def _fit(candidate):
    ordinal, text = candidate
    fit = _fitter.fit(parse_equation(text))
    return ExactEntry(ordinal, fit.status, fit.r_squared, fit.coefficients, text)


def compute(list_candidates, sheet_path, max_terms, out, workers):
    started = time.monotonic()
    variables = len(read_sheet(sheet_path).x)
    candidates = listable_candidates(list_candidates, variables, max_terms)
    with multiprocessing.Pool(workers, _start_worker, (str(sheet_path),)) as pool:
        entries = pool.map(_fit, candidates, chunksize=64)
    write_exact(out, entries)
    print(f"{out.name}: {len(entries)} equation texts in {time.monotonic() - started:.0f} s")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--candidates", required=True, help="the list_candidates program of a build")
    parser.add_argument("--workers", type=int, default=multiprocessing.cpu_count())
    parser.add_argument("names", nargs="*", help="cases to compute (default all)")
    arguments = parser.parse_args()
    for case in CASES:
        if not arguments.names or case.name in arguments.names:
            compute(arguments.candidates, case.sheet, case.max_terms, case.exact_file, arguments.workers)


if __name__ == "__main__":
    main()
