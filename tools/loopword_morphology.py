"""The inflected and derived forms of a word in each language, for the blocklists: a blocked stem takes all its forms along.

forms(language, word) gives the capitalised word (folded like the lists) and every form the language's
rules derive from it: English -s, -es, -ed, -ing, -er, -ers, -y, -ier, -iest with consonant doubling,
e-drop and y to i; German and Dutch plurals, cases, diminutives, derived adjectives (-ig, -isch, -lich,
-elijk), verb forms and participles with ge- (also after a separable prefix: abgefickt, ingeneukt);
French, Spanish, Italian and Portuguese gender and number by replacing the final vowel (maldito gives
MALDITAS, bastardo BASTARDI) and, for a verb, every tense and mood of its conjugation with the
participles and gerund (and in Spanish, Italian and Portuguese the pronouns attached to the infinitive,
gerund and imperative).  The rules generate generously: a form that is no word matters to nobody, and
every word a blocklist entry removes is read (tools/make-wordlists --removals) before it is accepted.

noun_forms(language, word) gives the plural, case and gender forms only: what a compound entry
(*word) may end in.

VERB_PREFIXES holds per language the prefixes that make new verbs of any verb (French compisser from
pisser): a blocklist's prefix entry also matches after them.
"""
# SPDX-License-Identifier: GPL-3.0-or-later

_VOWELS = set("AEIOUY")

VERB_PREFIXES = {"fr": ("COM", "CON", "DE", "DES", "EN", "EM", "RE", "SUR")}


def _product(stems, endings):
    return {stem + ending for stem in stems for ending in endings}


# ---------------------------------------------------------------- English

def _english_vowel_stems(word):
    """The stems a vowel-initial ending attaches to: e dropped, final consonant doubled, y to i."""
    stems = {word}
    if word.endswith("E") and len(word) > 2:
        stems.add(word[:-1])
    if (len(word) >= 3 and word[-1] not in _VOWELS | set("WXH") and word[-2] in _VOWELS
            and word[-3] not in _VOWELS):
        stems.add(word + word[-1])
    return stems


def _english(word):
    forms = {word, word + "S", word + "ES", word + "LY", word + "NESS"}
    stems = _english_vowel_stems(word)
    forms |= _product(stems, ("ED", "ING", "INGS", "ER", "ERS", "EST", "Y", "ISH"))
    adjectives = {stem + "Y" for stem in stems} | ({word} if word.endswith("Y") else set())
    if word.endswith("Y") and len(word) > 2 and word[-2] not in _VOWELS:
        forms |= _product({word[:-1]}, ("IES", "IED", "IER", "IERS"))
    forms |= _product({a[:-1] for a in adjectives}, ("IER", "IEST", "ILY", "INESS"))
    return forms | adjectives


# ---------------------------------------------------------------- German

_DE_ADJECTIVE = ("", "E", "EN", "ER", "ES", "EM")
_DE_NOUN = ("", "E", "EN", "ER", "ES", "EM", "N", "S", "ERN", "IN", "INNEN", "CHEN", "LEIN", "EREI", "EREIEN")
_DE_SEPARABLE = ("AB", "AN", "AUF", "AUS", "BEI", "DURCH", "EIN", "FEST", "HER", "HERUM", "HIN", "LOS", "MIT",
                 "NACH", "RAN", "RAUS", "REIN", "RUM", "UM", "VOR", "VORBEI", "WEG", "ZU", "ZURUECK", "UEBER",
                 "UNTER", "DRAUF", "HERAUS", "HINEIN", "RUEBER", "RUNTER", "DURCH")
_DE_INSEPARABLE = ("BE", "EMP", "ENT", "ER", "GE", "MISS", "VER", "ZER")
_DE_VERB = ("", "E", "EN", "END", "ENDE", "ENDEN", "ENDER", "ENDES", "ENDEM", "EST", "ET", "ST", "T", "TE", "TEN",
            "TER", "TES", "TEST", "TET", "TEM", "ER", "ERN", "ERIN", "ERINNEN", "UNG", "UNGEN", "EREI", "EREIEN",
            "BAR", "BARE", "BAREN")


