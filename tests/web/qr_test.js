// The pupil and class links as QR codes, read back with zbarimg: on screen after a copy, on the printed puzzles, from
// the site and from the one-file page on a web host (served from 127.0.0.1 by the test).
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { it, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { servedSite, builtSite, openProfilePage, puzzleWords } = require('./browser');

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'loopword-qr-'));

const host = servedSite(builtSite());

after(() => fs.rmSync(scratch, { recursive: true, force: true }));

/// A new profile's watched page at `url` (a projector's 1280 × 800, at 3 device pixels a CSS pixel so that the printed
/// codes' screenshots are sharp enough to read), print stubbed, once its first puzzle shows.
function visit(url) {
  return openProfilePage(host.browser, url, { locale: 'en-US', viewport: { width: 1280, height: 800 }, deviceScaleFactor: 3 }, async (page) => {
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write'], { origin: host.address });
    // The sheets are read from the page, not printed: they are ready once the page asks to print them.
    await page.addInitScript(() => { window.print = () => { window.printed = (window.printed ?? 0) + 1; }; });
  });
}

/// What the QR code in the screenshot of `element` says, as zbarimg reads it (QR codes only: a run of its modules can
/// read as a bar code of another kind).
async function decoded(element) {
  const picture = path.join(scratch, `code-${Date.now()}.png`);
  await element.screenshot({ path: picture });
  return execFileSync('zbarimg', ['--raw', '-q', '-Sdisable', '-Sqrcode.enable', picture]).toString().trim();
}

/// Clicks the copy button `id` and reads back the QR code that it shows: the link it gives, which the page shows
/// under the code and copies; the code must fill most of the screen's height, and Escape closes it.
async function copiedLink(page, id) {
  await page.click(`#${id}`);
  await page.waitForSelector('#link-code[open]');
  const link = await decoded(page.locator('#link-code-picture'));
  assert.equal(await page.textContent('#link-code-link'), link);
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link);
  const { height } = await page.locator('#link-code-picture svg').boundingBox();
  assert.ok(height > 0.6 * 800, `the code is ${height} px high`);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#link-code[open]', { state: 'detached' });
  assert.equal(await page.evaluate(() => document.activeElement.id), id, 'the focus back where it was');
  return link;
}

for (const [form, page] of [['the site', ''], ['the one-file page on a web host', 'loopword.html']]) {
  it(`${form}: a copied pupil link shows as a QR code that reads back to it, as the printed puzzle's does; it opens the same puzzle, spells no answer`, async () => {
    const teacher = await visit(`${host.address}${page}?level=1&seed=77`);
    assert.ok(!(await teacher.evaluate(() => 'qrcode' in window)), 'the encoder waits until it is needed');
    await teacher.click('#face-make');
    const link = await copiedLink(teacher, 'copy-link');
    assert.match(link, new RegExp(`^${host.address}${page}#p=[\\w-]+$`));
    const words = await puzzleWords(teacher);
    assert.equal(words.length, 23);
    for (const word of words) assert.ok(!link.includes(word), word);
    await teacher.click('#print-both');
    await teacher.waitForFunction(() => window.printed === 1);
    await teacher.emulateMedia({ media: 'print' });
    assert.equal(await decoded(teacher.locator('#print-sheets > .scan-link svg')), link);
    const pupil = await visit(link);
    assert.deepEqual(await puzzleWords(pupil), words);
    assert.equal(await pupil.textContent('#title'), '', 'a pupil\'s page is headed by the puzzle\'s title, here none, not by its list');
  });
}

it('the site: a class link as a QR code; each puzzle of the printed class set carries its own pupil link', async () => {
  const teacher = await visit(`${host.address}?level=1&seed=5`);
  await teacher.click('#face-make');
  await teacher.fill('#pupils', '2');
  assert.match(await copiedLink(teacher, 'copy-class-link'), new RegExp(`^${host.address}\\?pupils=2&.*check=`));
  await teacher.click('#print-class');
  await teacher.waitForFunction(() => window.printed === 1);
  assert.equal(await teacher.locator('#print-sheets .class-page .scan-link svg').count(), 2);
  await teacher.emulateMedia({ media: 'print' });
  const links = [];
  for (const place of await teacher.locator('.class-page .scan-link').all()) {
    assert.equal(await place.locator('span').textContent(), 'Scan to solve on a phone');
    links.push(await decoded(place.locator('svg')));
    assert.equal(links.at(-1), `${host.address}#${await place.getAttribute('data-link')}`);
  }
  assert.notEqual(links[0], links[1], 'two pupils, two puzzles');
});
