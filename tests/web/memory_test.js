// The web page in Debian's chromium over many compiles: the core's memory and the page's elements stay as they were.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');

const pageUrl = pathToFileURL(process.env.LOOPWORD_PAGE).href;
/// What the core may hold more after the last compiles than after the first: a leak of a few hundred bytes a compile shows.
const kHeapSlack = 64 * 1024;

let browser;

before(async () => {
  const args = process.getuid() === 0 ? ['--no-sandbox'] : [];
  browser = await chromium.launch({ executablePath: process.env.LOOPWORD_CHROMIUM ?? '/usr/bin/chromium', args });
});

after(async () => {
  await browser?.close();
});

/// The bytes the core holds allocated, its WebAssembly memory and the page's elements.
async function held(tab) {
  const worker = tab.workers()[0];
  return {
    heap: await worker.evaluate(() => loopword.heapInUse()),
    memory: await worker.evaluate(() => core.then((module) => module.HEAP8.buffer.byteLength)),
    elements: await tab.evaluate(() => document.getElementsByTagName('*').length),
  };
}

/// Compiles `count` puzzles as the Compile button does, each shown.
function compile(tab, count) {
  return tab.evaluate(async (n) => {
    for (let i = 0; i < n; ++i) await compile();
  }, count);
}

const fills = [
  { name: 'varied words on Level 3', address: '?level=3&varied=1&seed=1' },
  { name: 'the classic fill on Level 1', address: '?level=1&seed=2' },
  { name: 'one solution on Level 2', address: '?level=2&unique=1&seed=3' },
];

for (const { name, address } of fills) {
  it(`holds no more after 200 compiles than after 20: ${name}`, async () => {
    const tab = await browser.newPage();
    await tab.goto(pageUrl + address);
    await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    await compile(tab, 20);
    const early = await held(tab);
    await compile(tab, 180);
    const late = await held(tab);
    assert.equal(late.memory, early.memory, 'the WebAssembly memory did not grow');
    assert.ok(late.heap - early.heap < kHeapSlack, `the core holds ${late.heap - early.heap} bytes more`);
    assert.equal(late.elements, early.elements, 'the page keeps no element of an earlier puzzle');
    await tab.close();
  });
}
