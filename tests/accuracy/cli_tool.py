"""Runs the command-line tool: a search's list and the statistics of single
equations, several at a time."""

import argparse
import json
import os
import subprocess
from concurrent.futures import ThreadPoolExecutor
from dataclasses import dataclass

# What the tool says of a candidate whose fit double precision cannot resolve.
UNRESOLVABLE = "cannot be resolved in double precision"


@dataclass
class Listed:
    r_squared: float
    ordinal: int
    text: str


@dataclass
class Statistics:
    exit_status: int
    coefficients: list  # float, or None where the tool wrote no number
    r_squared: float
    message: str  # what the tool wrote to standard error

    @property
    def refused_as_unresolvable(self):
        return self.exit_status == 1 and UNRESOLVABLE in self.message


class Tool:
    def __init__(self, cli):
        self.cli = str(cli)

    def search(self, sheet, max_terms):
        """The whole list of a search, best first."""
        command = [self.cli, "search", str(sheet), "--max-terms", str(max_terms), "--json", "--quiet"]
        output = subprocess.run(command, check=True, capture_output=True, text=True).stdout
        return [Listed(e["r_squared"], e["ordinal"], e["equation"]) for e in json.loads(output)["equations"]]

    def statistics(self, sheet, max_terms, ordinals, sets=None):
        """The statistics of each ordinal, by ordinal; the runs share the cores."""
        options = ["--max-terms", str(max_terms), "--json"] + (["--sets", sets] if sets else [])

        def run(ordinal):
            command = [self.cli, "stats", str(sheet), "--ordinal", str(ordinal)] + options
            done = subprocess.run(command, capture_output=True, text=True)
            if done.returncode != 0:
                return ordinal, Statistics(done.returncode, [], None, done.stderr)
            report = json.loads(done.stdout)
            return ordinal, Statistics(0, report["coefficients"], report["r_squared"], done.stderr)

        # Starting a run waits on the disk and the loader as much as on a core.
        with ThreadPoolExecutor(max_workers=2 * (os.cpu_count() or 1)) as pool:
            return dict(pool.map(run, sorted(set(ordinals))))


def parse_build_arguments(description):
    """The tool and the list_candidates program of the build a script runs on."""
    parser = argparse.ArgumentParser(description=description, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", required=True, help="the command-line tool, regrovantis-cli")
    parser.add_argument("--candidates", required=True, help="the list_candidates program of the same build")
    arguments = parser.parse_args()
    return Tool(arguments.cli), arguments.candidates
