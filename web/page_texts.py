#!/usr/bin/env python3
# The web page's texts: found in its HTML and script, handed to lupdate, and built into the page from the .ts files.
# SPDX-License-Identifier: GPL-3.0-or-later
"""Usage:
  page_texts.py sources INDEX.html SCRIPT.js OUT.cpp
      writes the page's English texts as LOOPWORD_TEXT lines for lupdate to find
  page_texts.py table INDEX.html SCRIPT.js OUT.json TS...
      writes the translations the page uses, per language, from the .ts files
  page_texts.py page INDEX.html OUT.html
      writes the page with its lists of languages and difficulties filled in

The page's lists of languages and difficulties are made from the core's tables of them (src/words/language.cpp,
src/board/puzzle.cpp), which the window's menus and the command line's help are made from too: each
<!-- LOOPWORD_LANGUAGE_OPTIONS --> or <!-- LOOPWORD_DIFFICULTY_OPTIONS --> line of the page becomes its options.

The page's texts are every text of its body and every aria-label, placeholder and title attribute, outside
script, style and elements marked translate="no", that holds a letter; the first argument of each tr() call in
its script, a string literal; and the texts its core marks LOOPWORD_TEXT("WebPage", …) in the .cpp files beside
it and in the session layer's. The page translates them in the context "WebPage", with the core's messages
(context "Messages"), the sheets' words (context "Sheets") and the cells' names (context "Accessibility")."""
import html
import html.parser
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

PAGE_CONTEXT = "WebPage"
CONTEXTS = (PAGE_CONTEXT, "Messages", "Sheets", "Accessibility")
SESSION_FOLDER = "../src/session"  # the session layer beside the page, whose first puzzle it shares with the window
ATTRIBUTES = ("aria-label", "placeholder", "title")
SKIPPED_ELEMENTS = ("script", "style", "head")
VOID_ELEMENTS = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}
LETTER = re.compile(r"[^\W\d_]")
ESCAPES = {"n": "\n", "t": "\t"}  # the other escapes of a literal stand for the character itself
CORE_TEXT = re.compile(r'LOOPWORD_TEXT\(\s*"WebPage",\s*((?:"(?:[^"\\\n]|\\.)*"\s*)+)\)')
CORE_LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
TR_CALL = re.compile(r"""(?<!function )\btr\(\s*(?:'((?:[^'\\\n]|\\.)*)'|"((?:[^"\\\n]|\\.)*)"|([^)\s]))""")

CORE = pathlib.Path(__file__).resolve().parents[1] / "src"
LANGUAGE_ENTRY = re.compile(r'^ *\{"([a-z]{2})", "([^"\\]+)", "([^"\\]+)"\},$', re.M)
DIFFICULTY_ENTRY = re.compile(r'^ *\{LOOPWORD_TEXT\("\w+", "([a-z]+)"\), LOOPWORD_TEXT\("\w+", "([^"\\]+)"\)\},$', re.M)
OPTIONS_LINE = re.compile(r"^( *)<!-- LOOPWORD_(LANGUAGE|DIFFICULTY)_OPTIONS -->$", re.M)


def core_table(path, entry):
    """The entries of the core's table in `path` (under src/), in their order."""
    found = entry.findall((CORE / path).read_text(encoding="utf-8"))
    if not found:
        raise SystemExit(f"page_texts.py: no table found in src/{path}")
    return found


def languages():
    """(code, own name, English name) of every language, as the core lists them."""
    return core_table("words/language.cpp", LANGUAGE_ENTRY)


def difficulties():
    """(name, shown name) of every difficulty, as the core lists them."""
    return core_table("board/puzzle.cpp", DIFFICULTY_ENTRY)


def options(kind):
    """The <option> elements of the page's list of `kind` ("LANGUAGE" or "DIFFICULTY")."""
    if kind == "LANGUAGE":  # each language by its own name, which no translation changes
        return [f'<option value="{code}" lang="{code}" translate="no">{html.escape(name)}</option>'
                for code, name, _ in languages()]
    return [f'<option value="{name}">{html.escape(shown)}</option>' for name, shown in difficulties()]


def filled_page(page):
    """`page` (the text of index.html) with its lists' options filled in."""
    return OPTIONS_LINE.sub(lambda line: "\n".join(line.group(1) + option for option in options(line.group(2))), page)


def read_page(index_path):
    with open(index_path, encoding="utf-8") as page:
        return filled_page(page.read())


