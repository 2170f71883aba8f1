"""Folding word-list lines into capitals A-Z by each language's rules, written apart from the program's own code.

English keeps lines of capitals or of lower-case letters a-z.  Other languages decompose each line
(NFD) and drop the combining marks; German first writes umlauts as the letter followed by E and
sharp s as SS, and also reads lines that start with a capital (nouns).  A line that folds into
anything but capitals A-Z is no word.
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import re
import unicodedata

LANGUAGES = ("en", "de", "fr", "es", "it", "pt", "nl")

_GERMAN = {"Ä": "AE", "Ö": "OE", "Ü": "UE", "ä": "ae", "ö": "oe", "ü": "ue", "ß": "ss"}
_LATIN1 = re.compile(r"[A-Za-z\u00c0-\u00ff\u0300-\u036f]*")


def _bare_letters(line):
    return [c for c in unicodedata.normalize("NFD", line) if not unicodedata.combining(c)]


def _cases_read(language, letters):
    """All capitals, all lower case, or in German a capital followed by lower case."""
    return (all(c.isupper() for c in letters) or all(c.islower() for c in letters)
            or (language == "de" and letters[0].isupper() and all(c.islower() for c in letters[1:])))


def fold(language, line):
    """The line folded into capitals, or "" when it is no word in the language."""
    if language == "en":
        return line.upper() if re.fullmatch(r"[A-Z]+|[a-z]+", line) else ""
    if not line or not _LATIN1.fullmatch(line) or unicodedata.combining(line[0]):
        return ""
    if not _cases_read(language, _bare_letters(line)):
        return ""
    if language == "de":
        line = "".join(_GERMAN.get(c, c) for c in unicodedata.normalize("NFC", line))
    folded = "".join(_bare_letters(line))
    return folded.upper() if folded.isascii() else ""


def read_folded_words(text, language):
    """The 8-letter words of a word list's text, folded, in file order, each once."""
    words = {}
    for line in text.replace("\r\n", "\n").replace("\r", "\n").split("\n"):
        word = fold(language, line)
        if len(word) == 8:
            words.setdefault(word)
    return list(words)