def _umlauted(word):
    """The word with the umlaut of its last a, o, u or au (Arsch: AERSCH), or None."""
    for at in range(len(word) - 1, -1, -1):
        if word[at:at + 2] == "AU":
            return word[:at] + "AEU" + word[at + 2:]
        if word[at] in "AOU" and word[at + 1:at + 2] != "E" and not (at and word[at - 1:at + 1] == "AU"):
            return word[:at] + word[at] + "E" + word[at + 1:]
    return None


def _german_noun(word):
    forms = _product({word}, _DE_NOUN)
    umlauted = _umlauted(word)
    if umlauted:
        forms |= _product({umlauted}, ("E", "EN", "ER", "ERN", "CHEN", "LEIN"))
    for ending, replacements in (("US", ("EN", "I")), ("UM", ("EN", "A")), ("A", ("EN",)), ("IS", ("ISSE", "ISSEN", "ES")),
                                 ("E", ("EN", "IG", "ISCH", "LICH"))):
        if word.endswith(ending):
            forms |= _product({word[: -len(ending)]}, replacements)
    base = word[:-1] if word.endswith("E") else word
    adjectives = _product({base, word}, ("IG", "ISCH", "LICH", "HAFT", "ISTISCH", "AL"))
    if word.endswith("A"):
        adjectives |= {word + "L"}
    return forms | _product(adjectives, _DE_ADJECTIVE + ("ERE", "EREN", "ER", "STE", "STEN"))


def _german_verb(word):
    if word.endswith("ELN") or word.endswith("ERN"):
        stems = {word[:-1], word[:-3] + word[-2]}  # vögeln: VOEGEL and VOEGL
    else:
        stems = {word[:-2]}
    forms = {word} | _product(stems, _DE_VERB)
    participles = set()
    for stem in stems:
        if stem.startswith(_DE_INSEPARABLE) or word.endswith("IEREN"):
            participles |= {stem + "T", stem + "EN"}
        participles |= {"GE" + stem + "T", "GE" + stem + "ET", "GE" + stem + "EN"}
    forms |= _product(participles, _DE_ADJECTIVE)
    return forms | _product(_DE_SEPARABLE, forms | {"ZU" + word})


def _german(word):
    forms = _german_noun(word)
    if word.endswith(("IG", "ISCH", "LICH", "HAFT", "BAR")):  # an adjective: its comparative and superlative
        forms |= _product({word + "ER", word + "ST"}, _DE_ADJECTIVE)
    if len(word) > 4 and (word.endswith("EN") or word.endswith("ELN") or word.endswith("ERN")):
        forms |= _german_verb(word)
    return forms


# ---------------------------------------------------------------- Dutch

_NL_SEPARABLE = ("AAN", "AF", "BIJ", "DOOR", "IN", "MEE", "NA", "OM", "ONDER", "OP", "OVER", "TERUG", "TOE", "UIT",
                 "VOOR", "WEG", "RAAK", "VOL", "RONDLOS", "KAPOT")
_NL_INSEPARABLE = ("BE", "ER", "GE", "HER", "ONT", "VER")
_NL_ADJECTIVE = ("IG", "IGE", "ISCH", "ISCHE", "ELIJK", "ELIJKE", "ACHTIG", "ACHTIGE", "ERIG", "ERIGE")


def _dutch_stems(word):
    """The word as it stands before an ending: final consonant doubled after a short vowel, a long vowel
    written once, f and s voiced (LUL: LULL; KLOOT: KLOT; WIJF: WIJV)."""
    stems = {word}
    if len(word) >= 3 and word[-1] not in _VOWELS and word[-2] in _VOWELS and word[-3] not in _VOWELS:
        stems.add(word + word[-1])
    if len(word) >= 4 and word[-1] not in _VOWELS and word[-2] == word[-3] and word[-2] in "AEOU":
        stems.add(word[:-2] + word[-1])
    stems |= {stem[:-1] + {"F": "V", "S": "Z"}[stem[-1]] for stem in set(stems) if stem[-1] in "FS"}
    return stems


