// The web page in Debian's chromium, opened from disk: making, saving, solving, reloading, phones, printing, languages, hostile names.
// Its groups run as two entries of the test suite, side by side: tests/CMakeLists.txt names each group, a new one too.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { describe, it, before, after, afterEach } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, watch, closeWatched, openIn, readPageTexts, textPattern, settled, reload, press, readGrid, puzzleWords, solutionRings, typeSolution } = require('./browser');

const root = path.resolve(__dirname, '../..');
const pageUrl = pathToFileURL(process.env.LOOPWORD_PAGE).href;
const compileTool = process.env.LOOPWORD_COMPILE;
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'loopword-web-'));

const remoteRequests = [];
let browser;

before(async () => {
  browser = await launch();
});

afterEach(async () => {
  await closeWatched();
  assert.deepEqual(remoteRequests.splice(0), [], 'a request beyond the page itself');
});

after(async () => {
  await browser?.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

/// A fresh profile in English at 1280 × 800 unless `options` say otherwise, noting every request beyond the page.
async function profile({ width = 1280, height = 800, ...options } = {}) {
  const phone = width < 600;
  const own = await browser.newContext({ locale: 'en-US', acceptDownloads: true, viewport: { width, height },
    hasTouch: phone, isMobile: phone, ...options });
  own.on('request', (request) => {
    if (!/^(file|data|blob):/.test(request.url())) remoteRequests.push(request.url());
  });
  return own;
}

const cellNames = (page) => page.$$eval('#picture [role=gridcell]', (cells) => cells.map((cell) => cell.textContent));

/// Hides the page (as a tab put in the background) or shows it again, and waits for the session to have taken it.
const setHidden = (page, hidden) => page.evaluate((state) => {
  Object.defineProperty(document, 'hidden', { configurable: true, get: () => state });
  document.dispatchEvent(new Event('visibilitychange'));
}, hidden).then(() => settled(page));

/// Opens `address` (a query and fragment, or a URL) in `page` or a fresh profile, watched, given `answers` to what it
/// asks (true: OK) in turn.
async function openPage(address = '', { page, answers, ...options } = {}) {
  const tab = page ?? await (await profile(options)).newPage();
  if (!tab.errors) watch(tab, answers);
  await tab.addInitScript(() => { window.print = () => {}; });  // the sheets are read from the page, not printed
  return openIn(tab, /^[a-z]+:/.test(address) ? address : pageUrl + address);
}

async function savePuzzle(page) {
  await page.click('#face-make');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save')]);
  const file = path.join(scratch, `saved-${Date.now()}.loopword`);
  await download.saveAs(file);
  return fs.readFileSync(file, 'latin1');
}


describe('puzzles made in the page', () => {
  const cases = [
    'level=1&seed=77&language=en',
    'level=2&seed=1234&varied=1',
    'level=3&seed=5&varied=1&unique=1',
    'level=2&seed=31&varied=1&language=de',
    'level=1&seed=12&varied=1&unique=1&difficulty=medium&language=es',
    'level=3&seed=40&language=nl',
    'level=3&seed=7&varied=1&difficulty=hard&language=it',
    'level=2&seed=19&difficulty=standard&language=pt',
  ];
  for (const query of cases) {
    it(`?${query}: saved as loopword-compile makes it`, async () => {
      const saved = await savePuzzle(await openPage(`?${query}`));
      const args = [...new URLSearchParams(query)].filter(([, value]) => value !== 'en').flatMap(([name, value]) =>
        (['varied', 'unique'].includes(name) ? [`--${name}`] : [`--${name}`, value]));
      assert.equal(saved, execFileSync(compileTool, args).toString('latin1'));
    });
  }

  it('Stop ends the fill in the same worker, keeping the puzzle on screen and in print', async () => {
    const page = await openPage('?level=1&seed=4');
    const [worker] = page.workers();
    await worker.evaluate(() => { self.neverEnded = true; });
    const before = { grid: await readGrid(page), button: await page.textContent('#view-button') };
    await page.click('#face-make');
    // 25 words of one letter each make no puzzle: a thousand attempts fail, then the search proves it; Stop comes first
    const words = [...'ABCDEFGHIJKLMNOPQRSTUVWXY'].map((letter) => letter.repeat(8)).join('\n');
    await page.setInputFiles('#list-file', { name: 'few.txt', mimeType: 'text/plain', buffer: Buffer.from(words) });
    await settled(page);
    await page.click('#compile');
    await page.waitForFunction(() => document.querySelector('#view-button').textContent === 'Stop' && document.querySelectorAll('#picture svg text').length > 0);
    await press(page, '#view-button');
    assert.equal(await page.textContent('#view-button'), before.button);
    assert.deepEqual(await readGrid(page), before.grid, 'the puzzle that was on screen stays as it was');
    assert.equal(await worker.evaluate(() => self.neverEnded), true, 'the worker was not ended to stop');
  });
});

describe('solving in the page', () => {
  it('Check, Undo and Redo by button and by keys; pencil letters by Pencil or ".", which Check passes over', async () => {
    const page = await openPage('?level=1&seed=13');
    for (const letter of 'KEY') await press(page, letter);
    const { rings: typed } = await readGrid(page);
    await press(page, 'Control+Z');
    const { rings: undone } = await readGrid(page);
    assert.notDeepEqual(undone, typed, 'Control+Z');
    for (const [key, expected] of [['Control+Shift+Z', typed], ['#undo', undone], ['#redo', typed], ['Control+Z', undone], ['Control+Y', typed]]) {
      await press(page, key);
      assert.deepEqual((await readGrid(page)).rings, expected, key);
    }
    await press(page, '#check');
    const found = await page.textContent('[role=status]#message');
    assert.match(found, /^Check: \d+ letters? (is|are) wrong/);
    assert.ok((await cellNames(page)).some((name) => name.endsWith(', wrong')));
    for (const [toggle, pressed] of [['#pencil', 'true'], ['.', 'false'], ['F8', 'true']]) {
      await press(page, toggle);
      assert.equal(await page.getAttribute('#pencil', 'aria-pressed'), pressed, toggle);
    }
    const { selected: [[square, position]] } = await readGrid(page);
    const guess = `#cell-${square + 1}-${position + 1}`;
    await press(page, 'Q');
    assert.match(await page.textContent(guess), /: Q, pencil$/);
    await press(page, 'F7');
    assert.equal(await page.textContent('#message'), found, 'Check (F7) passes over the pencil letter');
    await reload(page);
    assert.match(await page.textContent(guess), /: Q, pencil$/, 'the pencil letter kept over a reload');
  });
});

describe('the page for a pupil', () => {
  const puzzle = execFileSync(compileTool, ['--level', '1', '--seed', '12']).toString('latin1');

  it('opens a pupil link ready to solve with hints and no answers', async () => {
    const pupil = await openPage(`#${encodeURIComponent(puzzle)}`);
    const solution = solutionRings(puzzle).join('');
    // each letter on show is a hint, and the right one; fewer than a third of them
    const cells = (await cellNames(pupil)).map((cell) => cell.split(': ')[1]);
    const onShow = cells.flatMap((cell, at) => (cell === 'empty' ? [] : [[cell, solution[at]]]));
    assert.ok(onShow.length > 8 && onShow.length < solution.length / 3, `${onShow.length} letters on show`);
    assert.ok(onShow.every(([cell, letter]) => cell === `hint ${letter}`), onShow.join(' '));
    assert.equal(await pupil.getAttribute('#face-solve', 'aria-pressed'), 'true');
    assert.ok(await pupil.isVisible('#check') && await pupil.isEnabled('#check') && await pupil.isVisible('#reveal'));
  });

  it('keeps letters and time over a reload and in other tabs, damaged address or not; the clock waits while hidden', async () => {
    const answers = [];
    const page = await openPage('?level=1&seed=12', { answers });
    const { rings: untyped } = await readGrid(page);
    const clock = () => page.textContent('#timer');
    const tick = async () => page.waitForFunction((shown) => document.querySelector('#timer').textContent !== shown,
      await clock());
    await setHidden(page, true);
    const paused = await clock();
    await page.waitForTimeout(1200);
    assert.equal(await clock(), paused, 'hidden, the clock waits');
    await setHidden(page, false);
    await tick();
    for (const key of ['A', 'B', 'PageDown', 'PageDown']) await press(page, key);
    const { rings: typed, selected } = await readGrid(page);
    await tick();  // a second on the clock: the time is kept with the next step
    await press(page, 'PageUp');
    await press(page, 'PageDown');
    await reload(page);
    assert.deepEqual(await readGrid(page), { rings: typed, selected });
    assert.notEqual(await clock(), '0:00', 'the time kept');
    assert.ok(await page.isVisible('#timer'));
    for (const [step, act] of [['hidden', () => press(page, '#hide-timer')], ['reloaded', () => reload(page)]]) {
      await act();
      assert.equal(await page.getAttribute('#hide-timer', 'aria-pressed'), 'true', step);
      assert.ok(await page.isHidden('#timer'), step);
    }
    const linked = await openPage(`#${encodeURIComponent(puzzle)}`, { page: await page.context().newPage() });
    assert.deepEqual((await readGrid(linked)).rings, typed, 'another tab shares what the browser keeps');
    await linked.close();
    // a damaged link opens no puzzle, says so as a warning that stays, and offers a page of one's own
    const damaged = await openPage(`#${encodeURIComponent(puzzle).slice(0, -40)}`, { page: await page.context().newPage() });
    for (const wait of [0, 1200]) {
      await damaged.waitForTimeout(wait);
      assert.match(await damaged.textContent('#message.warning'), /^This link is damaged or cut short\. Ask your teacher for it again\.$/);
    }
    assert.deepEqual((await readGrid(damaged)).rings, []);
    assert.ok(await damaged.isVisible('#make-own') && await damaged.isHidden('#face-make'));
    await damaged.close();
    await page.focus('#picture');  // keys go to the figure only while it has focus
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
    assert.deepEqual((await readGrid(page)).rings, typed, 'keys typed into fields');
    await press(page, '#compile');  // "abc" is no seed: nothing is made, nothing asked, the letters stay
    assert.match(await page.textContent('#message'), /^The seed "abc" is not a whole number[^]*no puzzle was made\.$/);
    assert.deepEqual((await readGrid(page)).rings, typed, 'a seed that is none');
    await page.click('#face-solve');
    await press(page, 'A');
    const { rings: typedMore } = await readGrid(page);
    for (const agree of [false, true]) {  // starts over and forgets only if asked
      answers.push(agree);
      await press(page, '#start-over');
      assert.deepEqual((await readGrid(page)).rings, agree ? untyped : typedMore);
    }
    await press(page, 'A');
    await page.click('#face-make');
    answers.push(true);
    await press(page, '#forget');
    await reload(page);
    assert.deepEqual((await readGrid(page)).rings, untyped);
  });
});

describe('the page and its worker', () => {
  const storage = (page) => page.evaluate(() => JSON.stringify(Object.keys(localStorage).sort().map((name) => [name, localStorage.getItem(name)])));

  it('answers a command the core throws on with an error: the page not busy, the message shown, the letters kept', async () => {
    const page = await openPage('?level=1&seed=12');
    await press(page, 'A');
    const before = { grid: await readGrid(page), kept: await storage(page) };
    const answer = await page.evaluate(() => run('key', []));  // embind refuses a call with too few arguments
    assert.ok(answer.error && !answer.reply);
    await settled(page);
    assert.match(await page.textContent('#message'), /^Something went wrong; your letters are kept\./);
    assert.equal(await page.getAttribute('#message', 'class'), 'warning');
    assert.deepEqual({ grid: await readGrid(page), kept: await storage(page) }, before);
    await press(page, 'B');  // the session goes on where it was
    const { rings } = await readGrid(page);
    assert.doesNotMatch(await page.textContent('#message'), /went wrong/, 'the next command says what it says');
    await reload(page);
    assert.deepEqual((await readGrid(page)).rings, rings, 'the letters typed before and after, over a reload');
    const [worker] = page.workers();  // a core that dies with a command: a new worker goes on from what was kept
    await worker.evaluate(() => { loopword.key = () => { throw new WebAssembly.RuntimeError('unreachable'); }; });
    await page.press('#picture', 'C');
    await page.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 1
      && /^Something went wrong/.test(document.querySelector('#message').textContent));  // said again once it is back
    await settled(page);
    assert.deepEqual((await readGrid(page)).rings, rings, 'the letters kept, back on show');
    assert.ok(!page.workers().includes(worker), 'the worker whose core died is gone');
    const restarted = await readGrid(page);
    await press(page, 'C');
    assert.notDeepEqual(await readGrid(page), restarted, 'the new worker takes the keys typed');
  });

  it('reads the view without changing it or what the browser keeps', async () => {
    const page = await openPage('?level=1&seed=12');
    await press(page, 'A');
    await setHidden(page, true);  // the clock stands: the views read in a row are alike
    const kept = await storage(page);
    const [first, second] = await page.evaluate(async () => [(await send('view')).result, (await send('view')).result]);
    assert.deepEqual(first, await page.evaluate(() => shown), 'the view on show');  // eslint-disable-line no-undef
    assert.deepEqual(second, first);
    assert.equal(await storage(page), kept);
  });
});

/// The screen point of the cell above the middle of the square numbered `label` in the figure, a cell being 300 units.
function cellAbove(page, label) {
  return page.$eval('#picture svg', (svg, number) => {
    const text = [...svg.querySelectorAll('text')].find((element) => element.textContent === number);
    text.scrollIntoView({ block: 'center' });
    const { x, y, width, height } = text.getBoundingClientRect();
    return [x + width / 2, y + height / 2 - 300 * svg.getScreenCTM().d];
  }, label);
}

describe('the page on a phone and a desktop', () => {
  const layouts = [['en', 'QWERTYUIOP', 'en-US'], ['de', 'QWERTZUIOP', 'de-DE'], ['fr', 'AZERTYUIOP', 'fr-FR'], ['nl', 'QWERTYUIOP', 'nl-NL']];
  for (const [language, firstRow, locale] of layouts) {
    it(`fits a 360 px phone with big cells and the ${language} keyboard pinned at the bottom, every key's words whole`, async () => {
      const page = await openPage(`?level=1&seed=3&language=${language}`, { width: 360, height: 740, locale });
      const cell = await page.$eval('#picture svg', (svg) => svg.getBoundingClientRect().width / svg.viewBox.baseVal.width * 300);
      assert.ok(cell >= 22, `cells of ${cell} px`);
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360), 'the page is wider than the phone');
      const keys = await page.$$eval('#keyboard .keys:not([hidden]) button', (buttons) => buttons.map((b) => ({ name: b.dataset.key ?? (b.id || b.textContent),
        box: b.getBoundingClientRect().toJSON(), cut: b.scrollWidth > b.clientWidth })));
      assert.equal(keys.slice(0, 10).map(({ name }) => name).join(''), firstRow);
      for (const { name, box, cut } of keys) {
        assert.ok(box.height >= 44 && box.bottom <= 740 && box.right <= 360 && !cut, `${name}: ${JSON.stringify(box)}${cut ? ', its words cut' : ''}`);
      }
      for (const name of ['Backspace', 'ArrowLeft', 'ArrowRight', 'PageDown', 'key-check']) assert.ok(keys.some((key) => key.name === name), name);
      for (const [label, square] of [['1', 0], ['23', 22]]) {
        await page.touchscreen.tap(...await cellAbove(page, label));
        await settled(page);
        assert.equal((await readGrid(page)).selected[0][0], square, `a tap on square ${label}`);
      }
    });
  }

  const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
  for (const [width, height, colorScheme] of [[360, 740, 'light'], [1280, 800, 'light'], [360, 740, 'dark'], [1280, 800, 'dark']]) {
    it(`has no serious accessibility fault at ${width} px in ${colorScheme} mode, solving and making`, async () => {
      const page = await openPage('?level=1&seed=3', { width, height, colorScheme });
      await press(page, 'A');
      for (const face of ['solve', 'make']) {
        await press(page, `#face-${face}`);
        await page.evaluate(axeSource);
        const faults = await page.evaluate(async () => (await axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'best-practice'] })).violations
          .filter(({ impact }) => impact === 'serious' || impact === 'critical')
          .map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target.join(' ')).join(', ')}`));
        assert.deepEqual(faults, [], face);
      }
    });
  }
});

describe('the page as a file', () => {
  it("sets figure and words side by side at 1280 px; prints with the browser's Print, with the solution when asked, on one page", async () => {
    const page = await openPage('?level=2&seed=8');
    const figure = await page.$eval('#picture', (element) => element.getBoundingClientRect().toJSON());
    const box = await page.$eval('#words', (element) => element.getBoundingClientRect().toJSON());
    assert.ok(box.left >= figure.right && box.top < figure.bottom, JSON.stringify({ figure, box }));
    const words = await puzzleWords(page);
    assert.equal(words.length, 23);
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
  });

  it('opens the puzzle the desktop program put into it ready to solve, names as text, and saves itself as a web page', async () => {
    const markup = '<img src=x onerror=alert(1)>';
    const puzzle = execFileSync(compileTool, ['--level', '1', '--seed', '4', '--title', markup]);
    const html = fs.readFileSync(process.env.LOOPWORD_PAGE, 'latin1')
      .replace('<meta name="loopword-puzzle" content="">', `<meta name="loopword-puzzle" content="${puzzle.toString('base64')}">`);
    const exported = path.join(scratch, 'exported.html');
    fs.writeFileSync(exported, html, 'latin1');
    const page = await openPage(pathToFileURL(exported).href);
    assert.ok(await page.isEnabled('#check'), 'solving from the start');
    assert.equal(await page.evaluate(() => runningModule), 'solve', 'with the small module it carries');  // eslint-disable-line no-undef
    assert.ok((await page.textContent('#picture svg')).includes(markup));
    await page.setInputFiles('#puzzle-file', { name: `${markup}.loopword`, mimeType: 'text/plain', buffer: Buffer.from('not a puzzle\n') });
    await page.waitForFunction((name) => document.querySelector('#message').textContent.includes(name), `${markup}.loopword`);
    const original = await savePuzzle(page);
    await page.click('#copy-link');
    await page.waitForFunction(() => /works only here[^]*Save as web page/.test(document.querySelector('#link-note').textContent));
    assert.equal(await page.evaluate(() => document.activeElement.id), 'export');
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#export')]);
    const saved = path.join(scratch, 'saved-page.html');
    await download.saveAs(saved);
    const reopened = await openPage(pathToFileURL(saved).href);  // ready to solve, or the letters typed would not take
    const solution = solutionRings(puzzle.toString('latin1'));
    await typeSolution(reopened, solution, async () => (await reopened.textContent('#message')).startsWith('Solved in'));
    assert.match(await reopened.textContent('#message'), /^Solved in \d+:\d\d with 0 checks and 0 letters revealed$/);
    assert.equal(await savePuzzle(reopened), original);
    for (const tab of [page, reopened]) assert.equal(await tab.locator('img').count(), 0);
  });

  it('hands a Windows-1252 word list to the puzzle as its bytes, read by the rules of Deutsch', async () => {
    const page = await openPage('?language=de&seed=8');
    await page.click('#face-make');
    const list = Buffer.concat([fs.readFileSync(path.join(root, 'data', 'L1words.txt')), Buffer.from('M\xE4dchen\r\nK\xE4sebrot\r\n', 'latin1')]);
    await page.setInputFiles('#list-file', { name: 'liste.txt', mimeType: 'text/plain', buffer: list });
    await page.waitForFunction(() => document.querySelector('#title').textContent.includes('liste.txt'));
    const [, read] = (await page.textContent('#title')).match(/\((\d+ words, read as Windows-1252)\)/);
    await press(page, '#compile');
    assert.ok((await savePuzzle(page)).includes(`# word list: liste.txt (${read})\n`));
  });
});

