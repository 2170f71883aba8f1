"""Rules shared by the word-list generator and the word-list test: blocklist forms per language, Roman numerals, the list format.

A project blocklist (data/extra-blocklist.txt for English, data/blocklist-xx.txt for the others) has one
entry a line, '#' starting a comment:

  word     the word and all its inflected and derived forms by the rules of the list's language
           (tools/loopword_morphology.py: maldito blocks MALDITAS, chier CHIERAIS, neuken INNEUKEN)
  word*    every word that starts with it (the first part of compounds)
  *word    every word that ends with it or with its plural, case or gender forms (the last part of
           compounds: *nazi blocks NEONAZIS)
  *word*   every word that holds it anywhere (a stem no innocent word shares: Dutch *neger*)
  !word    this word is kept even when a rule above would block it (an innocent look-alike)

Entries are folded into capitals like the lists themselves (German Ä to AE, other accents dropped).
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import re

from loopword_language import fold
from loopword_morphology import forms as inflected_forms, noun_forms

LEVELS = (1, 2, 3)
OTHER_LANGUAGES = ("de", "fr", "es", "it", "pt", "nl")
MINIMUM_LEVEL1 = 900

_ROMAN = re.compile(r"M{0,4}(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})")


class Blocklist:
    """The words, prefixes, suffixes and infixes a blocklist blocks in one language, each with the entry
    that blocks it, and the words it keeps."""

    def __init__(self, language):
        self.language = language
        self.forms = {}
        self.prefixes = {}
        self.suffixes = {}
        self.infixes = {}
        self.kept = set()

    def add(self, entry):
        """Adds one entry (see the module text); returns False when it folds into no word."""
        word = entry
        starred_front, starred_back = word.startswith("*"), word.endswith("*") and len(word) > 1
        if word.startswith("!"):
            word = word[1:]
        word = word[1 if starred_front else 0: len(word) - (1 if starred_back else 0)]
        folded = fold(self.language, word) or fold(self.language, word.lower())
        if not folded:
            return False
        if entry.startswith("!"):
            self.kept.add(folded)
        elif starred_front and starred_back:
            self.infixes.setdefault(folded, entry)
        elif starred_front:
            for form in noun_forms(self.language, folded):
                self.suffixes.setdefault(form, entry)
        elif starred_back:
            self.prefixes.setdefault(folded, entry)
        else:
            for form in inflected_forms(self.language, folded):
                self.forms.setdefault(form, entry)
        return True

    def add_whole(self, entry, label=None):
        """Blocks only the entry itself, folded; entries that fold into no word are skipped."""
        folded = fold(self.language, entry) or fold(self.language, entry.lower())
        if folded:
            self.forms.setdefault(folded, label or entry)

    def entry_blocking(self, word):
        """The entry that blocks the capitalised `word`, or None when none does or the word is kept."""
        if word in self.kept:
            return None
        if word in self.forms:
            return self.forms[word]
        for size in range(1, len(word) + 1):
            if word[:size] in self.prefixes:
                return self.prefixes[word[:size]]
            if word[-size:] in self.suffixes:
                return self.suffixes[word[-size:]]
        for infix, entry in self.infixes.items():
            if infix in word:
                return entry
        return None

    def blocks(self, word):
        """Whether the capitalised `word` is blocked."""
        return self.entry_blocking(word) is not None


def npm_blocklist(language, naughty_entries, whole_entries=()):
    """The Blocklist of the npm lists of `language`: English single-word naughty-words entries with
    their English forms; in the other languages every entry whole (those lists hold everyday words
    whose forms must stay), and the extra `whole_entries` (french-badwords-list) whole too."""
    blocklist = Blocklist(language)
    for entry in naughty_entries:
        entry = entry.strip()
        if language != "en":
            blocklist.add_whole(entry)
        elif re.fullmatch(r"[a-z]+", entry.lower()):
            blocklist.add(entry.lower())
    for entry in whole_entries:
        blocklist.add_whole(entry.strip())
    return blocklist


def read_blocklist(path, language):
    """The Blocklist of the project file `path`; raises ValueError naming the line of a bad entry."""
    blocklist = Blocklist(language)
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            entry = line.split("#", 1)[0].strip()
            if entry and (" " in entry or not blocklist.add(entry)):
                raise ValueError("%s:%d: %r is not one word of the language" % (path, number, entry))
    return blocklist


def blocklist_path(data_folder, language):
    """The project blocklist of `language` in the data folder."""
    name = "extra-blocklist.txt" if language == "en" else "blocklist-%s.txt" % language
    return "%s/%s" % (data_folder, name)


def is_roman_numeral(word):
    """Whether the capitalised `word` is a well-formed Roman numeral."""
    return bool(word) and bool(_ROMAN.fullmatch(word))


def level_file_name(language, level):
    """The bundled list of `level` in `language`: L1words.txt ... in English, de-L1words.txt ... otherwise."""
    return ("L%dwords.txt" if language == "en" else language + "-L%dwords.txt") % level


def list_bytes(words):
    """The file text of a word list: sorted capitals, one a line, each line ending in CR LF."""
    return "".join(w + "\r\n" for w in sorted(words)).encode("ascii")


def format_faults(data):
    """What is wrong with the bytes of a word list file: not 8 capitals with CR LF, unsorted, repeated."""
    text = data.decode("ascii", "replace")
    if not text.endswith("\r\n"):
        return ["the last line does not end with CR LF"]
    lines = text[:-2].split("\r\n")
    faults = ["line %d: %r is not 8 capitals A-Z" % (n, w) for n, w in enumerate(lines, 1)
              if not re.fullmatch(r"[A-Z]{8}", w)]
    faults += ["line %d: %s does not come after %s" % (n, b, a) for n, (a, b) in enumerate(zip(lines, lines[1:]), 2)
               if a >= b]
    return faults
