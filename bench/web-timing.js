// Times the web page in headless chromium: its size, load to the first puzzle drawn (English and German), and varied puzzles against native.
// Usage: node bench/web-timing.js [PAGE] [LOOPWORD_BENCH]   (npm ci in tests/web first; scripts/web builds the page)
// SPDX-License-Identifier: GPL-3.0-or-later
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
const kPuzzles = 300;  // the worker's clock ticks in 0.1 ms: the compile time is a mean over many
const kRounds = 10;  // the machine is shared: the fastest round of each side is compared
const kCoreCompiles = 500;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function firstPuzzleMs(browser, query) {
  const tab = await browser.newPage();
  await tab.goto(`${pathToFileURL(page).href}?${query}`);
  await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
  const ms = await tab.evaluate(() => performance.getEntriesByName('first-puzzle')[0].startTime);
  await tab.close();
  return ms;
}

/// Over varied puzzles on level 3, after one that prepares the list: the median whole compile command as the page
/// sees it (compile in slices, the view drawn as SVG, the answer and the page showing it), and the WebAssembly core
/// alone: the fastest of rounds of compiles run back to back in the worker, unseen.
async function variedMs(browser) {
  const tab = await browser.newPage();
  await tab.goto(`${pathToFileURL(page).href}?level=3&varied=1&seed=1`);
  await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
  const commands = [];
  for (let i = 0; i < kPuzzles; ++i) {
    commands.push(await tab.evaluate(async () => {
      const start = performance.now();
      await compile(false);
      return performance.now() - start;
    }));
  }
  const rounds = [];
  for (let round = 0; round < kRounds; ++round) {
    rounds.push(await tab.workers()[0].evaluate(async (count) => {
      const module = await core;  // the worker's session is `loopword`
      loopword.showCompileSteps(false);
      const start = performance.now();
      for (let i = 0; i < count; ++i) {
        loopword.compile(false);
        while (loopword.compiling()) module._loopword_advance_compile(1000, 1000000);
      }
      return (performance.now() - start) / count;
    }, kCoreCompiles));
  }
  await tab.close();
  return { command: median(commands), core: Math.min(...rounds) };
}

function nativeVariedMs() {
  const output = execFileSync(nativeBench, ['--benchmark_filter=^BM_VariedWithEvents/L3$', '--benchmark_format=json',
    `--benchmark_repetitions=${kRounds}`]);
  return Math.min(...JSON.parse(output).benchmarks.filter((run) => run.run_type === 'iteration').map((run) => run.real_time));
}

async function main() {
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: process.getuid() === 0 ? ['--no-sandbox'] : [] });
  const loads = [];
  const germanLoads = [];
  for (let i = 0; i < kLoads; ++i) {
    loads.push(await firstPuzzleMs(browser, 'level=1'));
    germanLoads.push(await firstPuzzleMs(browser, 'language=de'));
  }
  const inPage = await variedMs(browser);
  await browser.close();
  const native = nativeVariedMs();
  console.log(`page size:                      ${(fs.statSync(page).size / 1e6).toFixed(2)} MB (target 2 MB)`);
  console.log(`load to first puzzle (median):  ${(median(loads) / 1000).toFixed(3)} s of ${kLoads} loads (target 1 s)`);
  console.log(`the same, first German puzzle:  ${(median(germanLoads) / 1000).toFixed(3)} s (the list unpacked and read)`);
  console.log(`varied puzzle, level 3, page:   ${inPage.core.toFixed(3)} ms, the WebAssembly core (fastest of ${kRounds} rounds of ${kCoreCompiles} compiles in the worker)`);
  console.log(`  the compile command:          ${inPage.command.toFixed(1)} ms with the view drawn and shown (median of ${kPuzzles})`);
  console.log(`varied puzzle, level 3, native: ${native.toFixed(3)} ms (fastest of ${kRounds} runs of loopword_bench BM_VariedWithEvents/L3: the fill and its events)`);
  console.log(`page core / native:             ${(inPage.core / native).toFixed(2)}x (target 2x)`);
}

main();