def _dutch_noun(word):
    stems = _dutch_stems(word)
    forms = {word} | _product({word}, ("S", "JE", "JES", "TJE", "TJES", "PJE", "PJES", "ERIJ", "ERIJEN", "ES"))
    forms |= _product(stems, ("EN", "E", "ER", "ERS", "ETJE", "ETJES", "ERTJE", "ERTJES", "ES") + _NL_ADJECTIVE)
    if word.endswith("E"):
        forms |= {word + "N", word + "S", word[:-1] + "ETJE", word[:-1] + "ISCH", word[:-1] + "ISCHE"}
    if word.endswith("A"):
        forms |= {word + "AL", word + "ALE", word[:-1] + "ALE", word + "S"}
    if word.endswith("IS"):
        forms |= {word + "SEN"}
    return forms


def _dutch_verb(word):
    stems = _dutch_stems(word[:-2]) | {word[:-2]}
    if word[-3:-2] == word[-4:-3]:
        stems.add(word[:-3])
    if len(word) >= 5 and word[-3] not in _VOWELS and word[-4] in "AEOU" and word[-5] not in _VOWELS:
        stems.add(word[:-3] + word[-4] + word[-3])  # kloten: KLOOT
    stems |= {stem[:-1] + {"V": "F", "Z": "S"}[stem[-1]] for stem in set(stems) if stem and stem[-1] in "VZ"}
    forms = {word} | _product(stems, ("", "T", "TE", "TEN", "D", "DE", "DEN", "ER", "ERS", "ERIJ", "ERTJE", "END",
                                      "ENDE", "ERIG", "ERIGE"))
    participles = set()
    for stem in stems:
        participles |= {"GE" + stem + "T", "GE" + stem + "D", "GE" + stem + "TE", "GE" + stem + "DE"}
        if stem.startswith(_NL_INSEPARABLE):
            participles |= {stem + "T", stem + "D", stem + "TE", stem + "DE"}
    participles.add("GE" + word)
    forms |= participles
    return forms | _product(_NL_SEPARABLE, forms | {"TE" + word})


def _dutch(word):
    forms = _dutch_noun(word)
    if len(word) > 4 and word.endswith("EN"):
        forms |= _dutch_verb(word)
    return forms


# ---------------------------------------------------------------- French

_FR_ER = ("E", "ES", "ENT", "ONS", "EZ", "AIS", "AIT", "IONS", "IEZ", "AIENT", "AI", "AS", "A", "AMES", "ATES",
          "ERENT", "ERAI", "ERAS", "ERA", "ERONS", "EREZ", "ERONT", "ERAIS", "ERAIT", "ERIONS", "ERIEZ", "ERAIENT",
          "ASSE", "ASSES", "AT", "ASSIONS", "ASSIEZ", "ASSENT", "ANT", "ANTE", "ANTS", "ANTES", "EE", "EES",
          "EUR", "EURS", "EUSE", "EUSES", "AGE", "AGES", "ADE", "ADES", "ERIE", "ERIES", "EMENT", "ETTE", "ETTES")
_FR_IR = ("IS", "IT", "ISSONS", "ISSEZ", "ISSENT", "ISSAIS", "ISSAIT", "ISSIONS", "ISSIEZ", "ISSAIENT", "IMES",
          "ITES", "IRENT", "IRAI", "IRAS", "IRA", "IRONS", "IREZ", "IRONT", "IRAIS", "IRAIT", "IRIONS", "IRIEZ",
          "IRAIENT", "ISSE", "ISSES", "ISSANT", "I", "IE", "IES", "S", "T", "ONS", "EZ", "ENT", "E", "ES", "AIS",
          "AIT", "IONS", "IEZ", "AIENT", "ANT", "EUR", "EURS", "EUSE", "EUSES")
