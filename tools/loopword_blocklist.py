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

A prefix entry (word*) also matches after one of the language's verb prefixes (French COMPISSE beside
piss*), and in English a prefix ending in a consonant and y also matches with y turned to ie (SISSIEST
beside sissy*).

An entry may be followed by loanword marks: @de @nl ... (or @all for every other language) make it an
entry of those languages' blocklists too, a word they borrowed: it blocks there its forms by the rules of
both languages (fuck* @all blocks Dutch FUCKTEN; peepshow @de blocks German PEEPSHOWS).

Entries are folded into capitals like the lists themselves (German Ä to AE, other accents dropped).
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import re

from loopword_language import fold
from loopword_morphology import VERB_PREFIXES, forms as inflected_forms, future_forms, noun_forms

LEVELS = (1, 2, 3)
OTHER_LANGUAGES = ("de", "fr", "es", "it", "pt", "nl")
ALL_LANGUAGES = ("en",) + OTHER_LANGUAGES
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

    def add(self, entry, lender=None, label=None):
        """Adds one entry (see the module text); returns False when it folds into no word.  An entry
        borrowed from the blocklist of the `lender` language also takes the forms of that language."""
        label = label or entry
        word = entry
        starred_front, starred_back = word.startswith("*"), word.endswith("*") and len(word) > 1
        if word.startswith("!"):
            word = word[1:]
        word = word[1 if starred_front else 0: len(word) - (1 if starred_back else 0)]
        folded = fold(self.language, word) or fold(self.language, word.lower())
        if not folded:
            return False
        languages = {self.language} | ({lender} if lender else set())
        if entry.startswith("!"):
            self.kept.add(folded)
        elif starred_front and starred_back:
            self.infixes.setdefault(folded, label)
        elif starred_front:
            for form in set().union(*(noun_forms(language, folded) for language in languages)):
                self.suffixes.setdefault(form, label)
        elif starred_back:
            self.prefixes.setdefault(folded, label)
            if "en" in languages and re.fullmatch(r".*[^AEIOUY]Y", folded):
                self.prefixes.setdefault(folded[:-1] + "IE", label)  # sissy*: SISSIES, SISSIEST
        else:
            for form in set().union(*(inflected_forms(language, folded) for language in languages)):
                self.forms.setdefault(form, label)
        return True

    def add_whole(self, entry, label=None):
        """Blocks only the entry itself, folded, and when it is a verb its future and conditional (the
        tenses a vulgar verb keeps its sense in); entries that fold into no word are skipped."""
        folded = fold(self.language, entry) or fold(self.language, entry.lower())
        verb = entry[-1:].isascii()  # an entry ending in an accent (French bourré) is no infinitive
        for form in {folded} | (future_forms(self.language, folded) if verb else set()) if folded else ():
            self.forms.setdefault(form, label or entry)

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
        for verb_prefix in VERB_PREFIXES.get(self.language, ()):
            if word.startswith(verb_prefix):
                rest = word[len(verb_prefix):]
                for size in range(1, len(rest) + 1):
                    if rest[:size] in self.prefixes:
                        return self.prefixes[rest[:size]]
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
    whose forms must stay, with a verb's future and conditional only), and the extra `whole_entries`
    (french-badwords-list) the same way."""
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


def blocklist_entries(path):
    """The entries of the project file `path`: (line number, entry, the languages that borrowed it);
    raises ValueError naming the line of an entry of several words or an unknown loanword mark."""
    entries = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.split("#", 1)[0].split()
            if not fields:
                continue
            marks = [field[1:] for field in fields[1:]]
            if any(not field.startswith("@") for field in fields[1:]):
                raise ValueError("%s:%d: %r is not one word of the language" % (path, number, " ".join(fields)))
            if any(mark != "all" and mark not in ALL_LANGUAGES for mark in marks):
                raise ValueError("%s:%d: %r has an unknown loanword mark" % (path, number, " ".join(fields)))
            borrowers = set(ALL_LANGUAGES) if "all" in marks else set(marks)
            entries.append((number, fields[0], borrowers))
    return entries


def read_blocklist(path, language):
    """The Blocklist of the project file `path` alone; raises ValueError naming the line of a bad entry."""
    blocklist = Blocklist(language)
    for number, entry, _ in blocklist_entries(path):
        if not blocklist.add(entry):
            raise ValueError("%s:%d: %r is not one word of the language" % (path, number, entry))
    return blocklist


def language_blocklist(data_folder, language):
    """The Blocklist of `language`: its project file and the loanword entries other languages' project
    files mark for it (labelled xx:entry); raises ValueError like read_blocklist."""
    blocklist = read_blocklist(blocklist_path(data_folder, language), language)
    for lender in ALL_LANGUAGES:
        path = blocklist_path(data_folder, lender)
        for number, entry, borrowers in blocklist_entries(path) if lender != language else ():
            if language in borrowers and not blocklist.add(entry, lender, "%s:%s" % (lender, entry)):
                raise ValueError("%s:%d: %r is not one word of %s" % (path, number, entry, language))
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
