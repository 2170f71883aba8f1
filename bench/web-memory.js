// Measures the web page's memory in headless chromium over many compiles, each shown as the Compile button shows it.
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
  return { jsHeap: metric('JSHeapUsedSize'), nodes: metric('Nodes'), wasm, heap, renderer: await rendererBytes(browserSession) };
}

async function main() {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--js-flags=--expose-gc', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });
  const browserSession = await browser.newBrowserCDPSession();
  const tab = await browser.newPage();
  const tabSession = await tab.context().newCDPSession(tab);
  await tabSession.send('Performance.enable');
  await tab.goto(`${pathToFileURL(page).href}?level=3&varied=1&seed=1`);
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
  await browser.close();
  for (const cells of rows) console.log(cells.map((cell) => cell.padStart(14)).join(''));
  const growth = (from, key) => `${(((last[key] - from[key]) / from[key]) * 100).toFixed(1)} %`;
  console.log(`growth over ${kCompiles} compiles: renderer ${growth(first, 'renderer')} (${growth(settled, 'renderer')} after the first 20), ` +
    `page JS heap ${growth(first, 'jsHeap')}, wasm memory ${growth(first, 'wasm')}, core in use ${growth(first, 'heap')} (target within 10 %)`);
}

main();
