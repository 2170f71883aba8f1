#!/usr/bin/env python3
"""Difficulty grades of the puzzles loopword-compile makes, per bundled level.

Usage: bench/grades.py [--compile build/bin/loopword-compile] [--levels 1 2 3] [--count 500]
                       [--graded 20] [--seed 1] [--check]
       bench/grades.py --solutions FILE

Prints for each level: the grades of --count Standard puzzles (as --grade gives them, with how
many sheets allow several solutions); then for each grade, over --graded runs of one puzzle each
(a run tries a fixed number of fills before it gives up), how many reached the grade, the mean
hint count and the median time per run. With --check, every graded puzzle's solutions are also
counted here, by the solver of quality.py reading the "# hints:" line. With --solutions, that
count (1, or 2 for two or more) is printed for each puzzle of a puzzle file instead.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import argparse
import collections
import pathlib
import statistics
import subprocess
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from quality import ROOT, sheet_grids  # noqa: E402

GRADES = ["easy", "medium", "hard", "expert"]


def run(compile_path, level, seed, count, *flags):
    """The puzzles of one run as (comment lines, placement lines), and whether the run succeeded."""
    done = subprocess.run([compile_path, "--level", str(level), "--seed", str(seed), "--count", str(count), "--grade", *flags],
                          capture_output=True, text=True)
    return blocks(done.stdout), done.returncode == 0


def comment(comments, start):
    """The text after `start` of the first comment line that begins with it, or None."""
    return next((line[len(start):].strip() for line in comments if line.startswith(start)), None)


def hint_cells(comments):
    """The (square, position) pairs of the "# hints:" line; None (the standard cells) without one."""
    line = comment(comments, "# hints:")
    return None if line is None else [(int(entry[:2]), int(entry[3])) for entry in line.split()]


def blocks(text):
    """The puzzles of puzzle text as (comment lines, placement lines)."""
    found = []
    for block in text.strip().split("\n\n"):
        lines = block.split("\n")
        comments = [line for line in lines if line.startswith("#")]
        placements = [line for line in lines if line and not line.startswith("#")]
        if placements:
            found.append((comments, placements))
    return found


def print_solutions(path):
    for number, (comments, placements) in enumerate(blocks(pathlib.Path(path).read_text()), 1):
        cells = hint_cells(comments)
        hints = "the standard hints" if cells is None else f"{len(cells)} hints"
        print(f"puzzle {number}: {sheet_grids(placements, 2, cells)} solution(s) with {hints}")


def standard_grades(compile_path, level, count, seed):
    found, _ = run(compile_path, level, seed, count)
    grades = collections.Counter(comment(c, "# grade:").split(",")[0] for c, _ in found)
    several = sum(1 for c, _ in found if "several solutions" in comment(c, "# grade:"))
    shown = ", ".join(f"{grade} {grades[grade]}" for grade in ["Easy", "Medium", "Hard", "Expert"])
    print(f"  {len(found)} Standard puzzles: {shown} ({several} of the Expert ones allow several solutions)")
    unique, _ = run(compile_path, level, seed, count, "--unique")
    grades = collections.Counter(comment(c, "# grade:").split(",")[0] for c, _ in unique)
    shown = ", ".join(f"{grade} {grades[grade]}" for grade in ["Easy", "Medium", "Hard", "Expert"])
    print(f"  {len(unique)} Standard one-solution puzzles: {shown}")


def graded(compile_path, level, grade, runs, seed, check):
    reached, hints, times, wrong = 0, [], [], 0
    for k in range(runs):
        start = time.monotonic()
        found, made = run(compile_path, level, seed + k, 1, "--varied", "--difficulty", grade)
        times.append(time.monotonic() - start)
        if not made:
            continue
        comments, placements = found[0]
        reached += comment(comments, "# grade:").startswith(grade.capitalize() + ",")
        cells = hint_cells(comments)
        hints.append(len(cells))
        if check and sheet_grids(placements, 2, cells) != 1:
            wrong += 1
    mean = f"{statistics.mean(hints):.1f}" if hints else "-"
    checked = f", {wrong} without exactly one solution" if check else ""
    print(f"  {grade}: {reached} of {runs} runs reached the grade; mean {mean} hints (range "
          f"{min(hints, default=0)}-{max(hints, default=0)}); median {statistics.median(times) * 1000:.0f} ms a run{checked}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--compile", default=str(ROOT / "build/bin/loopword-compile"))
    parser.add_argument("--levels", type=int, nargs="+", default=[1, 2, 3])
    parser.add_argument("--count", type=int, default=500)
    parser.add_argument("--graded", type=int, default=20)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--check", action="store_true", help="count each graded puzzle's solutions here too")
    parser.add_argument("--solutions", metavar="FILE", help="count the solutions of each puzzle of a puzzle file")
    args = parser.parse_args()
    if args.solutions:
        return print_solutions(args.solutions)
    for level in args.levels:
        print(f"Level {level}:")
        standard_grades(args.compile, level, args.count, args.seed)
        for grade in GRADES:
            graded(args.compile, level, grade, args.graded, args.seed, args.check)


if __name__ == "__main__":
    main()
