#!/usr/bin/env python3
"""Says what lupdate changed in one translation file: texts new in the sources, texts whose English
changed (a new text much like one no longer used in its context, or one lupdate matched to its old
text), texts the sources no longer use and texts still unfinished.
Usage: translation_report.py NAME BEFORE.ts AFTER.ts; exit 1 when any is listed."""
# SPDX-License-Identifier: GPL-3.0-or-later
import difflib
import sys
import xml.etree.ElementTree as ElementTree


def messages(path):
    """(context, source) -> (translation type, old source) of each message of a .ts file."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            found[(name, message.findtext("source"))] = (kind, message.findtext("oldsource"))
    return found


# How alike an old and a new English text must be to count as one text changed.
SIMILAR = 0.6


def likeness(old, new):
    return difflib.SequenceMatcher(None, old, new).ratio()


def shown(source):
    """A text on one line, long ones cut short."""
    line = source.replace("\n", "\\n")
    return line if len(line) <= 100 else line[:99] + "…"


def report(name, before_path, after_path):
    before, after = messages(before_path), messages(after_path)
    groups = {"new": [], "changed": [], "unused": [], "unfinished": []}
    for key, (kind, old_source) in after.items():
        if kind in ("vanished", "obsolete"):
            groups["unused"].append(key)
        elif old_source is not None:
            groups["changed"].append(key)
        elif key not in before:
            groups["new"].append(key)
        elif kind == "unfinished":
            groups["unfinished"].append(key)
    for key in list(groups["new"]):
        earlier = [old for old in groups["unused"] if old[0] == key[0]]
        likest = max(earlier, key=lambda old: likeness(old[1], key[1]), default=None)
        if likest is not None and likeness(likest[1], key[1]) >= SIMILAR:
            groups["new"].remove(key)
            groups["unused"].remove(likest)
            groups["changed"].append((key[0], f"{likest[1]} -> {key[1]}"))
    for group, keys in groups.items():
        for context, source in keys:
            print(f"{name}: {group} [{context}] {shown(source)}")
    return any(groups.values())


if __name__ == "__main__":
    sys.exit(1 if report(*sys.argv[1:4]) else 0)