_FR_RE = ("S", "T", "ONS", "EZ", "ENT", "AIS", "AIT", "IONS", "IEZ", "AIENT", "IS", "IT", "IMES", "ITES", "IRENT",
          "RAI", "RAS", "RA", "RONS", "REZ", "RONT", "RAIS", "RAIT", "RIONS", "RIEZ", "RAIENT", "E", "ES", "ISSE",
          "ISSES", "ISSIONS", "ISSIEZ", "ISSENT", "ANT", "U", "UE", "US", "UES", "EUR", "EURS", "EUSE", "EUSES")


def _french_noun(word):
    forms = _product({word}, ("", "S", "X", "E", "ES"))
    for ending, replacements in (("AL", ("AUX", "ALE", "ALES")), ("IF", ("IVE", "IVES", "IFS")),
                                 ("EUX", ("EUSE", "EUSES")), ("EUR", ("EUSE", "EUSES", "RICE", "RICES")),
                                 ("ON", ("ONNE", "ONNES")), ("IEN", ("IENNE", "IENNES")), ("ET", ("ETTE", "ETTES")),
                                 ("EL", ("ELLE", "ELLES")), ("E", ("ERIE", "ERIES", "EUR", "EURS", "EUSE", "EUSES",
                                                                   "ETTE", "ETTES", "IQUE", "IQUES"))):
        if word.endswith(ending):
            forms |= _product({word[: -len(ending)]}, replacements)
    base = word[:-1] if word.endswith("E") else word
    forms |= _product({base}, ("ERIE", "ERIES", "ARD", "ARDS", "ARDE", "ARDES", "ASSE", "ASSES", "AL", "ALE", "ALES",
                               "AUX", "EUR", "EURS", "EUSE", "EUSES", "ETTE", "ETTES"))
    return forms


def _french_verb(word):
    if word.endswith("ER"):
        stem, endings = word[:-2], _FR_ER
    elif word.endswith("IR"):
        stem, endings = word[:-2], _FR_IR
    else:
        stem, endings = word[:-2], _FR_RE
    forms = _product({stem}, endings)
    if word.endswith(("VENIR", "TENIR")):  # parvenir: PARVIENT, PARVIENNE, PARVIENDRA, PARVINT, PARVENU
        base = word[:-4]
        forms |= _product({base + "IEN"}, ("S", "T", "NE", "NES", "NENT")) | _product({base + "IENDR"}, _FUTURE_ENDINGS["fr"])
        forms |= _product({base + "IN"}, ("S", "T", "MES", "TES", "RENT", "SSE", "SSES", "SSENT")) | _product(
            {base + "ENU"}, ("", "E", "S", "ES"))
    if stem.endswith("G"):  # manger: MANGEONS, MANGEAIT
        forms |= _product({stem + "E"}, [e for e in endings if e[0] in "AO"])
    return forms


def _french(word):
    forms = _french_noun(word)
    if len(word) > 4 and (word.endswith("ER") or word.endswith("IR") or word.endswith("RE")):
        forms |= _french_verb(word)
    return forms


# ---------------------------------------------------------------- Spanish, Italian, Portuguese

def _romance_noun(word, endings_by_final):
    """Gender and number by the final vowel (or consonant) and the derived nouns and adjectives:
    endings_by_final maps a final letter group to the endings replacing it, "" to those added after a
    consonant."""
    forms = {word}
    for final, endings in endings_by_final.items():
        if final and word.endswith(final):
            forms |= _product({word[: -len(final)]}, endings)
            return forms
    return forms | _product({word}, endings_by_final[""])


_ES_DERIVED = ("ITO", "ITA", "ITOS", "ITAS", "ILLO", "ILLA", "ILLOS", "ILLAS", "ON", "ONA", "ONES", "ONAS", "AZO",
               "AZOS", "OTE", "OTES", "ADA", "ADAS", "ERO", "ERA", "EROS", "ERAS", "ERIA", "ERIAS", "ISIMO",
               "ISIMA", "ISIMOS", "ISIMAS", "AL", "ALES")
