#!/usr/bin/env python3
# Puts the web page together in its two forms: the site to put on a web host, and the one file that works from disk.
# SPDX-License-Identifier: GPL-3.0-or-later
"""Usage: build_page.py SOURCE DATA DOCS SOLVE MAKE TEXTS OUT

SOURCE is web/, DATA the word lists' folder, DOCS the user guides' folder, SOLVE and MAKE the scripts of the
WebAssembly modules that solve and that make puzzles (each .wasm beside its script), TEXTS the page's translations
(page_texts.py table). Writes OUT/site/ and OUT/loopword.html. LOOPWORD_READY_SEED, where set, is the seed of the
puzzles a new visitor starts with; else each build draws its own.

The site: index.html with its style and script inline, the puzzle a new visitor starts with in each language (made
now by the make module) and the solve module (its script, and its code in base 64) inside; the make module fetched
when the page first makes a puzzle, each language's word lists and the translations (a file for each language, for
the first screen, and the whole table) as files fetched when first needed (gzipped, and plain for browsers that cannot
unzip), the guides, the QR code encoder (a script loaded when a link is first shown), a web
app manifest with icons, and a service worker that keeps it all for use offline. The one file carries the same parts
inside, gzipped and written seven bits to a character (carried_parts.py), the solve module as its changes from the
make module, but for the translations of each language on their own."""
import base64
import functools
import gzip
import os
import hashlib
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time

import carried_parts
import page_texts

LANGUAGES = tuple(code for code, _, _ in page_texts.languages())
# The QR code encoder, from npm (web/package.json): its one file the page needs, under the name the page loads it by.
QR_ENCODER = ("node_modules/qrcode-generator/dist/qrcode.js", "qrcode.js")
SHARED_LIMIT = 8  # letters a packed word may share with the word before; see UnpackLevels in the core
# The site's files every visit needs, kept by the service worker at its install; the rest is kept once fetched.
SITE_CORE = ("./", "index.html", "manifest.webmanifest", "icons/loopword.svg", "icons/loopword-192.png", "icons/loopword-512.png")
# The parts the one file carries in one stream (its texts and guides share words and markup, which gzip then finds).
CARRIED_TOGETHER = ("texts.json", *(f"guides/{language}.html" for language in LANGUAGES))
CSP = {
    "site": "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'unsafe-inline'; img-src 'self' data:;"
            " worker-src 'self' blob:; connect-src 'self'; manifest-src 'self'",
    "file": "default-src 'none'; script-src 'unsafe-inline' 'wasm-unsafe-eval'; worker-src blob:; connect-src data:;"
            " style-src 'unsafe-inline'; img-src data:",
}
SITE_HEAD = """<!-- LOOPWORD_AHEAD -->
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="icons/loopword.svg" type="image/svg+xml">
<link rel="apple-touch-icon" href="icons/loopword-192.png">
<meta name="theme-color" content="#9b2f2f">
<meta name="description" content="Loopword: word puzzles shaped like an 8 to solve and make, in seven languages.">"""


def level_words(data, language, level):
    prefix = "" if language == "en" else f"{language}-"
    return {line.strip() for line in (data / f"{prefix}L{level}words.txt").read_text().splitlines() if line.strip()}


def packed_levels(data, language, top=3):
    """A language's levels up to `top` in one text: each word of the top level once, in order, as a mark (its lowest
    level and the letters it shares with the word before) and the letters that differ."""
    levels = [level_words(data, language, level) for level in range(1, top + 1)]
    marks, before = [], ""
    for word in sorted(set().union(*levels)):
        shared = 0
        while shared < min(len(word), len(before), SHARED_LIMIT - 1) and word[shared] == before[shared]:
            shared += 1
        lowest = next(index for index, level in enumerate(levels) if word in level)
        marks.append(chr(ord("a") + SHARED_LIMIT * lowest + shared) + word[shared:])
        before = word
    return "".join(marks).encode("ascii")


def gzipped(data):
    """`data` gzipped as small as this machine can: by zopfli where it is installed."""
    if shutil.which("zopfli"):
        with tempfile.NamedTemporaryFile() as plain:
            plain.write(data)
            plain.flush()
            return subprocess.run(["zopfli", "-c", plain.name], check=True, capture_output=True).stdout
    return gzip.compress(data, 9, mtime=0)


def resources(source, data, docs, texts):
    """The parts the page fetches or carries, by name, as bytes."""
    parts = {f"lists/{language}.words": packed_levels(data, language) for language in LANGUAGES}
    encoder, name = QR_ENCODER
    if not (source / encoder).is_file():
        sys.exit(f"build_page.py: no {source / encoder}: run npm ci in web/ (scripts/web does)")
    parts[name] = with_notice_kept(source, (source / encoder).read_text()).encode()
    parts["texts.json"] = texts.read_bytes()
    for language in LANGUAGES:
        parts[f"guides/{language}.html"] = (docs / ("guide.html" if language == "en" else f"guide.{language}.html")).read_bytes()
    return parts


