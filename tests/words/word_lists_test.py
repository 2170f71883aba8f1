#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the bundled word lists in data/: format, nested levels, sizes, no blocklisted word or form in any level (loanword entries of other languages included), Level 1 as the classroom lists, the concept table, the form rules and the puzzle-word readings judge it; and the blocklist, concept and form rules themselves."""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))
from loopword_blocklist import (  # noqa: E402
    LEVELS, MINIMUM_LEVEL1, OTHER_LANGUAGES, Blocklist, blocklist_path, format_faults, is_roman_numeral,
    language_blocklist, level_file_name, npm_blocklist, read_blocklist)
from loopword_classroom import classroom_path, puzzle_words_path, read_classroom, read_puzzle_words  # noqa: E402
from loopword_language import fold  # noqa: E402
from loopword_rules import (  # noqa: E402
    effective_verdicts, form_kind, level_faults, rare_families, read_concepts, read_lexicon)

DATA = os.path.join(ROOT, "data")
MAKE_WORDLISTS = os.path.join(ROOT, "tools", "make-wordlists")
# The npm blocklists the lists were filtered with, at the versions tools/make-wordlists pins (`npm ci` in tests/web).
NPM_MODULES = os.path.join(ROOT, "tests", "web", "node_modules")
LANGUAGES = ("en",) + OTHER_LANGUAGES
CONCEPTS = read_concepts(os.path.join(DATA, "concepts.txt"))
_LEXICONS = {}


def lexicon(language):
    """The word list the form rules read in `language` (read once), or None for a language without form rules."""
    if language not in _LEXICONS:
        _LEXICONS[language] = read_lexicon(language, set(level_words(language, 3)))
    return _LEXICONS[language]


def text_file(test, text):
    """A temporary .txt file holding `text`, removed when `test` ends."""
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
        f.write(text)
    test.addCleanup(os.unlink, f.name)
    return f.name


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
                blocklist = language_blocklist(DATA, language)  # with the other languages' loanword entries
                for word in self.KEPT_BY_THE_BLOCKLISTS[language].split():
                    self.assertFalse(blocklist.blocks(word), "an innocent look-alike blocked: " + word)
                # Both files are read whole: a malformed, unsorted or repeated line raises.
                verdicts = read_classroom(classroom_path(DATA, language))
                readings = read_puzzle_words(puzzle_words_path(DATA, language))
                offensive = {w for w, v in verdicts.items() if v == "offensive"}
                for level, words in zip(LEVELS, levels):  # no blocklisted word or form, none judged offensive, no numeral
                    unfit = [w for w in words if blocklist.blocks(w) or w in offensive or is_roman_numeral(w)]
                    self.assertEqual(unfit, [], "level %d" % level)
                # Level 1 as the classroom list judges it once the concept table and the form rules are applied.
                applied, _ = effective_verdicts(language, verdicts, CONCEPTS, level2, lexicon(language))
                self.assertEqual([(w, applied.get(w, "no verdict")) for w in levels[0] if applied.get(w) != "ok"], [])
                self.assertEqual(level_faults(language, (level1, level2, level3), blocklist, applied, CONCEPTS,
                                              lexicon(language)), [])
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


