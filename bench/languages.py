#!/usr/bin/env python3
"""Per language and level: the bundled list's words, puzzle times and the share of varied puzzles with one solution.

Usage: bench/languages.py [--compile build/bin/loopword-compile] [--count 20] [--seed 1] [--languages en,de,...]

For each language and each of its three bundled levels (data/L1words.txt ... for English,
data/<code>-L1words.txt ... for the others) it makes --count classic and --count varied puzzles
through loopword-compile (with --language but for English), timing each run, and counts how many of the varied puzzles
have exactly one solution by the solver of bench/quality.py. It prints a Markdown table.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import argparse
import pathlib
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "bench"))
sys.path.insert(0, str(ROOT / "tools"))
from loopword_blocklist import LEVELS, OTHER_LANGUAGES, level_file_name  # noqa: E402
from quality import puzzles, sheet_grids  # noqa: E402


def timed_puzzles(compile_path, code, path, count, seed, *flags):
    """The puzzles of one run from a list, and milliseconds per puzzle."""
    start = time.perf_counter()
    language = () if code == "en" else ("--language", code)
    made = puzzles(compile_path, str(path), count, seed, *language, *flags)
    return made, (time.perf_counter() - start) * 1000 / count


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--compile", default=str(ROOT / "build/bin/loopword-compile"))
    parser.add_argument("--count", type=int, default=20)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--languages", default=",".join(("en",) + OTHER_LANGUAGES))
    args = parser.parse_args()
    print("| Language | Level | Words | Classic ms/puzzle | Varied ms/puzzle | One solution (of %d varied) |" % args.count)
    print("|---|---|---|---|---|---|")
    for code in args.languages.split(","):
        for level in LEVELS:
            path = ROOT / "data" / level_file_name(code, level)
            words = path.stat().st_size // 10
            _, classic_ms = timed_puzzles(args.compile, code, path, args.count, args.seed)
            varied, varied_ms = timed_puzzles(args.compile, code, path, args.count, args.seed, "--varied")
            single = sum(1 for lines in varied if sheet_grids(lines) == 1)
            print(f"| {code} | {level} | {words:,} | {classic_ms:.0f} | {varied_ms:.0f} | {single} |", flush=True)


if __name__ == "__main__":
    main()
