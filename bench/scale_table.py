#!/usr/bin/env python3
"""Measures how the search's time and memory grow with the number of points:
sheets of 1,000, 10,000 and 100,000 points of the benchmark's synthetic law
with 3, 5 and 15 variables, each searched by the tool in a process of its own
under /usr/bin/time. Prints a Markdown table: wall time, peak resident memory,
candidate-points a second and the time per point relative to 1,000 points.

With --repeat R each search runs R times and the table gives the median
wall time and the largest peak memory.

usage: scale_table.py TOOL [--points 1000,10000,100000] [--vars 3,5,15] [--repeat R]"""
import argparse, math, os, re, subprocess, sys, tempfile

MAX_TERMS = {3: 5, 5: 5, 15: 3}


def write_sheet(path, points, variables):
    state = 99
    def uniform():
        nonlocal state
        state = (state * 1103515245 + 12345) % 2**31
        return state / 2**31
    with open(path, "w") as out:
        out.write(",".join(["Y"] + ["X%d" % v for v in range(1, variables + 1)]) + "\n")
        for _ in range(points):
            x = [0.5 + 9.5 * uniform() for _ in range(15)]
            y = 3.0 + 2.0 * x[0] + 0.5 * x[1] * x[1] / x[2] + 4.0 * math.log(x[3]) + 0.1 * x[4] * x[5]
            y *= 1.0 + 0.01 * (uniform() - 0.5)
            out.write(",".join(["%.10g" % y] + ["%.10g" % v for v in x[:variables]]) + "\n")


def run(tool, path, max_terms):
    command = ["/usr/bin/time", "-v", tool, "search", path, "--max-terms", str(max_terms), "--json", "--quiet"]
    done = subprocess.run(command, capture_output=True, text=True, check=True)
    wall = re.search(r"Elapsed \(wall clock\) time \(h:mm:ss or m:ss\): (?:(\d+):)?(\d+):([\d.]+)", done.stderr)
    seconds = int(wall.group(1) or 0) * 3600 + int(wall.group(2)) * 60 + float(wall.group(3))
    peak_kb = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", done.stderr).group(1))
    candidates = int(re.search(r'"candidates":\s*(\d+)', done.stdout).group(1))
    return seconds, peak_kb, candidates


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("--points", default="1000,10000,100000")
    parser.add_argument("--vars", default="3,5,15")
    parser.add_argument("--repeat", type=int, default=1)
    args = parser.parse_args()
    points_list = [int(p) for p in args.points.split(",")]
    print("| Points | Variables | Maximum Terms | Candidates | Wall time | Peak memory | Candidate-points a second | Time a point, to 1,000 points' |")
    print("|---:|---:|---:|---:|---:|---:|---:|---:|")
    with tempfile.TemporaryDirectory() as folder:
        for variables in (int(v) for v in args.vars.split(",")):
            first_per_point = None
            for points in points_list:
                path = os.path.join(folder, "sheet.csv")
                write_sheet(path, points, variables)
                runs = [run(args.tool, path, MAX_TERMS[variables]) for _ in range(max(1, args.repeat))]
                seconds = sorted(r[0] for r in runs)[len(runs) // 2]
                peak_kb = max(r[1] for r in runs)
                candidates = runs[0][2]
                per_point = seconds / points
                first_per_point = first_per_point or per_point
                print("| %s | %d | %d | %s | %.2f s | %d MB | %.3g | %.2f |" % (
                    format(points, ","), variables, MAX_TERMS[variables], format(candidates, ","), seconds,
                    round(peak_kb / 1024), candidates * points / seconds, per_point / first_per_point), flush=True)


if __name__ == "__main__":
    main()
