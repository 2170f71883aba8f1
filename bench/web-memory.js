// Measures the web page's memory in headless chromium over many compiles, each shown as the Compile button shows it, for
// three fills; fails when the core holds more after them than after the first 20 (a leak), its WebAssembly memory grew
// or the page kept elements of earlier puzzles.
// Usage: node bench/web-memory.js [PAGE] [COMPILES] [--no-gc]   (npm ci in tests/web first; scripts/web builds the page)
// --no-gc reads the memory as it stands, garbage not yet collected included.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const root = path.resolve(__dirname, '..');
const { chromium } = require(path.join(root, 'tests/web/node_modules/playwright-core'));
const page = process.argv[2] ?? path.join(root, 'build-web/loopword.html');
const kCompiles = Number(process.argv[3] ?? 200);
const kCollect = process.argv[4] !== '--no-gc';
const kCheckpoints = [20, 50, 100, 150, 200, 300, 500].filter((count) => count < kCompiles).concat(kCompiles);
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
  const [wasm, heap] = await tab.workers()[0].evaluate(async () => (typeof core === 'undefined' ? [NaN, NaN]  // an older page
    : [(await core).HEAP8.buffer.byteLength, loopword.heapInUse()]));
  const elements = await tab.evaluate(() => document.getElementsByTagName('*').length);
  return { jsHeap: metric('JSHeapUsedSize'), nodes: metric('Nodes'), elements, wasm, heap, renderer: await rendererBytes(browserSession) };
}

const kFills = { 'varied words on Level 3': '?level=3&varied=1&seed=1', 'the classic fill on Level 1': '?level=1&seed=2',
  'one solution on Level 2': '?level=2&unique=1&seed=3' };
const kHeapSlack = 64 * 1024;  // what the core may hold more after the last compiles than after the first 20

/// The memory over the compiles of one fill, as a table; what grew that should not have.
async function measureFill(browser, browserSession, name, address) {
  const tab = await browser.newPage();
  const tabSession = await tab.context().newCDPSession(tab);
  await tabSession.send('Performance.enable');
  await tab.goto(`${pathToFileURL(page).href}${address}`);
  await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
  const rows = [['compiles', 'page JS heap', 'DOM nodes', 'wasm memory', 'core in use', 'renderer RSS']];
  const row = (count, m) => [String(count), `${(m.jsHeap / MB).toFixed(1)} MB`, String(m.nodes), `${(m.wasm / MB).toFixed(1)} MB`,
    `${(m.heap / MB).toFixed(2)} MB`, `${(m.renderer / MB).toFixed(1)} MB`];
  const first = await measure(tab, tabSession, browserSession);
  rows.push(row(0, first));
  let done = 0;
  let last = first;
  let settled = first;  // after the first 20 compiles: the code compiled and the caches warm
  for (const checkpoint of kCheckpoints) {
    for (; done < checkpoint; ++done) await tab.evaluate(() => compile());
    last = await measure(tab, tabSession, browserSession);
    if (done === kCheckpoints[0]) settled = last;
    rows.push(row(done, last));
  }
  await tab.close();
  console.log(name);
  for (const cells of rows) console.log(cells.map((cell) => cell.padStart(14)).join(''));
  const growth = (from, key) => `${(((last[key] - from[key]) / from[key]) * 100).toFixed(1)} %`;
  console.log(`growth over ${kCompiles} compiles: renderer ${growth(first, 'renderer')} (${growth(settled, 'renderer')} after the first 20), ` +
    `page JS heap ${growth(first, 'jsHeap')}, wasm memory ${growth(first, 'wasm')}, core in use ${growth(first, 'heap')} (target within 10 %)`);
  const grew = [[last.heap - settled.heap >= kHeapSlack, `the core holds ${last.heap - settled.heap} bytes more`],
    [last.wasm !== settled.wasm, 'the WebAssembly memory grew'], [last.elements !== settled.elements, 'the page kept elements of earlier puzzles']];
  return grew.filter(([failed]) => failed).map(([, what]) => `${name}: ${what}`);
}

async function main() {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--js-flags=--expose-gc', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });
  const browserSession = await browser.newBrowserCDPSession();
  const faults = [];
  for (const [name, address] of Object.entries(kFills)) faults.push(...await measureFill(browser, browserSession, name, address));
  await browser.close();
  for (const fault of faults) console.log(`FAILED: ${fault}`);
  process.exitCode = faults.length ? 1 : 0;
}

main();
