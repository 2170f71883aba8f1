"""The rules that give every word of a kind the same Level 1 verdict: the concept table and the form rules.

The concept table (data/concepts.txt) holds one concept a line: its name, its Level 1 verdict (ok or
unfit) and its words in each of the seven languages, xx:WORD (xx:- for a language with no eight-letter
word for it); '#' starts a comment.  Every word of a concept gets the concept's verdict in its language,
whatever the classroom list says, so that a concept is fit or unfit in all seven languages alike.

The form rules find the words of a kind a pupil does not recognise on its own (see data/README,
"Classroom lists", rule 3) by their shape and the language's full word list (any length):

  pronoun    Spanish and Italian verbs with attached pronouns (LLAMARTE, SENTIRSI, SERVIRSI,
             ACERCATE, CHIAMAMI): an infinitive, gerund or regular imperative of a verb of the word
             list followed by pronouns
  tense      Spanish and Portuguese future subjunctive (HABLAREN, QUISEREM: the stem of the imperfect
             subjunctive followed by -re / -r; a Portuguese personal infinitive, FALAREM, is no such
             form) and French passé simple and imperfect subjunctive of -er verbs (DONNAMES, PARLASSE)
  joined     Dutch separable verbs written as one word in a finite form (DOORGING, TOESLAAT,
             TERUGBEL, DOODGING, TOESTAAT, TERUGKOM): a separable particle and a present or past form
             of a verb of the word list whose infinitive and participle with that particle (DOORGAAN,
             DOORGEGAAN) are in it too, unless the word is also a noun (TOESTAND, AFSCHEID)

and the family rule: a verb whose infinitive (or French -ir or -re past participle) a reader judged rare is
rare in its verb forms that no noun shares the ending of (French FINANCER, INVESTIS, PARVENIR take
INVESTIR, INVESTIT, PARVIENT along; CHAMBRES beside a rare CHAMBRER stays, as a noun).
"""
# SPDX-License-Identifier: GPL-3.0-or-later
import bisect
import os

from loopword_classroom import data_lines
from loopword_language import LANGUAGES, fold
from loopword_morphology import verb_forms

CONCEPT_VERDICTS = ("ok", "unfit")
# The word lists the form rules read, by language (Debian's w* packages; English and German have no form rule).
LEXICON_FILES = {"fr": "french", "es": "spanish", "it": "italian", "pt": "portuguese",
                 "nl": "dutch"}

_ES_PRONOUNS = ("ME", "TE", "SE", "LO", "LA", "LE", "NOS", "LOS", "LAS", "LES")
_IT_PRONOUNS = ("MI", "TI", "SI", "CI", "VI", "LO", "LA", "LI", "LE", "NE", "GLI")
# Two pronouns attached: the first of these, then an object (Spanish DAMELO, Italian DIRTELO).
_ES_FIRST = ("ME", "TE", "SE", "NOS", "OS")
_IT_FIRST = ("ME", "TE", "SE", "CE", "VE", "GLIE")
_ES_SECOND = ("LO", "LA", "LOS", "LAS", "LE", "LES")
_IT_SECOND = ("LO", "LA", "LI", "LE", "NE")
# Italian imperatives are not read before these endings, where adjectives and participles are the usual
# reading (GENERALI, ARRIVATI, GUARDATI).
_ES_NOT_IMPERATIVE = ("NTE", "NTES", "ALES", "ETE", "ETES")
_IT_NOT_IMPERATIVE = ("ALE", "ALI", "ATI", "ITI", "UTI", "ETI", "ATE", "ITE", "UTE", "AGLI", "AVI", "EVI", "IVI")
_NL_PARTICLES = ("AAN", "AF", "BIJ", "DOOR", "DOOD", "IN", "MEE", "NA", "OM", "OP", "OPEN", "TERUG",
                 "TOE", "UIT", "VOOR", "WEG", "VAST", "LOS", "THUIS", "TEGEN", "SAMEN", "NEER", "KWIJT", "ROND", "STUK",
                 "GOED", "HEEN", "LANGS", "WEER", "VOORT", "BINNEN", "BUITEN", "OMHOOG")
