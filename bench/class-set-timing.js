// Times a class set in the web page (headless chromium): 30 one-solution Medium puzzles with 8 theme words (5 of them
// clued) at Level 1, from Print class set to the sheets ready to print, beside loopword-compile making the same puzzles.
// Usage: node bench/class-set-timing.js [--smoke] [PAGE] [LOOPWORD_COMPILE] [ROUNDS]   (npm ci in tests/web first)
// --smoke: one round of a class set of 3, each figure checked, for the test suite; skipped without chromium
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const { median, readArguments, browserHelpers } = require('./page-driver');

const root = path.resolve(__dirname, '..');
const { flags, positional } = readArguments(['--smoke']);
const kSmoke = flags.has('--smoke');
const page = positional[0] ?? path.join(root, 'build-web/loopword.html');
const compileTool = positional[1] ?? path.join(root, 'build/bin/loopword-compile');
const kRounds = kSmoke ? 1 : Number(positional[2] ?? 5);  // each from its own seed
const kPupils = kSmoke ? 3 : 30;
const kTheme = ['ELEPHANT = a big grey animal with a trunk', 'GIRAFFES = tall animals with very long necks', 'PENGUINS',
  'KANGAROO = it jumps and keeps its baby in a pouch', 'DOLPHINS', 'TORTOISE = slow, with a shell on its back', 'HEDGEHOG',
  'SQUIRREL = it hides nuts for the winter'].join('\n');

const seconds = (ms) => `${(ms / 1000).toFixed(2)} s`;

/// The milliseconds from Print class set to the sheets in the page, for the set of each seed.
async function pageMs(browser) {
  const tab = await browser.newPage();
  await tab.goto(`${pathToFileURL(page).href}?level=1&difficulty=medium`);
  await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
  await tab.evaluate(() => { window.print = () => { performance.mark('printed'); }; });
  await tab.click('#face-make');
  await tab.click('#theme summary');
  await tab.fill('#theme-words', kTheme);  // used as it stands when the set is made
  await tab.fill('#pupils', String(kPupils));
  const times = [];
  let pages = 0;
  for (let round = 1; round <= kRounds; ++round) {
    await tab.fill('#seed', String(round));  // the set starts from it
    await tab.evaluate(() => performance.clearMarks('printed'));
    const start = Date.now();
    await tab.click('#print-class');
    await tab.waitForFunction(() => performance.getEntriesByName('printed').length > 0, null, { timeout: 120000, polling: 20 });
    times.push(Date.now() - start);
    pages = await tab.$$eval('#print-sheets .class-page', (sections) => sections.length);
  }
  await tab.close();
  return { times, pages };
}

/// The milliseconds loopword-compile takes for the same sets, written as a booklet.
function nativeMs() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'loopword-class-'));
  const theme = path.join(folder, 'theme.txt');
  fs.writeFileSync(theme, kTheme);
  const times = [];
  for (let round = 1; round <= kRounds; ++round) {
    const start = Date.now();
    execFileSync(compileTool, ['--level', '1', '--difficulty', 'medium', '--unique', '--theme', theme, '--count', String(kPupils),
      '--seed', String(round), '--quiet', '--pdf', path.join(folder, 'class.pdf')], { stdio: 'ignore' });
    times.push(Date.now() - start);
  }
  fs.rmSync(folder, { recursive: true, force: true });
  return times;
}

async function main() {
  const browser = await browserHelpers(page, kSmoke).launch();
  const { times, pages } = await pageMs(browser);
  await browser.close();
  const native = nativeMs();
  console.log(`Class set of ${kPupils} one-solution Medium puzzles, 8 theme words (5 clued), Level 1; ${kRounds} seeds; load average ${os.loadavg()[0].toFixed(1)}`);
  console.log(`page (Print class set to the ${pages} pages ready to print): median ${seconds(median(times))}, slowest ${seconds(Math.max(...times))}`);
  console.log(`loopword-compile (the same puzzles and a booklet PDF): median ${seconds(median(native))}, slowest ${seconds(Math.max(...native))}`);
  console.log(`target: a median of 1.2 s in the page: ${median(times) <= 1200 ? 'met' : 'NOT met'}`);
  if (pages !== kPupils + Math.ceil(kPupils / 4) && kSmoke) throw new Error(`${pages} pages printed for a class set of ${kPupils}`);
}

main();
