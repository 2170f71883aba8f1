#!/usr/bin/env python3
"""Per language: how many of the words Level 1 puzzles show a classroom list judges fit for a class of 12-year-olds.

Usage: bench/level1-puzzle-words.py [--compile build/bin/loopword-compile] [--count 10] [--seed 1]
                                    [--data data] [--classroom data] [--bundled] [--languages en,de,...]

For each language it makes --count classic and --count varied Level 1 puzzles with loopword-compile
(seeds --seed, --seed+1, ...; --language but for English) from the Level 1 list in --data (with --bundled:
the list beside the program, --level 1), collects the distinct words they show, and counts how many
the language's classroom list (--classroom/classroom-xx.txt) judges ok. It prints a Markdown table,
then per language the words judged otherwise and the words without a verdict (to be judged).
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import argparse
import collections
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tools"))
from loopword_blocklist import OTHER_LANGUAGES, level_file_name  # noqa: E402
from loopword_classroom import classroom_path, read_classroom  # noqa: E402


def puzzle_words(compile_path, code, source, count, seed, *flags):
    """The words of `count` puzzles, in the order they come: the last field of each placement line."""
    language = () if code == "en" else ("--language", code)
    try:
        result = subprocess.run([compile_path, *source, *language, "--count", str(count), "--seed", str(seed), *flags],
                                capture_output=True, text=True, check=False)
    except OSError as e:
        sys.exit("cannot run %s: %s (build it, or give --compile PATH)" % (compile_path, e.strerror))
    if result.returncode != 0:
        sys.exit("%s failed for %s: %s" % (compile_path, code, result.stderr.strip()))
    return [line.split()[-1] for line in result.stdout.split("\n") if line and not line.startswith("#")]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--compile", default=str(ROOT / "build/bin/loopword-compile"))
    parser.add_argument("--count", type=int, default=10, help="classic and varied puzzles per language (default 10)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--data", default=str(ROOT / "data"), help="folder of the Level 1 lists measured")
    parser.add_argument("--classroom", default=str(ROOT / "data"), help="folder of the classroom lists")
    parser.add_argument("--bundled", action="store_true", help="use the program's own lists (--level 1)")
    parser.add_argument("--languages", default=",".join(("en",) + OTHER_LANGUAGES))
    args = parser.parse_args()
    print("| Language | Puzzle words | Judged ok | Share ok | Judged not ok | Not judged |")
    print("|---|---|---|---|---|---|")
    notes = []
    for code in args.languages.split(","):
        source = ["--level", "1"] if args.bundled else ["--dict", str(pathlib.Path(args.data) / level_file_name(code, 1))]
        words = set()
        for flags in ((), ("--varied",)):
            words |= set(puzzle_words(args.compile, code, source, args.count, args.seed, *flags))
        verdicts = read_classroom(classroom_path(args.classroom, code)) or {}
        by_verdict = collections.defaultdict(list)
        for word in sorted(words):
            by_verdict[verdicts.get(word, "none")].append(word)
        ok, unjudged = len(by_verdict.get("ok", [])), by_verdict.get("none", [])
        judged_not_ok = len(words) - ok - len(unjudged)
        print("| %s | %d | %d | %.1f %% | %d | %d |" % (code, len(words), ok, 100.0 * ok / max(1, len(words)),
                                                        judged_not_ok, len(unjudged)), flush=True)
        for verdict, listed in sorted(by_verdict.items()):
            if verdict != "ok":
                notes.append("%s %s: %s" % (code, "no verdict" if verdict == "none" else verdict, " ".join(listed)))
    if notes:
        print()
        print("\n".join(notes))


if __name__ == "__main__":
    main()
