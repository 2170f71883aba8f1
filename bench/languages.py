#!/usr/bin/env python3
"""Per language: the words read, the words left after folding and de-duplication, puzzle times, one-solution share.

Usage: bench/languages.py [--compile build/bin/loopword-compile] [--count 20] [--seed 1]

For each language other than English it reads the Debian word list (/usr/share/dict/...) through
loopword-compile --language, then makes --count classic and --count varied puzzles from the bundled
list (data/<code>-words.txt), timing each run, and counts how many of the varied puzzles have
exactly one solution by the solver of bench/quality.py.
"""
import argparse
import pathlib
import re
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "bench"))
from quality import puzzles, sheet_grids  # noqa: E402

SYSTEM_LISTS = {"de": "ngerman", "fr": "french", "es": "spanish", "it": "italian", "pt": "portuguese", "nl": "dutch"}


def folded_count(compile_path, code, path):
    """The words loopword-compile keeps from a list read in a language, from its puzzle's header."""
    out = subprocess.run([compile_path, "--dict", path, "--language", code, "--count", "1", "--seed", "1"],
                         check=True, capture_output=True, text=True).stdout
    return int(re.search(r"# word list: .* \((\d+) words\)", out).group(1))


def timed_puzzles(compile_path, code, count, seed, *flags):
    """The puzzles of one run from the language's bundled list, and milliseconds per puzzle."""
    start = time.perf_counter()
    made = puzzles(compile_path, str(ROOT / "data" / f"{code}-words.txt"), count, seed, "--language", code, *flags)
    return made, (time.perf_counter() - start) * 1000 / count


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--compile", default=str(ROOT / "build/bin/loopword-compile"))
    parser.add_argument("--count", type=int, default=20)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    print("lang  lines read  8-letter words kept  bundled  classic ms/puzzle  varied ms/puzzle  one solution")
    for code, name in SYSTEM_LISTS.items():
        path = f"/usr/share/dict/{name}"
        with open(path, "rb") as f:
            lines = f.read().count(b"\n")
        kept = folded_count(args.compile, code, path)
        bundled = sum(1 for _ in open(ROOT / "data" / f"{code}-words.txt", "rb"))
        _, classic_ms = timed_puzzles(args.compile, code, args.count, args.seed)
        varied, varied_ms = timed_puzzles(args.compile, code, args.count, args.seed, "--varied")
        single = sum(1 for lines_ in varied if sheet_grids(lines_) == 1)
        print(f"{code:4}  {lines:10,}  {kept:19,}  {bundled:7,}  {classic_ms:17.0f}  {varied_ms:16.0f}  "
              f"{single}/{len(varied)}")


if __name__ == "__main__":
    main()
