// The web page in Debian's chromium, opened from disk: making, saving, solving, reloading, phones, printing, languages, hostile names.
'use strict';

const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');

const root = path.resolve(__dirname, '../..');
const pageUrl = pathToFileURL(process.env.LOOPWORD_PAGE).href;
const compileTool = process.env.LOOPWORD_COMPILE;
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'loopword-web-'));

let browser;
let context;
const remoteRequests = [];

before(async () => {
  const args = process.getuid() === 0 ? ['--no-sandbox'] : [];
  browser = await chromium.launch({ executablePath: process.env.LOOPWORD_CHROMIUM ?? '/usr/bin/chromium', args });
  context = await browser.newContext({ acceptDownloads: true });
  context.on('request', (request) => {
    if (!/^(file|data|blob):/.test(request.url())) remoteRequests.push(request.url());
  });
});

after(async () => {
  await browser?.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

/// Waits until the page has shown the outcome of every command given.
function settled(page) {
  return page.waitForFunction(() => document.querySelector('main').getAttribute('aria-busy') === 'false');
}

/// Presses `key` (or taps the on-screen key) and waits for the page to show what it did.
async function press(page, key, tap = false) {
  await (tap ? page.tap(`#keyboard button:text-is("${key}")`) : page.keyboard.press(key));
  await settled(page);
}

/// Opens the page with `address` (query and fragment) and waits for its first puzzle.
async function openPage(address = '', page = undefined) {
  const tab = page ?? await context.newPage();
  tab.on('dialog', (dialog) => assert.fail(`the page asked: ${dialog.message()}`));
  await tab.goto(pageUrl + address);
  await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
  return tab;
}

async function savePuzzle(page) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save')]);
  const file = path.join(scratch, `saved-${Date.now()}.loopword`);
  await download.saveAs(file);
  return fs.readFileSync(file, 'latin1');
}

/// The letters round each square and the selected cell, as the page offers them to screen readers.
function readGrid(page) {
  return page.$$eval('#grid [role=row]', (rows) => ({
    rings: rows.map((row) => [...row.children].map((cell) => cell.textContent.split(': ')[1]).map((l) => (l === 'empty' ? ' ' : l)).join('')),
    selected: rows.flatMap((row, square) => [...row.children].flatMap((cell, position) =>
      (cell.getAttribute('aria-selected') === 'true' ? [[square, position]] : []))),
  }));
}

/// The 23 rings of a saved puzzle file, in square order.
function solutionRings(file) {
  return file.split('\n').filter((line) => /^\d\d /.test(line)).map((line) => line.slice(3, 11));
}

/// Types the solution with the keyboard alone: the selected cell's letter, Tab once its square is full.
async function typeSolution(page, rings) {
  for (let step = 0; step < 400 && !(await page.textContent('#message')).startsWith('Solved in'); ++step) {
    const { rings: shownRings, selected: [[square, position]] } = await readGrid(page);
    const full = !shownRings[square].includes(' ');
    await press(page, full ? 'Tab' : rings[square][position]);
  }
}

describe('puzzles made in the page', () => {
  const cases = [
    { level: 1, seed: 77, options: [] },
    { level: 2, seed: 1234, options: ['varied'] },
    { level: 3, seed: 5, options: ['varied', 'unique'] },
    { level: 1, seed: 21, options: ['varied'], difficulty: 'hard' },
    { level: 2, seed: 31, options: ['varied'], language: 'de' },
    { level: 1, seed: 12, options: ['varied', 'unique'], language: 'es' },
    { level: 3, seed: 40, options: [], language: 'nl' },
  ];
  for (const { level, seed, options, difficulty = 'standard', language = 'en' } of cases) {
    it(`level ${level}, seed ${seed} ${options.join(' ')} ${difficulty} ${language}: saved, sound and as loopword-compile makes it`, async () => {
      const query = [`level=${level}`, `language=${language}`, `seed=${seed}`, `difficulty=${difficulty}`, ...options.map((option) => `${option}=1`)].join('&');
      const page = await openPage(`?${query}`);
      const saved = await savePuzzle(page);
      const words = path.join(root, 'data', language === 'en' ? `L${level}words.txt` : `${language}-L${level}words.txt`);
      execFileSync(path.join(root, 'tools', 'check-puzzles'), [words], { input: saved });
      const languageArgs = language === 'en' ? [] : ['--language', language];
      const made = execFileSync(compileTool, ['--level', String(level), ...languageArgs, '--seed', String(seed), '--difficulty', difficulty, ...options.map((o) => `--${o}`)]);
      assert.equal(saved, made.toString('latin1'));
      if (language !== 'en') assert.match(saved, new RegExp(`^# language: ${language}$`, 'm'));
      await page.close();
    });
  }
});

describe('solving in the page', () => {
  it('keeps typed letters over a reload and says when the typed answer is solved', async () => {
    const page = await openPage('?level=1&seed=9');
    const rings = solutionRings(await savePuzzle(page));
    await page.click('#solve');
    await settled(page);
    for (let letter = 0; letter < 2; ++letter) {
      const { selected: [[square, position]] } = await readGrid(page);
      await press(page, rings[square][position]);
    }
    const { rings: before } = await readGrid(page);
    await page.goto(pageUrl);
    await page.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    assert.deepEqual((await readGrid(page)).rings, before);
    await typeSolution(page, rings);
    assert.match(await page.textContent('#message'), /^Solved in \d+:\d\d$/);
    await page.close();
  });

  it('takes typed letters back with Ctrl+Z and brings them back with Ctrl+Shift+Z and Ctrl+Y', async () => {
    const page = await openPage('?level=1&seed=13');
    await page.click('#solve');
    await settled(page);
    const { rings: untyped } = await readGrid(page);
    for (const letter of 'KEY') await press(page, letter);
    const { rings: typed } = await readGrid(page);
    assert.notDeepEqual(typed, untyped);
    const steps = [['Control+Z', 3, untyped], ['Control+Z', 1, untyped], ['Control+Shift+Z', 3, typed], ['Control+Z', 1, null], ['Control+Y', 1, typed]];
    for (const [key, times, expected] of steps) {
      for (let i = 0; i < times; ++i) await press(page, key);
      const { rings } = await readGrid(page);
      if (expected) assert.deepEqual(rings, expected, key);
      else assert.ok(rings.join('') !== typed.join('') && rings.join('') !== untyped.join(''), key);
    }
    await page.close();
  });

  it('plays at phone width with the on-screen keyboard', async () => {
    const phone = await browser.newContext({ viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true });
    const page = await openPage('?level=1&seed=3', await phone.newPage());
    await page.tap('#solve');
    await settled(page);
    const { selected: [[square, position]] } = await readGrid(page);
    await press(page, 'Q', true);
    assert.equal((await readGrid(page)).rings[square][position], 'Q');
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360), 'the page is wider than the phone');
    await phone.close();
  });
});