class VerdictRulesTest(unittest.TestCase):
    """The concept table and the form rules that give every word of a kind one Level 1 verdict."""

    def lexicon(self, language):
        if lexicon(language) is None:
            self.fail("the %s word list is missing: install the w* lists (scripts/lib/common.sh lists them)" % language)
        return lexicon(language)

    # Per language: words of a form rule's kind, and look-alikes of no kind.
    FORMS = [
        ("it", "pronoun", "SENTIRSI SCUSARSI SERVIRSI PARLARNE CHIAMAMI LASCIALA PORTARLO"),
        ("it", None, "VIOLENTO GENERALI ARRIVATI DETTAGLI PARALISI SEMBRAVI"),
        ("es", "pronoun", "LLAMARTE DECIRLES ACERCATE OLVIDALO LLEVARSE"),
        ("es", None, "ELEGANTE PRIMEROS INTERNOS MENTALES PRESENTE"),
        ("pt", "tense", "QUISEREM QUISERES TIVEREM DISSEREM"),
        ("pt", None, "FALAREM COMPARAR ESPERADO QUISERAM"), ("fr", "tense", "DONNAMES PARLASSE"),
        ("fr", None, "RAMASSES FINANCER CUIRASSE"),
        ("nl", "joined", "DOORGING TOESLAAT TERUGBEL DOODGING TOESTAAT TERUGKOM"),
        ("nl", None, "TOESTAND TOEGANG AFSCHEID OPSTAND AANDACHT AFZETTEN INDEXEER VOORWERP OPENBAAR"),
    ]

    def test_form_rules_find_every_word_of_their_kind_and_no_look_alike(self):
        for language, kind, words in self.FORMS:
            for word in words.split():
                with self.subTest(language=language, word=word):
                    self.assertEqual(form_kind(language, word, self.lexicon(language)), kind)

    def test_a_verb_judged_rare_takes_its_verb_forms_along_but_not_its_nouns(self):
        cases = [("fr", {"FINANCER": "rare", "INVESTIS": "rare", "PARVENIR": "rare"},
                  "FINANCEE INVESTIR INVESTIT PARVIENT", "FINANCES INVENTER"),
                 ("fr", {"CHAMBRER": "rare"}, "CHAMBRER", "CHAMBRES CHAMBREUR"),
                 ("fr", {"CHAMBREE": "rare", "FINANCEE": "rare"}, "", "CHAMBRER FINANCER"),
                 ("es", {"FALLECER": "rare"}, "FALLECIO FALLECER", "LIBERTAD"),
                 ("it", {"SOFFIATA": "rare"}, "", "SOFFIARE")]
        for language, verdicts, taken, left in cases:
            words = set(taken.split()) | set(left.split())
            found = rare_families(language, verdicts, words, self.lexicon(language))
            with self.subTest(language=language, verdicts=verdicts):
                self.assertEqual(sorted(found), sorted(taken.split()))

    def test_a_concept_has_one_verdict_in_all_seven_languages(self):
        # The concepts of the table: each language's words take the concept's verdict, and none of an unfit
        # concept is in a Level 1, whatever the classroom list says.
        self.assertGreaterEqual(len(CONCEPTS), 8)
        for concept in CONCEPTS:
            for language in LANGUAGES:
                level1 = set(level_words(language, 1))
                verdicts = read_classroom(classroom_path(DATA, language))
                applied, overrides = effective_verdicts(language, verdicts, CONCEPTS, set(), None)
                for word in sorted(concept.words[language]):
                    with self.subTest(concept=concept.name, language=language, word=word):
                        self.assertIn(applied[word], (concept.verdict, "offensive"))
                        if concept.verdict == "unfit":
                            self.assertNotIn(word, level1)
                        overridden = verdicts.get(word, "no verdict") not in (concept.verdict, "offensive")
                        self.assertEqual(any(o[0] == word for o in overrides), overridden)

    def test_concept_rows_are_read_and_bad_ones_named(self):
        every = " ".join("%s:-" % language for language in LANGUAGES)
        cases = [("bomb unfit en:BOMBINGS %s\n" % every, None), ("bomb risky en:BOMBINGS %s\n" % every, ":1:"),
                 ("bomb unfit en:BOMBING %s\n" % every, ":1:"), ("bomb unfit en:BOMBINGS xx:BOMBINGS %s\n" % every, ":1:"),
                 ("# c\nbomb unfit en:BOMBINGS de:BOMBEN\n", ":2:"), ("bomb unfit\n", ":1:")]
        for text, error in cases:
            path = text_file(self, text)
            with self.subTest(text=text):
                if error is None:
                    (concept,) = read_concepts(path)
                    self.assertEqual((concept.name, concept.verdict, concept.words["en"]), ("bomb", "unfit", {"BOMBINGS"}))
                else:
                    with self.assertRaisesRegex(ValueError, r"\.txt" + error):
                        read_concepts(path)

    def plant(self, language, level, word):
        """A copy of the data folder's lists with `word` planted in `language`'s `level` and the levels above."""
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        for code in LANGUAGES:
            for number in LEVELS:
                words = set(level_words(code, number)) | ({word} if code == language and number >= level else set())
                with open(os.path.join(folder, level_file_name(code, number)), "wb") as f:
                    f.write("".join(w + "\r\n" for w in sorted(words)).encode("ascii"))
        return folder

    def test_the_list_builds_check_fails_on_a_planted_word(self):
        cases = [("nl", 2, "BULLSHIT", "BULLSHIT is blocked \\(en:\\*shit\\)"), ("de", 3, "PEEPSHOW", "PEEPSHOW is blocked"),
                 ("it", 1, "SERVIRSI", "SERVIRSI is of the form rule"),
                 ("en", 1, "DYNAMITE", "DYNAMITE of the unfit concept dynamite"), ("de", 3, "ZANDBANK", None)]
        for language, level, word, fault in cases:
            with self.subTest(language=language, word=word):
                result = subprocess.run([sys.executable, MAKE_WORDLISTS, "--check", self.plant(language, level, word),
                                         "--language", language], capture_output=True, text=True, check=False)
                if fault is None:
                    self.assertEqual((result.returncode, result.stderr), (0, result.stderr))
                else:
                    self.assertEqual(result.returncode, 1, result.stderr)
                    self.assertRegex(result.stderr, fault)


