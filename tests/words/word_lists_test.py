#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the bundled word lists in data/: format, nested levels, sizes, and no blocklisted word or form in any level."""
import json
import os
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))
from loopword_blocklist import (  # noqa: E402
    LEVELS, MINIMUM_LEVEL1, OTHER_LANGUAGES, Blocklist, blocklist_path, format_faults, inflected_forms,
    is_roman_numeral, level_file_name, npm_blocklist, read_blocklist)
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

    def test_no_level_holds_a_blocklisted_word_or_form(self):
        for language in LANGUAGES:
            blocklist = read_blocklist(blocklist_path(DATA, language), language)
            for level in LEVELS:
                with self.subTest(language=language, level=level):
                    self.assertEqual([w for w in level_words(language, level) if blocklist.blocks(w)], [])

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

    def test_no_level_holds_a_roman_numeral(self):
        for language in LANGUAGES:
            with self.subTest(language=language):
                self.assertEqual([w for w in level_words(language, 3) if is_roman_numeral(w)], [])

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
    def blocklist(self, language, *entries):
        blocklist = Blocklist(language)
        for entry in entries:
            self.assertTrue(blocklist.add(entry), entry)
        return blocklist

    def test_inflected_forms_are_blocked(self):
        cases = [
            ("en", "crap", "CRAPPIER", False), ("en", "bitch", "BITCHING", True),
            ("de", "ficken", "GEFICKTE", True), ("de", "ficken", "FICKTEST", True), ("de", "schlampe", "SCHLAMPEN", True),
            ("fr", "enculer", "ENCULEES", True), ("fr", "salope", "SALOPES", True), ("fr", "branler", "BRANLAIT", True),
            ("es", "joder", "JODIENDO", True), ("es", "cabrón", "CABRONES", True), ("es", "follar", "FOLLADOR", True),
            ("it", "stuprare", "STUPRATA", True), ("it", "stronzo", "STRONZATA", False),
            ("pt", "estuprar", "ESTUPROU", True), ("nl", "neuken", "GENEUKTE", True), ("nl", "schoft", "SCHOFTEN", True),
        ]
        for language, entry, word, blocked in cases:
            with self.subTest(entry=entry, word=word):
                self.assertEqual(self.blocklist(language, entry).blocks(word), blocked)

    def test_innocent_look_alikes_stay(self):
        cases = [
            ("en", ("ass", "crap"), ("CLASSICS", "SCRAPING", "ASSEMBLY")),
            ("de", ("arsch*", "ficken"), ("ABMARSCH", "EINMARSCH", "FICHTENS")),
            ("nl", ("kut*", "!kutter"), ("KUTTER", "SKUTTEN")),
            ("es", ("puta",), ("PUTATIVO", "DISPUTAS")),
        ]
        for language, entries, words in cases:
            blocklist = self.blocklist(language, *entries)
            for word in words:
                with self.subTest(language=language, word=word):
                    self.assertFalse(blocklist.blocks(word))

    def test_compound_markers_block_first_and_last_parts(self):
        blocklist = self.blocklist("nl", "kut*", "*hoer")
        self.assertEqual([blocklist.blocks(w) for w in ("KUTWIJFS", "STOEPHOER", "HOERTJES", "SKUTWIJF")],
                         [True, True, False, False])

    def test_entries_are_folded_like_the_lists(self):
        self.assertIn("SCHEISSE", inflected_forms("de", fold("de", "scheiße")))
        self.assertTrue(self.blocklist("fr", "enculé").blocks("ENCULEES"))

    def test_a_bad_blocklist_line_is_named(self):
        for text in ("two words\n", "w0rd\n", "ok\n*\n"):
            with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
                f.write(text)
            with self.subTest(text=text):
                with self.assertRaisesRegex(ValueError, r"\.txt:\d+:"):
                    read_blocklist(f.name, "en")
            os.unlink(f.name)

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
