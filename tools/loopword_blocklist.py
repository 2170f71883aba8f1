"""Rules shared by the word-list generator and the word-list test: blocklist forms per language, Roman numerals, the list format.

A project blocklist (data/extra-blocklist.txt for English, data/blocklist-xx.txt for the others) has one
entry a line, '#' starting a comment:

  word     the word and its inflected forms by the rules of the list's language
  word*    every word that starts with it (the first part of compounds)
  *word    every word that ends with it (the last part of compounds)
  !word    this word is kept even when a rule above would block it (an innocent look-alike)

Entries are folded into capitals like the lists themselves (German Ä to AE, other accents dropped).
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import re

from loopword_language import fold

LEVELS = (1, 2, 3)
OTHER_LANGUAGES = ("de", "fr", "es", "it", "pt", "nl")
MINIMUM_LEVEL1 = 900

# Endings added to a blocked word by language, before any stem rule: plurals, cases, genders, agent nouns.
_ENDINGS = {
    "en": ("", "S", "ES", "ED", "ING", "ER", "ERS", "Y"),
    "de": ("", "E", "EN", "ER", "ES", "EM", "N", "S", "ERN", "IN", "INNEN", "CHEN", "EREI"),
    "fr": ("", "S", "X", "E", "ES", "EUR", "EURS", "EUSE", "EUSES", "ERIE", "ERIES"),
    "es": ("", "S", "ES", "A", "AS", "O", "OS", "ON", "ONES", "ONA", "ONAS", "ITO", "ITA", "ITOS", "ITAS"),
    "it": ("", "A", "E", "I", "O", "ONE", "ONI", "ATA", "ATE", "ATO", "ATI", "ETTA", "ETTE"),
    "pt": ("", "S", "A", "AS", "O", "OS", "AO", "OES", "ONA", "ONAS", "INHA", "INHO"),
    "nl": ("", "EN", "S", "E", "ER", "JE", "JES", "TJE", "TJES", "ERS", "ERIJ"),
}

# Verb endings: a blocked word ending in one of the infinitive endings also blocks its stem followed by
# each of the forms (and, in German and Dutch, the participles with ge-).
_VERBS = {
    "de": (("EN", "N"), ("E", "EN", "END", "ENDE", "ENDEN", "ENDER", "ENDES", "EST", "ET", "ST", "T", "TE", "TEN",
                         "TER", "TES", "TEST", "TET", "ER", "ERIN", "UNG", "EREI")),
    "fr": (("ER", "IR", "RE"), ("E", "ES", "ENT", "ONS", "EZ", "AI", "AS", "A", "AIS", "AIT", "AIENT", "ANT",
                                "EE", "EES", "ERAI", "ERAS", "ERA", "ERONT", "ERAIT", "EUR", "EURS", "EUSE",
                                "EUSES", "IS", "IT", "ISSENT", "I", "IE", "IES", "U", "UE", "US", "UES")),
    "es": (("AR", "ER", "IR"), ("O", "AS", "A", "AMOS", "AIS", "AN", "E", "ES", "EN", "EMOS", "ADO", "ADA", "ADOS",
                                "ADAS", "IDO", "IDA", "IDOS", "IDAS", "ANDO", "IENDO", "ABA", "ABAN", "IA", "IAN",
                                "ARA", "ARAN", "ARE", "ARON", "ASTE", "ADOR", "ADORA", "ADORES", "ADORAS")),
    "it": (("ARE", "ERE", "IRE", "ARSI", "ERSI", "IRSI"),
           ("O", "I", "A", "E", "IAMO", "ATE", "ETE", "ITE", "ANO", "ONO", "ATO", "ATA", "ATI", "UTO", "UTA", "UTI",
            "ITO", "ITA", "ITI", "ANDO", "ENDO", "AVA", "AVANO", "EVA", "AVO", "ERA", "ERO", "ATORE", "ATRICE")),
    "pt": (("AR", "ER", "IR"), ("O", "AS", "A", "AMOS", "AM", "E", "ES", "EM", "EMOS", "ADO", "ADA", "ADOS", "ADAS",
                                "IDO", "IDA", "IDOS", "IDAS", "ANDO", "ENDO", "INDO", "AVA", "AVAM", "IA", "IAM",
                                "OU", "EU", "IU", "ARAM", "ERAM", "ADOR", "ADORA")),
    "nl": (("EN",), ("", "T", "TE", "TEN", "D", "DE", "DEN", "ER", "ERS", "ERIJ", "EN", "END", "ENDE")),
}
_PARTICIPLES = {"de": ("T", "TE", "TEN", "TER", "TES", "TEM", "EN", "ENE", "ENEN"), "nl": ("T", "D", "EN", "TE", "DE")}

_ROMAN = re.compile(r"M{0,4}(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})")


class Blocklist:
    """The words, prefixes and suffixes a blocklist blocks in one language, and the words it keeps."""

    def __init__(self, language):
        self.language = language
        self.forms = set()
        self.prefixes = set()
        self.suffixes = set()
        self.kept = set()

    def add(self, entry):
        """Adds one entry (see the module text); returns False when it folds into no word."""
        marker, word = "", entry
        if entry and entry[0] in "!*":
            marker, word = entry[0], entry[1:]
        elif entry.endswith("*"):
            marker, word = "prefix", entry[:-1]
        folded = fold(self.language, word) or fold(self.language, word.lower())
        if not folded:
            return False
        if marker == "!":
            self.kept.add(folded)
        elif marker == "*":
            self.suffixes.add(folded)
        elif marker == "prefix":
            self.prefixes.add(folded)
        else:
            self.forms |= inflected_forms(self.language, folded)
        return True

    def add_whole(self, entry):
        """Blocks only the entry itself, folded; entries that fold into no word are skipped."""
        folded = fold(self.language, entry) or fold(self.language, entry.lower())
        if folded:
            self.forms.add(folded)

    def blocks(self, word):
        """Whether the capitalised `word` is blocked."""
        if word in self.kept:
            return False
        return (word in self.forms or any(word.startswith(p) for p in self.prefixes)
                or any(word.endswith(s) for s in self.suffixes))


def inflected_forms(language, word):
    """The capitalised `word` and the forms its language's rules derive from it."""
    forms = {word + ending for ending in _ENDINGS[language]}
    infinitives, verb_forms = _VERBS.get(language, ((), ()))
    for infinitive in infinitives:
        if word.endswith(infinitive) and len(word) > len(infinitive) + 1:
            stem = word[: -len(infinitive)]
            forms |= {stem + ending for ending in verb_forms}
            forms |= {"GE" + stem + ending for ending in _PARTICIPLES.get(language, ())}
            break
    return forms


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
