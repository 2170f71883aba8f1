// Times the web page in headless chromium: its size, load to the first puzzle drawn (English and German), and a varied Level 3 puzzle and a Hard graded one against native.
// Usage: node bench/web-timing.js [--smoke] [PAGE] [LOOPWORD_BENCH]   (npm ci in tests/web first; scripts/web builds the page)
// --smoke: one short round of each, every figure checked, for the test suite; skipped without chromium or the browser
// driver; the native side only when LOOPWORD_BENCH is given. An empty LOOPWORD_BENCH leaves it out.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { median, readArguments, browserHelpers, openPage, makePuzzleMs } = require('./page-driver.js');

const root = path.resolve(__dirname, '..');
const { flags, positional } = readArguments(['--smoke']);
const kSmoke = flags.has('--smoke');
const page = positional[0] ?? path.join(root, 'build-web/loopword.html');
const nativeBench = positional[1] ?? (kSmoke ? '' : path.join(root, 'build/bin/loopword_bench'));
const kLoads = kSmoke ? 1 : 7;
const kRounds = kSmoke ? 1 : 10;  // the machine is shared: the median round of each side is compared

/// The fills timed: the page's address for them, how many commands the page is given, how many rounds of how many
/// compiles back to back in the worker (the worker's clock ticks in 0.1 ms: a fast compile is a mean over many), and
/// the native benchmark of the same work: the session making the same fill with its steps unseen, with its repetitions
/// (a graded one repeats itself: 50 single puzzles).
const kFills = [
  { name: 'varied puzzle, Level 3', query: 'level=3&varied=1&seed=1', commands: kSmoke ? 2 : 300, rounds: kRounds,
    compiles: kSmoke ? 5 : 500, native: 'BM_SessionCompile/varied', repetitions: kRounds },
  { name: 'Hard graded puzzle, Level 3', query: 'level=3&varied=1&difficulty=hard&seed=1', commands: kSmoke ? 2 : 30,
    rounds: kSmoke ? 2 : 50, compiles: 1, native: 'BM_SessionCompile/hard' },
];

/// Milliseconds to the first puzzle drawn, for a new tab at `query`.
async function firstPuzzleMs(browser, helpers, query) {
  const tab = await openPage(browser, helpers, page, query);
  const ms = await tab.evaluate(() => performance.getEntriesByName('first-puzzle')[0].startTime);
  await tab.close();
  return ms;
}

/// The mean milliseconds of each of `rounds` rounds of `compiles` compiles back to back in the page's worker, each to
/// its finished puzzle, its steps not shown: the WebAssembly core alone.
/// Throws when a round made no new puzzle.
function coreRoundsMs(tab, rounds, compiles) {
  return tab.workers()[0].evaluate(async ([rounds, compiles]) => {
    const module = await core;  // the worker's module, and its session `loopword`
    const times = [];
    for (let round = 0; round < rounds; ++round) {
      const before = loopword.view().puzzle?.key;
      const start = performance.now();
      for (let i = 0; i < compiles; ++i) {
        loopword.compile('', false, false);  // its steps unseen, as a first puzzle or a class set is made
        while (loopword.compiling()) module._loopword_advance_compile(1000, 1000000);
      }
      times.push((performance.now() - start) / compiles);
      const after = loopword.view().puzzle?.key;
      if (after === undefined || after === before) throw new Error('a compile in the worker made no new puzzle');
    }
    return times;
  }, [rounds, compiles]);
}

/// The page's figures for `fill`: each command as the page sees it (Make puzzle clicked until the new puzzle is shown)
/// and the rounds of the core alone.
async function pageFill(browser, helpers, fill) {
  const tab = await openPage(browser, helpers, page, fill.query);
  const commands = [];
  for (let i = 0; i < fill.commands; ++i) commands.push(await makePuzzleMs(tab));
  const core = await coreRoundsMs(tab, fill.rounds, fill.compiles);
  await tab.close();
  return { commands, core };
}

/// The milliseconds of the native runs of `fill`'s benchmark: each repetition's, or the median a graded one reports;
/// none without the benchmark program.
function nativeMs(fill) {
  if (!nativeBench) return [];
  const repetitions = fill.repetitions ? [`--benchmark_repetitions=${fill.repetitions}`] : [];
  const output = execFileSync(nativeBench, [`--benchmark_filter=^${fill.native}(/|$)`, '--benchmark_format=json', ...repetitions]);
  return JSON.parse(output).benchmarks.filter((run) => run.run_type === 'iteration' || run.aggregate_name === 'median')
    .map((run) => run.real_time);
}

/// What is not a positive number among the figures `named` (name → list of milliseconds).
const unsound = (named) => Object.entries(named).filter(([, values]) => !values.length || !values.every((ms) => Number.isFinite(ms) && ms > 0))
  .map(([name]) => name);

async function main() {
  const helpers = browserHelpers(page, kSmoke);
  console.log(`load average ${os.loadavg().map((load) => load.toFixed(2)).join(', ')}`);
  const browser = await helpers.launch();
  const loads = [];
  const germanLoads = [];
  for (let i = 0; i < kLoads; ++i) {
    loads.push(await firstPuzzleMs(browser, helpers, 'level=1'));
    germanLoads.push(await firstPuzzleMs(browser, helpers, 'language=de'));
  }
  const inPage = [];
  for (const fill of kFills) inPage.push(await pageFill(browser, helpers, fill));
  await browser.close();
  const figures = { 'load to first puzzle': loads, 'German load': germanLoads };
  console.log(`page size:                      ${(fs.statSync(page).size / 1e6).toFixed(2)} MB (target 2 MB)`);
  console.log(`load to first puzzle (median):  ${(median(loads) / 1000).toFixed(3)} s of ${kLoads} loads (target 1 s)`);
  console.log(`the same, first German puzzle:  ${(median(germanLoads) / 1000).toFixed(3)} s (the list unpacked and read)`);
  kFills.forEach((fill, index) => {
    const { commands, core } = inPage[index];
    const native = nativeMs(fill);
    const each = fill.compiles > 1 ? `rounds of ${fill.compiles} compiles` : 'compiles';
    console.log(`${fill.name}:`);
    console.log(`  page, the WebAssembly core:   ${median(core).toFixed(3)} ms, median of ${core.length} ${each} in the worker (fastest ${Math.min(...core).toFixed(3)})`);
    console.log(`  page, Make puzzle:            ${median(commands).toFixed(1)} ms to the new puzzle shown, median of ${commands.length}`);
    if (native.length) {
      console.log(`  native:                       ${median(native).toFixed(3)} ms, median of ${fill.repetitions ?? 'the'} runs of loopword_bench ${fill.native}`);
      console.log(`  page core / native:           ${(median(core) / median(native)).toFixed(2)}x (target 3x)`);
    }
    Object.assign(figures, { [`${fill.name}: core`]: core, [`${fill.name}: Make puzzle`]: commands },
      nativeBench ? { [`${fill.name}: native`]: native } : {});
  });
  const faults = unsound(figures);
  for (const name of faults) console.log(`FAILED: ${name} gave no time`);
  process.exitCode = faults.length ? 1 : 0;
}

main().catch((error) => {
  console.log(`FAILED: ${error.message}`);
  process.exit(1);
});
