// What the browser tests share: Debian's chromium, the site served from 127.0.0.1, waiting for the page, and its errors checked.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { before, after, afterEach } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { chromium } = require('playwright-core');

const kTypes = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.json': 'application/json',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.gz': 'application/gzip', '.words': 'text/plain' };

/// Debian's chromium, headless, with the command-line switches `args`.
const launch = (args = []) => chromium.launch({ executablePath: process.env.LOOPWORD_CHROMIUM ?? '/usr/bin/chromium',
  args: [...args, ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });

/// Serves the folder `site` on 127.0.0.1 as a web host would; resolves to { server, address } once it listens.
async function serve(site) {
  const server = http.createServer((request, response) => {
    let name;
    try {  // an address it cannot read ("//", a broken %-escape) is the client's mistake, not the server's end
      name = decodeURIComponent(new URL(request.url, 'http://host').pathname).replace(/\/$/, '/index.html');
    } catch {
      return response.writeHead(400).end();
    }
    const file = path.join(site, path.normalize(name));
    if (!file.startsWith(site) || !fs.statSync(file, { throwIfNoEntry: false })?.isFile()) return response.writeHead(404).end();
    response.writeHead(200, { 'content-type': kTypes[path.extname(file)] ?? 'application/octet-stream' });
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, address: `http://127.0.0.1:${server.address().port}/` };
}

/// The pages the test running watches: each ends it having thrown, logged as an error and asked nothing unanswered.
const watchedPages = [];

/// Keeps what `page` throws, logs as an error or asks beyond its `answers` (true: OK, taken in turn) in its `errors`;
/// once the test ends they must be none, and its profile is closed.
function watch(page, answers = []) {
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  page.on('console', (message) => message.type() === 'error' && page.errors.push(message.text()));
  page.on('dialog', (dialog) => {
    if (!answers.length) page.errors.push(`the page asked: ${dialog.message()}`);
    return answers.shift() ? dialog.accept() : dialog.dismiss();
  });
  watchedPages.push(page);
  return page;
}

/// Checks and closes the pages watched in the test that ended.
async function closeWatched() {
  for (const page of watchedPages.splice(0)) {
    assert.deepEqual(page.errors, [], page.url());
    await page.context().close();
  }
}

/// Starts chromium and serves `site` before a file's tests, and stops both after them: { browser, address } once
/// started. The pages watched are checked and closed after each test.
function servedSite(site) {
  const host = {};
  before(async () => {
    host.browser = await launch();
    Object.assign(host, await serve(site));
  });
  afterEach(closeWatched);
  after(async () => {
    await host.browser?.close();
    host.server?.close();
  });
  return host;
}

/// The site the build puts beside the one-file page, or the one LOOPWORD_SITE names.
const builtSite = () => process.env.LOOPWORD_SITE ?? path.join(path.dirname(process.env.LOOPWORD_PAGE), 'site');
/// The page's translations, as its build puts them in the site: language → context → English text → translation (or its
/// plural forms).
const readPageTexts = () => JSON.parse(fs.readFileSync(path.join(builtSite(), 'texts.json'), 'utf8'));
/// The translation `text` as a pattern of a whole text, its %1 … %9 and %n standing for any value.
const textPattern = (text) =>
  new RegExp(`^${text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&').replace(/\s+/g, '\\s+').replace(/%[1-9n]/g, '.+')}$`, 's');

/// A watched page of a new profile (`options` for its context, `answers` to what it asks) at `url` once its first puzzle
/// shows and its commands are done; `prepare` readies the page before it opens.
async function openProfilePage(browser, url, options, prepare = async () => {}, answers = []) {
  const page = watch(await (await browser.newContext(options)).newPage(), answers);
  await prepare(page);
  return openIn(page, url);
}

/// Opens `url` in `page`: the page once its first puzzle shows and its commands are done.
async function openIn(page, url) {
  await page.goto(url);
  await firstPuzzle(page);
  await settled(page);
  return page;
}

/// Waits until the page has shown the outcome of every command given.
const settled = (page) => page.waitForFunction(() => document.querySelector('main').getAttribute('aria-busy') === 'false');
/// Waits until the page shows its first puzzle (or says why it shows none).
const firstPuzzle = (page) => page.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
/// Reloads `page` and waits until it has shown its puzzle.
const reload = (page) => page.reload().then(() => firstPuzzle(page)).then(() => settled(page));
/// The puzzle file text on show, "" while none shows.
const shownPuzzle = (page) => page.evaluate(() => shown.puzzle?.sheetFile ?? '');  // eslint-disable-line no-undef

/// Presses `key` in the figure, or clicks the control `key` names if it starts with "#", and waits for the outcome.
async function press(page, key) {
  if (key.startsWith('#')) await page.click(key);
  else await page.press('#picture', key);
  await settled(page);
}

/// The letters round each square and the selected cell, as the page offers them to screen readers in any language
/// ("Square 1, cell 2: hint A, …": the letter is the last word before a comma; a cell without one is a blank).
function readGrid(page) {
  return page.$$eval('#picture [role=row]', (rows) => ({
    rings: rows.map((row) => [...row.children].map((cell) => cell.textContent.split(': ')[1].split(', ')[0].split(' ').at(-1))
      .map((word) => (/^[A-Z]$/.test(word) ? word : ' ')).join('')),
    selected: rows.flatMap((row, square) => [...row.children].flatMap((cell, position) =>
      (cell.getAttribute('aria-selected') === 'true' ? [[square, position]] : []))),
  }));
}

/// Types the 23 rings `solution` with the keyboard alone until `done()` holds: the selected cell's letter, Page Down once
/// its square is right.
async function typeSolution(page, solution, done) {
  for (let step = 0; step < 400 && !(await done()); ++step) {
    const { rings, selected: [[square, position]] } = await readGrid(page);
    await press(page, rings[square] === solution[square] ? 'PageDown' : solution[square][position]);
  }
}

/// The words of the puzzle on show, as its word list gives them.
const puzzleWords = (page) => page.$$eval('#words li', (items) => items.map((item) => item.firstChild.textContent));

/// The 23 rings of a puzzle file, in square order.
const solutionRings = (file) => file.split('\n').filter((line) => /^\d\d /.test(line)).map((line) => line.slice(3, 11));

module.exports = { launch, serve, servedSite, watch, closeWatched, builtSite, readPageTexts, textPattern, openProfilePage, openIn, settled, firstPuzzle,
  reload, shownPuzzle, press, readGrid, puzzleWords, solutionRings, typeSolution };
