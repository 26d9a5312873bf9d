#!/usr/bin/env python3
"""Times searches through the Python module and through the tool, and the module's import.

Usage: PYTHONPATH=build/python python3 bench/python_search.py [build/cli/regrovantis-cli]
For the bundled example (21 runs) and the 15-variable sheet of the search
benchmark with Maximum Terms 6 (9 runs) it prints the median wall-clock time
of the module's search() on the sheet read with pandas and of the tool's whole
run (`search FILE --json --quiet`), the two taken in turn so that a machine
busy with other work slows both alike; then that of a fresh interpreter that
imports the module and of one that does nothing.
"""
import statistics
import subprocess
import sys
import time
from pathlib import Path

import pandas as pd

import regrovantis

source = Path(__file__).resolve().parents[1]
tool = sys.argv[1] if len(sys.argv) > 1 else "build/cli/regrovantis-cli"
CASES = [(source / "examples" / "ideal_gas.csv", 5, 21), (source / "bench" / "synthetic_15.csv", 6, 9)]


def seconds(work):
    start = time.perf_counter()
    work()
    return time.perf_counter() - start


def median_ms(*works, runs):
    """The median time of each work, the works run in turn runs times."""
    times = [[seconds(work) for work in works] for _ in range(runs)]
    return [statistics.median(column) * 1000 for column in zip(*times)]


for path, max_terms, runs in CASES:
    frame = pd.read_csv(path, float_precision="round_trip")
    words = [tool, "search", str(path), "--max-terms", str(max_terms), "--json", "--quiet"]
    module, command = median_ms(lambda: regrovantis.search(frame, max_terms=max_terms),
                                lambda: subprocess.run(words, check=True, stdout=subprocess.DEVNULL), runs=runs)
    print(f"{path.name}, max_terms {max_terms}: module {module:.1f} ms, tool {command:.1f} ms")

imports, bare = median_ms(lambda: subprocess.run([sys.executable, "-c", "import regrovantis"], check=True),
                          lambda: subprocess.run([sys.executable, "-c", "pass"], check=True), runs=21)
print(f"interpreter importing regrovantis {imports:.1f} ms, doing nothing {bare:.1f} ms")
