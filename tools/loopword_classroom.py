"""Reading the classroom lists (data/classroom-xx.txt) and the puzzle-word readings (data/puzzle-words-xx.txt).

A classroom list holds a verdict for every Level 1 word and Level 1 candidate a reader judged; the puzzle-word
readings hold the words of Level 1 puzzles, each read once.

One word a line in the list's capitals, one space, the verdict; '#' starts a comment; sorted by word.

  ok         fit for Level 1
  rare       a 12-year-old would not know it, or an administrative or newspaper word: not in Level 1
  form       a verb form with an attached pronoun or a rare tense or person: not in Level 1
  unfit      a teacher would not read it aloud to a class (sexual, drugs, curses, insults, violence):
             not in Level 1
  offensive  an obscenity, sexual slang or a slur: in no level

A puzzle-word reading has the same format with the verdicts known, unknown (a 12-year-old would not know
it) and unfit (fails the classroom rule); a word read unknown or unfit is judged rare or unfit in the
classroom list, so it leaves Level 1.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import os
import re

VERDICTS = ("ok", "rare", "form", "unfit", "offensive")
READINGS = ("known", "unknown", "unfit")


def classroom_path(data_folder, language):
    return os.path.join(data_folder, "classroom-%s.txt" % language)


def puzzle_words_path(data_folder, language):
    return os.path.join(data_folder, "puzzle-words-%s.txt" % language)


def read_classroom(path):
    """The verdicts of a classroom list by word, or None when the language has none yet; raises
    ValueError naming the line of a malformed, repeated or unsorted entry."""
    return read_verdicts(path, VERDICTS)


def read_puzzle_words(path):
    """The readings of a puzzle-word file by word (known, unknown, unfit), or None when there is none;
    raises ValueError like read_classroom."""
    return read_verdicts(path, READINGS)


def data_lines(path):
    """Each line of the data file at `path` that holds something: its number, "path:N: " to name it, its fields and
    the line itself, comments left out."""
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.split("#", 1)[0].split()
            if fields:
                yield number, "%s:%d: " % (path, number), fields, line


def read_verdicts(path, allowed):
    if not os.path.exists(path):
        return None
    verdicts = {}
    previous = ""
    for _, where, fields, line in data_lines(path):
        if len(fields) != 2 or not re.fullmatch(r"[A-Z]{8}", fields[0]) or fields[1] not in allowed:
            raise ValueError(where + "%r is not a word of 8 capitals and one of %s" % (line.strip(), ", ".join(allowed)))
        if fields[0] <= previous:
            raise ValueError(where + "%s is repeated or out of order" % fields[0])
        previous = fields[0]
        verdicts[fields[0]] = fields[1]
    return verdicts