_ES_NOUN = {"O": ("O", "A", "OS", "AS") + _ES_DERIVED, "A": ("O", "A", "OS", "AS") + _ES_DERIVED,
            "E": ("E", "ES") + _ES_DERIVED,
            "": ("", "ES", "A", "AS", "S", "CITO", "CITA", "CITOS", "CITAS", "AZO", "AZOS")}
_ES_PRONOUNS = ("ME", "TE", "SE", "LO", "LA", "LOS", "LAS", "LE", "LES", "NOS", "OS", "MELO", "MELA", "TELO",
                "TELA", "SELO", "SELA", "SELOS", "SELAS")
_ES_AR = ("O", "AS", "A", "AMOS", "AIS", "AN", "E", "ASTE", "O", "ASTEIS", "ARON", "ABA", "ABAS", "ABAMOS",
          "ABAIS", "ABAN", "ARE", "ARAS", "ARA", "AREMOS", "AREIS", "ARAN", "ARIA", "ARIAS", "ARIAMOS", "ARIAIS",
          "ARIAN", "ES", "EMOS", "EIS", "EN", "ARAMOS", "ARAIS", "ASE", "ASES", "ASEMOS", "ASEIS", "ASEN", "ARES",
          "AREMOS", "AREN", "AD", "ANDO", "ADO", "ADA", "ADOS", "ADAS", "ADOR", "ADORA", "ADORES", "ADORAS", "AR")
_ES_ER_IR = ("O", "ES", "E", "EMOS", "EIS", "EN", "IMOS", "IS", "I", "ISTE", "IO", "ISTEIS", "IERON", "IA", "IAS",
             "IAMOS", "IAIS", "IAN", "A", "AS", "AMOS", "AIS", "AN", "IERA", "IERAS", "IERAMOS", "IERAIS", "IERAN",
             "IESE", "IESES", "IESEMOS", "IESEIS", "IESEN", "IERE", "IERES", "IEREMOS", "IEREIS", "IEREN", "ED",
             "ID", "IENDO", "IDO", "IDA", "IDOS", "IDAS", "EDOR", "EDORA", "EDORES", "IDOR", "IDORA", "IDORES")
_ES_FUTURE = ("E", "AS", "A", "EMOS", "EIS", "AN", "IA", "IAS", "IAMOS", "IAIS", "IAN")


def _spanish_verb(word):
    stem = word[:-2]
    if word.endswith("AR"):
        stems, endings = {stem}, _ES_AR
        if stem.endswith("G"):
            stems.add(stem + "U")  # chingar: CHINGUE
        if stem.endswith("C"):
            stems.add(stem[:-1] + "QU")
        if stem.endswith("Z"):
            stems.add(stem[:-1] + "C")
    else:
        stems, endings = {stem}, _ES_ER_IR
        if stem.endswith("G"):
            stems.add(stem[:-1] + "J")  # coger: COJO
        if stem.endswith("C"):
            stems.add(stem[:-1] + "Z")
    forms = _product(stems, endings) | _product({word}, _ES_FUTURE)
    gerunds = {stem + ("ANDO" if word.endswith("AR") else "IENDO")}
    imperatives = {stem + ("A" if word.endswith("AR") else "E"), stem + ("E" if word.endswith("AR") else "A")}
    return forms | _product({word} | gerunds | imperatives, _ES_PRONOUNS)


def _spanish(word):
    forms = _romance_noun(word, _ES_NOUN)
    if len(word) > 4 and word[-2:] in ("AR", "ER", "IR"):
        forms |= _spanish_verb(word)
    return forms


_IT_DERIVED = ("ONE", "ONI", "ONA", "ETTO", "ETTA", "ETTI", "ETTE", "INO", "INA", "INI", "INE", "ACCIO", "ACCIA",
               "ACCI", "ACCE", "ELLO", "ELLA", "ELLI", "ELLE", "ATA", "ATE", "ISSIMO", "ISSIMA", "ISSIMI", "ISSIME",
               "ALE", "ALI")