describe('the page as a file', () => {
  it('prints the puzzle and the solution on one page', async () => {
    const page = await openPage('?level=2&seed=8');
    await page.evaluate(() => { window.print = () => {}; });
    await page.check('#print-solution');
    await page.click('#print');
    await page.waitForFunction(() => document.querySelectorAll('#print-sheets svg').length === 2);
    for (const format of ['A4', 'Letter']) {
      const pdf = path.join(scratch, `print-${format}.pdf`);
      await page.pdf({ path: pdf, format });
      assert.match(execFileSync('pdfinfo', [pdf]).toString(), /^Pages:\s+1$/m, format);
    }
    await page.close();
  });

  it('shows names from files as text, never as markup', async () => {
    const page = await openPage('?level=1&seed=2');
    const name = '<img src=x onerror=alert(1)>.loopword';
    await page.setInputFiles('#puzzle-file', { name, mimeType: 'text/plain', buffer: Buffer.from('not a puzzle\n') });
    await page.waitForFunction((shown) => document.querySelector('#message').textContent.includes(shown), name);
    assert.equal(await page.locator('img').count(), 0);
    await page.close();
  });

  it('opens the puzzle the desktop program put into it ready to solve, its title as text', async () => {
    const puzzle = execFileSync(compileTool, ['--level', '1', '--seed', '4', '--title', '<img src=x onerror=alert(1)>']);
    const html = fs.readFileSync(process.env.LOOPWORD_PAGE, 'latin1')
      .replace('<meta name="loopword-puzzle" content="">', `<meta name="loopword-puzzle" content="${puzzle.toString('base64')}">`);
    const exported = path.join(scratch, 'exported.html');
    fs.writeFileSync(exported, html, 'latin1');
    const page = await context.newPage();
    await page.goto(pathToFileURL(exported).href);
    await page.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    assert.ok(await page.isEnabled('#check'), 'solving from the start');
    assert.ok((await page.textContent('#picture svg')).includes('<img src=x onerror=alert(1)>'));
    await typeSolution(page, solutionRings(puzzle.toString('latin1')));
    assert.match(await page.textContent('#message'), /^Solved in/);
    assert.equal(await page.locator('img').count(), 0);
    await page.close();
  });

  it('puts the theme words kept in the theme box into every puzzle', async () => {
    const page = await openPage('?level=2&seed=6');
    await page.click('#theme summary');
    await page.fill('#theme-words', 'elephant, Giraffes\ncat');
    await page.waitForFunction(() => document.querySelector('#theme-report').textContent.includes('cat'));
    await page.fill('#theme-title', 'Zoo week');
    await page.click('#theme-keep');
    await settled(page);
    await page.click('#compile');
    await settled(page);
    const saved = await savePuzzle(page);
    assert.match(saved, /^# title: Zoo week$/m);
    assert.match(saved, /^# theme: ELEPHANT GIRAFFES$/m);
    for (const word of ['ELEPHANT', 'GIRAFFES']) assert.match(saved, new RegExp(` ${word}$`, 'm'));
    await page.close();
  });

  it('reads a user list picked after Français by French rules: accents dropped, capitals', async () => {
    const own = await browser.newContext();
    const page = await openPage('', await own.newPage());
    await page.selectOption('#language', 'fr');
    await page.waitForFunction(() => document.querySelector('#title').textContent.includes('fr-L1words.txt'));
    const accented = fs.readFileSync(path.join(root, 'data', 'fr-L1words.txt'), 'latin1').toLowerCase().replaceAll('e', 'é');
    await page.setInputFiles('#list-file', { name: 'mots.txt', mimeType: 'text/plain', buffer: Buffer.from(accented) });
    await page.waitForFunction(() => document.querySelector('#title').textContent.includes('mots.txt'));
    await page.click('#compile');
    await settled(page);
    const saved = await savePuzzle(page);
    assert.match(saved, /^# language: fr$/m);
    assert.match(solutionRings(saved).join(''), /E/);
    execFileSync(path.join(root, 'tools', 'check-puzzles'), [path.join(root, 'data', 'fr-L1words.txt')], { input: saved });
    await own.close();
  });

  it('offers Level 1-3 in every language, each loading its own bundled list', async () => {
    const own = await browser.newContext();
    const page = await openPage('', await own.newPage());
    for (const language of ['it', 'pt', 'en']) {
      await page.selectOption('#language', language);
      for (const level of ['3', '2', '1']) {
        await page.selectOption('#level', level);
        const name = language === 'en' ? `L${level}words.txt` : `${language}-L${level}words.txt`;
        const count = fs.statSync(path.join(root, 'data', name)).size / 10;
        await page.waitForFunction((title) => document.querySelector('#title').textContent.includes(title), `${name} (${count} words)`);
        const shown = await page.$$eval('#level option', (options) => options.filter((o) => !o.hidden).map((o) => o.textContent));
        assert.deepEqual(shown.slice(0, 3), ['Level 1', 'Level 2', 'Level 3']);
      }
    }
    await own.close();
  });

  it('reads typed words and a Windows-1252 list by the rules of Deutsch', async () => {
    const own = await browser.newContext();
    const page = await openPage('?language=de&seed=8&start=Fu%C3%9Fball', await own.newPage());
    assert.match(await savePuzzle(page), /^12 [A-Z]{8} \d FUSSBALL$/m);
    await page.click('#theme summary');
    await page.fill('#theme-words', 'M\u00E4dchen, M\u00E4rchen\nFu\u00DFb\u00E4lle');
    await page.waitForFunction(() => document.querySelector('#theme-report').textContent.includes('Fu\u00DFb\u00E4lle'));
    assert.match(await page.textContent('#theme-report'), /^2 theme words will be in every puzzle\./);
    await page.click('#theme-keep');
    await settled(page);
    const list = Buffer.concat([fs.readFileSync(path.join(root, 'data', 'L1words.txt')), Buffer.from('M\xE4dchen\r\nK\xE4sebrot\r\n', 'latin1')]);
    await page.setInputFiles('#list-file', { name: 'liste.txt', mimeType: 'text/plain', buffer: list });
    await page.waitForFunction(() => document.querySelector('#title').textContent.includes('liste.txt'));
    assert.match(await page.textContent('#title'), /\(6509 words, read as Windows-1252\)/);
    await page.click('#compile');
    await settled(page);
    const saved = await savePuzzle(page);
    assert.match(saved, /^# word list: liste\.txt \(6509 words, read as Windows-1252\)$/m);
    assert.match(saved, /^# theme: MAEDCHEN MAERCHEN$/m);
    assert.match(saved, /^12 [A-Z]{8} \d FUSSBALL$/m);
    await own.close();
  });

  it('made no request beyond the page itself', () => {
    assert.deepEqual(remoteRequests, []);
  });
});