class PageTextParser(html.parser.HTMLParser):
    """Collects the translatable texts of a page's body in the order they stand."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.skipping = []  # for each open element: whether it or one around it is not translated
        self.texts = []

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        skipped = (bool(self.skipping) and self.skipping[-1]) or tag in SKIPPED_ELEMENTS \
            or attributes.get("translate") == "no"
        if not skipped:
            self.texts += [attributes[name] for name in ATTRIBUTES if name in attributes]
        if tag not in VOID_ELEMENTS:
            self.skipping.append(skipped)

    def handle_endtag(self, tag):
        if tag not in VOID_ELEMENTS and self.skipping:
            self.skipping.pop()

    def handle_data(self, data):
        if not (self.skipping and self.skipping[-1]):
            self.texts.append(data)


def shown(text):
    """`text` as the page compares it: its white space collapsed; None when it holds no letter."""
    text = " ".join(text.split())
    return text if LETTER.search(text) else None


def script_texts(script):
    """The texts of the tr() calls of `script`; a call whose text is not a literal is an error."""
    texts = []
    for match in TR_CALL.finditer(script):
        literal = match.group(1) if match.group(1) is not None else match.group(2)
        if literal is None:
            line = script.count("\n", 0, match.start()) + 1
            raise SystemExit(f"line {line} of the page's script: tr() needs its text as a string literal")
        texts.append(unescaped(literal))
    return texts


def unescaped(literal):
    return re.sub(r"\\(.)", lambda escape: ESCAPES.get(escape.group(1), escape.group(1)), literal)


def page_texts(index_path, script_path):
    """The page's texts in the order they stand, each once."""
    parser = PageTextParser()
    parser.feed(read_page(index_path))
    with open(script_path, encoding="utf-8") as script:
        texts = [shown(text) for text in parser.texts] + script_texts(script.read())
    return list(dict.fromkeys(text for text in texts if text))


def cpp_literal(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def write_sources(index_path, script_path, out_path):
    with open(out_path, "w", encoding="utf-8") as out:
        out.write("// The web page's texts, for lupdate.\n")
        for text in page_texts(index_path, script_path):
            out.write(f"LOOPWORD_TEXT({cpp_literal(PAGE_CONTEXT)}, {cpp_literal(text)});\n")


def translations(ts_path):
    """(language code, {context: {English: translation}}) of the finished translations of a .ts file; a text that
    counts (numerus) has the list of its plural forms as its translation."""
    root = ElementTree.parse(ts_path).getroot()
    table = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        if name not in CONTEXTS:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type"):
                continue
            forms = [form.text for form in translation.iter("numerusform")]
            if message.get("numerus") == "yes" and forms and all(forms):
                table.setdefault(name, {})[message.findtext("source")] = forms
            elif translation.text and not forms:
                table.setdefault(name, {})[message.findtext("source")] = translation.text
    return root.get("language").split("_")[0], table


def core_texts(folder):
    """The texts the page's core (the .cpp files in `folder`) marks for the page, its literals joined."""
    texts = []
    for source in sorted(pathlib.Path(folder).glob("*.cpp")):
        for match in CORE_TEXT.finditer(source.read_text(encoding="utf-8")):
            texts.append("".join(unescaped(literal) for literal in CORE_LITERAL.findall(match.group(1))))
    return texts


def write_table(index_path, script_path, out_path, ts_paths):
    """The translations of the page's texts, the messages and the sheets' words, per language."""
    folder = pathlib.Path(index_path).parent
    used = set(page_texts(index_path, script_path)) | set(core_texts(folder)) | set(core_texts(folder / SESSION_FOLDER))
    table = {}
    for ts_path in ts_paths:
        language, contexts = translations(ts_path)
        contexts[PAGE_CONTEXT] = {text: shown for text, shown in contexts.get(PAGE_CONTEXT, {}).items() if text in used}
        table[language] = contexts
    with open(out_path, "w", encoding="utf-8") as out:
        json.dump(table, out, ensure_ascii=False, separators=(",", ":"), sort_keys=True)


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "sources":
        write_sources(*sys.argv[2:5])
    elif len(sys.argv) >= 5 and sys.argv[1] == "table":
        write_table(*sys.argv[2:5], sys.argv[5:])
    elif len(sys.argv) == 4 and sys.argv[1] == "page":
        pathlib.Path(sys.argv[3]).write_text(read_page(sys.argv[2]), encoding="utf-8")
    else:
        raise SystemExit(__doc__)