_IT_NOUN = {"IO": ("IO", "IA", "I", "IE") + _IT_DERIVED, "CO": ("CO", "CA", "CI", "CHI", "CHE"),
            "GO": ("GO", "GA", "GI", "GHI", "GHE"), "O": ("O", "A", "I", "E") + _IT_DERIVED,
            "A": ("O", "A", "I", "E") + _IT_DERIVED, "E": ("E", "I") + _IT_DERIVED, "I": ("I", "O", "A", "E"),
            "": ("", "I", "E", "A", "O")}
_IT_PRONOUNS = ("MI", "TI", "SI", "CI", "VI", "LO", "LA", "LI", "LE", "NE", "GLI", "GLIELO", "GLIELA", "MELO",
                "MELA", "TELO", "TELA", "SELO", "SELA", "CELO", "CELA")
_IT_ARE = ("O", "I", "A", "IAMO", "ATE", "ANO", "AVO", "AVI", "AVA", "AVAMO", "AVATE", "AVANO", "AI", "ASTI", "O",
           "AMMO", "ASTE", "ARONO", "ERO", "ERAI", "ERA", "EREMO", "ERETE", "ERANNO", "EREI", "ERESTI", "EREBBE",
           "EREMMO", "ERESTE", "EREBBERO", "INO", "IATE", "ASSI", "ASSE", "ASSIMO", "ASSERO", "ANDO", "ATO", "ATA",
           "ATI", "ATE", "ANTE", "ANTI", "ATORE", "ATORI", "ATRICE", "ATRICI", "ARE", "ATA", "ATE")
_IT_ERE_IRE = ("O", "I", "E", "IAMO", "ETE", "ITE", "ONO", "EVO", "EVI", "EVA", "EVAMO", "EVATE", "EVANO", "IVO",
               "IVI", "IVA", "IVAMO", "IVATE", "IVANO", "EI", "ETTI", "ESTI", "ETTE", "EMMO", "ESTE", "ERONO",
               "ETTERO", "II", "ISTI", "IMMO", "ISTE", "IRONO", "ERO", "ERAI", "ERA", "EREMO", "ERETE", "ERANNO",
               "IRO", "IRAI", "IRA", "IREMO", "IRETE", "IRANNO", "EREI", "ERESTI", "EREBBE", "EREMMO", "ERESTE",
               "EREBBERO", "IREI", "IRESTI", "IREBBE", "IREMMO", "IRESTE", "IREBBERO", "A", "ANO", "IATE", "ESSI",
               "ESSE", "ESSIMO", "ESSERO", "ISSI", "ISSE", "ISSIMO", "ISSERO", "ENDO", "UTO", "UTA", "UTI", "UTE",
               "ITO", "ITA", "ITI", "ENTE", "ENTI", "ISCO", "ISCI", "ISCE", "ISCONO", "ISCA", "ISCANO", "ITORE",
               "ITORI", "ITRICE", "ERE", "IRE")


def _italian_verb(word):
    if word.endswith("SI"):
        word = word[:-2] + "E"  # incazzarsi: INCAZZARE
    stem = word[:-3]
    if word.endswith("ARE"):
        stems, endings, gerund = {stem}, _IT_ARE, stem + "ANDO"
        if stem[-1:] in ("C", "G"):
            stems.add(stem + "H")  # cagare: CAGHI
    else:
        stems, endings, gerund = {stem}, _IT_ERE_IRE, stem + "ENDO"
    forms = _product(stems, endings) | {word[:-1] + "SI"}
    return forms | _product({word[:-1], gerund, stem + "A", stem + "I", stem + "ATE", stem + "ETE", stem + "ITE"},
                            _IT_PRONOUNS)


