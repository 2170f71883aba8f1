// How the one-file page reads the parts it carries: text of seven bits to a character, and a part written as the
// changes from another (web/carried_parts.py writes them).
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

// The bytes a script element cannot hold as they are, which their character from U+0100 stands for (see the writer).
const kHeldBack = [0x00, 0x0d, 0x3c];
const kPairedFrom = 0x100;
const kAloneFrom = kPairedFrom + kHeldBack.length * 128;
const kMatchLeast = 12;

/// The bytes `text` writes seven bits to a character; null where it holds a character no writer puts there.
function sevenBitBytes(text) {
  const bytes = new Uint8Array(Math.ceil((text.length * 14) / 8));
  let value = 0;
  let bits = 0;
  let length = 0;
  const put = (group) => {
    value = ((value << 7) | group) & 0x7fff;
    bits += 7;
    if (bits >= 8) {
      bits -= 8;
      bytes[length++] = value >> bits;
    }
  };
  for (let at = 0; at < text.length; at += 1) {
    const code = text.charCodeAt(at);
    if (code < 0x80 && !kHeldBack.includes(code)) put(code);
    else if (code >= kPairedFrom && code < kAloneFrom) put(kHeldBack[(code - kPairedFrom) >> 7]), put((code - kPairedFrom) & 0x7f);
    else if (code >= kAloneFrom && code < kAloneFrom + kHeldBack.length) put(kHeldBack[code - kAloneFrom]);
    else return null;
  }
  return bytes.slice(0, length);
}

/// The bytes `changes` make of `base` (see written_against in carried_parts.py); throws where they do not fit it.
function patched(base, changes) {
  let at = 0;
  const number = () => {
    let value = 0;
    for (let scale = 1; ; scale *= 128) {
      const byte = changes[at++];
      if (byte === undefined) throw new RangeError('the changes end in a number');
      value += (byte & 0x7f) * scale;
      if (byte < 0x80) return value;
    }
  };
  const length = number();
  const steps = [];
  for (let made = 0; ;) {
    const written = number();
    made += written;
    if (made === length) {
      steps.push([written, 0, 0]);
      break;
    }
    const copied = number() + kMatchLeast;
    const moved = number();
    steps.push([written, copied, moved % 2 ? -(moved + 1) / 2 : moved / 2]);
    made += copied;
    if (made > length) throw new RangeError('the changes make more than they say');
  }
  const made = new Uint8Array(base.length + length);
  made.set(base);
  let to = base.length;
  let from = 0;
  for (const [written, copied, moved] of steps) {
    if (at + written > changes.length) throw new RangeError('the changes end early');
    made.set(changes.subarray(at, at + written), to);
    at += written;
    to += written;
    from += moved;
    if (copied && (from < 0 || from >= to)) throw new RangeError('a copy from outside what is made');
    for (const end = to + copied; to < end;) made[to++] = made[from++];
  }
  return made.subarray(base.length);
}
