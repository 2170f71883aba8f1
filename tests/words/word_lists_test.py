#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the bundled word lists in data/: format, nested levels, sizes, no blocklisted word or form in any level, Level 1 as the classroom lists and puzzle-word readings judge it; and the blocklist and classroom-list rules."""
import json
import os
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))
from loopword_blocklist import (  # noqa: E402
    LEVELS, MINIMUM_LEVEL1, OTHER_LANGUAGES, Blocklist, blocklist_path, format_faults, is_roman_numeral,
    level_file_name, npm_blocklist, read_blocklist)
from loopword_classroom import classroom_path, puzzle_words_path, read_classroom, read_puzzle_words  # noqa: E402
from loopword_language import fold  # noqa: E402

DATA = os.path.join(ROOT, "data")
# The npm blocklists the lists were filtered with, at the versions tools/make-wordlists pins (`npm ci` in tests/web).
NPM_MODULES = os.path.join(ROOT, "tests", "web", "node_modules")
LANGUAGES = ("en",) + OTHER_LANGUAGES


def level_words(language, level):
    with open(os.path.join(DATA, level_file_name(language, level)), "rb") as f:
        return f.read().decode("ascii").split()


class BundledListsTest(unittest.TestCase):
    # Per language: innocent words the project's own blocklists must keep.
    KEPT_BY_THE_BLOCKLISTS = {
        "en": "CLASSICS SCRAPING COCKTAIL SCATTERS SPICIEST ASSEMBLY", "de": "ABMARSCH EINMARSCH LESBISCH",
        "fr": "VIOLETTE PEDALEUR BRANLANT TRINGLES", "it": "VIOLENTO SCOPERTA TROMBONE",
        "es": "ESCOGIDO COGIERON RECOGIDA ZORRILLO POLLERIA MAMADERA",
        "pt": "VADIARIA JUDIARIA GALDERIO PANASCAL", "nl": "NEGEREND VOGELPIK SEKSISME AFPIKKEN KUTTER",
    }

    def test_each_languages_levels_are_well_formed_nested_and_hold_no_unfit_word(self):
        for language in LANGUAGES:
            with self.subTest(language=language):
                levels = []  # sorted unique eight capitals with CR LF
                for level in LEVELS:
                    with open(os.path.join(DATA, level_file_name(language, level)), "rb") as f:
                        data = f.read()
                    self.assertEqual(format_faults(data)[:5], [], "level %d" % level)
                    levels.append(data.decode("ascii").split())
                level1, level2, level3 = (set(words) for words in levels)
                self.assertGreaterEqual(len(level1), MINIMUM_LEVEL1)
                self.assertEqual(sorted(level1 - level2), [])
                self.assertEqual(sorted(level2 - level3), [])
                self.assertLess(len(level1), len(level2))
                if language in OTHER_LANGUAGES:  # their unfamiliar words stay out of levels 1 and 2
                    with open(os.path.join(DATA, "unfamiliar-%s.txt" % language), encoding="utf-8") as f:
                        unfamiliar = {fold(language, line.split("#")[0].strip()) for line in f} - {""}
                    self.assertEqual(sorted(unfamiliar & level2), [])
                blocklist = read_blocklist(blocklist_path(DATA, language), language)
                for word in self.KEPT_BY_THE_BLOCKLISTS[language].split():
                    self.assertFalse(blocklist.blocks(word), "an innocent look-alike blocked: " + word)
                # Both files are read whole: a malformed, unsorted or repeated line raises.
                verdicts = read_classroom(classroom_path(DATA, language))
                readings = read_puzzle_words(puzzle_words_path(DATA, language))
                offensive = {w for w, v in verdicts.items() if v == "offensive"}
                for level, words in zip(LEVELS, levels):  # no blocklisted word or form, none judged offensive, no numeral
                    unfit = [w for w in words if blocklist.blocks(w) or w in offensive or is_roman_numeral(w)]
                    self.assertEqual(unfit, [], "level %d" % level)
                self.assertEqual([(w, verdicts.get(w, "no verdict")) for w in levels[0] if verdicts.get(w) != "ok"], [])
                self.assertEqual([(w, readings[w]) for w in levels[0] if readings.get(w, "known") != "known"], [])

    def test_no_level_holds_a_word_of_the_npm_blocklists(self):
        if not os.path.isdir(os.path.join(NPM_MODULES, "naughty-words")):
            self.skipTest("run `npm ci` in tests/web for the npm blocklists")
        with open(os.path.join(NPM_MODULES, "french-badwords-list", "list.txt"), encoding="utf-8") as f:
            french = f.read().split("\n")
        for language in LANGUAGES:
            with open(os.path.join(NPM_MODULES, "naughty-words", "%s.json" % language), encoding="utf-8") as f:
                blocklist = npm_blocklist(language, json.load(f), french if language == "fr" else ())
            kept = read_blocklist(blocklist_path(DATA, language), language).kept
            for level in LEVELS:
                with self.subTest(language=language, level=level):
                    self.assertEqual([w for w in level_words(language, level) if blocklist.blocks(w) and w not in kept], [])

    def test_spanish_lists_hold_no_word_that_only_folding_enye_makes(self):
        path = "/usr/share/dict/spanish"
        if not os.path.exists(path):
            self.fail("%s is missing: install wspanish (scripts/lib/common.sh lists it)" % path)
        with open(path, encoding="utf-8") as f:
            lines = [line.strip() for line in f]
        plain = {fold("es", line) for line in lines if "ñ" not in line.lower()}
        from_enye = {fold("es", line) for line in lines if "ñ" in line.lower()} - plain - {""}
        self.assertGreater(len(from_enye), 100)
        self.assertEqual(sorted(from_enye & set(level_words("es", 3))), [])