def _italian(word):
    forms = _romance_noun(word, _IT_NOUN)
    if len(word) > 5 and (word[-3:] in ("ARE", "ERE", "IRE") or word[-4:] in ("ARSI", "ERSI", "IRSI")):
        forms |= _italian_verb(word)
    return forms


_PT_DERIVED = ("INHO", "INHA", "INHOS", "INHAS", "ITO", "ITA", "ITOS", "ITAS", "AO", "OES", "ONA", "ONAS", "ACO",
               "ACA", "ACOS", "ACAS", "ADA", "ADAS", "ICE", "ICES", "ARIA", "ARIAS", "ISSIMO", "ISSIMA", "AL", "AIS")
_PT_NOUN = {"AO": ("AO", "AOS", "OES", "AES", "ONA", "ONAS", "OEZINHOS", "AOZINHO", "AZINHO", "AZINHA"),
            "O": ("O", "A", "OS", "AS") + _PT_DERIVED, "A": ("O", "A", "OS", "AS") + _PT_DERIVED,
            "E": ("E", "ES") + _PT_DERIVED, "L": ("L", "IS"), "": ("", "ES", "A", "AS", "S")}
_PT_PRONOUNS = ("ME", "TE", "SE", "LO", "LA", "LOS", "LAS", "LHE", "LHES", "NOS", "VOS", "O", "A", "OS", "AS")
_PT_AR = ("O", "AS", "A", "AMOS", "AIS", "AM", "EI", "ASTE", "OU", "ASTES", "ARAM", "AVA", "AVAS", "AVAMOS",
          "AVEIS", "AVAM", "AREI", "ARAS", "ARA", "AREMOS", "AREIS", "ARAO", "ARIA", "ARIAS", "ARIAMOS", "ARIEIS",
          "ARIAM", "E", "ES", "EMOS", "EIS", "EM", "ASSE", "ASSES", "ASSEMOS", "ASSEIS", "ASSEM", "AR", "ARES",
          "ARMOS", "ARDES", "AREM", "ARAMOS", "AI", "ANDO", "ADO", "ADA", "ADOS", "ADAS", "ADOR", "ADORA",
          "ADORES", "ADORAS")
_PT_ER_IR = ("O", "ES", "E", "EMOS", "EIS", "EM", "IMOS", "IS", "I", "ESTE", "EU", "ESTES", "ERAM", "ISTE", "IU",
             "ISTES", "IRAM", "IA", "IAS", "IAMOS", "IEIS", "IAM", "EREI", "ERAS", "ERA", "EREMOS", "EREIS", "ERAO",
             "IREI", "IRAS", "IRA", "IREMOS", "IREIS", "IRAO", "ERIA", "ERIAS", "ERIAMOS", "ERIEIS", "ERIAM", "IRIA",
             "IRIAS", "IRIAMOS", "IRIEIS", "IRIAM", "A", "AS", "AMOS", "AIS", "AM", "ESSE", "ESSES", "ESSEMOS",
             "ESSEIS", "ESSEM", "ISSE", "ISSES", "ISSEMOS", "ISSEIS", "ISSEM", "ER", "ERES", "ERMOS", "ERDES", "EREM",
             "IR", "IRES", "IRMOS", "IRDES", "IREM", "ENDO", "INDO", "IDO", "IDA", "IDOS", "IDAS", "EDOR", "EDORA",
             "EDORES", "IDOR", "IDORA")


def _portuguese_verb(word):
    stem = word[:-2]
    if word.endswith("AR"):
        stems, endings = {stem}, _PT_AR
        if stem.endswith("G"):
            stems.add(stem + "U")
        if stem.endswith("C"):
            stems.add(stem[:-1] + "QU")
    else:
        stems, endings = {stem}, _PT_ER_IR
        if stem.endswith("G"):
            stems.add(stem[:-1] + "J")
    forms = _product(stems, endings)
    short = {word[:-1]}  # fodê-lo: FODELO
    gerunds = {stem + "ANDO", stem + "ENDO", stem + "INDO"}
    return forms | _product({word} | gerunds | {stem + "A", stem + "E"}, _PT_PRONOUNS) | _product(
        short, ("LO", "LA", "LOS", "LAS"))


