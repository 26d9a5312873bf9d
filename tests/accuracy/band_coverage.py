#!/usr/bin/env python3
"""The Monte-Carlo check of the confidence and prediction bands, run once by
hand (it takes about a minute); README gives its result.

Replicates of a sheet from a known law, Y = 2 + 0.5 X1 + 0.1 X1^2 with
normal noise of known sigma 0.3 at 20 fixed X1 from 1 to 10, are fitted as
Y = aX1 + bX1^2 + c by `regrovantis-cli stats --ordinal K --json`. At every
point the confidence band should hold the law's true value, and the
prediction band a new observation drawn from the same law, in the band's
level of all cases.

Run: python3 band_coverage.py path/to/regrovantis-cli [--replicates 2000]
"""

import argparse
import json
import os
import random
import subprocess
import tempfile

POINTS = [1.0 + 9.0 * i / 19 for i in range(20)]
SIGMA = 0.3
EQUATION = "Y = aX1 + bX1^2 + c"


def law(x):
    return 2.0 + 0.5 * x + 0.1 * x * x


def ordinal_of(cli, text):
    """The ordinal of the equation among those of one variable, set 1, Maximum Terms 3."""
    for ordinal in range(1, 200):
        found = subprocess.run([cli, "equation", str(ordinal), "--vars", "1", "--max-terms", "3", "--sets", "1"],
                               capture_output=True, text=True, check=True).stdout.strip()
        if found == text:
            return ordinal
    raise SystemExit(f"no ordinal for {text}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--replicates", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=20261209)
    arguments = parser.parse_args()
    ordinal = ordinal_of(arguments.cli, EQUATION)
    noise = random.Random(arguments.seed)
    confidence_hits = prediction_hits = cases = 0
    level = None
    with tempfile.TemporaryDirectory() as folder:
        sheet = os.path.join(folder, "replicate.csv")
        for _ in range(arguments.replicates):
            with open(sheet, "w") as out:
                out.write("Y,X1\n")
                for x in POINTS:
                    out.write(f"{law(x) + noise.gauss(0.0, SIGMA)!r},{x!r}\n")
            result = subprocess.run([arguments.cli, "stats", sheet, "--ordinal", str(ordinal), "--max-terms", "3",
                                     "--sets", "1", "--json"], capture_output=True, text=True, check=True)
            statistics = json.loads(result.stdout)
            assert statistics["equation"].strip() == EQUATION, statistics["equation"]
            level = statistics["band_level"]
            for x, row in zip(POINTS, statistics["residuals"]):
                new = law(x) + noise.gauss(0.0, SIGMA)
                confidence_hits += row["conf_low"] <= law(x) <= row["conf_high"]
                prediction_hits += row["pred_low"] <= new <= row["pred_high"]
                cases += 1
    print(f"{arguments.replicates} replicates of {len(POINTS)} points, level {level:g}, equation {EQUATION}")
    print(f"confidence band holds the true curve: {confidence_hits} of {cases} = {100.0 * confidence_hits / cases:.2f} %")
    print(f"prediction band holds a new point:    {prediction_hits} of {cases} = {100.0 * prediction_hits / cases:.2f} %")


if __name__ == "__main__":
    main()
