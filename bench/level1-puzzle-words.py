#!/usr/bin/env python3
"""Per language: the share of the words Level 1 puzzles show that native-speaker readers judge a 12-year-old knows.

Usage: bench/level1-puzzle-words.py [--compile build/bin/loopword-compile] [--count 10] [--seed 1]
                                    [--data data] [--readings data] [--classroom data] [--bundled]
                                    [--languages en,de,...] [--unread DIR]

For each language it makes --count classic and --count varied Level 1 puzzles with loopword-compile
(seeds --seed, --seed+1, ...; --language but for English) from the Level 1 list in --data (with --bundled:
the list beside the program, --level 1) and collects the distinct words they show. The readings,
--readings/puzzle-words-xx.txt, hold the puzzle words readers have judged known, unknown or unfit; the
share known is known / all read. A second column counts the puzzle words the classroom list
(--classroom/classroom-xx.txt) judges ok, which Level 1 holds by construction. It prints a Markdown
table, then per language the puzzle words read unknown or unfit and the words with no reading yet (to be
read and added to the readings; with --unread DIR also written to DIR/unread-xx.txt, one a line).
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import argparse
import os
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tools"))
from loopword_blocklist import OTHER_LANGUAGES, level_file_name  # noqa: E402
from loopword_classroom import classroom_path, puzzle_words_path, read_classroom, read_puzzle_words  # noqa: E402


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


def share(part, whole):
    return "%d of %d, %.1f %%" % (part, whole, 100.0 * part / whole) if whole else "-"


def write_unread(folder, code, words):
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "unread-%s.txt" % code)
    with open(path + ".tmp", "w", encoding="ascii") as f:
        f.write("".join(w + "\n" for w in words))
    os.replace(path + ".tmp", path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--compile", default=str(ROOT / "build/bin/loopword-compile"))
    parser.add_argument("--count", type=int, default=10, help="classic and varied puzzles per language (default 10)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--data", default=str(ROOT / "data"), help="folder of the Level 1 lists measured")
    parser.add_argument("--readings", default=str(ROOT / "data"), help="folder of the puzzle-word readings")
    parser.add_argument("--classroom", default=str(ROOT / "data"), help="folder of the classroom lists")
    parser.add_argument("--bundled", action="store_true", help="use the program's own lists (--level 1)")
    parser.add_argument("--languages", default=",".join(("en",) + OTHER_LANGUAGES))
    parser.add_argument("--unread", metavar="DIR", help="also write the unread puzzle words to DIR/unread-xx.txt")
    args = parser.parse_args()
    print("| Language | Puzzle words | Read known | Not read yet | Classroom list ok |")
    print("|---|---|---|---|---|")
    notes = []
    for code in args.languages.split(","):
        source = ["--level", "1"] if args.bundled else ["--dict", str(pathlib.Path(args.data) / level_file_name(code, 1))]
        words = set()
        for flags in ((), ("--varied",)):
            words |= set(puzzle_words(args.compile, code, source, args.count, args.seed, *flags))
        try:
            readings = read_puzzle_words(puzzle_words_path(args.readings, code)) or {}
            verdicts = read_classroom(classroom_path(args.classroom, code)) or {}
        except ValueError as e:
            sys.exit(str(e))
        read = sorted(w for w in words if w in readings)
        known = [w for w in read if readings[w] == "known"]
        unread = sorted(words - set(read))
        ok = [w for w in words if verdicts.get(w) == "ok"]
        print("| %s | %d | %s | %d | %s |" % (code, len(words), share(len(known), len(read)), len(unread),
                                              share(len(ok), len(words))), flush=True)
        for reading in ("unknown", "unfit"):
            listed = [w for w in read if readings[w] == reading]
            if listed:
                notes.append("%s read %s: %s" % (code, reading, " ".join(listed)))
        if unread:
            notes.append("%s not read yet: %s" % (code, " ".join(unread)))
        if args.unread:
            write_unread(args.unread, code, unread)
    if notes:
        print()
        print("\n".join(notes))


if __name__ == "__main__":
    main()
