// A class across devices, on the site served from 127.0.0.1: a teacher on a laptop in English shares a class set,
// pupils on phones in German, French and Dutch each solve their own puzzle of it, and nothing typed is lost.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { it } = require('node:test');
const assert = require('node:assert/strict');
const { servedSite, builtSite, readPageTexts, textPattern, watch, openProfilePage, openIn, settled, reload, press, readGrid, puzzleWords, shownPuzzle,
  solutionRings, typeSolution } = require('./browser');

const solvedInDutch = textPattern(readPageTexts().nl.Messages['Solved!']);

const host = servedSite(builtSite());

/// A watched page at `url` in a new profile: a pupil's phone (360 × 740, touch) or the teacher's laptop, in `locale`; the
/// files it and its worker requested collected.
const device = (locale, url, phone = true) => openProfilePage(host.browser, url, { locale, viewport: phone ? { width: 360, height: 740 } : { width: 1280, height: 800 },
  hasTouch: phone, isMobile: phone, permissions: ['clipboard-read', 'clipboard-write'] }, async (page) => {
  page.requested = [];
  page.context().on('request', (request) => page.requested.push(new URL(request.url()).pathname.slice(1)));
});

/// Taps the on-screen keyboard's key `letter` on a phone.
const tapKey = (page, letter) => page.locator('#keyboard .keys:not([hidden]) button', { hasText: new RegExp(`^${letter}$`) }).tap()
  .then(() => settled(page));

