"""How the one-file page carries its parts: bytes as text, seven bits to a character, and a part written as the
changes from another it resembles (the solve module against the make module). web/carried_parts.js reads them back.
SPDX-License-Identifier: GPL-3.0-or-later
"""
import collections

# The three bytes a script element of the page cannot hold as they are: NUL (read as U+FFFD), carriage return (read as
# a line feed) and "<" (which could close the element). A group of seven bits with one of these values is written as
# one character from U+0100, which carries the next group with it; the last group alone, from U+0280.
HELD_BACK = (0x00, 0x0D, 0x3C)
PAIRED_FROM = 0x100
ALONE_FROM = PAIRED_FROM + len(HELD_BACK) * 128

MATCH_LEAST = 12  # the fewest bytes a copy covers: shorter ones cost more to name than to write out
MATCH_TRIES = 48  # the earlier places of the same bytes a copy is looked for at, latest first


def seven_bit_text(data):
    """`data` as text of one character to seven bits (its last group filled with zero bits): an eighth more than
    the bytes, where base 85 takes a quarter more."""
    groups, value, bits = [], 0, 0
    for byte in data:
        value, bits = (value << 8) | byte, bits + 8
        while bits >= 7:
            bits -= 7
            groups.append((value >> bits) & 0x7F)
        value &= (1 << bits) - 1
    if bits:
        groups.append((value << (7 - bits)) & 0x7F)
    text, at = [], 0
    while at < len(groups):
        group = groups[at]
        if group not in HELD_BACK:
            text.append(chr(group))
        elif at + 1 < len(groups):
            at += 1
            text.append(chr(PAIRED_FROM + HELD_BACK.index(group) * 128 + groups[at]))
        else:
            text.append(chr(ALONE_FROM + HELD_BACK.index(group)))
        at += 1
    return "".join(text)


def _number(value, out):
    """`value` (not negative) appended to `out` seven bits to a byte, the lowest first, the high bit set on all but
    the last."""
    while value >= 0x80:
        out.append(value & 0x7F | 0x80)
        value >>= 7
    out.append(value)


def written_against(base, target):
    """`target` as copies from `base` and from itself, and the bytes between them: its length; then per copy the bytes
    written before it, its length less MATCH_LEAST and where it starts, counted from where the copy before ended
    (doubled, odd where it lies before); then the count of bytes after the last copy; then every written byte. Places
    count in `base` followed by `target`."""
    data = base + target
    places = collections.defaultdict(list)
    for at in range(len(base) - MATCH_LEAST + 1):
        places[data[at:at + MATCH_LEAST]].append(at)
    steps, written = bytearray(), bytearray()
    _number(len(target), steps)
    at, written_from, expected = len(base), len(base), 0
    while at < len(data):
        key = data[at:at + MATCH_LEAST]
        longest, start = 0, 0
        for place in reversed(places.get(key, [])[-MATCH_TRIES:]):
            length = MATCH_LEAST
            while at + length < len(data) and data[place + length] == data[at + length]:
                length += 1
            if length > longest or (length == longest and abs(place - expected) < abs(start - expected)):
                longest, start = length, place
        covered = longest if longest >= MATCH_LEAST else 1
        if longest >= MATCH_LEAST:
            moved = start - expected
            for number in (at - written_from, longest - MATCH_LEAST, 2 * moved if moved >= 0 else -2 * moved - 1):
                _number(number, steps)
            written += data[written_from:at]
            written_from, expected = at + longest, start + longest
        for place in range(at, min(at + covered, len(data) - MATCH_LEAST + 1)):
            places[data[place:place + MATCH_LEAST]].append(place)
        at += covered
    _number(len(data) - written_from, steps)
    written += data[written_from:]
    return bytes(steps + written)