# Dutch strong and irregular verbs: infinitive and its past forms (singular, plural).
_NL_STRONG = {
    "GAAN": ("GING", "GINGEN"), "STAAN": ("STOND", "STONDEN"), "SLAAN": ("SLOEG", "SLOEGEN"),
    "KOMEN": ("KWAM", "KWAMEN"), "LOPEN": ("LIEP", "LIEPEN"), "NEMEN": ("NAM", "NAMEN"), "GEVEN": ("GAF", "GAVEN"),
    "ZIEN": ("ZAG", "ZAGEN"), "HOUDEN": ("HIELD", "HIELDEN"), "VALLEN": ("VIEL", "VIELEN"),
    "BLIJVEN": ("BLEEF", "BLEVEN"), "SCHRIJVEN": ("SCHREEF", "SCHREVEN"), "RIJDEN": ("REED", "REDEN"),
    "TREKKEN": ("TROK", "TROKKEN"), "DRAGEN": ("DROEG", "DROEGEN"), "VINDEN": ("VOND", "VONDEN"),
    "BRENGEN": ("BRACHT", "BRACHTEN"), "DENKEN": ("DACHT", "DACHTEN"), "ZOEKEN": ("ZOCHT", "ZOCHTEN"),
    "KOPEN": ("KOCHT", "KOCHTEN"), "DOEN": ("DEED", "DEDEN"), "LIGGEN": ("LAG", "LAGEN"), "ZITTEN": ("ZAT", "ZATEN"),
    "SPREKEN": ("SPRAK", "SPRAKEN"), "BREKEN": ("BRAK", "BRAKEN"), "LEZEN": ("LAS", "LAZEN"), "ETEN": ("AT", "ATEN"),
    "SCHIETEN": ("SCHOOT", "SCHOTEN"), "SLUITEN": ("SLOOT", "SLOTEN"), "HANGEN": ("HING", "HINGEN"),
    "VANGEN": ("VING", "VINGEN"), "STEKEN": ("STAK", "STAKEN"), "KIJKEN": ("KEEK", "KEKEN"),
    "GRIJPEN": ("GREEP", "GREPEN"), "BIEDEN": ("BOOD", "BODEN"), "VLIEGEN": ("VLOOG", "VLOGEN"),
    "WIJZEN": ("WEES", "WEZEN"), "WINNEN": ("WON", "WONNEN"), "ROEPEN": ("RIEP", "RIEPEN"),
    "SLAPEN": ("SLIEP", "SLIEPEN"), "LATEN": ("LIET", "LIETEN"), "WERPEN": ("WIERP", "WIERPEN"),
    "ZENDEN": ("ZOND", "ZONDEN"), "SPRINGEN": ("SPRONG", "SPRONGEN"), "ZINGEN": ("ZONG", "ZONGEN"),
    "DRINKEN": ("DRONK", "DRONKEN"), "BINDEN": ("BOND", "BONDEN"), "SCHUIVEN": ("SCHOOF", "SCHOVEN"),
    "KIEZEN": ("KOOS", "KOZEN"), "BIJTEN": ("BEET", "BETEN"), "LIJKEN": ("LEEK", "LEKEN"),
    "STIJGEN": ("STEEG", "STEGEN"), "KRIJGEN": ("KREEG", "KREGEN"), "WASSEN": ("WIES", "WIESEN"),
    "HELPEN": ("HIELP", "HIELPEN"), "TREDEN": ("TRAD", "TRADEN"), "MOETEN": ("MOEST", "MOESTEN"),
}


class Concept:
    """One concept of the table: its name, Level 1 verdict, words by language and the line it is on."""

    def __init__(self, name, verdict, words, line):
        self.name, self.verdict, self.words, self.line = name, verdict, words, line


def read_concepts(path):
    """The concepts of the table at `path`; raises ValueError naming the line of a malformed one (no
    verdict, a word that is not 8 capitals, a language missing or unknown)."""
    concepts = []
    for number, where, fields, _ in data_lines(path):
        if len(fields) < 3 or fields[1] not in CONCEPT_VERDICTS:
            raise ValueError(where + "a concept needs a name, a verdict (%s) and words" % ", ".join(CONCEPT_VERDICTS))
        words = {language: set() for language in LANGUAGES}
        for field in fields[2:]:
            language, _, word = field.partition(":")
            if language not in words or not (word == "-" or (len(word) == 8 and word.isalpha() and word.isupper()
                                                             and word.isascii())):
                raise ValueError(where + "%r is not xx:WORD of eight capitals (or xx:-)" % field)
            words[language] |= {word} - {"-"}
        missing = [language for language in LANGUAGES if not any(f.startswith(language + ":") for f in fields[2:])]
        if missing:
            raise ValueError(where + "%s has no word in %s" % (fields[0], ", ".join(missing)))
        concepts.append(Concept(fields[0], fields[1], words, number))
    return concepts


