// The web page in Debian's chromium, opened from disk: making, saving, solving, reloading, phones, printing, languages, hostile names.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
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
  context = await englishContext();
  context.on('request', (request) => {
    if (!/^(file|data|blob):/.test(request.url())) remoteRequests.push(request.url());
  });
});

after(async () => {
  await browser?.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

/// A browser profile of its own whose language is English unless `options` say otherwise.
function englishContext(options = {}) {
  return browser.newContext({ locale: 'en-US', acceptDownloads: true, ...options });
}

/// Waits until the page has shown the outcome of every command given.
function settled(page) {
  return page.waitForFunction(() => document.querySelector('main').getAttribute('aria-busy') === 'false');
}

/// Presses `key` (or taps the on-screen key) and waits for the page to show what it did.
async function press(page, key, tap = false) {
  if (tap) await page.tap(`#keyboard button:text-is("${key}")`);
  else {
    await page.focus('#picture');
    await page.keyboard.press(key);
  }
  await settled(page);
}

/// Opens the page with `address` (query and fragment) and waits for its first puzzle; the page may ask no question
/// and throw no error.
async function openPage(address = '', page = undefined) {
  const tab = page ?? await context.newPage();
  tab.on('dialog', (dialog) => assert.fail(`the page asked: ${dialog.message()}`));
  tab.on('pageerror', (error) => assert.fail(`the page threw: ${error.message}`));
  await tab.goto(pageUrl + address);
  await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
  return tab;
}

async function savePuzzle(page) {
  await page.click('#face-make');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save')]);
  const file = path.join(scratch, `saved-${Date.now()}.loopword`);
  await download.saveAs(file);
  return fs.readFileSync(file, 'latin1');
}

/// The letters round each square and the selected cell, as the page offers them to screen readers.
function readGrid(page) {
  return page.$$eval('#picture [role=row]', (rows) => ({
    rings: rows.map((row) => [...row.children].map((cell) => cell.textContent.split(': ')[1].split(', ')[0]).map((l) => (l === 'empty' ? ' ' : l)).join('')),
    selected: rows.flatMap((row, square) => [...row.children].flatMap((cell, position) =>
      (cell.getAttribute('aria-selected') === 'true' ? [[square, position]] : []))),
  }));
}

/// The 23 rings of a saved puzzle file, in square order.
function solutionRings(file) {
  return file.split('\n').filter((line) => /^\d\d /.test(line)).map((line) => line.slice(3, 11));
}

/// Types the solution with the keyboard alone: the selected cell's letter, Page Down once its square is full.
async function typeSolution(page, rings) {
  for (let step = 0; step < 400 && !(await page.textContent('#message')).startsWith('Solved in'); ++step) {
    const { rings: shownRings, selected: [[square, position]] } = await readGrid(page);
    const full = !shownRings[square].includes(' ');
    await press(page, full ? 'PageDown' : rings[square][position]);
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

describe('a compile in the page', () => {
  it('shows the fill as it goes; Stop ends it where it is, in the same worker, keeping what it made and the list', async () => {
    const own = await profile();
    const page = await openPage('?level=1&seed=4', await own.newPage());
    const [worker] = page.workers();
    await worker.evaluate(() => { self.neverEnded = true; });
    await page.click('#face-make');
    // 25 words of one letter each make no puzzle: a thousand attempts fail, then the search proves it; Stop comes first
    const words = [...'ABCDEFGHIJKLMNOPQRSTUVWXY'].map((letter) => letter.repeat(8)).join('\n');
    await page.setInputFiles('#list-file', { name: 'few.txt', mimeType: 'text/plain', buffer: Buffer.from(words) });
    await settled(page);
    await page.click('#compile');
    await page.waitForFunction(() => document.querySelector('#view-button').textContent === 'Stop' && document.querySelectorAll('#picture svg text').length > 0);
    await page.click('#view-button');
    await settled(page);
    assert.equal(await page.textContent('#view-button'), 'Show Solution');
    assert.ok(await page.isDisabled('#view-button'));
    assert.equal(await worker.evaluate(() => self.neverEnded), true, 'the worker was not ended to stop');
    const placed = await page.evaluate(() => shown.puzzle.key.split('|').filter(Boolean).length);
    assert.ok(placed >= 1 && placed < 23, `the stopped compile placed ${placed} words`);
    assert.match(await page.textContent('#title'), /few\.txt \(25 words\)/, 'the list stays chosen');
    await page.click('#print-both');
    await page.waitForFunction(() => document.querySelectorAll('#print-sheets svg').length === 2);
    await own.close();
  });
});

describe('solving in the page', () => {
  it('takes typed letters back with Ctrl+Z or Undo, brings them back with Ctrl+Shift+Z, Ctrl+Y or Redo, and says what Check found', async () => {
    const page = await openPage('?level=1&seed=13');
    const { rings: untyped } = await readGrid(page);
    for (const letter of 'KEY') await press(page, letter);
    const { rings: typed } = await readGrid(page);
    assert.notDeepEqual(typed, untyped);
    const steps = [['Control+Z', 3, untyped], ['Control+Z', 1, untyped], ['Control+Shift+Z', 3, typed], ['Control+Z', 1, null], ['Control+Y', 1, typed],
      ['#undo', 3, untyped], ['#redo', 3, typed]];
    for (const [key, times, expected] of steps) {
      for (let i = 0; i < times; ++i) {
        if (key.startsWith('#')) {
          await page.click(key);
          await settled(page);
        } else await press(page, key);
      }
      const { rings } = await readGrid(page);
      if (expected) assert.deepEqual(rings, expected, key);
      else assert.ok(rings.join('') !== typed.join('') && rings.join('') !== untyped.join(''), key);
    }
    await page.click('#check');
    await settled(page);
    assert.match(await page.textContent('[role=status]#message'), /^Check: \d+ letters? (is|are) wrong/);
    assert.ok((await page.$$eval('#picture [role=gridcell]', (cells) => cells.map((cell) => cell.textContent))).some((name) => name.endsWith(', wrong')));
    await page.close();
  });
});

describe('pencil letters and the timer', () => {
  it('writes pencil letters after the Pencil button or ".", which Check passes over and a reload keeps', async () => {
    const own = await profile();
    const page = await openPage('?level=1&seed=9', await own.newPage());
    const rings = solutionRings(await savePuzzle(page));
    await page.click('#face-solve');
    const pencilCells = async () => (await page.$$eval('#picture [role=gridcell]', (cells) => cells.map((cell) => cell.textContent)))
      .filter((name) => name.endsWith(', pencil'));
    for (const [toggle, pressed] of [['#pencil', 'true'], ['.', 'false'], ['.', 'true']]) {
      if (toggle === '.') await press(page, '.');
      else {
        await page.click(toggle);
        await settled(page);
      }
      assert.equal(await page.getAttribute('#pencil', 'aria-pressed'), pressed, toggle);
    }
    const { selected: [[square, position]] } = await readGrid(page);
    await press(page, rings[square][position] === 'Q' ? 'X' : 'Q');  // a wrong guess
    assert.match(await page.textContent(`#cell-${square + 1}-${position + 1}`), /: [QX], pencil$/);
    await page.click('#check');
    await settled(page);
    assert.equal(await page.textContent('#message'), 'Check: every letter so far is right.');
    const guessed = await pencilCells();
    await page.reload();
    await page.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    assert.deepEqual(await pencilCells(), guessed);
    await own.close();
  });

  it('stops the clock while the page is hidden, and hides the timer when asked, over a reload', async () => {
    const own = await profile();
    const page = await openPage('?level=1&seed=12', await own.newPage());
    await page.waitForFunction(() => shown.clockRunning);
    const elapsed = () => page.evaluate(() => run('view').then((view) => view.elapsedMs));
    const hide = async (hidden) => {
      await page.evaluate((state) => {
        Object.defineProperty(document, 'hidden', { configurable: true, get: () => state });
        Object.defineProperty(document, 'visibilityState', { configurable: true, get: () => (state ? 'hidden' : 'visible') });
        document.dispatchEvent(new Event('visibilitychange'));
      }, hidden);
      await settled(page);
    };
    await hide(true);
    const paused = await elapsed();
    await page.waitForTimeout(1200);
    assert.equal(await elapsed(), paused, 'hidden, the clock waits');
    assert.equal(await page.evaluate(() => shown.clockRunning), false);
    await hide(false);
    await page.waitForFunction((before) => run('view').then((view) => view.elapsedMs > before), paused);
    assert.ok(await page.isVisible('#timer'));
    await page.click('#hide-timer');
    await settled(page);
    for (const step of ['hidden', 'reloaded']) {
      assert.equal(await page.getAttribute('#hide-timer', 'aria-pressed'), 'true', step);
      assert.ok(await page.isHidden('#timer'), step);
      if (step === 'hidden') await openPage('?level=1&seed=12', page);
    }
    await own.close();
  });
});

/// A fresh browser profile, nothing kept from other tests, at `width` × `height`.
function profile(width = 1280, height = 800, colorScheme = 'light') {
  const phone = width < 600;
  return englishContext({ viewport: { width, height }, hasTouch: phone, isMobile: phone, colorScheme });
}

/// The puzzle as a pupil link's fragment: its file without comments.
function linkFragment(file) {
  return `#${encodeURIComponent(file)}`;
}

describe('the page for a pupil', () => {
  const puzzle = () => execFileSync(compileTool, ['--level', '1', '--seed', '12']).toString('latin1');
  const openings = [
    ['a seed link', () => '?level=1&seed=12'],
    ['a pupil link', () => linkFragment(puzzle())],
  ];
  for (const [name, address] of openings) {
    it(`opens ${name} ready to solve, with the hints and no answers`, async () => {
      const own = await profile();
      const page = await openPage(address(), await own.newPage());
      const { rings } = await readGrid(page);
      assert.equal(rings.length, 23);
      const solution = solutionRings(puzzle());
      const shownLetters = rings.join('').replaceAll(' ', '').length;
      assert.ok(shownLetters > 0 && shownLetters < solution.join('').length / 3, `${shownLetters} letters on show`);
      for (const [square, ring] of rings.entries()) {
        [...ring].forEach((letter, position) => assert.ok(letter === ' ' || letter === solution[square][position]));
      }
      const names = await page.$$eval('#picture [role=gridcell]', (cells) => cells.map((cell) => cell.textContent));
      const hints = names.filter((name) => name.endsWith(', hint'));
      assert.ok(hints.length > 8 && hints.every((name) => !name.includes('empty')), hints.join('\n'));
      assert.equal(await page.getAttribute('#face-solve', 'aria-pressed'), 'true');
      assert.ok(await page.isEnabled('#check'));
      await own.close();
    });
  }

  it('keeps letters and time of a seed link over a reload, shared with the pupil link of the same puzzle and the bare page', async () => {
    const own = await profile();
    const page = await openPage('?level=1&seed=12', await own.newPage());
    for (const key of ['A', 'B', 'PageDown', 'PageDown']) await press(page, key);
    const { rings: typed, selected: [[square]] } = await readGrid(page);
    await page.waitForFunction(() => document.querySelector('#timer').textContent !== '0:00');
    await page.reload();
    await page.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    assert.deepEqual((await readGrid(page)).rings, typed);
    assert.equal((await readGrid(page)).selected[0][0], square);
    assert.notEqual(await page.textContent('#timer'), '0:00');
    const linked = await openPage(linkFragment(puzzle()), await own.newPage());
    assert.deepEqual((await readGrid(linked)).rings, typed);
    const bare = await openPage('', await own.newPage());
    assert.deepEqual((await readGrid(bare)).rings, typed, 'the page opened bare shows the last puzzle');
    await own.close();
  });

  it('opens only what the teacher allows, from a pupil link or a class link, and everything with a note when it cannot tell', async () => {
    const own = await profile();
    const teacher = await openPage('?level=1&seed=12', await own.newPage());
    await teacher.click('#face-make');
    await teacher.uncheck('#allow-reveal');
    await settled(teacher);
    const strict = await teacher.evaluate(() => shown.puzzle.sheetFile);
    const openings = [
      ['a pupil link made with Reveal off', linkFragment(strict), false, null],
      ['a class link with off=reveal', '?level=1&seed=12&off=reveal', false, null],
      ['a pupil link with an unknown flag', linkFragment(strict.replace('off for pupils: reveal', 'off for pupils: reveal,hints')), true,
        /^What your teacher turned off could not be read \("reveal,hints"\): everything is allowed\.$/],
      ['a class link with a damaged flag', '?level=1&seed=12&off=revael', true, /^Some choices could not be read [^\n]*: off "revael"\./],
    ];
    for (const [name, address, reveal, note] of openings) {
      const pupil = await openPage(address, await (await profile()).newPage());
      assert.equal(await pupil.isVisible('#reveal'), reveal, name);
      assert.ok(await pupil.isVisible('#check'), name);
      assert.equal(await pupil.textContent('#rules-note'), reveal ? '' : 'Your teacher has turned off Reveal letter.', name);
      if (note) assert.match(await pupil.textContent('#message'), note, name);
      await pupil.context().close();
    }
    await own.close();
  });

  it('starts over and forgets every puzzle only when the user agrees', async () => {
    const own = await profile();
    const page = await own.newPage();
    const answers = [];
    page.on('dialog', (dialog) => (answers.shift() ? dialog.accept() : dialog.dismiss()));
    await page.goto(`${pageUrl}?level=1&seed=12`);
    await page.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    const { rings: untyped } = await readGrid(page);
    await press(page, 'A');
    const { rings: typed } = await readGrid(page);
    for (const agree of [false, true]) {
      answers.push(agree);
      await page.click('#start-over');
      await settled(page);
      assert.deepEqual((await readGrid(page)).rings, agree ? untyped : typed);
    }
    await press(page, 'A');
    await page.click('#face-make');
    answers.push(true);
    await page.click('#forget');
    await settled(page);
    await page.reload();
    await page.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    assert.deepEqual((await readGrid(page)).rings, untyped);
    await own.close();
  });

  it('sends keys to the figure only while it has focus; Tab leaves it and fields take their own typing', async () => {
    const own = await profile();
    const page = await openPage('?level=1&seed=12', await own.newPage());
    const { rings: untyped } = await readGrid(page);
    await page.focus('#picture');
    await page.keyboard.press('Tab');
    assert.notEqual(await page.evaluate(() => document.activeElement.id), 'picture');
    await page.keyboard.press('Shift+Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'picture');
    await page.click('#face-make');
    for (const field of ['#theme-title', '#seed']) {
      if (field === '#theme-title') await page.click('#theme summary');
      await page.fill(field, '');
      await page.keyboard.type('abc');
      await page.keyboard.press('F7');
      assert.equal(await page.inputValue(field), 'abc', field);
    }
    await settled(page);
    assert.deepEqual((await readGrid(page)).rings, untyped);
    await own.close();
  });

  const damaged = [
    ['#%', /damaged/],
    ['#%E0%A4%A', /damaged/],
    ['#not%20a%20puzzle', /./],
    ['?level=1&seed=banana', /seed "banana"/],
    ['?level=1&seed=-1', /seed "-1"/],
  ];
  for (const [address, message] of damaged) {
    it(`says once what is wrong with the address ${address}, keeps saying it and keeps the last good puzzle`, async () => {
      const own = await profile();
      const good = await openPage('?level=1&seed=12', await own.newPage());
      const { rings } = await readGrid(good);
      const page = await openPage(address, await own.newPage());
      assert.match(await page.textContent('#message'), message);
      assert.equal(await page.getAttribute('#message', 'class'), 'warning');
      await page.waitForTimeout(1200);
      assert.match(await page.textContent('#message'), message);
      assert.deepEqual((await readGrid(page)).rings, rings.map((ring) => ring));
      assert.doesNotMatch(await page.textContent('#message'), /\/(uploads|loopword)\//);
      await own.close();
    });
  }
});

/// The screen point of the cell above the middle of the square numbered `label` in the figure.
function cellAbove(page, label) {
  return page.$eval('#picture svg', (svg, number) => {
    const text = [...svg.querySelectorAll('text')].find((element) => element.textContent === number);
    text.scrollIntoView({ block: 'center' });
    const [x, y] = ['x', 'y'].map((name) => Number(text.getAttribute(name)));
    const middle = [...svg.querySelectorAll('rect')].find((rect) => {
      const [left, top, width] = ['x', 'y', 'width'].map((name) => Number(rect.getAttribute(name)));
      return width < 300 && left <= x && x <= left + width && top <= y && y <= top + width;
    });
    const size = Number(middle.getAttribute('width'));
    const point = new DOMPoint(Number(middle.getAttribute('x')) + size / 2, Number(middle.getAttribute('y')) + size / 2 - 300)
      .matrixTransform(svg.getScreenCTM());
    return [point.x, point.y];
  }, label);
}

describe('the page on a phone and a desktop', () => {
  const layouts = [['en', 'QWERTYUIOP'], ['de', 'QWERTZUIOP'], ['fr', 'AZERTYUIOP']];
  for (const [language, firstRow] of layouts) {
    it(`fits a 360 px phone with big cells and the ${language} keyboard pinned at the bottom`, async () => {
      const own = await profile(360, 740);
      const page = await openPage(`?level=1&seed=3&language=${language}`, await own.newPage());
      const cell = await page.$eval('#picture svg', (svg) => svg.getBoundingClientRect().width / svg.viewBox.baseVal.width * 300);
      assert.ok(cell >= 22, `cells of ${cell} px`);
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360), 'the page is wider than the phone');
      const keys = await page.$$eval('#keyboard .keys:not([hidden]) button', (buttons) => buttons.map((b) => ({ name: b.getAttribute('aria-label') ?? b.textContent, box: b.getBoundingClientRect().toJSON() })));
      assert.equal(keys.slice(0, 10).map(({ name }) => name).join(''), firstRow);
      for (const { name, box } of keys) {
        assert.ok(box.height >= 44 && box.bottom <= 740, `${name}: ${JSON.stringify(box)}`);
      }
      for (const name of ['Backspace', 'Left', 'Right', 'Next square', 'Check']) assert.ok(keys.some((key) => key.name === name), name);
      const squares = [];
      for (const label of ['1', '23']) {
        await page.touchscreen.tap(...await cellAbove(page, label));
        await settled(page);
        squares.push((await readGrid(page)).selected[0][0]);
      }
      assert.deepEqual(squares, [0, 22]);
      await own.close();
    });
  }

  it('sets the figure and the word list side by side at 1280 px', async () => {
    const own = await profile();
    const page = await openPage('?level=1&seed=3', await own.newPage());
    const figure = await page.$eval('#picture', (element) => element.getBoundingClientRect().toJSON());
    const words = await page.$eval('#words', (element) => element.getBoundingClientRect().toJSON());
    assert.ok(words.left >= figure.right && words.top < figure.bottom, JSON.stringify({ figure, words }));
    assert.equal(await page.locator('#words li').count(), 23);
    await own.close();
  });

  const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
  for (const [width, height, scheme] of [[360, 740, 'light'], [1280, 800, 'light'], [360, 740, 'dark'], [1280, 800, 'dark']]) {
    it(`has no serious accessibility fault at ${width} px in ${scheme} mode, solving and making`, async () => {
      const own = await profile(width, height, scheme);
      const page = await openPage('?level=1&seed=3', await own.newPage());
      await press(page, 'A');
      for (const face of ['solve', 'make']) {
        await page.click(`#face-${face}`);
        await settled(page);
        await page.evaluate(axeSource);
        const faults = await page.evaluate(async () => (await axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'best-practice'] })).violations
          .filter(({ impact }) => impact === 'serious' || impact === 'critical')
          .map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target.join(' ')).join(', ')}`));
        assert.deepEqual(faults, [], face);
      }
      await own.close();
    });
  }
});

describe('the page as a file', () => {
  it("prints the puzzle with the browser's own Print, and with the solution when asked, on one page", async () => {
    const page = await openPage('?level=2&seed=8');
    const words = (await page.$$eval('#words li', (items) => items.map((item) => item.firstChild.textContent)));
    await page.evaluate(() => { window.print = () => {}; });
    for (const withSolution of [false, true]) {
      if (withSolution) {
        await page.click('#face-make');
        await page.click('#print-both');
      }
      await page.waitForFunction((sheets) => document.querySelectorAll('#print-sheets svg').length === sheets, withSolution ? 2 : 1);
      for (const format of ['A4', 'Letter']) {
        const pdf = path.join(scratch, `print-${format}.pdf`);
        await page.pdf({ path: pdf, format });
        assert.match(execFileSync('pdfinfo', [pdf]).toString(), /^Pages:\s+1$/m, format);
        const text = execFileSync('pdftotext', [pdf, '-']).toString();
        for (const word of words) assert.ok(text.includes(word), `${word} printed on ${format}`);
        assert.doesNotMatch(text, /Make puzzle|Check/);
      }
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
    assert.match(await page.textContent('#message'), /^Solved in \d+:\d\d with 0 checks and 0 letters revealed$/);
    assert.equal(await page.locator('img').count(), 0);
    await page.close();
  });

  const themes = [
    ['a huge paste', 'elephant '.repeat(5000), /takes up to 20000 characters/],
    ['no 8-letter word', 'cat, dog, horse', /No theme words[^]*Not 8 letters A to Z: cat, dog, horse/],
  ];
  for (const [name, words, report] of themes) {
    it(`says what it makes of ${name} in the theme box`, async () => {
      const page = await openPage('?level=1&seed=6');
      await page.click('#face-make');
      await page.click('#theme summary');
      await page.fill('#theme-words', words);
      await page.waitForFunction((pattern) => new RegExp(pattern).test(document.querySelector('#theme-report').textContent), report.source);
      await page.close();
    });
  }

  it('reads a user list picked after Français by French rules: accents dropped, capitals', async () => {
    const own = await englishContext();
    const page = await openPage('', await own.newPage());
    await page.click('#face-make');
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
    const own = await englishContext();
    const page = await openPage('', await own.newPage());
    await page.click('#face-make');
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

  it('reads typed words and a Windows-1252 list by the rules of Deutsch, and puts the theme words kept into the puzzle', async () => {
    const own = await englishContext();
    const page = await openPage('?language=de&seed=8&start=Fu%C3%9Fball', await own.newPage());
    assert.match(await savePuzzle(page), /^12 [A-Z]{8} \d FUSSBALL$/m);
    await page.click('#theme summary');
    await page.fill('#theme-words', 'M\u00E4dchen, M\u00E4rchen\nFu\u00DFb\u00E4lle');
    await page.waitForFunction(() => document.querySelector('#theme-report').textContent.includes('Fu\u00DFb\u00E4lle'));
    assert.match(await page.textContent('#theme-report'), /^2 theme words will be in every puzzle\./);
    await page.fill('#theme-title', 'Zoo week');
    await page.click('#theme-keep');
    await settled(page);
    const list = Buffer.concat([fs.readFileSync(path.join(root, 'data', 'L1words.txt')), Buffer.from('M\xE4dchen\r\nK\xE4sebrot\r\n', 'latin1')]);
    await page.setInputFiles('#list-file', { name: 'liste.txt', mimeType: 'text/plain', buffer: list });
    await page.waitForFunction(() => document.querySelector('#title').textContent.includes('liste.txt'));
    const [, read] = (await page.textContent('#title')).match(/\((\d+ words, read as Windows-1252)\)/);
    await page.click('#compile');
    await settled(page);
    const saved = await savePuzzle(page);
    assert.ok(saved.includes(`# word list: liste.txt (${read})\n`));
    assert.match(saved, /^# title: Zoo week$/m);
    assert.match(saved, /^# theme: MAEDCHEN MAERCHEN$/m);
    for (const word of ['MAEDCHEN', 'MAERCHEN']) assert.match(saved, new RegExp(` ${word}$`, 'm'));
    assert.match(saved, /^12 [A-Z]{8} \d FUSSBALL$/m);
    await own.close();
  });

  it('saves itself as a web page holding the puzzle, and says a link made from disk works only here', async () => {
    const page = await openPage('?level=1&seed=14');
    const original = await savePuzzle(page);
    await page.click('#copy-link');
    assert.match(await page.textContent('#link-note'), /works only here[^]*Save as web page/);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'export');
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#export')]);
    const saved = path.join(scratch, 'saved-page.html');
    await download.saveAs(saved);
    const own = await profile();
    const reopened = await openPage('', await own.newPage());
    await reopened.goto(pathToFileURL(saved).href);
    await reopened.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    assert.equal(await reopened.getAttribute('#face-solve', 'aria-pressed'), 'true');
    assert.equal((await readGrid(reopened)).rings.length, 23);
    assert.equal(await savePuzzle(reopened), original);
    await own.close();
    await page.close();
  });

  it('copies a pupil link on a web host that opens the same puzzle ready to solve', async () => {
    const server = http.createServer((request, response) => {
      response.writeHead(200, { 'content-type': 'text/html' });
      response.end(fs.readFileSync(process.env.LOOPWORD_PAGE));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const own = await profile();
    await own.grantPermissions(['clipboard-read', 'clipboard-write']);
    const hosted = `http://127.0.0.1:${server.address().port}/loopword.html`;
    const teacher = await own.newPage();
    await teacher.goto(`${hosted}?level=2&seed=15`);
    await teacher.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    const puzzle = await savePuzzle(teacher);
    await teacher.click('#copy-link');
    await teacher.waitForFunction(() => document.querySelector('#link-note').textContent.includes('copied'));
    const link = await teacher.evaluate(() => navigator.clipboard.readText());
    assert.ok(link.startsWith(`${hosted}#`), link);
    const pupil = await (await profile()).newPage();
    await pupil.goto(link);
    await pupil.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    assert.equal(await pupil.getAttribute('#face-solve', 'aria-pressed'), 'true');
    assert.equal(await savePuzzle(pupil), puzzle);
    await pupil.context().close();
    await own.close();
    server.close();
  });

  it('made no request beyond the page itself', () => {
    assert.deepEqual(remoteRequests, []);
  });
});

describe('a class set in the page', () => {
  const theme = 'ELEPHANT = a big grey animal with a trunk\ngiraffes\nkangaroo = it jumps and keeps its baby in a pouch';

  it('prints a puzzle a page headed with its number, clues in place of their words, then the answers', async () => {
    const own = await profile();
    const page = await openPage('?level=1&seed=3', await own.newPage());
    await page.evaluate(() => { window.print = () => {}; });
    await page.click('#face-make');
    await page.click('#theme summary');
    await page.fill('#theme-words', theme);
    await page.fill('#theme-title', 'Zoo week');
    await page.click('#theme-keep');
    await settled(page);
    for (const [pupils, said] of [['41', /A class set is for 2 to 40 pupils\./], ['5', /^$/]]) {
      await page.fill('#pupils', pupils);
      await page.click('#print-class');
      await settled(page);
      assert.match(await page.textContent('#message'), said);
    }
    const pdf = path.join(scratch, 'class-set.pdf');
    await page.pdf({ path: pdf, format: 'A4' });
    assert.match(execFileSync('pdfinfo', [pdf]).toString(), /^Pages:\s+7$/m, 'five puzzles, then two answer pages');
    for (let number = 1; number <= 5; ++number) {
      const text = execFileSync('pdftotext', ['-f', String(number), '-l', String(number), pdf, '-']).toString();
      assert.match(text, new RegExp(`Puzzle ${number} of 5\\s+Zoo week`));
      assert.match(text, /a big grey animal[^]*its baby in a pouch/);
      assert.match(text, /GIRAFFES/);
      assert.doesNotMatch(text, /ELEPHANT|KANGAROO|Make puzzle/);
    }
    assert.match(execFileSync('pdftotext', ['-f', '6', '-l', '6', pdf, '-']).toString(), /Puzzle 4 of 5[^]*ELEPHANT = a big/);
    await own.close();
  });

  it('gives one link on which each pupil opens their own puzzle by number, keeping their letters', async () => {
    const server = http.createServer((request, response) => {
      response.writeHead(200, { 'content-type': 'text/html' });
      response.end(fs.readFileSync(process.env.LOOPWORD_PAGE));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const own = await profile();
    await own.grantPermissions(['clipboard-read', 'clipboard-write']);
    const teacher = await own.newPage();
    await teacher.goto(`http://127.0.0.1:${server.address().port}/loopword.html?level=1&difficulty=medium`);
    await teacher.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    await teacher.click('#face-make');
    await teacher.click('#theme summary');
    await teacher.fill('#theme-words', theme);
    await teacher.click('#theme-keep');
    await settled(teacher);
    await teacher.fill('#pupils', '3');
    await teacher.click('#copy-class-link');
    await teacher.waitForFunction(() => document.querySelector('#link-note').textContent.includes('copied'));
    const link = await teacher.evaluate(() => navigator.clipboard.readText());
    assert.ok(link.length <= 2000 && link.includes('pupils=3'), link);
    const files = [];
    for (const number of [1, 2]) {
      const pupil = await (await profile()).newPage();
      await pupil.goto(link);
      await pupil.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
      assert.ok(await pupil.isVisible('#chooser'));
      for (const [typed, said] of [['4', /^Choose your number from 1 to 3\.$/], [String(number), /^Done$/]]) {
        await pupil.fill('#pupil-number', typed);
        await pupil.click('#open-number');
        await settled(pupil);
        assert.match(await pupil.textContent('#message'), said);
      }
      assert.equal(await pupil.getAttribute('#face-solve', 'aria-pressed'), 'true');
      const words = await pupil.$$eval('#words li', (items) => items.map((item) => item.firstChild.textContent));
      assert.ok(words.includes('it jumps and keeps its baby in a pouch') && words.includes('GIRAFFES') && !words.includes('ELEPHANT'), words.join());
      for (const key of ['A', 'B']) await press(pupil, key);
      const { rings: typed } = await readGrid(pupil);
      await pupil.reload();
      await pupil.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
      assert.equal(await pupil.inputValue('#pupil-number'), String(number), 'the number chosen before');
      assert.deepEqual((await readGrid(pupil)).rings, typed, 'the letters typed before');
      files.push((await savePuzzle(pupil)).split('\n').filter((line) => /^\d\d /.test(line)).join('\n'));
      await pupil.context().close();
    }
    assert.notEqual(files[0], files[1], 'two pupils, two puzzles');
    const cut = await (await profile()).newPage();
    await cut.goto(link.slice(0, link.indexOf('&theme=') + 20));
    await cut.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    assert.ok(await cut.isVisible('#chooser'));
    await cut.fill('#pupil-number', '1');
    await cut.click('#open-number');
    await settled(cut);
    assert.match(await cut.textContent('#message'), /^This class link is cut short or damaged/);
    assert.ok(await cut.isVisible('#chooser'));
    await cut.context().close();
    await own.close();
    server.close();
  });
});

/// The translations of translations/loopword_xx.ts: context → English text → translation.
function translationsOf(language) {
  const unescape = (text) => text.replace(/&(lt|gt|quot|apos|amp);/g, (_, name) => ({ lt: '<', gt: '>', quot: '"', apos: "'", amp: '&' })[name]);
  const file = fs.readFileSync(path.join(root, 'translations', `loopword_${language}.ts`), 'utf8');
  const contexts = {};
  for (const [, name, body] of file.matchAll(/<context>\s*<name>([^<]*)<\/name>([\s\S]*?)<\/context>/g)) {
    contexts[name] = new Map([...body.matchAll(/<source>([^<]*)<\/source>\s*<translation>([^<]*)<\/translation>/g)]
      .map(([, source, translation]) => [unescape(source), unescape(translation)]));
    // a text that counts: its plural form, the last
    for (const [, source, forms] of body.matchAll(/<source>([^<]*)<\/source>\s*<comment>[^<]*<\/comment>\s*<translation>([\s\S]*?)<\/translation>/g)) {
      contexts[name].set(unescape(source), unescape([...forms.matchAll(/<numerusform>([^<]*)<\/numerusform>/g)].at(-1)[1]));
    }
  }
  return contexts;
}

/// Every text of the page a reader meets: the body's texts outside translate="no" and the names and hints of its
/// controls, the on-screen keyboard and the figure's cells included.
function readableTexts(page) {
  return page.evaluate(() => {
    const texts = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT, {
      acceptNode: (node) => (node.nodeType === Node.ELEMENT_NODE && (node.getAttribute('translate') === 'no' || ['SCRIPT', 'STYLE'].includes(node.tagName))
        ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT),
    });
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      if (node.nodeType === Node.TEXT_NODE) texts.push(node.textContent);
      else texts.push(...['aria-label', 'placeholder', 'title'].map((name) => node.getAttribute(name) ?? ''));
    }
    return texts.map((text) => text.replace(/\s+/g, ' ').trim()).filter((text) => /\p{L}/u.test(text));
  });
}

describe('the page in every language', () => {
  /// Whether each text is one of `translations` (its %1 … %9 standing for any value).
  const allTranslated = (translations) => {
    const patterns = Object.values(translations).flatMap((texts) => [...texts.values()]).map((text) =>
      new RegExp(`^${text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&').replace(/\s+/g, '\\s+').replace(/%[1-9n]/g, '.+')}$`, 's'));
    return (text) => patterns.some((pattern) => pattern.test(text));
  };
  for (const [language, locale] of [['de', 'de-DE'], ['fr', 'fr-CA'], ['es', 'es-MX'], ['it', 'it-IT'], ['pt', 'pt-BR'], ['nl', 'nl-BE']]) {
    it(`speaks ${language} to a browser set to ${locale}: controls, messages, sheets, guide and the puzzle's words`, async () => {
      const texts = translationsOf(language);
      const own = await englishContext({ locale });
      const page = await openPage('?level=1&seed=6', await own.newPage());
      assert.equal(await page.evaluate(() => document.documentElement.lang), language);
      assert.equal(await page.inputValue('#language'), language);
      await page.click('#check');
      await settled(page);
      assert.equal(await page.textContent('#message'), texts.Messages.get('Check: every letter so far is right.'));
      for (const face of ['solve', 'make']) {
        await page.click(`#face-${face}`);
        await settled(page);
        const untranslated = (await readableTexts(page)).filter((text) => !allTranslated(texts)(text));
        assert.deepEqual(untranslated, [], `texts not in loopword_${language}.ts in the ${face} face`);
      }
      const [guide] = await Promise.all([page.waitForEvent('popup'), page.click('#guide')]);
      await guide.waitForFunction((code) => document.documentElement.lang === code && document.querySelector('h2'), language);
      await guide.close();
      const heading = texts.Sheets.get('PUZZLE');
      await page.waitForFunction((word) => document.querySelector('#print-sheets').textContent.includes(word), heading);
      await own.close();
    });
  }

  it('changes language from its menu, keeps it over a reload, and speaks English to a browser in a language it lacks', async () => {
    const spanish = translationsOf('es');
    const own = await englishContext({ locale: 'sv-SE' });
    const page = await openPage('?level=1&seed=6', await own.newPage());
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    assert.equal(await page.textContent('#face-solve'), 'Solve');
    await page.selectOption('#page-language', 'es');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'es');
    const dictionary = spanish.Messages.get('Dictionary: %1 (%n words)').replace('%1', 'L1words.txt').replace('%n', '1431');
    for (const step of ['chosen', 'reloaded']) {
      assert.equal(await page.textContent('#face-solve'), spanish.WebPage.get('Solve'), step);
      assert.equal(await page.textContent('#title'), dictionary, step);
      assert.equal(await page.inputValue('#language'), 'en', `${step}: the puzzle keeps its language`);
      if (step === 'chosen') await openPage('', page);
    }
    await own.close();
  });
});
