#!/usr/bin/env python3
"""Times searches through the Python module and through the tool, and the module's import.

Usage: PYTHONPATH=build/python python3 bench/python_search.py [build/cli/regrovantis-cli]
For the bundled example (21 runs) and the 15-variable sheet of the search
benchmark with Maximum Terms 6 (5 runs) it prints the median wall-clock time
of the module's search() on the sheet read with pandas and of the tool's whole
run (`search FILE --json --quiet`), then that of a fresh interpreter that
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
CASES = [(source / "examples" / "ideal_gas.csv", 5, 21), (source / "bench" / "synthetic_15.csv", 6, 5)]


def median_seconds(work, runs):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        work()
        times.append(time.perf_counter() - start)
    return statistics.median(times)


for path, max_terms, runs in CASES:
    frame = pd.read_csv(path, float_precision="round_trip")
    module = median_seconds(lambda: regrovantis.search(frame, max_terms=max_terms), runs)
    words = [tool, "search", str(path), "--max-terms", str(max_terms), "--json", "--quiet"]
    command = median_seconds(lambda: subprocess.run(words, check=True, stdout=subprocess.DEVNULL), runs)
    print(f"{path.name}, max_terms {max_terms}: module {module * 1000:.1f} ms, tool {command * 1000:.1f} ms")

imports = median_seconds(lambda: subprocess.run([sys.executable, "-c", "import regrovantis"], check=True), 21)
bare = median_seconds(lambda: subprocess.run([sys.executable, "-c", "pass"], check=True), 21)
print(f"interpreter importing regrovantis {imports * 1000:.1f} ms, doing nothing {bare * 1000:.1f} ms")