class Lexicon(set):
    """The folded words of any length of a language, with the words that start with a given one."""

    def __init__(self, words):
        super().__init__(words)
        self.ordered = sorted(self)

    def longer(self, start):
        """The words of the lexicon that start with `start` and are longer."""
        at = bisect.bisect_right(self.ordered, start)
        found = []
        while at < len(self.ordered) and self.ordered[at].startswith(start):
            found.append(self.ordered[at])
            at += 1
        return found


def read_lexicon(language, level3=()):
    """The Lexicon of the language's Debian word list (any length, folded) and its Level 3 words, or None
    when the language has no form rule or the list is missing."""
    if language not in LEXICON_FILES or not os.path.exists("/usr/share/dict/" + LEXICON_FILES[language]):
        return None
    path = "/usr/share/dict/" + LEXICON_FILES[language]
    with open(path, encoding="utf-8") as f:
        return Lexicon(({fold(language, line.strip()) for line in f} | set(level3)) - {""})


# ---------------------------------------------------------------- form rules

def _is_verb(language, infinitive, lexicon):
    """Whether the infinitive (Italian without its final e) is a verb of the word list: it and one of its
    participles, gerunds or first persons plural are in it (PRIMER, Spanish for first, has none)."""
    stem, ending = infinitive[:-2], infinitive[-2:]
    if language == "es":
        others = {stem + e for e in ("ADO", "ADA", "IDO", "IDA", "ANDO", "IENDO", "AMOS", "EMOS", "IMOS", "ADOR", "IDOR")}
        return infinitive in lexicon and bool(others & lexicon)
    others = {stem.removesuffix("I") + "IAMO", stem + {"AR": "ATO", "ER": "UTO", "IR": "ITO"}[ending]}
    return infinitive + "E" in lexicon and bool(others & lexicon)


def _imperative_infinitives(language, verb):
    """The infinitives (Italian without the final e) an imperative may belong to: Spanish ACERCA (acercar),
    COME (comer), ALEJEN (alejar); Italian CHIAMA (chiamare), PRENDI (prendere), ALZATE (alzare)."""
    if language == "es":
        for ending, infinitives in (("A", ("AR",)), ("E", ("ER", "IR", "AR")), ("EN", ("AR",))):
            if verb.endswith(ending):
                yield from (verb[: -len(ending)] + i for i in infinitives)
    else:
        for ending, infinitives in (("A", ("AR",)), ("I", ("ER", "IR")), ("ATE", ("AR",)), ("ETE", ("ER",)),
                                    ("ITE", ("IR",))):
            if verb.endswith(ending):
                yield from (verb[: -len(ending)] + i for i in infinitives)


def _pronoun_form(language, word, lexicon):
    pronouns, first, second = (_ES_PRONOUNS, _ES_FIRST, _ES_SECOND) if language == "es" else (
        _IT_PRONOUNS, _IT_FIRST, _IT_SECOND)
    for size in range(2, 7):
        verb, pronoun = word[:-size], word[-size:]
        attached = pronoun in pronouns or any(pronoun[:cut] in first and pronoun[cut:] in second for cut in (2, 3, 4))
        if not attached or len(verb) < 3:
            continue
        if verb.endswith(("ANDO", "ENDO")) and verb in lexicon:
            return True
        imperative = not word.endswith(_ES_NOT_IMPERATIVE if language == "es" else _IT_NOT_IMPERATIVE)
        infinitives = [verb] if verb.endswith(("AR", "ER", "IR")) else list(
            _imperative_infinitives(language, verb)) if imperative else []
        if any(_is_verb(language, infinitive, lexicon) for infinitive in infinitives if len(infinitive) > 3):
            return True
    return False


def _stems(word, endings):
    """The word without each of the `endings` it ends with ("" included)."""
    return [word[: len(word) - len(ending)] for ending in endings if word.endswith(ending)]


