// The one file's parts read back as the build wrote them: bytes as text of seven bits to a character, and a part
// written as its changes from another (web/carried_parts.py writes, web/carried_parts.js reads).
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const assert = require('node:assert/strict');
const { it } = require('node:test');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');

const web = path.join(__dirname, '..', '..', 'web');
const reader = vm.createContext({ Uint8Array, RangeError });
vm.runInContext(`${fs.readFileSync(path.join(web, 'carried_parts.js'), 'utf8')}\nthis.read = { sevenBitBytes, patched };`, reader);
const { sevenBitBytes, patched } = reader.read;

/// What carried_parts.py's `writer` makes of each list of byte arguments in `calls`, in one run of Python: text as
/// it is, bytes as a Buffer.
function written(writer, calls) {
  const script = `import base64, json, sys
import carried_parts
made = [getattr(carried_parts, "${writer}")(*(base64.b64decode(arg) for arg in args)) for args in json.load(sys.stdin)]
json.dump([base64.b64encode(out).decode() if isinstance(out, bytes) else out for out in made], sys.stdout)`;
  const input = JSON.stringify(calls.map((args) => args.map((bytes) => Buffer.from(bytes).toString('base64'))));
  const run = spawnSync('python3', ['-c', script], { cwd: web, input, maxBuffer: 1 << 26 });
  assert.equal(run.status, 0, String(run.stderr));
  return JSON.parse(run.stdout).map((out) => (writer === 'seven_bit_text' ? out : Buffer.from(out, 'base64')));
}

/// `count` bytes drawn from `seed`, each below `below`.
function drawn(count, seed, below = 256) {
  const bytes = new Uint8Array(count);
  for (let at = 0, state = seed; at < count; at += 1) {
    state = (state * 1103515245 + 12345) % 2 ** 31;
    bytes[at] = (state >> 16) % below;
  }
  return bytes;
}

it('every run of bytes comes back from its text, which holds no character a script element would change', () => {
  const cases = [
    new Uint8Array(0),
    ...Array.from({ length: 256 }, (_, value) => Uint8Array.of(value)),  // among them the last group held back alone
    Uint8Array.from({ length: 256 }, (_, value) => value),
    new Uint8Array(700),  // every group NUL
    new Uint8Array(700).fill(0x3c),
    Uint8Array.from({ length: 701 }, (_, at) => [0x0d, 0x3c, 0x00, 0x1a][at % 4]),
    drawn(100000, 7),
  ];
  const texts = written('seven_bit_text', cases.map((bytes) => [bytes]));
  cases.forEach((bytes, at) => {
    assert.doesNotMatch(texts[at], /[\0\r<]/, `case ${at}`);
    assert.deepEqual(Buffer.from(sevenBitBytes(texts[at])), Buffer.from(bytes), `case ${at}`);
  });
  assert.ok(Buffer.byteLength(texts.at(-1)) < 100000 * 1.15, 'an eighth more than the bytes, and a little');
});

it('a text with a character no writer puts there is refused', () => {
  for (const text of ['abc\u00e9', '\u0080', '\u0283', '\u2603', 'ok\ud800']) assert.equal(sevenBitBytes(text), null, text);
});

it('a part written against another is made again from it', () => {
  const base = drawn(50000, 11);
  const edited = Uint8Array.from([...base.subarray(0, 20000), ...drawn(300, 5), ...base.subarray(20100, 45000), ...base.subarray(100, 9000)]);
  const cases = [
    [new Uint8Array(0), new Uint8Array(0)],
    [base, new Uint8Array(0)],
    [new Uint8Array(0), drawn(16384, 3)],  // a length written with groups of no bits set
    [base, base],
    [base, edited],  // changed and cut
    [new Uint8Array(0), Uint8Array.from({ length: 3000 }, (_, at) => at % 3)],  // copies of what they make as they go
    [base, drawn(40, 9)],  // too short to copy
    [base, Uint8Array.from([...base.subarray(30000, 40000), ...drawn(50, 1), ...base.subarray(0, 10000), ...drawn(60, 2)])],  // a copy from before
  ];
  const changes = written('written_against', cases);
  cases.forEach(([from, target], at) => assert.deepEqual(Buffer.from(patched(from, changes[at])), Buffer.from(target), `case ${at}`));
  assert.ok(changes[3].length < 100, `${changes[3].length} bytes of changes for a copy`);
  assert.ok(changes[4].length < 1000, `${changes[4].length} bytes of changes for a few edits`);
});

it('changes cut short, or that copy from outside what is made, are refused', () => {
  const base = drawn(5000, 13);
  const [changes] = written('written_against', [[base, Uint8Array.from([...base.subarray(1000, 3000), 1, 2, 3])]]);
  for (const damaged of [changes.subarray(0, 2), changes.subarray(0, changes.length - 1), Uint8Array.of(0x80)]) {
    assert.throws(() => patched(base, damaged), RangeError);
  }
  assert.throws(() => patched(new Uint8Array(0), Uint8Array.of(20, 0, 8, 0, 0)), RangeError);  // a copy of what is not made yet
  assert.throws(() => patched(base.subarray(0, 100), changes), RangeError);  // the part it was written against is shorter
});