it('a teacher shares a class set; pupils on phones in other languages open their own puzzle of it and keep their work', async () => {
  const teacher = await device('en-GB', host.address, false);
  await teacher.click('#face-make');
  await teacher.click('#theme summary');
  const theme = 'ELEPHANT = a big grey animal with a trunk\ngiraffes\nkangaroo = it jumps and keeps its baby in a pouch\n🐘';
  await teacher.fill('#theme-words', theme);  // no Keep: what stands in the box is what is used
  await teacher.fill('#theme-title', 'Zoo week');
  await teacher.fill('#pupils', '5');
  await teacher.uncheck('#allow-reveal');
  await settled(teacher);
  await teacher.waitForFunction(() => /^3 theme words/.test(document.querySelector('#theme-report').textContent), null, { timeout: 5000 });
  await teacher.click('#copy-class-link');  // copied, as the note under the links says; its QR code shows until Escape
  await teacher.waitForFunction(() => document.querySelector('#link-note').textContent.includes('class link is copied'));
  await teacher.waitForSelector('#link-code[open]');
  await teacher.keyboard.press('Escape');
  const link = await teacher.evaluate(() => navigator.clipboard.readText());
  assert.match(link, /[?&]language=en&/, 'the link names the puzzles\' language');
  await press(teacher, '#print-class');
  const printed = await teacher.$$eval('#print-sheets .class-page', (pages) => pages.map((sheet) => sheet.textContent));
  assert.equal(printed.length, 5 + 2, 'five puzzles, then two pages of answers');
  const [, setId] = printed[0].match(/^Puzzle 1 of 5 · set ([2-9A-HJKMNP-Z]{4})Zoo week/) ?? assert.fail(printed[0]);
  printed.slice(0, 5).forEach((sheet, k) => assert.ok(sheet.startsWith(`Puzzle ${k + 1} of 5 · set ${setId}Zoo week`), sheet));
  assert.ok(printed[5].includes(`Puzzle 4 of 5 · set ${setId}`), 'the answers name the set');

  const pupils = [['de-DE', 'de', 1], ['fr-FR', 'fr', 2], ['nl-NL', 'nl', 3]];
  let resultCode = '';
  for (const [locale, language, number] of pupils) {
    const pupil = await device(locale, link);
    assert.equal(await pupil.evaluate(() => document.documentElement.lang), language);
    assert.ok(await pupil.isHidden('#face-make'), 'a pupil\'s page offers no Make face');
    const makeModule = await (await pupil.waitForFunction(() => {  // how each part was first fetched (the service worker fetches them again)
      const first = ['loopword_make.js', 'loopword_make.wasm'].map((name) => performance.getEntriesByType('resource').find((entry) => entry.name.endsWith(`/${name}`)));
      return first.every(Boolean) && first.map((entry) => entry.initiatorType);
    })).jsonValue();
    assert.deepEqual(makeModule, ['link', 'link'], 'the make module comes with the page, from its head');
    await pupil.fill('#pupil-number', String(number));
    await pupil.tap('#open-number');
    await settled(pupil);
    assert.ok(await pupil.isHidden('#chooser'), 'the chooser goes once the puzzle is open');
    const lists = () => pupil.requested.filter((name) => name.startsWith('lists/')).map((name) => name.replace(/\.gz$/, ''));
    assert.equal(lists()[0], 'lists/en-1.words', 'a class set on Level 1: that level first');
    await pupil.waitForFunction(() => providedLists.has('en'));  // eslint-disable-line no-undef
    assert.ok(lists().includes('lists/en.words'), 'the other levels once the puzzle shows');
    const listed = await puzzleWords(pupil);
    assert.ok(listed.includes('it jumps and keeps its baby in a pouch') && listed.includes('GIRAFFES') && !listed.includes('ELEPHANT'), listed.join());
    const unspaced = (text) => text.replace(/\s+/g, '');  // the printed sheet breaks a long clue over lines
    for (const entry of listed) assert.ok(unspaced(printed[number - 1]).includes(unspaced(entry)), `${entry}: a word of printed puzzle ${number}`);
    assert.match(await pupil.textContent('#class-place'), new RegExp(`${number}\\D+5\\D+${setId}$`));
    assert.match(await pupil.textContent('#title'), /^Zoo week$/);
    assert.ok(await pupil.isHidden('#reveal'), 'the teacher turned Reveal off');
    for (const letter of ['S', 'T']) await tapKey(pupil, letter);
    const { rings: typed } = await readGrid(pupil);
    assert.ok(typed.join('').includes('ST'), typed.join('|'));

    if (language === 'nl') {  // solved: the card with the result code is in view and stays over a reload
      const solution = solutionRings(await shownPuzzle(pupil));
      await typeSolution(pupil, solution, () => pupil.isVisible('#result-card'));
      for (const step of ['solved', 'reloaded']) {  // the reload opens the pupil's puzzle, not the chooser
        assert.ok(await pupil.isVisible('#result-card') && await pupil.isHidden('#chooser'), step);
        const card = await pupil.$$eval('#card-lines > *', (lines) => lines.map((line) => line.textContent));
        assert.match(card[0], solvedInDutch, step);
        [resultCode] = card.at(-1).match(/[2-9A-HJKMNP-Z]{11}$/) ?? assert.fail(card.at(-1));
        if (step === 'solved') await reload(pupil);
      }
    }
    if (language === 'fr') {  // "Not your number?" brings the chooser back
      await pupil.tap('#not-your-number');
      await settled(pupil);
      assert.ok(await pupil.isVisible('#chooser'));
    }
  }

  await teacher.click('#results summary');  // the teacher reads the codes back against the set on screen
  await teacher.fill('#result-codes', `${resultCode}\n${resultCode.slice(0, -1)}Z\n`);
  await press(teacher, '#read-results');
  const table = await teacher.$$eval('#results-table tbody tr', (rows) => rows.map((row) => [...row.cells].map((cell) => cell.textContent)));
  assert.deepEqual(table.map((row) => row.slice(0, 1).concat(row.slice(4, 5))), [['3', resultCode], ['', `${resultCode.slice(0, -1)}Z`]]);
  assert.match(table[1][5], /typed wrongly/);

  await teacher.selectOption('#difficulty', 'hard');  // a choice changed: the note on the link copied goes
  await settled(teacher);
  assert.equal(await teacher.textContent('#link-note'), '');

  await openIn(watch(await teacher.context().newPage()), link);  // the teacher tries the link in their own browser
  await reload(teacher);
  await teacher.click('#face-make');
  assert.equal(await teacher.inputValue('#theme-words'), theme, 'the theme box as typed, its unusable line too');
  assert.equal(await teacher.inputValue('#theme-title'), 'Zoo week');
  assert.equal(await teacher.isChecked('#allow-reveal'), false);
  assert.equal(await teacher.inputValue('#difficulty'), 'hard');
  assert.ok(await teacher.isVisible('#face-make'));
});