def _spanish_future_subjunctive(word, lexicon):
    """HABLARE beside HABLASE, TUVIEREN beside TUVIESE."""
    return any(stem.endswith(future) and len(stem) > len(future) + 1 and stem[: -len(future)] + imperfect in lexicon
               for stem in _stems(word, ("", "S", "MOS", "IS", "N"))
               for future, imperfect in (("ARE", "ASE"), ("IERE", "IESE")))


def _portuguese_future_subjunctive(word, lexicon):
    """QUISEREM beside QUISESSE, of a verb whose form is no infinitive (FALAREM has FALANDO: a personal
    infinitive)."""
    return any(stem.endswith("R") and len(stem) > 3 and stem[:-1] + "SSE" in lexicon and stem[:-1] + "NDO" not in lexicon
               for stem in _stems(word, ("", "ES", "MOS", "DES", "EM")))


def _french_literary_tense(word, lexicon):
    """Passé simple and imperfect subjunctive of an -er verb (DONNAMES, PARLASSE), not a form of a verb in
    -asser or -érer (RAMASSES, ALTERENT)."""
    endings = ("AMES", "ATES", "ASSE", "ASSES", "ASSENT", "ASSIONS", "ASSIEZ", "ERENT")
    return any(len(word) - len(ending) > 2 and word[: -len(ending)] + "ER" in lexicon
               and word[: -len(ending)] + ending[:3] + "ER" not in lexicon and word[: -len(ending)] + "ERER" not in lexicon
               for ending in endings if word.endswith(ending))


_RARE_TENSES = {"es": _spanish_future_subjunctive, "pt": _portuguese_future_subjunctive, "fr": _french_literary_tense}


def _dutch_stems(infinitive):
    """The present stems of a Dutch infinitive: bellen BEL, lopen LOOP, geven GEEF, gaan GA, staan STA."""
    if infinitive.endswith("AAN") or infinitive in ("DOEN", "ZIEN"):
        return {infinitive[:-2] if infinitive.endswith("AAN") else infinitive[:-1]}
    if infinitive.endswith("KOMEN"):
        return {infinitive[:-2]}  # komen: KOM
    base = infinitive[:-2]
    if len(base) >= 2 and base[-1] == base[-2] and base[-1] not in "AEIOU":
        base = base[:-1]  # bellen: BEL
    elif len(base) >= 3 and base[-2] in "AEOU" and base[-3] not in "AEIOU" and base[-1] not in "AEIOU":
        base = base[:-1] + base[-2] + base[-1]  # lopen: LOOP
    return {base[:-1] + {"V": "F", "Z": "S"}.get(base[-1], base[-1])}


def _dutch_finite_forms(infinitive):
    """The present forms (ik, hij) and past forms of a Dutch verb; with a particle joined before them they
    are written only in a subordinate clause."""
    stems = _dutch_stems(infinitive)
    present = {s + ending for s in stems for ending in ("", "T")} | ({infinitive[:-1] + "T"} if infinitive.endswith(
        "AAN") else set())  # staan: STAAT
    past = set(_NL_STRONG.get(infinitive, ())) or {s + e for s in stems for e in ("TE", "TEN", "DE", "DEN")}
    return present | past


def _infinitives_of(rest):
    """The infinitives a Dutch present or past form may belong to (generously)."""
    found = {infinitive for infinitive, pasts in _NL_STRONG.items() if rest in pasts}
    for ending in ("", "T", "TE", "TEN", "DE", "DEN"):
        stem = rest[: len(rest) - len(ending)] if ending else rest
        if len(stem) < 2 or (ending and not rest.endswith(ending)):
            continue
        voiced = stem[:-1] + {"F": "V", "S": "Z"}.get(stem[-1], stem[-1])
        for base in {stem, voiced}:
            found |= {base + "EN", base + base[-1] + "EN", base + "N", base + "AN"}
            if len(base) >= 3 and base[-2] == base[-3] and base[-2] in "AEOU":
                found.add(base[:-2] + base[-1] + "EN")  # LOOP: LOPEN, GEEF: GEVEN
    return found


