#!/usr/bin/env python3
# The web page's texts: what is found in its HTML and script, and what its translation table keeps.
# SPDX-License-Identifier: GPL-3.0-or-later
import json
import pathlib
import subprocess
import sys
import tempfile
import unittest

TOOL = pathlib.Path(__file__).resolve().parents[2] / "web" / "page_texts.py"

PAGE = """<!DOCTYPE html><html lang="en"><head><title>Not this</title><style>p { content: "nor this"; }</style></head>
<body><h1 translate="no">Loopword <b>Name</b></h1>
<label>  Word
   list <select aria-label="Pick one"><option>Level 1</option></select></label>
<input placeholder="any" title="Seed"><br><img alt="not read"><span>0:00</span><p>Word list</p>
<div translate="no" aria-label="Kept out"><button>Also out</button></div><button>Check</button>
<script>tr('Not from the page itself');</script></body></html>"""

SCRIPT = r"""function tr(text) { return text; }
say(() => tr('Loopword stopped working: %1', message));
tr("It's \"quoted\"");
tr('Don\'t \\ split\nlines');"""


def run(*args):
    return subprocess.run([sys.executable, str(TOOL), *map(str, args)], capture_output=True, text=True)


def ts_file(folder, language, messages):
    """A .ts file of `messages`: (context, source, translation, type or None), each in a context element of its own."""
    body = "".join(f"<context><name>{context}</name><message><source>{source}</source>"
                   f"<translation{f' type={kind!r}' if kind else ''}>{translation}</translation></message></context>"
                   for context, source, translation, kind in messages)
    path = folder / f"loopword_{language}.ts"
    path.write_text(f'<?xml version="1.0" encoding="utf-8"?><TS version="2.1" language="{language}_XX">{body}</TS>',
                    encoding="utf-8")
    return path


class PageTextsTest(unittest.TestCase):
    def setUp(self):
        self.folder = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory()))
        self.page = self.folder / "index.html"
        self.page.write_text(PAGE, encoding="utf-8")
        self.script = self.folder / "loopword.js"
        self.script.write_text(SCRIPT, encoding="utf-8")

    def test_finds_the_texts_a_reader_meets_once_each(self):
        out = self.folder / "texts.cpp"
        self.assertEqual(run("sources", self.page, self.script, out).returncode, 0)
        found = [line for line in out.read_text(encoding="utf-8").splitlines() if line.startswith("LOOPWORD_TEXT")]
        texts = ["Word list", "Pick one", "Level 1", "any", "Seed", "Check", "Loopword stopped working: %1",
                 'It\'s \\"quoted\\"', "Don't \\\\ split\\nlines"]
        self.assertEqual(found, [f'LOOPWORD_TEXT("WebPage", "{text}");' for text in texts])

    def test_refuses_a_text_that_is_not_a_literal(self):
        for call in ("tr(name)", "tr(`Hello ${name}`)"):
            with self.subTest(call=call):
                self.script.write_text(f"const a = 1;\n{call};\n", encoding="utf-8")
                result = run("sources", self.page, self.script, self.folder / "texts.cpp")
                self.assertNotEqual(result.returncode, 0)
                self.assertIn("line 2", result.stderr)

    def test_table_keeps_finished_translations_of_the_texts_in_use(self):
        ts = ts_file(self.folder, "de", [
            ("WebPage", "Check", "Prüfen", None),
            ("WebPage", "any", "beliebig", "unfinished"),
            ("WebPage", "Gone from the page", "Weg", None),
            ("WebPage", "Word list", "", None),
            ("Messages", "Show Puzzle", "Rätsel zeigen", None),
            ("Sheets", "PUZZLE", "RÄTSEL", None),
            ("QObject", "Help text", "Hilfetext", None),
        ])
        out = self.folder / "table.json"
        self.assertEqual(run("table", self.page, self.script, out, ts).returncode, 0)
        self.assertEqual(json.loads(out.read_text(encoding="utf-8")), {"de": {
            "WebPage": {"Check": "Prüfen"},
            "Messages": {"Show Puzzle": "Rätsel zeigen"},
            "Sheets": {"PUZZLE": "RÄTSEL"},
        }})


if __name__ == "__main__":
    unittest.main()
