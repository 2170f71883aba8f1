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
# The npm blocklists the lists were filtered with, at the versions tools/make-wordlists pins, as
# `npm ci` in tests/web installs them (scripts/test runs it before the tests).
NPM_MODULES = os.path.join(ROOT, "tests", "web", "node_modules")
LANGUAGES = ("en",) + OTHER_LANGUAGES


def level_words(language, level):
    with open(os.path.join(DATA, level_file_name(language, level)), "rb") as f:
        return f.read().decode("ascii").split()


class BundledListsTest(unittest.TestCase):
    def test_every_list_is_sorted_unique_eight_capitals_with_cr_lf(self):
        for language in LANGUAGES:
            for level in LEVELS:
                with self.subTest(language=language, level=level):
                    with open(os.path.join(DATA, level_file_name(language, level)), "rb") as f:
                        self.assertEqual(format_faults(f.read())[:5], [])

    def test_levels_are_nested_and_level1_is_large_enough(self):
        for language in LANGUAGES:
            with self.subTest(language=language):
                level1, level2, level3 = (set(level_words(language, level)) for level in LEVELS)
                self.assertGreaterEqual(len(level1), MINIMUM_LEVEL1)
                self.assertEqual(sorted(level1 - level2), [])
                self.assertEqual(sorted(level2 - level3), [])
                self.assertLess(len(level1), len(level2))

    def test_no_level_holds_a_blocklisted_word_or_form_a_word_judged_offensive_or_a_roman_numeral(self):
        for language in LANGUAGES:
            blocklist = read_blocklist(blocklist_path(DATA, language), language)
            offensive = {w for w, v in (read_classroom(classroom_path(DATA, language)) or {}).items() if v == "offensive"}
            for level in LEVELS:
                with self.subTest(language=language, level=level):
                    unfit = [w for w in level_words(language, level) if blocklist.blocks(w) or w in offensive or is_roman_numeral(w)]
                    self.assertEqual(unfit, [])

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

    def test_level1_holds_only_words_judged_ok_and_none_read_unknown_in_puzzles(self):
        for language in LANGUAGES:
            # Both files are read whole: a malformed, unsorted or repeated line raises.
            verdicts = read_classroom(classroom_path(DATA, language))
            readings = read_puzzle_words(puzzle_words_path(DATA, language))
            with self.subTest(language=language):
                self.assertIsNotNone(verdicts)
                self.assertIsNotNone(readings)
                level1 = level_words(language, 1)
                self.assertEqual([(w, verdicts.get(w, "no verdict")) for w in level1 if verdicts.get(w) != "ok"], [])
                self.assertEqual([(w, readings[w]) for w in level1 if readings.get(w, "known") != "known"], [])

    def test_unfamiliar_words_stay_out_of_levels_1_and_2(self):
        for language in OTHER_LANGUAGES:
            with open(os.path.join(DATA, "unfamiliar-%s.txt" % language), encoding="utf-8") as f:
                unfamiliar = {fold(language, line.split("#")[0].strip()) for line in f} - {""}
            with self.subTest(language=language):
                self.assertEqual(sorted(unfamiliar & set(level_words(language, 2))), [])

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

    # Per language: innocent words the project's own blocklists must keep.
    KEPT_BY_THE_BLOCKLISTS = [
        ("en", "CLASSICS SCRAPING COCKTAIL SCATTERS SPICIEST ASSEMBLY"), ("de", "ABMARSCH EINMARSCH LESBISCH"),
        ("fr", "VIOLETTE PEDALEUR BRANLANT TRINGLES"), ("it", "VIOLENTO SCOPERTA TROMBONE"),
        ("es", "ESCOGIDO COGIERON RECOGIDA ZORRILLO POLLERIA MAMADERA"),
        ("pt", "VADIARIA JUDIARIA GALDERIO PANASCAL"), ("nl", "NEGEREND VOGELPIK SEKSISME AFPIKKEN KUTTER"),
    ]

    def test_the_project_blocklists_keep_the_innocent_look_alikes(self):
        for language, words in self.KEPT_BY_THE_BLOCKLISTS:
            blocklist = read_blocklist(blocklist_path(DATA, language), language)
            for word in words.split():
                with self.subTest(language=language, word=word):
                    self.assertFalse(blocklist.blocks(word))

    def test_every_form_of_a_blocked_word_is_blocked_and_innocent_look_alikes_stay(self):
        cases = [(language, (entry,), words, True) for language, entry, words in self.CAUGHT]
        for language, entries, words, blocked in cases + [(*case, False) for case in self.KEPT]:
            blocklist = self.blocklist(language, *entries)
            for word in words.split():
                with self.subTest(language=language, entries=entries, word=word):
                    self.assertEqual(blocklist.blocks(word), blocked)

    def test_the_entry_that_blocks_a_word_is_named(self):
        self.assertEqual(self.blocklist("nl", "kut*", "*hoer").entry_blocking("STOEPHOEREN"), "*hoer")

    def test_a_bad_blocklist_line_is_named(self):
        for text in ("two words\n", "w0rd\n", "ok\n*\n"):
            with self.subTest(text=text):
                with self.assertRaisesRegex(ValueError, r"\.txt:\d+:"):
                    read_blocklist(self.text_file(text), "en")

    def test_classroom_lists_and_puzzle_readings_are_read_and_bad_lines_named(self):
        cases = [(read_classroom, "# review\nABCDEFGH ok\nBCDEFGHI unfit  # gloss\n\n", {"ABCDEFGH": "ok", "BCDEFGHI": "unfit"}),
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