def _dutch_noun(word, lexicon):
    """Whether the Dutch `word` is also a noun or adjective: the word list holds a plural in -s, a
    diminutive, a noun in -heid or a compound with a linking s (AANDACHTSPUNT, VOORWERPSNAAM)."""
    if word in _NL_NOUNS or any(word + ending in lexicon for ending in ("S", "JE", "JES", "TJE", "TJES", "ETJE",
                                                                          "PJE", "HEID", word[-1] + "ETJE")):
        return True
    return any(len(w) >= len(word) + 4 and w[len(word)] == "S" and w[len(word) + 1] != "T"
               for w in lexicon.longer(word))


# Nouns spelled like a joined verb form that the word list gives no sign of.
_NL_NOUNS = ("AFSCHEID", "VOORSTEL")


def _joined_verb(word, lexicon):
    for particle in _NL_PARTICLES:
        rest = word[len(particle):]
        if not word.startswith(particle) or len(rest) < 2 or rest.startswith("GE"):
            continue
        if rest.endswith("EN") and rest in _infinitives_of(rest) and word in lexicon and rest in lexicon:
            continue  # an infinitive (AFZETTEN) reads as one before a past plural
        for infinitive in _infinitives_of(rest):
            if particle + infinitive not in lexicon or infinitive not in lexicon or rest not in _dutch_finite_forms(
                    infinitive) or not lexicon.longer(particle + "GE" + infinitive[:3]):
                continue
            if rest in _dutch_stems(infinitive) and word + "T" not in lexicon:
                continue  # a first person without a third is a noun (TOESTAND: no TOESTANDT)
            if _dutch_noun(word, lexicon):
                continue  # a noun or adjective of the same spelling is read first (AANDACHT, AFSCHEID)
            return True
    return False


def form_kind(language, word, lexicon):
    """The form rule `word` falls under in `language` (pronoun, tense, joined), or None."""
    if not lexicon:
        return None
    if language in ("es", "it") and _pronoun_form(language, word, lexicon):
        return "pronoun"
    if language in _RARE_TENSES and _RARE_TENSES[language](word, lexicon):
        return "tense"
    if language == "nl" and _joined_verb(word, lexicon):
        return "joined"
    return None


# ---------------------------------------------------------------- the family rule

_INFINITIVES = {"fr": ("ER", "IR", "RE"), "es": ("AR", "ER", "IR"), "pt": ("AR", "ER", "IR"),
                "it": ("ARE", "ERE", "IRE")}
# The French past participles of -ir and -re verbs, which are no nouns (INVESTIS; -er participles are:
# DESTINEE, ARMEE).
_FR_PARTICIPLES = {"IR": ("I", "IE", "IS", "IES"), "RE": ("U", "UE", "US", "UES")}


def verb_of(language, word, lexicon):
    """The infinitive `word` is (or in French the -ir or -re past participle of) when it is in the word
    list, else None."""
    if word.endswith(_INFINITIVES.get(language, ())) and word in lexicon:
        return word
    for ending, participles in _FR_PARTICIPLES.items() if language == "fr" else ():
        for participle in participles:
            infinitive = word[: len(word) - len(participle)] + ending
            if word.endswith(participle) and infinitive in lexicon:
                return infinitive
    return None


# The endings of the verb forms a rare verb takes along: those no noun or adjective of the family ends in
# (CHAMBRES, ESTRADAS, LIBERTAD stay: a noun of the same spelling is read first; -ee of a rare -er verb
# goes: FINANCEE, DESTINEE).
_VERB_ONLY = {
    "fr": ("ER", "IR", "RE", "T", "IT", "ENT", "ISSENT", "ONS", "ISSONS", "EZ", "ISSEZ", "AIS", "AIT", "AIENT",
           "ISSAIS", "ISSAIT", "IONS", "IEZ", "ERA", "ERAI", "ERAS", "ERONS", "EREZ", "ERONT", "ERAIT", "IRA", "IRAI",
           "IRAS", "IRAIT", "IE", "IS", "U", "UE", "US", "UES", "EE", "EES"),
    "es": ("AR", "ER", "IR", "ANDO", "IENDO", "AMOS", "EMOS", "IMOS", "ARON", "IERON", "ABA", "ABAN", "IO", "IERA",
           "IERAN", "ASE", "IESE", "ARIA", "ERIA", "IRIA"),
    "it": ("ARE", "ERE", "IRE", "ANDO", "ENDO", "IAMO", "AVA", "EVA", "IVA", "AVANO", "EVANO", "IVANO", "ERANNO",
           "IRANNO", "EREBBE", "IREBBE", "ASSE", "ESSE", "ISSE", "ARONO", "ERONO", "IRONO"),
    "pt": ("AR", "ER", "IR", "ANDO", "ENDO", "INDO", "AMOS", "EMOS", "IMOS", "ARAM", "ERAM", "IRAM", "AVA", "AVAM",
           "OU", "EU", "IU", "AREI", "EREI", "IREI", "ARIA", "ERIA", "IRIA", "ASSE", "ESSE", "ISSE"),
}