class BlocklistRulesTest(unittest.TestCase):
    def assert_blocks(self, blocklist, blocked, kept, **trace):
        """`blocklist` blocks each word of `blocked` and none of `kept` (words separated by blanks)."""
        for word, expected in [(w, True) for w in blocked.split()] + [(w, False) for w in kept.split()]:
            with self.subTest(word=word, **trace):
                self.assertEqual(blocklist.blocks(word), expected)

    def blocklist(self, language, *entries):
        blocklist = Blocklist(language)
        for entry in entries:
            self.assertTrue(blocklist.add(entry), entry)
        return blocklist

    # Per language: an entry and forms of it that must be blocked.
    CAUGHT = [
        ("en", "crap", "CRAPPIER CRAPPING CRAPPERS"), ("en", "rape", "RAPINGS"), ("de", "ficken", "GEFICKTE FICKTEST ABGEFICKT ABZUFICKEN RUMFICKEN"),
        ("de", "orgasmus", "ORGASMEN"), ("de", "penis", "PENISSEN PENISSE"), ("de", "vagina", "VAGINALE VAGINALEN"), ("de", "arsch", "AERSCHE"),
        ("de", "vögeln", "GEVOEGELT VOEGELTE"), ("de", "scheiße", "SCHEISSE SCHEISSIG"), ("de", "*nazi", "NEONAZIS"),
        ("nl", "neuken", "GENEUKTE INNEUKEN INGENEUKT NEUKTEN"), ("nl", "orgasme", "ORGASMEN"), ("nl", "lul", "LULLETJE LULLEN"),
        ("nl", "kloten", "KLOOTTEN"), ("nl", "vagina", "VAGINAAL VAGINALE"), ("nl", "wijf", "WIJVEN"),
        ("nl", "*neger*", "NEGERTJE BOSNEGER BOSNEGERS NEGERHUT NEGER"), ("nl", "*hoer", "STOEPHOER STOEPHOEREN HOERTJES"),
        ("fr", "foutre", "FOUTRAIS FOUTIONS FOUTUES FOUTRAI FOUTRIONS"), ("fr", "enculer", "ENCULIEZ ENCULEES"), ("fr", "violer", "VIOLEREZ VIOLAMES VIOLASSE"),
        ("fr", "branler", "BRANLAIT"), ("fr", "salope", "SALOPES"), ("fr", "vagin", "VAGINALE VAGINAUX"), ("fr", "enculé", "ENCULEES"),
        ("es", "maldito", "MALDITAS MALDITOS MALDITA"), ("es", "joder", "JODIENDO JODERTE JODIERAN JODERE JODERIAN"), ("es", "cabrón", "CABRONES CABRONAS"),
        ("es", "follar", "FOLLADOR FOLLASTEIS FOLLARIAN"), ("es", "chingar", "CHINGUEMOS"), ("it", "bastardo", "BASTARDI BASTARDA BASTARDE"),
        ("it", "stronzo", "STRONZATA STRONZONE"), ("it", "scopare", "SCOPARLA SCOPEREI SCOPASSERO SCOPERO SCOPEREBBE"), ("it", "fottere", "FOTTUTI FOTTERTI"),
        ("pt", "estuprar", "ESTUPREI ESTUPROU ESTUPRASSE"), ("pt", "foder", "FODERAM FODIDAS FODEREI FODERIAM"), ("pt", "cabrão", "CABROES CABRONA"),
        ("pt", "crioulo", "CRIOULOS CRIOULAS"),
        # y to i after a prefix entry; a prefix entry after a verb prefix; adjective degrees; every tense
        ("en", "sissy*", "SISSIES SISSIEST SISSYISH"), ("en", "tarty", "TARTIEST TARTIER TARTILY"),
        ("fr", "piss*", "PISSEREZ COMPISSE COMPISSA REPISSER"), ("de", "tuntig", "TUNTIGE TUNTIGEM TUNTIGER TUNTIGST TUNTIGSTE"),
        ("pt", "judiar", "JUDIEMOS JUDIOU JUDIEI"), ("fr", "baiser", "BAISERAI BAISERAS BAISEREZ BAISASSE BAISIONS"),
        ("fr", "parvenir", "PARVIENT PARVIENDRA PARVINT PARVENUE"),
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
        ("fr", ("piss*", "!pissette"), "TAPISSER EPISSURE CREPISSE GLAPISSE PISSETTE"), ("en", ("sissy*",), "SISTERLY"), ("en", ("tarty",), "TARTNESS TARTLETS TARTAN"),
        ("de", ("tuntig",), "STUNTMAN MITUNTER"), ("pt", ("judiar", "!judia"), "JUDIA JUDICIAL ADJUDICA"),
        ("fr", ("baiser",), "BAISSERA BAISOTER ABAISSER"),
    ]

    def test_every_form_of_a_blocked_word_is_blocked_and_innocent_look_alikes_stay(self):
        for language, entry, words in self.CAUGHT:
            self.assert_blocks(self.blocklist(language, entry), words, "", language=language, entries=entry)
        for language, entries, words in self.KEPT:
            self.assert_blocks(self.blocklist(language, *entries), "", words, language=language, entries=entries)
        self.assertEqual(self.blocklist("nl", "kut*", "*hoer").entry_blocking("STOEPHOEREN"), "*hoer")

    def folder(self, files):
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        for language in LANGUAGES:
            with open(blocklist_path(folder, language), "w", encoding="utf-8") as f:
                f.write(files.get(language, ""))
        return folder

    # A loanword entry blocks in the languages it names, with the forms of both languages.
    LOANS = [
        ({"en": "peepshow @de\n"}, "de", "PEEPSHOW PEEPSHOWS", ""), ({"en": "peepshow @de\n"}, "nl", "", "PEEPSHOW"),
        ({"en": "*fuck* @all\n"}, "nl", "FISTFUCK FOTOFUCK FUCKTEN", "FUSTEN"),
        ({"en": "*shit @all\nshit* @all\n"}, "nl", "BULLSHIT SHITSTORM", "SHIITAKE"),
        ({"en": "wanker @all\n"}, "de", "WANKERS", "WANKENDE WANKELMUT"),
        ({"en": "slapper\n"}, "nl", "", "SLAPPERS"), ({"en": "slapper\n"}, "en", "SLAPPERS", "SLAPPING"),
        ({"nl": "polak @de @en\n"}, "de", "POLAKEN POLAK", ""), ({"nl": "polak @de @en\n"}, "en", "POLAKS", ""),
        ({"de": "halbjude @all\n!halbjuden @nl\n"}, "nl", "HALBJUDE", "HALBJUDEN"),
    ]

    def test_loanword_entries_block_in_the_languages_they_name(self):
        for files, language, blocked, kept in self.LOANS:
            self.assert_blocks(language_blocklist(self.folder(files), language), blocked, kept, files=files, language=language)
        self.assertEqual(language_blocklist(self.folder(self.LOANS[0][0]), "de").entry_blocking("PEEPSHOW"), "en:peepshow")
        for text in ("peepshow @xx\n", "peepshow de\n", "peep show @all\n"):
            with self.subTest(text=text), self.assertRaisesRegex(ValueError, r"extra-blocklist\.txt:1:"):
                language_blocklist(self.folder({"en": text}), "de")

    def test_whole_word_verb_entries_of_the_npm_lists_take_their_future_and_conditional(self):
        cases = [("fr", ("baiser", "bourré"), "BAISERAI BAISERAIT BAISERONS BOURRE", "BAISERS BOURRAIS BOURRONS"),
                 ("it", ("scopare",), "SCOPERAI SCOPEREI", "SCOPARLA SCOPERTA"),
                 ("pt", ("foder",), "FODEREMOS FODERIAM", "FODEMOS"), ("es", ("follar",), "FOLLAREMOS FOLLARIA", "FOLLAMOS"),
                 ("nl", ("neuken",), "NEUKEN", "NEUKTEN")]
        for language, entries, blocked, kept in cases:
            self.assert_blocks(npm_blocklist(language, entries), blocked, kept, language=language)

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
                    self.assertEqual(read(text_file(self, text)), expected)
                else:
                    with self.assertRaisesRegex(ValueError, r"\.txt" + expected):
                        read(text_file(self, text))
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