@functools.cache
def minified(source, script):
    """`script` (text) with its local names shortened and its code compressed (web/minify.js)."""
    made = subprocess.run(["node", str(source / "minify.js")], input=script, text=True, capture_output=True,
                          env={**os.environ, "NODE_PATH": os.environ.get("NODE_PATH") or "/usr/share/nodejs"})
    if made.returncode != 0:
        sys.exit(f"build_page.py: a script could not be made smaller: {made.stderr.strip()}")
    return made.stdout


def with_notice_kept(source, script):
    """`script` made smaller, the comment lines it opens with (its copyright and licence) kept as they are."""
    lines = script.split("\n")
    opening = next(at for at, line in enumerate(lines) if not line.startswith("//"))
    return "\n".join(lines[:opening]) + "\n" + minified(source, "\n".join(lines[opening:]))


def worker_script(source, module):
    """The worker's script: the module's, then the worker's own, made smaller."""
    return minified(source, module.read_text() + "\n" + (source / "worker.js").read_text()).encode()


def ready_puzzles(source, data, make):
    """The puzzle a new visitor starts with in each language (language code → puzzle file), made on Level 1 by the make
    module from this build's seed."""
    seed = os.environ.get("LOOPWORD_READY_SEED") or str(time.time_ns() // 1000 % 10**12)
    lists = json.dumps({language: packed_levels(data, language, 1).decode("ascii") for language in LANGUAGES})
    made = subprocess.run(["node", str(source / "ready_puzzles.js"), str(make), seed], input=lists, text=True,
                          capture_output=True)
    if made.returncode != 0:
        sys.exit(f"build_page.py: the first puzzles could not be made: {made.stderr.strip()}")
    return made.stdout


def page(source, form, figure, body_end, ready):
    """index.html for `form` ("site" or "file"): its lists filled in, the style inline, the empty figure drawn at once,
    the puzzles a new visitor starts with (JSON) inside."""
    html = page_texts.read_page(source / "index.html")
    ready = ready.replace("</", "<\\/")  # the same in JSON, and no end to the script
    body_end = f'<script type="application/json" id="ready-puzzles">{ready}</script>\n{body_end}'
    style = (source / "loopword.css").read_text()
    for placeholder, text in (("LOOPWORD_CSP", CSP[form]), ("LOOPWORD_FORM", form)):
        html = html.replace(placeholder, text)
    html = html.replace("<!-- LOOPWORD_HEAD -->\n", SITE_HEAD + "\n" if form == "site" else "")
    html = html.replace("/* LOOPWORD_STYLE */", style).replace("<!-- LOOPWORD_FIGURE -->", figure.strip())
    return html.replace("<!-- LOOPWORD_SCRIPTS -->\n", body_end)


def checked_inline(name, text):
    if "</script" in text.lower():
        sys.exit(f"build_page.py: {name} holds a closing script tag and cannot be inlined")
    return text


def page_script(source, form):
    """The page's script as the page of `form` carries it, made smaller: the one file's with the reader of its parts
    before it."""
    text = (source / "loopword.js").read_text()
    if form == "file":
        text = (source / "carried_parts.js").read_text() + "\n" + text
    return checked_inline("loopword.js", minified(source, text))


def write_site(out, source, modules, parts, packed, figure, one_file, ready):
    site = out / "site"
    shutil.rmtree(site, ignore_errors=True)
    (site / "icons").mkdir(parents=True)
    # The page's script inside the page, allowed by its digest, and the solve module with it: a pupil's puzzle is
    # drawn one round trip after the page is asked for, not two.
    # Before them, in the head, what fetches the make module at once for an address that has a puzzle to make.
    script = page_script(source, "site")
    ahead = checked_inline("fetch_ahead.js", minified(source, (source / "fetch_ahead.js").read_text()))
    digests = " ".join(f"'sha256-{base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()}'"
                       for text in (f"\n{script}", ahead))
    html = page(source, "site", figure, f"{inline_module(source, modules['solve'], 'solve')}<script>\n{script}</script>\n", ready)
    html = html.replace("<!-- LOOPWORD_AHEAD -->", f"<script>{ahead}</script>")
    (site / "index.html").write_text(html.replace("script-src 'self'", f"script-src 'self' {digests}", 1))
    # The make module's script and the worker's own in one file: one round trip less before its code downloads.
    (site / "loopword_make.js").write_bytes(worker_script(source, modules["make"]))
    shutil.copy(modules["make"].with_suffix(".wasm"), site / "loopword_make.wasm")
    shutil.copy(source / "manifest.webmanifest", site)
    for icon in ("loopword.svg", "loopword-192.png", "loopword-512.png"):  # the tab's icon is a few hundred bytes
        shutil.copy(source / "icons" / icon, site / "icons")
    for name, content in parts.items():
        path = site / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(content)
        if not name.startswith("guides/") and name != QR_ENCODER[1]:  # the guides open as pages, the encoder as a script
            path.with_name(path.name + ".gz").write_bytes(packed[name])
    (site / "loopword.html").write_bytes(one_file)  # what "Save as web page" puts the puzzle into
    # What a visit loads first, gzipped beside it for hosts that serve such twins (nginx's gzip_static and the like).
    for name in ("index.html", "loopword_make.js", "loopword_make.wasm"):
        (site / f"{name}.gz").write_bytes(packed.get(name) or gzipped((site / name).read_bytes()))
    files = sorted(path for path in site.rglob("*") if path.is_file())
    version = hashlib.sha256(b"".join(path.read_bytes() for path in files)).hexdigest()[:16]
    worker = (source / "sw.js").read_text()
    worker = worker.replace("'LOOPWORD_VERSION'", json.dumps(version)).replace("['LOOPWORD_CORE']", json.dumps(SITE_CORE))
    (site / "sw.js").write_text(worker)


def inline_module(source, module, name):
    """The module `name`'s worker script and code as parts of the hosted page, read by the page's script: the script as
    it is (the page's gzip packs it), the code in base 64."""
    script = checked_inline(f"loopword_{name}.js", worker_script(source, module).decode())
    code = base64.b64encode(module.with_suffix(".wasm").read_bytes()).decode("ascii")
    return (f'<script type="application/x-loopword-part" data-name="loopword_{name}.js">{script}</script>\n'
            f'<script type="application/x-loopword-part" data-name="loopword_{name}.wasm" data-base64>{code}</script>\n')


def one_file(source, parts, packed, modules, figure, ready):
    """The one-file page: every part inside it, gzipped, as text of seven bits to a character; both modules among them,
    the solve module written as its changes from the make module, which it mostly repeats; the texts and the guides,
    which share much of their words and markup, in one stream."""
    carried = [([name], None, content) for name, content in packed.items() if name not in CARRIED_TOGETHER]
    carried.append((list(CARRIED_TOGETHER), None, gzipped(b"".join(parts[name] for name in CARRIED_TOGETHER))))
    scripts = {name: worker_script(source, module) for name, module in modules.items()}
    codes = {name: module.with_suffix(".wasm").read_bytes() for name, module in modules.items()}
    for suffix, plain in ((".js", scripts), (".wasm", codes)):
        changes = carried_parts.written_against(plain["make"], plain["solve"])
        carried.append(([f"loopword_solve{suffix}"], f"loopword_make{suffix}", gzipped(changes)))

    def element(names, against, content):
        attributes = f' data-name="{" ".join(names)}"'
        if len(names) > 1:
            attributes += f' data-lengths="{" ".join(str(len(parts[name])) for name in names)}"'
        if against:
            attributes += f' data-against="{against}"'
        return f'<script type="application/x-loopword-data"{attributes}>{carried_parts.seven_bit_text(content)}</script>\n'

    script = page_script(source, "file")
    return page(source, "file", figure, "".join(element(*part) for part in carried) + f"<script>\n{script}</script>\n", ready).encode()


def main(source, data, docs, solve, make, texts, out):
    source, data, docs, solve, make, texts, out = map(pathlib.Path, (source, data, docs, solve, make, texts, out))
    # Hidden from screen readers as the figure the page draws is: the cells beneath it name what it shows.
    figure = (source / "empty-figure.svg").read_text().replace("<svg ", '<svg aria-hidden="true" translate="no" ', 1)
    parts = resources(source, data, docs, texts)
    packed = {name: gzipped(content) for name, content in parts.items()}
    packed["loopword_make.js"] = gzipped(worker_script(source, make))
    packed["loopword_make.wasm"] = gzipped(make.with_suffix(".wasm").read_bytes())
    ready = ready_puzzles(source, data, make)
    single = one_file(source, parts, packed, {"solve": solve, "make": make}, figure, ready)
    (out / "loopword.html").write_bytes(single)
    # The hosted page's first puzzle waits for Level 1 alone, and its first screen for the texts of its own language;
    # the one file carries every level and the whole table anyway.
    first = {f"lists/{language}-1.words": packed_levels(data, language, 1) for language in LANGUAGES}
    table = json.loads(texts.read_bytes())
    first.update({f"texts/{language}.json": json.dumps({language: table[language]}, ensure_ascii=False).encode()
                  for language in LANGUAGES if language in table})
    packed.update({name: gzipped(content) for name, content in first.items()})
    write_site(out, source, {"solve": solve, "make": make}, {**parts, **first}, packed, figure, single, ready)


if __name__ == "__main__":
    if len(sys.argv) != 8:
        sys.exit(__doc__)
    main(*sys.argv[1:])
