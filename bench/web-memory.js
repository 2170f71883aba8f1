// Measures the web page's memory in headless chromium over many puzzles made with its Make puzzle button, for three
// fills; fails when the core or the page's script holds more after them than after the first 20 (the first in a smoke
// run: a leak), its WebAssembly memory grew or the page kept elements of earlier puzzles.
// Usage: node bench/web-memory.js [--smoke] [--no-gc] [PAGE] [COMPILES]   (npm ci in tests/web first; scripts/web builds the page)
// --no-gc reads the memory as it stands, garbage not yet collected included. --smoke: 3 compiles of each fill, read
// after the first and the last, for the test suite; skipped without chromium or the browser driver.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { readArguments, browserHelpers, openPage, makePuzzleMs } = require('./page-driver.js');

const root = path.resolve(__dirname, '..');
const { flags, positional } = readArguments(['--smoke', '--no-gc']);
const kSmoke = flags.has('--smoke');
const kCollect = !flags.has('--no-gc');
const page = positional[0] ?? path.join(root, 'build-web/loopword.html');
const kCompiles = Number(positional[1] ?? (kSmoke ? 3 : 200));
// The memory is read after each of these; the first of them, once the code is compiled and the caches warm, is the
// one the last is held to.
const kCheckpoints = (kSmoke ? [1] : [20, 50, 100, 150, 200, 300, 500]).filter((count) => count < kCompiles).concat(kCompiles);
const MB = 1024 * 1024;

/// The resident memory of chromium's renderer processes (the page, its worker and the WebAssembly memory live there).
async function rendererBytes(browserSession) {
  const { processInfo } = await browserSession.send('SystemInfo.getProcessInfo');
  let bytes = 0;
  for (const { type, id } of processInfo) {
    if (type !== 'renderer') continue;
    const status = fs.readFileSync(`/proc/${id}/status`, 'utf8');
    bytes += Number(/VmRSS:\s+(\d+) kB/.exec(status)[1]) * 1024;
  }
  return bytes;
}

/// After a full garbage collection (unless --no-gc): the page's JS heap and DOM nodes, the worker's WebAssembly memory, the renderer's memory.
async function measure(tab, tabSession, browserSession) {
  if (kCollect) {
    await tabSession.send('HeapProfiler.collectGarbage');
    await tab.workers()[0].evaluate(() => gc());
  }
  const { metrics } = await tabSession.send('Performance.getMetrics');
  const metric = (name) => metrics.find((entry) => entry.name === name).value;
  const [wasm, heap] = await tab.workers()[0].evaluate(async () => [(await core).HEAP8.buffer.byteLength, loopword.heapInUse()]);
  const elements = await tab.evaluate(() => document.getElementsByTagName('*').length);
  return { jsHeap: metric('JSHeapUsedSize'), nodes: metric('Nodes'), elements, wasm, heap, renderer: await rendererBytes(browserSession) };
}

const kFills = { 'varied words on Level 3': 'level=3&varied=1&seed=1', 'the classic fill on Level 1': 'level=1&seed=2',
  'one solution on Level 2': 'level=2&unique=1&seed=3' };
const kHeapSlack = 64 * 1024;  // what the core may hold more after the last compiles than after the first checkpoint's
const kPageHeapSlack = 64 * 1024;  // the same for the page's own JavaScript heap, garbage collected

/// The memory over the compiles of one fill, as a table; what grew that should not have.
async function measureFill(browser, helpers, browserSession, name, query) {
  const tab = await openPage(browser, helpers, page, query);
  // What the page reads a few seconds after its first puzzle (the whole table of texts, given to the core) is read
  // before the first reading: a one-time load, not a leak, which quick compiles would otherwise count as one.
  await tab.waitForFunction(() => translationsRead.has('all'), null, { timeout: 30000 });  // eslint-disable-line no-undef
  await tab.evaluate(() => translationsRead.get('all'));  // eslint-disable-line no-undef
  const tabSession = await tab.context().newCDPSession(tab);
  await tabSession.send('Performance.enable');
  const rows = [['compiles', 'page JS heap', 'DOM nodes', 'wasm memory', 'core in use', 'renderer RSS']];
  const row = (count, m) => [String(count), `${(m.jsHeap / MB).toFixed(1)} MB`, String(m.nodes), `${(m.wasm / MB).toFixed(1)} MB`,
    `${(m.heap / MB).toFixed(2)} MB`, `${(m.renderer / MB).toFixed(1)} MB`];
  const first = await measure(tab, tabSession, browserSession);
  rows.push(row(0, first));
  const readings = [first];
  let done = 0;
  let last = first;
  let settled = first;  // after the first checkpoint's compiles: the code compiled and the caches warm
  for (const checkpoint of kCheckpoints) {
    for (; done < checkpoint; ++done) await makePuzzleMs(tab);
    last = await measure(tab, tabSession, browserSession);
    readings.push(last);
    if (done === kCheckpoints[0]) settled = last;
    rows.push(row(done, last));
  }
  await tab.close();
  console.log(name);
  for (const cells of rows) console.log(cells.map((cell) => cell.padStart(14)).join(''));
  const growth = (from, key) => `${(((last[key] - from[key]) / from[key]) * 100).toFixed(1)} %`;
  console.log(`growth over ${kCompiles} compiles: renderer ${growth(first, 'renderer')} (${growth(settled, 'renderer')} after the first ${kCheckpoints[0]}), ` +
    `page JS heap ${growth(first, 'jsHeap')} (${growth(settled, 'jsHeap')} after the first ${kCheckpoints[0]}), wasm memory ${growth(first, 'wasm')}, core in use ${growth(first, 'heap')} (target within 10 %)`);
  const grew = [[last.heap - settled.heap >= kHeapSlack, `the core holds ${last.heap - settled.heap} bytes more`],
    [kCollect && last.jsHeap - settled.jsHeap >= kPageHeapSlack, `the page's script holds ${last.jsHeap - settled.jsHeap} bytes more`],
    [last.wasm !== settled.wasm, 'the WebAssembly memory grew'], [last.elements !== settled.elements, 'the page kept elements of earlier puzzles'],
    [!readings.every((reading) => Object.values(reading).every(Number.isFinite)), 'a figure is no number']];
  return grew.filter(([failed]) => failed).map(([, what]) => `${name}: ${what}`);
}

async function main() {
  const helpers = browserHelpers(page, kSmoke);
  console.log(`load average ${os.loadavg().map((load) => load.toFixed(2)).join(', ')}`);
  const browser = await helpers.launch(['--js-flags=--expose-gc']);
  const browserSession = await browser.newBrowserCDPSession();
  const faults = [];
  for (const [name, query] of Object.entries(kFills)) faults.push(...await measureFill(browser, helpers, browserSession, name, query));
  await browser.close();
  for (const fault of faults) console.log(`FAILED: ${fault}`);
  process.exitCode = faults.length ? 1 : 0;
}

main().catch((error) => {
  console.log(`FAILED: ${error.message}`);
  process.exit(1);
});
