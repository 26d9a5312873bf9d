#!/usr/bin/env python3
"""Records the lists of a build's search on the sheets without offsets into
expected/, which the accuracy test compares later builds with. They were
recorded from the search as it was before its fit was rebuilt on an
orthogonal factorisation.

    python3 record_lists.py --cli build/cli/regrovantis-cli
"""

import argparse

from cli_tool import Tool
from exact_results import CONTROL_CASES


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--cli", required=True)
    tool = Tool(parser.parse_args().cli)
    for case in CONTROL_CASES:
        listed = tool.search(case.sheet, case.max_terms)
        case.expected_file.parent.mkdir(exist_ok=True)
        case.expected_file.write_text("".join(f"{e.r_squared!r}\t{e.ordinal}\t{e.text}\n" for e in listed))
        print(f"{case.expected_file.name}: {len(listed)} entries")


if __name__ == "__main__":
    main()
