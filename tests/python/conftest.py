"""What the module's tests share: the command-line tool they compare with, and sheets."""

import json
import os
import subprocess
from pathlib import Path

import numpy as np
import pytest

SOURCE_DIR = Path(os.environ.get("REGROVANTIS_SOURCE_DIR", Path(__file__).resolve().parents[2]))
CLI = os.environ.get("REGROVANTIS_CLI", "regrovantis-cli")


def pytest_configure(config):
    config.addinivalue_line("markers", "timing: holds a wall-clock limit; run alone on a quiet machine")


def run_cli(*words, check=True):
    """The tool's run, its output decoded with its line ends as written."""
    done = subprocess.run([CLI, *map(str, words)], capture_output=True)
    done.stdout, done.stderr = done.stdout.decode(), done.stderr.decode()
    if check and done.returncode != 0:
        raise AssertionError(f"regrovantis-cli {' '.join(map(str, words))} failed: {done.stderr}")
    return done


def cli_json(*words):
    return json.loads(run_cli(*words).stdout)


def write_sheet_csv(path, rows):
    """A .csv file as the program exports a sheet: Y, X1 ... every number read back exactly."""
    rows = np.asarray(rows, dtype=np.float64)
    header = ",".join(["Y"] + [f"X{k}" for k in range(1, rows.shape[1])])
    lines = [header] + [",".join(repr(float(v)) for v in row) for row in rows]
    Path(path).write_text("\n".join(lines) + "\n")
    return path


def law_sheet(points, variables, seed, law):
    """points rows of positive X values and Y = law(X) with 1 % noise, from a fixed seed."""
    generator = np.random.default_rng(seed)
    x = generator.uniform(0.5, 5.0, size=(points, variables))
    y = law(x) * (1.0 + 0.01 * generator.standard_normal(points))
    return np.column_stack([y, x])


# The sheets the module is compared with the tool on, beside the bundled example:
# a power law, a sheet with zero and negative values (transforms and terms leave
# their ranges) and one with two nearly collinear columns (the rank test refuses).
def _signed_sheet():
    sheet = law_sheet(30, 2, 2, lambda x: 3.0 + x[:, 0] - 2.0 * x[:, 1])
    sheet[:, 1] -= 2.0
    sheet[3, 1] = 0.0
    return sheet


def _collinear_sheet():
    sheet = law_sheet(25, 3, 3, lambda x: 1.0 + x[:, 0] * x[:, 1])
    sheet[:, 3] = sheet[:, 1] * (1.0 + 1e-15 * np.arange(25))
    return sheet


TEST_SHEETS = {
    "power_law": law_sheet(40, 3, 1, lambda x: 2.0 * x[:, 0] ** 1.5 / x[:, 1] + x[:, 2]),
    "signed": _signed_sheet(),
    "collinear": _collinear_sheet(),
}


@pytest.fixture(scope="session")
def example_frame():
    import pandas as pd

    return pd.read_csv(SOURCE_DIR / "examples" / "ideal_gas.csv", float_precision="round_trip")