def _portuguese(word):
    forms = _romance_noun(word, _PT_NOUN)
    if len(word) > 4 and word[-2:] in ("AR", "ER", "IR"):
        forms |= _portuguese_verb(word)
    return forms


# ---------------------------------------------------------------- future and conditional

_FUTURE_ENDINGS = {
    "fr": ("AI", "AS", "A", "ONS", "EZ", "ONT", "AIS", "AIT", "IONS", "IEZ", "AIENT"),
    "es": ("E", "AS", "A", "EMOS", "EIS", "AN", "IA", "IAS", "IAMOS", "IAIS", "IAN"),
    "it": ("O", "AI", "A", "EMO", "ETE", "ANNO", "EI", "ESTI", "EBBE", "EMMO", "ESTE", "EBBERO"),
    "pt": ("EI", "AS", "A", "EMOS", "EIS", "AO", "IA", "IAS", "IAMOS", "IEIS", "IAM"),
}


def _future_stem(language, verb):
    """The stem the future and conditional endings attach to, or None when `verb` is no infinitive."""
    if language == "fr" and verb.endswith(("ER", "IR")):
        return verb
    if language == "fr" and verb.endswith("RE"):
        return verb[:-1]  # foutre: FOUTRAI
    if language in ("es", "pt") and verb.endswith(("AR", "ER", "IR")):
        return verb
    if language == "it" and verb.endswith("ARE"):
        return verb[:-3] + "ER"  # scopare: SCOPERO
    if language == "it" and verb.endswith(("ERE", "IRE")):
        return verb[:-1]
    return None


def future_forms(language, verb):
    """The future and conditional of the infinitive `verb` (French, Spanish, Italian, Portuguese: one
    word each; German and Dutch build them with an auxiliary, so they have none)."""
    stem = _future_stem(language, verb) if len(verb) > 3 else None
    return _product({stem}, _FUTURE_ENDINGS[language]) if stem else set()


# ---------------------------------------------------------------- the languages

_FUTURE_ENDINGS.update({"en": (), "de": (), "nl": ()})
_RULES = {"en": _english, "de": _german, "nl": _dutch, "fr": _french, "es": _spanish, "it": _italian,
          "pt": _portuguese}

_NOUN_RULES = {
    "en": lambda w: {w, w + "S", w + "ES"},
    "de": lambda w: _product({w}, ("", "E", "EN", "ER", "ES", "N", "S", "ERN", "IN", "INNEN", "CHEN")),
    "nl": lambda w: {w} | _product({w}, ("S", "JE", "JES", "TJE", "TJES")) | _product(_dutch_stems(w), ("EN", "E", "ETJE")),
    "fr": lambda w: _product({w}, ("", "S", "X", "E", "ES")),
    "es": lambda w: _romance_noun(w, {k: v[:4] for k, v in _ES_NOUN.items()}),
    "it": lambda w: _romance_noun(w, {k: v[:5] if k == "" else v[:4] for k, v in _IT_NOUN.items()}),
    "pt": lambda w: _romance_noun(w, {k: v[:4] for k, v in _PT_NOUN.items()}),
}


def forms(language, word):
    """The capitalised `word` and every inflected or derived form of it by its language's rules."""
    return _RULES[language](word) | future_forms(language, word) if word else set()


def verb_forms(language, verb):
    """The conjugated forms of the French, Spanish, Italian or Portuguese infinitive `verb` (no nouns
    or adjectives derived from it)."""
    conjugate = {"fr": _french_verb, "es": _spanish_verb, "it": _italian_verb, "pt": _portuguese_verb}[language]
    return conjugate(verb) | {verb} | future_forms(language, verb)


def noun_forms(language, word):
    """The capitalised `word` and its plural, case and gender forms only (the end of a compound)."""
    return _NOUN_RULES[language](word) if word else set()
