// The page as a site on a web host (served from 127.0.0.1 by the test) and as one file: installing, offline, storage
// that was damaged, the one file's size.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { it } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { servedSite, builtSite, openProfilePage, readPageTexts, reload } = require('./browser');

const onePage = process.env.LOOPWORD_PAGE;
const site = builtSite();
const host = servedSite(site);
/// A new profile's watched page on a phone at `url`, once its first puzzle shows.
const visit = (url) => openProfilePage(host.browser, url, { locale: 'en-US', viewport: { width: 360, height: 740 } });

const squaresShown = (page) => page.locator('#picture [role=row]').count();
/// Waits until the site's service worker keeps a file whose address holds `name`.
const keptOffline = (page, name) =>
  page.waitForFunction(async (part) => (await (await caches.open((await caches.keys())[0])).keys()).some((kept) => kept.url.includes(part)), name);

it('the site on a web host installs, works offline after one visit, logs no error; from disk, says it needs a host', async () => {
  const page = await visit(host.address);
  assert.equal(await squaresShown(page), 23);
  await page.click('#face-make');  // the first puzzle needed Level 1 alone: Level 3 comes whole all the same
  await page.selectOption('#level', '3');
  const words = fs.statSync(path.join(__dirname, '../../data/L3words.txt')).size / 10;
  await page.waitForFunction((title) => document.querySelector('#title').textContent.includes(title), `L3words.txt (${words} words)`);
  const manifest = await (await page.request.get(`${host.address}manifest.webmanifest`)).json();
  assert.equal(manifest.display, 'standalone');
  for (const size of ['192x192', '512x512']) {
    const icon = manifest.icons.find((entry) => entry.sizes === size);
    assert.equal((await page.request.get(host.address + icon.src)).status(), 200, size);
  }
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await keptOffline(page, '/lists/en.words');
  const local = await page.context().newPage();
  await local.goto(pathToFileURL(path.join(site, 'index.html')).href);
  await local.waitForFunction(() => document.querySelector('#message').textContent.includes('loopword.html'));
  await page.evaluate(async () => (await caches.open((await caches.keys())[0])).delete('texts.json.gz'));  // not fetched yet
  await page.context().setOffline(true);
  await reload(page);
  assert.equal(await squaresShown(page), 23);
  await page.waitForTimeout(4000);  // past the moment the page fetches what it may need later
  assert.deepEqual(page.errors, [], 'offline, the page waits for the connection before it fetches');
  await page.context().setOffline(false);
  await keptOffline(page, '/texts.json');
  page.errors = [];  // its log once back online is not judged: a load may fail as the connection comes back
});

it('a table of texts that could not be fetched is fetched again when the page is asked for a language', async () => {
  const refuseWholeTable = (page) => page.context().route(/\/texts\.json/, (route) => route.abort());
  const page = await openProfilePage(host.browser, host.address, { locale: 'en-US', serviceWorkers: 'block' }, refuseWholeTable);
  await page.waitForFunction(() => translationsRead.has('all'), null, { timeout: 20000 });  // eslint-disable-line no-undef
  await page.evaluate(() => translationsRead.get('all'));  // eslint-disable-line no-undef
  page.errors = page.errors.filter((error) => !error.includes('ERR_FAILED'));  // the refused table
  await page.selectOption('#page-language', 'de');
  await page.waitForFunction((solve) => document.querySelector('#face-solve').textContent === solve, readPageTexts().de.WebPage.Solve);
});

it('storage: a damaged or foreign entry under any name the page keeps is dropped, and the page goes on', async () => {
  const page = await visit(host.address);
  const names = await page.evaluate(() => Object.keys(localStorage).filter((name) => name.startsWith('loopword:')));
  const puzzle = names.find((name) => name.startsWith('loopword:puzzle:'));
  assert.ok(puzzle && names.includes('loopword:choices') && names.includes('loopword:last'), names.join(', '));
  names.push(puzzle.replace(':puzzle:', ':square:'), 'loopword:page-language');
  names.push('loopword:language', 'loopword:theme', 'loopword:time:x');  // the names pages kept before
  for (const name of names) {
    for (const damaged of ['{', '{"words":5}', '\u0000\ud800', 'x'.repeat(20000)]) {
      await page.evaluate(([key, value]) => localStorage.setItem(key, value), [name, damaged]);
      await reload(page);
      assert.equal(await squaresShown(page), 23, `${name} = ${damaged.slice(0, 12)}`);
    }
  }
});

it('the one-file page, which makes and solves puzzles in every language, is at most 800,000 bytes', () => {
  assert.ok(fs.statSync(onePage).size <= 800000, `${fs.statSync(onePage).size} bytes`);
});
