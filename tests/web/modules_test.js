// The hosted page's two modules, on phones: a pupil's page loads the solve module alone; a new visitor solves the
// puzzle made with the page; the make module comes when a puzzle is to be made and takes over the puzzle on show with
// its letters; where it cannot be had, the page says so and solving goes on.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { it } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const { servedSite, builtSite, openProfilePage, settled, press, readGrid, shownPuzzle, solutionRings, typeSolution } = require('./browser');

const host = servedSite(builtSite());
const compileTool = process.env.LOOPWORD_COMPILE;

/// A new phone's watched page at `address` in `locale` once its first puzzle shows, the files it and its worker
/// requested collected: `routes` answers the requests for what each address pattern names; `browserAsIs` runs before
/// the page's own scripts, to make the browser an older one; `answers` are given to what the page asks.
function visit(address, locale, { routes = {}, browserAsIs = () => {}, answers = [] } = {}) {
  return openProfilePage(host.browser, host.address + address, { locale, viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true },
    async (page) => {
      await page.context().addInitScript(browserAsIs);
      page.requested = [];
      page.context().on('request', (request) => page.requested.push(new URL(request.url()).pathname.slice(1)));
      for (const [pattern, answer] of Object.entries(routes)) await page.context().route(pattern, answer);
    }, answers);
}

const language = (file) => file.match(/^# language: (\w+)$/m)?.[1] ?? 'en';  // English files name none

const kBrowsers = [['a browser of today', () => {}],
  ['a browser that reads no base 64 into bytes itself', () => { delete Uint8Array.fromBase64; }]];
for (const [browser, browserAsIs] of kBrowsers) it(`a pupil link opens and is solved with the solve module the page carries, nothing else fetched: ${browser}`, async () => {
  const puzzle = execFileSync(compileTool, ['--language', 'de', '--level', '1', '--seed', '21']).toString();
  const pupil = await visit(`#${encodeURIComponent(puzzle)}`, 'de-DE', { browserAsIs });
  const solution = solutionRings(puzzle);
  await typeSolution(pupil, solution, () => pupil.evaluate(() => shown.solved));  // eslint-disable-line no-undef
  assert.deepEqual((await readGrid(pupil)).rings, solution, 'solved');
  assert.equal(await pupil.evaluate(() => runningModule), 'solve');  // eslint-disable-line no-undef
  assert.deepEqual(pupil.requested.filter((name) => /^(loopword_|lists\/)/.test(name)), [], 'the page carries what solves');
});

it('a new visitor solves the puzzle made with the page in their language; Make brings the make module, letters kept', async () => {
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  const visitor = await visit('', 'fr-FR', { routes: { '**/loopword_make.*': (route) => held.then(() => route.continue()) } });
  assert.equal(language(await shownPuzzle(visitor)), 'fr', 'the ready puzzle in French, while the make module is held back');
  const ready = await shownPuzzle(visitor);
  for (const letter of ['S', 'T']) await press(visitor, letter);
  const typed = (await readGrid(visitor)).rings;
  assert.match(typed.join(''), /ST/);
  release();
  await visitor.click('#face-make');
  await visitor.waitForFunction(() => runningModule === 'make');  // eslint-disable-line no-undef
  await settled(visitor);
  await visitor.click('#face-solve');
  await settled(visitor);
  assert.equal(await shownPuzzle(visitor), ready);
  assert.deepEqual((await readGrid(visitor)).rings, typed, 'the letters typed before the make module came');
  await visitor.click('#face-make');
  await visitor.click('#compile');
  await visitor.waitForFunction((before) => shown.puzzle && shown.puzzle.sheetFile !== before && shown.mode !== 'compiling', ready);  // eslint-disable-line no-undef
  assert.equal(language(await shownPuzzle(visitor)), 'fr');
});

it('what is typed while the make module starts waits for it: the theme box and a letter are both used', async () => {
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  const visitor = await visit('', 'en-GB', { routes: { '**/lists/**': (route) => held.then(() => route.continue()) }, answers: [true] });  // the make module waits for its words
  await visitor.click('#face-make');
  await visitor.selectOption('#language', 'de');  // asks for the make module, and German texts while it starts
  await visitor.click('#theme summary');
  await visitor.fill('#theme-words', 'ELEPHANT\ngiraffes');
  await visitor.fill('#theme-title', 'Zoo week');
  await visitor.waitForFunction(() => runningModule === 'make');  // eslint-disable-line no-undef
  await visitor.waitForTimeout(700);  // the theme box is used half a second after the last key, while the module starts
  await visitor.click('#face-solve');
  const { selected: [[square, position]] } = await readGrid(visitor);
  await visitor.press('#picture', 'Q');
  release();
  await settled(visitor);
  assert.equal((await readGrid(visitor)).rings[square][position], 'Q', 'the letter typed while the make module started');
  await visitor.click('#face-make');
  await press(visitor, '#compile');
  await visitor.waitForFunction(() => shown.mode !== 'compiling');  // eslint-disable-line no-undef
  assert.match(await visitor.textContent('#title'), /2 theme words$/);
  const made = await shownPuzzle(visitor);
  for (const line of [/^# title: Zoo week$/m, /^# language: de$/m, /^# theme: ELEPHANT GIRAFFES$/m]) assert.match(made, line);
  assert.doesNotMatch(await visitor.textContent('#message'), /went wrong/);
});

it('where the make module cannot be had, Make says so and solving goes on', async () => {
  const visitor = await visit('', 'en-GB', { routes: { '**/loopword_make.*': (route) => route.abort() } });
  await press(visitor, 'S');
  await visitor.click('#face-make');
  await visitor.click('#compile');
  await settled(visitor);
  assert.match(await visitor.textContent('#message'), /could not be fetched: connect to the internet and try again\. Solving goes on\.$/);
  await visitor.click('#face-solve');
  await press(visitor, 'T');
  assert.match((await readGrid(visitor)).rings.join(''), /ST/, 'typing goes on in the solve module');
  visitor.errors = visitor.errors.filter((error) => error !== 'Failed to load resource: net::ERR_FAILED');  // the fetches refused
});
