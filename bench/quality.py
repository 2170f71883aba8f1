#!/usr/bin/env python3
"""Quality figures of the puzzles loopword-compile makes: word spread, letter share, one solution.

Usage: bench/quality.py [--compile build/bin/loopword-compile] [--dict data/L3words.txt]
                        [--count 200] [--unique-count 100] [--seed 1] [--classic]

Prints, over --count varied puzzles (and with --classic over as many classic ones), the largest
share of puzzles one word appears in and E's share of the placed letters; then, over
--unique-count one-solution puzzles, how many have exactly one solution as counted here, by a
solver of its own: every letter grid that the puzzle sheet (its 22 other words each used once,
word 12 as shown, the hint letters) allows, trying the open square with the fewest options first.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import argparse
import collections
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tools"))
from loopword_geometry import cell_point  # noqa: E402

_HINTS = re.search(r"HintCells\s*=\s*\{\{(.*?)\}\};", (ROOT / "src/board/hint_cells.h").read_text(), re.S).group(1)
HINT_CELLS = [(int(a), int(b)) for a, b in re.findall(r"\{(\d+),\s*(\d+)\}", _HINTS)]


def puzzles(compile_path, dictionary, count, seed, *flags):
    """The puzzles as lists of 23 placement lines."""
    out = subprocess.run([compile_path, "--dict", dictionary, "--count", str(count), "--seed", str(seed), *flags],
                         check=True, capture_output=True, text=True).stdout
    blocks = [[line for line in block.split("\n") if not line.startswith("#")] for block in out.strip().split("\n\n")]
    return [lines for lines in blocks if lines]


def spread(found):
    """(largest share of puzzles one word appears in, that word, E's share of placed letters)."""
    in_puzzles, letters = collections.Counter(), collections.Counter()
    for lines in found:
        words = {line[14:22] for line in lines}
        in_puzzles.update(words)
        for word in words:
            letters.update(word)
    word, most = in_puzzles.most_common(1)[0]
    return most / len(found), word, letters["E"] / sum(letters.values())


def sheet_grids(lines, limit=2, hints=None):
    """How many letter grids (up to limit) fit the sheet of one puzzle with the hint cells `hints`
    ((square, position) pairs; the standard ones when None)."""
    cell_id, cells = {}, {}
    for square in range(1, 24):
        cells[square] = [cell_id.setdefault(cell_point(square, p), len(cell_id)) for p in range(1, 9)]
    letter = [None] * len(cell_id)
    rings = {int(line[0:2]): line[3:11] for line in lines}
    for square, position in HINT_CELLS if hints is None else hints:
        letter[cells[square][position - 1]] = rings[square][position - 1]
    for p in range(8):
        letter[cells[12][p]] = rings[12][p]
    words = sorted({line[14:22] for line in lines if not line.startswith("12")})
    turns = [sorted({w[r:] + w[:r] for r in range(8)}) for w in words]
    placed, used, grids = {}, set(), set()

    def fits(square, ring):
        return all(letter[c] is None or letter[c] == ring[p] for p, c in enumerate(cells[square]))

    def search():
        if len(grids) >= limit:
            return
        best = None
        for square in range(1, 24):
            if square == 12 or square in placed:
                continue
            options = [(w, ring) for w in range(len(words)) if w not in used for ring in turns[w] if fits(square, ring)]
            if not options:
                return
            if best is None or len(options) < len(best[1]):
                best = (square, options)
        if best is None:
            grids.add(tuple(placed[s] for s in sorted(placed)))
            return
        square, options = best
        for w, ring in options:
            written = [c for c in cells[square] if letter[c] is None]
            for p, c in enumerate(cells[square]):
                letter[c] = ring[p]
            placed[square] = ring
            used.add(w)
            search()
            del placed[square]
            used.discard(w)
            for c in written:
                letter[c] = None

    search()
    return len(grids)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--compile", default=str(ROOT / "build/bin/loopword-compile"))
    parser.add_argument("--dict", default=str(ROOT / "data/L3words.txt"))
    parser.add_argument("--count", type=int, default=200)
    parser.add_argument("--unique-count", type=int, default=100)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--classic", action="store_true", help="also measure the classic fill")
    args = parser.parse_args()
    modes = [("varied", ["--varied"])] + ([("classic", [])] if args.classic else [])
    for name, flags in modes:
        share, word, e_share = spread(puzzles(args.compile, args.dict, args.count, args.seed, *flags))
        print(f"{name}: {args.count} puzzles; most frequent word {word} in {share:.1%} of them; "
              f"E is {e_share:.1%} of placed letters")
    unique = puzzles(args.compile, args.dict, args.unique_count, args.seed, "--varied", "--unique")
    single = sum(1 for lines in unique if sheet_grids(lines) == 1)
    print(f"one solution: {single} of {len(unique)} varied one-solution puzzles have exactly one solution")
    plain = puzzles(args.compile, args.dict, args.unique_count, args.seed, "--varied")
    single = sum(1 for lines in plain if sheet_grids(lines) == 1)
    print(f"  (without --unique: {single} of {len(plain)} varied puzzles have exactly one solution)")


if __name__ == "__main__":
    main()
