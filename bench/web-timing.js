// Times the web page in headless chromium: its size, load to the first puzzle drawn, and varied puzzles against native.
// Usage: node bench/web-timing.js [PAGE] [LOOPWORD_BENCH]   (npm ci in tests/web first; scripts/web builds the page)
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const root = path.resolve(__dirname, '..');
const { chromium } = require(path.join(root, 'tests/web/node_modules/playwright-core'));
const page = process.argv[2] ?? path.join(root, 'build-web/loopword.html');
const nativeBench = process.argv[3] ?? path.join(root, 'build/bin/loopword_bench');
const kLoads = 7;
const kPuzzles = 15;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function firstPuzzleMs(browser) {
  const tab = await browser.newPage();
  await tab.goto(`${pathToFileURL(page).href}?level=1`);
  await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
  const ms = await tab.evaluate(() => performance.getEntriesByName('first-puzzle')[0].startTime);
  await tab.close();
  return ms;
}

/// Milliseconds from Compile to the puzzle shown, per varied puzzle on level 3 after one to prepare the list.
async function variedMs(browser) {
  const tab = await browser.newPage();
  await tab.goto(`${pathToFileURL(page).href}?level=3&varied=1&seed=1`);
  await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
  const times = [];
  for (let i = 0; i < kPuzzles; ++i) {
    const start = await tab.evaluate(() => performance.now());
    await tab.click('#compile');
    await tab.waitForFunction(() => document.querySelector('main').getAttribute('aria-busy') === 'false');
    times.push(await tab.evaluate((from) => performance.now() - from, start));
  }
  await tab.close();
  return median(times);
}

function nativeVariedMs() {
  const output = execFileSync(nativeBench, ['--benchmark_filter=^BM_Varied/L3$', '--benchmark_format=json']);
  return JSON.parse(output).benchmarks[0].real_time;
}

async function main() {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: process.getuid() === 0 ? ['--no-sandbox'] : [] });
  const loads = [];
  for (let i = 0; i < kLoads; ++i) loads.push(await firstPuzzleMs(browser));
  const inPage = await variedMs(browser);
  await browser.close();
  const native = nativeVariedMs();
  console.log(`page size:                      ${(fs.statSync(page).size / 1e6).toFixed(2)} MB (target 2 MB)`);
  console.log(`load to first puzzle (median):  ${(median(loads) / 1000).toFixed(3)} s of ${kLoads} loads (target 1.5 s)`);
  console.log(`varied puzzle, level 3, page:   ${inPage.toFixed(1)} ms median of ${kPuzzles}`);
  console.log(`varied puzzle, level 3, native: ${native.toFixed(1)} ms (loopword_bench BM_Varied/L3)`);
  console.log(`page / native:                  ${(inPage / native).toFixed(2)}x (target 3x)`);
}

main();
