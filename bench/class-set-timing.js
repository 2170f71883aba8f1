// Times a class set in the web page (headless chromium): 30 one-solution Medium puzzles with 8 theme words (5 of them
// clued) at Level 1, from Print class set to the sheets ready to print, beside loopword-compile making the same puzzles.
// Usage: node bench/class-set-timing.js [PAGE] [LOOPWORD_COMPILE] [ROUNDS]   (npm ci in tests/web first)
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const root = path.resolve(__dirname, '..');
const { chromium } = require(path.join(root, 'tests/web/node_modules/playwright-core'));
const page = process.argv[2] ?? path.join(root, 'build-web/loopword.html');
const compileTool = process.argv[3] ?? path.join(root, 'build/bin/loopword-compile');
const kRounds = Number(process.argv[4] ?? 5);  // each from its own seed
const kPupils = 30;
const kTheme = ['ELEPHANT = a big grey animal with a trunk', 'GIRAFFES = tall animals with very long necks', 'PENGUINS',
  'KANGAROO = it jumps and keeps its baby in a pouch', 'DOLPHINS', 'TORTOISE = slow, with a shell on its back', 'HEDGEHOG',
  'SQUIRREL = it hides nuts for the winter'].join('\n');

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const seconds = (ms) => `${(ms / 1000).toFixed(2)} s`;

/// The milliseconds from Print class set to the sheets in the page, for the set of each seed.
async function pageMs(browser) {
  const tab = await browser.newPage();
  await tab.goto(`${pathToFileURL(page).href}?level=1&difficulty=medium`);
  await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
  await tab.evaluate(() => { window.print = () => { performance.mark('printed'); }; });
  await tab.click('#face-make');
  await tab.click('#theme summary');
  await tab.fill('#theme-words', kTheme);
  await tab.click('#theme-keep');
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
  const args = process.getuid() === 0 ? ['--no-sandbox'] : [];
  const browser = await chromium.launch({ executablePath: process.env.LOOPWORD_CHROMIUM ?? '/usr/bin/chromium', args });
  const { times, pages } = await pageMs(browser);
  await browser.close();
  const native = nativeMs();
  console.log(`Class set of ${kPupils} one-solution Medium puzzles, 8 theme words (5 clued), Level 1; ${kRounds} seeds; load average ${os.loadavg()[0].toFixed(1)}`);
  console.log(`page (Print class set to the ${pages} pages ready to print): median ${seconds(median(times))}, slowest ${seconds(Math.max(...times))}`);
  console.log(`loopword-compile (the same puzzles and a booklet PDF): median ${seconds(median(native))}, slowest ${seconds(Math.max(...native))}`);
  console.log(`target: under 10 s in the page: ${Math.max(...times) < 10000 ? 'met' : 'NOT met'}`);
}

main();