class BlocklistRulesTest(unittest.TestCase):
    def text_file(self, text):
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
            f.write(text)
        self.addCleanup(os.unlink, f.name)
        return f.name

    def blocklist(self, language, *entries):
        blocklist = Blocklist(language)
        for entry in entries:
            self.assertTrue(blocklist.add(entry), entry)
        return blocklist

    # Per language: an entry and forms of it that must be blocked.
    CAUGHT = [
        ("en", "screw", "SCREWING SCREWERS"), ("en", "crap", "CRAPPIER CRAPPING CRAPPERS"),
        ("en", "rape", "RAPINGS"), ("en", "horny", "HORNIEST HORNIER"), ("en", "bitch", "BITCHING BITCHIER"),
        ("de", "ficken", "GEFICKTE FICKTEST ABGEFICKT ABZUFICKEN RUMFICKEN"), ("de", "schlampe", "SCHLAMPEN"),
        ("de", "orgasmus", "ORGASMEN"), ("de", "penis", "PENISSEN PENISSE"), ("de", "vagina", "VAGINALE VAGINALEN"),
        ("de", "arsch", "AERSCHE"), ("de", "vergewaltigen", "VERGEWALTIGT"), ("de", "onanieren", "ONANIERT"),
        ("de", "vögeln", "GEVOEGELT VOEGELTE"), ("de", "scheiße", "SCHEISSE SCHEISSIG"), ("de", "*nazi", "NEONAZIS"),
        ("nl", "neuken", "GENEUKTE INNEUKEN INGENEUKT NEUKTEN"), ("nl", "orgasme", "ORGASMEN"), ("nl", "penis", "PENISSEN"),
        ("nl", "lul", "LULLETJE LULLEN"), ("nl", "kloten", "KLOOTTEN"), ("nl", "schoft", "SCHOFTEN"),
        ("nl", "vagina", "VAGINAAL VAGINALE"), ("nl", "wijf", "WIJVEN"), ("nl", "*neger*", "NEGERTJE BOSNEGER BOSNEGERS NEGERHUT NEGER"),
        ("nl", "seks*", "SEKSSHOP"), ("nl", "kut*", "KUTWIJFS"), ("nl", "*hoer", "STOEPHOER STOEPHOEREN HOERTJES"),
        ("fr", "chier", "CHIERAIS CHIERIONS"), ("fr", "foutre", "FOUTRAIS FOUTIONS FOUTUES"), ("fr", "enculer", "ENCULIEZ ENCULEES"),
        ("fr", "violer", "VIOLEREZ VIOLAMES VIOLASSE"), ("fr", "branler", "BRANLAIT"), ("fr", "youpin", "YOUPINES"),
        ("fr", "salope", "SALOPES"), ("fr", "vagin", "VAGINALE VAGINAUX"), ("fr", "enculé", "ENCULEES"),
        ("es", "maldito", "MALDITAS MALDITOS MALDITA"), ("es", "joder", "JODIENDO JODERTE JODIERAN"),
        ("es", "cabrón", "CABRONES CABRONAS"), ("es", "follar", "FOLLADOR FOLLASTEIS FOLLARIAN"), ("es", "chingar", "CHINGUEMOS"),
        ("it", "bastardo", "BASTARDI BASTARDA BASTARDE"), ("it", "bocchino", "BOCCHINI"), ("it", "stronzo", "STRONZATA STRONZONE"),
        ("it", "stuprare", "STUPRATA STUPRERANNO"), ("it", "scopare", "SCOPARLA SCOPEREI SCOPASSERO"), ("it", "fottere", "FOTTUTI FOTTERTI"),
        ("pt", "estuprar", "ESTUPREI ESTUPROU ESTUPRASSE"), ("pt", "maldito", "MALDITAS"), ("pt", "foder", "FODERAM FODIDAS"),
        ("pt", "cabrão", "CABROES CABRONA"), ("pt", "crioulo", "CRIOULOS CRIOULAS"), ("fr", "sodom*", "SODOMITE"),
    ]
    # Per language: entries and innocent words they must leave alone.
    KEPT = [
        ("en", ("ass", "crap", "scat", "!scatters"), "CLASSICS SCRAPING ASSEMBLY SCATTERS"),
        ("en", ("cock", "!cockiest"), "COCKTAIL COCKIEST"),
        ("de", ("arsch*", "ficken", "lesbe", "!lesbisch"), "ABMARSCH EINMARSCH FICHTENS LESBISCH"),
        ("nl", ("kut*", "!kutter", "*neger*", "!negerend", "*hoer"), "KUTTER SKUTTEN SKUTWIJF NEGEREND HOERA"),
        ("nl", ("kunstpik", "seks*", "!sekserol"), "AFPIKKEN OPPIKKEN VOGELPIK SEKSEROL"),
        ("es", ("puta", "polla", "!pollería", "zorra", "!zorrillo"), "PUTATIVO DISPUTAS POLLERIA ZORRILLO"),
        ("es", ("coger",), "ESCOGER ACOGIDAS"),
        ("it", ("violare", "negro"), "VIOLENTO VIOLENZA"), ("it", ("scopare",), "SCOPERTA SCOPERTE"),
        ("fr", ("violer", "!violette", "pédale", "!pédaleur"), "VIOLETTE PEDALEUR VIOLENTS"),
        ("pt", ("vadia", "!vadiaria", "foder"), "VADIARIA FODERADO"),
    ]

    def test_every_form_of_a_blocked_word_is_blocked_and_innocent_look_alikes_stay(self):
        cases = [(language, (entry,), words, True) for language, entry, words in self.CAUGHT]
        for language, entries, words, blocked in cases + [(*case, False) for case in self.KEPT]:
            blocklist = self.blocklist(language, *entries)
            for word in words.split():
                with self.subTest(language=language, entries=entries, word=word):
                    self.assertEqual(blocklist.blocks(word), blocked)
        self.assertEqual(self.blocklist("nl", "kut*", "*hoer").entry_blocking("STOEPHOEREN"), "*hoer")

    def test_classroom_lists_and_puzzle_readings_are_read_and_bad_lines_named_as_in_blocklists(self):
        def read_english_blocklist(path):
            return read_blocklist(path, "en")
        cases = [(read_english_blocklist, "two words\n", ":1:"), (read_english_blocklist, "w0rd\n", ":1:"),
                 (read_english_blocklist, "ok\n*\n", ":2:"),
                 (read_classroom, "# review\nABCDEFGH ok\nBCDEFGHI unfit  # gloss\n\n", {"ABCDEFGH": "ok", "BCDEFGHI": "unfit"}),
                 (read_classroom, "abcdefgh ok\n", ":1:"), (read_classroom, "ABCDEFGH fine\n", ":1:"),
                 (read_classroom, "ABCDEFGH ok rare\n", ":1:"), (read_classroom, "ABCDEFG ok\n", ":1:"),
                 (read_classroom, "ABCDEFGH ok\nABCDEFGH ok\n", ":2:"), (read_classroom, "BCDEFGHI ok\nABCDEFGH form\n", ":2:"),
                 (read_classroom, "ABCDEFGH known\n", ":1:"),
                 (read_puzzle_words, "# read\nABCDEFGH known\nBCDEFGHI unknown  # gloss\nCDEFGHIJ unfit\n",
                  {"ABCDEFGH": "known", "BCDEFGHI": "unknown", "CDEFGHIJ": "unfit"}),
                 (read_puzzle_words, "ABCDEFGH ok\n", ":1:"), (read_puzzle_words, "ABCDEFGH known unfit\n", ":1:"),
                 (read_puzzle_words, "BCDEFGHI known\nABCDEFGH known\n", ":2:"),
                 (read_puzzle_words, "ABCDEFGH known\nABCDEFGH unknown\n", ":2:")]
        for read, text, expected in cases:
            with self.subTest(read=read.__name__, text=text):
                if isinstance(expected, dict):
                    self.assertEqual(read(self.text_file(text)), expected)
                else:
                    with self.assertRaisesRegex(ValueError, r"\.txt" + expected):
                        read(self.text_file(text))
        self.assertIsNone(read_classroom(os.path.join(DATA, "classroom-none.txt")))
        self.assertIsNone(read_puzzle_words(puzzle_words_path(DATA, "none")))

    def test_roman_numerals(self):
        cases = [("MCMXCVII", True), ("MDCLXVI", True), ("XLVIII", True), ("MIMIC", False), ("CIVIL", False),
                 ("IIII", False), ("", False), ("DICTUM", False)]
        for word, roman in cases:
            with self.subTest(word=word):
                self.assertEqual(is_roman_numeral(word), roman)

    def test_format_faults_name_each_fault(self):
        cases = [(b"ABCDEFGH\r\nBCDEFGHI\r\n", 0), (b"ABCDEFGH\nBCDEFGHI\n", 1), (b"BCDEFGHI\r\nABCDEFGH\r\n", 1),
                 (b"ABCDEFGH\r\nABCDEFGH\r\n", 1), (b"ABCDEFG\r\nabcdefgh\r\n", 2)]
        for data, faults in cases:
            with self.subTest(data=data):
                self.assertEqual(len(format_faults(data)), faults)


if __name__ == "__main__":
    unittest.main()