/// Every text a reader meets outside translate="no": texts, and names and hints of controls, keys and cells.
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
  const pageTexts = readPageTexts();
  for (const [language, locale] of [['de', 'de-DE'], ['fr', 'fr-CA'], ['es', 'es-MX'], ['it', 'it-IT'], ['pt', 'pt-BR'], ['nl', 'nl-BE']]) {
    it(`speaks ${language} to a browser set to ${locale}: controls, messages, sheets, guide and the puzzle's words`, async () => {
      const texts = pageTexts[language];
      const translations = Object.values(texts).flatMap((context) => Object.values(context).flat()).map(textPattern);
      const page = await openPage(`?language=${language}&level=1&seed=6`, { locale });
      assert.equal(await page.evaluate(() => document.documentElement.lang), language);
      assert.equal(await page.inputValue('#language'), language);
      await press(page, '#check');
      assert.equal(await page.textContent('#message'), texts.Messages['Check: every letter so far is right.']);
      for (const face of ['solve', 'make']) {
        await press(page, `#face-${face}`);
        const untranslated = (await readableTexts(page)).filter((text) => !translations.some((pattern) => pattern.test(text)));
        assert.deepEqual(untranslated, [], `texts the page does not translate into ${language} in the ${face} face`);
      }
      const [guide] = await Promise.all([page.waitForEvent('popup'), page.click('#guide')]);
      await guide.waitForFunction((code) => document.documentElement.lang === code && document.querySelector('h2'), language);
      await page.waitForFunction((word) => document.querySelector('#print-sheets').textContent.includes(word), texts.Sheets.PUZZLE);
    });
  }

  it('changes language from its menu, keeps it over a reload, and speaks English to a browser in a language it lacks', async () => {
    const page = await openPage('?level=1&seed=6', { locale: 'sv-SE' });
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    assert.equal(await page.textContent('#face-solve'), 'Solve');
    await page.selectOption('#page-language', 'es');
    const dictionary = pageTexts.es.Messages['Dictionary: %1 (%n words)'].at(-1).replace('%1', 'L1words.txt').replace('%n', '1431');
    await page.waitForFunction((title) => document.querySelector('#title').textContent === title, dictionary);
    for (const step of ['chosen', 'reloaded']) {
      await page.waitForFunction((solve) => document.querySelector('#face-solve').textContent === solve, pageTexts.es.WebPage.Solve);
      assert.equal(await page.evaluate(() => document.documentElement.lang), 'es', step);
      assert.equal(await page.inputValue('#language'), 'en', `${step}: the puzzle keeps its language`);
      if (step === 'chosen') await openPage('', { page });
    }
  });
});