def rare_families(language, verdicts, words, lexicon):
    """The words of `words` that are forms of a verb whose infinitive or past participle is judged rare
    (the forms with an ending of the verb alone)."""
    if not lexicon or language not in _INFINITIVES:
        return {}
    rare_verbs = {}
    for word, verdict in verdicts.items():
        verb = verb_of(language, word, lexicon) if verdict == "rare" else None
        if verb:
            rare_verbs.setdefault(verb, word)
    found = {}
    for verb, judged in sorted(rare_verbs.items()):
        stem = verb[: -len(next(e for e in _INFINITIVES[language] if verb.endswith(e)))]
        for form in {f for f in verb_forms(language, verb) & words if f[len(stem):] in _VERB_ONLY[language]
                     or (not f.startswith(stem) and f.endswith(_VERB_ONLY[language]))}:
            found.setdefault(form, "%s, a form of %s (%s judged rare)" % (form, verb, judged))
    return found


# ---------------------------------------------------------------- the verdicts the build applies

def effective_verdicts(language, verdicts, concepts, words, lexicon):
    """The classroom verdicts of `language` with the rules applied to `words` (the language's levels):
    concept words take the concept's verdict, words of a form rule's kind are form, the forms of a verb
    judged rare are rare.  Returns the verdicts and the overrides: (word, reader's verdict, rule's verdict,
    why), sorted."""
    result = dict(verdicts or {})
    overrides = []

    def apply(word, verdict, why):
        before = result.get(word, "no verdict")
        if before != "offensive" and before != verdict:
            result[word] = verdict
            overrides.append((word, before, verdict, why))

    for concept in concepts:
        for word in sorted(concept.words[language]):
            apply(word, concept.verdict, "concept %s" % concept.name)
    concept_words = {w for concept in concepts for w in concept.words[language]}
    for word in sorted(words - concept_words):
        kind = form_kind(language, word, lexicon)
        if kind and result.get(word) in ("ok", None):
            apply(word, "form", "form rule: %s" % kind)
    for word, why in sorted(rare_families(language, result, words - concept_words, lexicon).items()):
        if result.get(word) in ("ok", None):
            apply(word, "rare", "family rule: " + why)
    return result, sorted(overrides)


def level_faults(language, levels, blocklist, verdicts, concepts, lexicon):
    """What keeps `language`'s levels (Level 1, 2, 3 as sets) from the rules: a word a blocklist blocks
    in any level, a Level 1 word whose verdict (after the rules) is not ok, a word of a form rule's kind
    or of an unfit concept in Level 1, a concept word judged otherwise than its concept."""
    faults = []
    for level, words in zip((1, 2, 3), levels):
        faults += ["%s Level %d: %s is blocked (%s)" % (language, level, w, blocklist.entry_blocking(w))
                   for w in sorted(words) if blocklist.blocks(w)]
    level1 = levels[0]
    faults += ["%s Level 1: %s is judged %s" % (language, w, verdicts.get(w, "no verdict"))
               for w in sorted(level1) if verdicts.get(w) != "ok"]
    faults += ["%s Level 1: %s is of the form rule's kind %s" % (language, w, form_kind(language, w, lexicon))
               for w in sorted(level1) if form_kind(language, w, lexicon)]
    for concept in concepts:
        for word in sorted(concept.words[language]):
            if concept.verdict == "unfit" and word in level1:
                faults.append("%s Level 1: %s of the unfit concept %s" % (language, word, concept.name))
            if verdicts.get(word, concept.verdict) not in (concept.verdict, "offensive"):
                faults.append("%s: %s is judged %s, its concept %s %s" % (
                    language, word, verdicts.get(word), concept.name, concept.verdict))
    return faults
