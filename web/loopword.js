// The page's script: wires the page to the session in a worker, shows the view it answers with, keeps progress.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const $ = (id) => document.getElementById(id);
// The page as it came, before the script changed it: "Save as web page" writes it with the puzzle inside.
const pageSource = `<!DOCTYPE html>\n${document.documentElement.outerHTML}`;
const kStore = 'loopword:';
const kLanguageNames = { en: 'English', de: 'Deutsch', fr: 'Français', es: 'Español', it: 'Italiano', pt: 'Português', nl: 'Nederlands' };
// The translations of the page's texts, the messages and the sheets' words, per language: made from the .ts files.
const kTranslations = /* LOOPWORD_TEXTS */ {};
const kTranslatedAttributes = ['aria-label', 'placeholder', 'title'];
const kKeyboardOf = { de: 'qwertz', fr: 'azerty' };

let worker = null;
let nextId = 0;
const pending = new Map();
let shown = null;  // the view last shown
let shownChoices = null;  // the choices the fields show
let running = 0;  // commands sent and not yet shown
let stickyMessage = false;  // a warning that stays until the user does something
let clockShown = { ms: 0, since: 0 };  // the view's clock and when it came
let pageLanguage = 'en';
let sheetsKey = null;  // the puzzle the print sheets show
let started = false;  // the first puzzle is back where it was left: its cell and the choices are kept from now on
const pageTexts = [];  // the page's own English texts: { node, attribute } or { node, before, after }, and the text
const liveTexts = new Map();  // element → what shows its text in the page's language, shown again when it changes

/// `text` of `context` in the page's language, English where there is no translation, %1 … %9 filled with `values`.
function trIn(context, text, ...values) {
  const pattern = kTranslations[pageLanguage]?.[context]?.[text] ?? text;
  return pattern.replace(/%([1-9])/g, (place, n) => (n <= values.length ? String(values[n - 1]) : place));
}

const tr = (text, ...values) => trIn('WebPage', text, ...values);

/// A message line as the session sends it (plain text, or { context, pattern, values } and for a count { count, one })
/// in the page's language; a count in the form of the language for it (French counts 0 and 1 alike).
function rendered(phrase) {
  if (typeof phrase === 'string') return phrase;
  const values = phrase.values.map(rendered);
  const forms = kTranslations[pageLanguage]?.[phrase.context]?.[phrase.pattern];
  if (phrase.count === undefined) return trIn(phrase.context, phrase.pattern, ...values);
  const plural = pageLanguage === 'fr' ? phrase.count > 1 : phrase.count !== 1;
  const pattern = Array.isArray(forms) ? forms[plural ? forms.length - 1 : 0] : (plural ? phrase.pattern : phrase.one);
  return pattern.replaceAll('%n', phrase.count).replace(/%([1-9])/g, (place, n) => (n <= values.length ? values[n - 1] : place));
}

const renderedLines = (lines = []) => lines.map(rendered).join('\n');

/// Shows `text()` in `element`, and again whenever the page's language changes.
function showText(element, text) {
  liveTexts.set(element, text);
  element.textContent = text();
}

/// The texts of the page as it came (its body outside translate="no", with a letter), to translate them.
function collectPageTexts() {
  const skipped = (node) => ['SCRIPT', 'STYLE'].includes(node.tagName) || node.getAttribute('translate') === 'no';
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT, {
    acceptNode: (node) => (node.nodeType === Node.ELEMENT_NODE && skipped(node) ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT),
  });
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    if (node.nodeType === Node.TEXT_NODE) {
      const [, before, text, after] = node.textContent.match(/^(\s*)([\s\S]*?)(\s*)$/);
      if (/\p{L}/u.test(text)) pageTexts.push({ node, before, after, text: text.replace(/\s+/g, ' ') });
    } else {
      for (const attribute of kTranslatedAttributes.filter((name) => /\p{L}/u.test(node.getAttribute(name) ?? ''))) {
        pageTexts.push({ node, attribute, text: node.getAttribute(attribute).replace(/\s+/g, ' ').trim() });
      }
    }
  }
}

/// Speaks `language` from now on: the page's texts, its messages and the view on show.
function usePageLanguage(language) {
  pageLanguage = language;
  document.documentElement.lang = language;
  $('page-language').value = language;
  for (const { node, attribute, before, after, text } of pageTexts) {
    if (attribute) node.setAttribute(attribute, trIn('WebPage', text));
    else node.textContent = before + trIn('WebPage', text) + after;
  }
  for (const [element, text] of liveTexts) element.textContent = text();
  if (shown) show(shown);
}

/// What `use` gives for the browser's storage, or `otherwise` where it throws (a storage that is off, damaged text).
function stored(use, otherwise = null) {
  try {
    return use(localStorage);
  } catch {
    return otherwise;
  }
}

/// What the browser keeps for the page, each entry checked before use: a damaged or foreign entry is dropped with a
/// note; a storage that is full, off or throws lets the page go on keeping nothing.
const storage = {
  warned: false,
  read(name, valid = () => true) {
    const value = stored((kept) => kept.getItem(kStore + name));
    if (value === null || valid(value)) return value;
    storage.drop([name]);
    say(() => tr('A damaged entry this browser kept for the page was dropped.'));
    return null;
  },
  write(name, value) {
    if (stored((kept) => kept.setItem(kStore + name, value) ?? true, false) || storage.warned) return;
    storage.warned = true;
    say(() => tr('This browser keeps no progress here (its storage is full or turned off): the letters go when the page closes.'), true);
  },
  drop: (names) => stored((kept) => names.forEach((name) => kept.removeItem(kStore + name))),
  names: () => stored((kept) => Object.keys(kept).filter((name) => name.startsWith(kStore)).map((name) => name.slice(kStore.length)), []),
};

function startWorker() {
  worker = new Worker(URL.createObjectURL(new Blob([$('loopword-worker').textContent], { type: 'text/javascript' })));
  worker.onmessage = ({ data }) => {
    if (data.id === undefined) return show(data.view);  // a compile as it goes
    if (data.progress) return showProgress(data.progress);  // a class set as it is made
    pending.get(data.id)(data);
    pending.delete(data.id);
  };
  worker.onerror = (event) => say(() => tr('Loopword stopped working: %1', event.message), true);
}

function send(command, ...args) {
  return new Promise((resolve) => pending.set(nextId, resolve) && worker.postMessage({ id: nextId++, command, args }));
}

/// Shows the message `text()`; a sticky one stays until the user acts.
function say(text, sticky = false) {
  if (stickyMessage && !sticky) return;
  stickyMessage = sticky && text() !== '';
  showText($('message'), text);
  $('message').classList.toggle('warning', stickyMessage);
}

/// Sends a command, asks its question and sends it again confirmed, then shows the view it leaves and what it said.
async function run(command, args = [], confirmable = false, sticky = false) {
  $('main').setAttribute('aria-busy', String(++running > 0));
  let { view } = await send(command, ...args, ...(confirmable ? [false] : []));
  if (view.questionLines.length && window.confirm(renderedLines(view.questionLines))) ({ view } = await send(command, ...args, true));
  if (view.messageLines.length || !sticky) say(() => renderedLines(view.messageLines), sticky && view.messageLines.length > 0);
  show(view);
  $('main').setAttribute('aria-busy', String(--running > 0));
  return view;
}

function show(view) {
  shown = view;
  const svg = new DOMParser().parseFromString(view.picture, 'image/svg+xml').documentElement;
  svg.setAttribute('aria-hidden', 'true');
  svg.setAttribute('translate', 'no');
  $('picture').replaceChildren(document.importNode(svg, true), ...gridRows(view));
  $('view-button').textContent = trIn('Messages', view.caption);
  $('view-button').disabled = !view.offer.viewButton;
  for (const button of document.querySelectorAll('[data-needs]')) button.disabled = !view.offer[button.dataset.needs];
  $('choices').disabled = !view.offer.commands;
  $('title').textContent = renderedLines(view.titleLines);
  if (view.mode === 'compiling' && view.progressLines.length) say(() => renderedLines(view.progressLines));
  showChoices(view.choices);
  showKeyboard(view);
  showWords(view);
  keepProgress(view);
  clockShown = { ms: view.elapsedMs, since: view.clockRunning ? performance.now() : 0 };
  tick();
}

/// The choices the session makes puzzles with, in the fields, unless they show them already.
function showChoices(choices) {
  if (choices.kept === shownChoices) return;
  shownChoices = choices.kept;
  if (started) storage.write('choices', choices.kept);
  const fields = { level: choices.level, language: choices.language, difficulty: choices.difficulty, 'start-word': choices.start,
    'theme-words': choices.themeWords, 'theme-title': choices.title };
  for (const [id, value] of Object.entries(fields)) $(id).value = String(value);
  for (const id of ['varied', 'unique']) $(id).checked = choices[id];
  document.querySelector(`input[name=start][value=${choices.start ? 'typed' : 'random'}]`).checked = true;
}

/// The figure's squares as grid rows for screen readers, the selected cell named by aria-activedescendant.
function gridRows(view) {
  $('picture').removeAttribute('aria-activedescendant');
  const [cursorSquare, cursorPosition] = view.cursor ?? [];
  return view.cells.map((cells, index) => {
    const row = Object.assign(document.createElement('div'), { className: 'visually-hidden' });
    row.setAttribute('role', 'row');
    cells.forEach(({ letter, shows }, position) => {
      const cell = row.appendChild(document.createElement('div'));
      cell.setAttribute('role', 'gridcell');
      cell.id = `cell-${index + 1}-${position + 1}`;
      const selected = cursorSquare === index + 1 && cursorPosition === position + 1;
      cell.setAttribute('aria-selected', String(selected));
      if (selected) $('picture').setAttribute('aria-activedescendant', cell.id);
      const notes = { empty: [trIn('Accessibility', 'empty')], hint: [letter, tr('hint')], wrong: [letter, tr('wrong')] }[shows] ?? [letter];
      cell.textContent = trIn('Accessibility', 'Square %1, cell %2: %3', index + 1, position + 1, notes.join(', '));
    });
    return row;
  });
}

/// The words to find (or their clues), struck through once found.
function showWords(view) {
  $('words').replaceChildren(...view.words.map(({ word, clue, found }) => {
    const item = Object.assign(document.createElement('li'), { textContent: word, className: `${found ? 'found' : ''} ${clue ? 'clue' : ''}`.trim() });
    if (found) item.append(Object.assign(document.createElement('span'), { className: 'visually-hidden', textContent: ` ${tr('(found)')}` }));
    return item;
  }));
}

/// Keeps the puzzle on show for the next visit and, while it is solved, its letters, time and selected cell.
function keepProgress(view) {
  if (!view.offer.puzzle) return;
  if (view.mode === 'solving') {
    storage.write(`puzzle:${view.puzzle.key}`, view.puzzle.file);
    if (view.cursor && started) storage.write(`square:${view.puzzle.key}`, view.cursor.join('.'));
  }
  storage.write('last', view.puzzle.sheetFile);
  if (sheetsKey !== view.puzzle.key) prepareSheets(false);  // the browser's own Print prints the puzzle
  sheetsKey = view.puzzle.key;
}

/// Shows the time spent on the puzzle, as the session counts it, going on between views while its clock runs; each
/// second that passes is kept with the letters.
function tick() {
  const seconds = Math.floor((clockShown.ms + (clockShown.since ? performance.now() - clockShown.since : 0)) / 1000);
  const text = `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, '0')}`;
  if (text !== $('timer').textContent && clockShown.since && started && !running) send('view').then(({ view }) => keepProgress(view));
  $('timer').textContent = text;
}

/// The bytes the page carries gzipped in base64 in the script element of `type` for `language`; null for none.
async function carried(type, language) {
  const packed = document.querySelector(`script[type="${type}"][data-language="${language}"]`)?.textContent;
  if (!packed) return null;
  const gzipped = new Blob([Uint8Array.from(atob(packed), (c) => c.charCodeAt(0))]);
  return new Uint8Array(await new Response(gzipped.stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer());
}

const unpackedLists = new Map();  // language code → promise of its packed levels
function bundledList(language) {
  if (language === 'en') return Promise.resolve('');
  if (!unpackedLists.has(language)) unpackedLists.set(language, carried('application/x-loopword-list', language).then((bytes) => bytes ?? ''));
  return unpackedLists.get(language);
}

/// Opens the user guide in the page's language (English where the page carries none) in a tab of its own.
async function openGuide() {
  const tab = window.open('', '_blank');
  const guide = await carried('application/x-loopword-guide', pageLanguage) ?? await carried('application/x-loopword-guide', 'en');
  if (tab && guide) tab.location = URL.createObjectURL(new Blob([guide], { type: 'text/html' }));
}

async function readFile(input) {
  const file = input.files[0];
  input.value = '';
  return file ? { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } : null;
}

async function chooseList() {
  const level = Number($('level').value);
  if (level === 0) $('list-file').click();
  else await run('chooseWordList', [level, '', '']);
}

const chooseLanguage = async () => run('chooseLanguage', [$('language').value, await bundledList($('language').value)]);

async function chooseStart() {
  if (document.querySelector('input[name=start]:checked').value === 'typed') await run('enterStartWord', [$('start-word').value], false, true);
  else await run('chooseRandomStartWord');
}

const setFill = () => run('setFill', [$('varied').checked, $('unique').checked, $('difficulty').value]);

/// Says which theme words can be used while they are typed; Keep waits for a usable set.
async function reportTheme() {
  const { result } = await send('checkTheme', $('theme-words').value);
  showText($('theme-report'), () => renderedLines(result.lines));
  $('theme-keep').disabled = !result.usable;
}

const keepTheme = (words, title) => run('chooseTheme', [words, title]).then(reportTheme);

/// Makes a puzzle with the seed of the seed field, if any: the view button stops it, keeping what it made so far.
function compile(steps = true) {
  const seed = $('seed').value.trim();
  if (seed) send('seedNextCompile', seed);  // taken before the compile: the worker takes commands in order
  send('showCompileSteps', steps);
  return run('compile', [], true, true);
}

/// Opens the puzzle file `text` with the progress kept for it; a file that cannot be read leaves its warning standing.
async function openText(name, text, sticky = true) {
  if (!(await run('open', [name, text], true, sticky)).done) return false;
  const key = shown.puzzle.key;
  const progress = storage.read(`puzzle:${key}`);
  if (progress && progress !== shown.puzzle.file) {
    const view = await run('open', [name, progress], true, false);
    if (!view.done) storage.drop([`puzzle:${key}`]);  // progress that no longer opens goes
  }
  return true;
}

function download(name, content, type = 'text/plain') {
  const link = Object.assign(document.createElement('a'), { href: URL.createObjectURL(new Blob([content], { type })), download: name });
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

/// Fills the print sheets: the puzzle, and the solution too when asked.
async function prepareSheets(withSolution) {
  const { result } = await send('sheets');
  const sheets = result.puzzle ? [result.puzzle, ...(withSolution ? [result.solution] : [])] : [];
  $('print-sheets').replaceChildren(...sheets.map((sheet) => document.importNode(new DOMParser().parseFromString(sheet, 'image/svg+xml').documentElement, true)));
}

const printSheets = (withSolution) => prepareSheets(withSolution).then(() => window.print());

async function copyLink() {
  const note = (text) => showText($('link-note'), text);
  if (location.protocol === 'file:') {
    note(() => tr('This page was opened from a file on this computer, so a link to it works only here. Put the page on a web server to share links, or use "%1" and give pupils that file.', tr('Save as web page')));
    return $('export').focus();
  }
  const link = `${location.origin}${location.pathname}#${encodeURIComponent(shown.puzzle.sheetFile)}`;
  const copied = await navigator.clipboard.writeText(link).then(() => true, () => false);
  note(copied ? () => tr('The pupil link is copied: paste it where your class will find it. It opens this puzzle, ready to solve.') : () => tr('Copy this pupil link: %1', link));
}

/// Shows how far the class set being made has got, as the progress bar and the message.
function showProgress({ lines, done, total }) {
  Object.assign($('class-progress'), { hidden: false, max: total, value: done });
  say(() => renderedLines(lines));
}

/// Sends a query that makes a class set of the pupils asked for, from the seed of the seed field if any, showing its
/// progress; what it answers.
async function classSet(command, ...args) {
  $('main').setAttribute('aria-busy', String(++running > 0));
  const seed = $('seed').value.trim();
  if (seed) send('seedNextCompile', seed);  // taken first: the worker takes commands in order
  const { result } = await send(command, Number($('pupils').value), ...args);
  $('class-progress').hidden = true;
  say(() => renderedLines(result.lines), !result.done);
  $('main').setAttribute('aria-busy', String(--running > 0));
  return result;
}

/// A new `tag` element with `properties` holding `children`.
function made(tag, properties, ...children) {
  const element = Object.assign(document.createElement(tag), properties);
  element.append(...children);
  return element;
}

/// Prints the class set: each puzzle on a page of its own headed with its number and title, then the answers.
async function printClassSet() {
  const { done, pages, answerPages } = await classSet('makeClassSet');
  if (!done) return;
  const svg = (text) => document.importNode(new DOMParser().parseFromString(text, 'image/svg+xml').documentElement, true);
  const heading = ({ heading: text, title }) => made('h2', { textContent: text }, ...(title ? [made('span', { textContent: title })] : []));
  $('print-sheets').replaceChildren(...pages.map((page) => made('section', { className: 'class-page' }, heading(page), svg(page.sheet))),
    ...answerPages.map((answers) => made('section', { className: 'class-page answers' },
      ...answers.map(({ heading: text, sheet }) => made('figure', {}, made('figcaption', { textContent: text }), svg(sheet))))));
  window.print();
}

/// Copies the link that gives each pupil of the class set their own puzzle, on the chooser of their number.
async function copyClassLink() {
  const note = (text) => showText($('link-note'), text);
  if (location.protocol === 'file:') {
    note(() => tr('This page was opened from a file on this computer, so a class link to it works only here. Put the page on a web server to give your class one link, or use "%1".', tr('Print class set')));
    return $('print-class').focus();
  }
  const { link } = await classSet('classLink', `${location.origin}${location.pathname}`);
  if (!link) return;
  const copied = await navigator.clipboard.writeText(link).then(() => true, () => false);
  note(copied ? () => tr('The class link is copied: give it to your class. Each pupil opens it and chooses their number.') : () => tr('Copy this class link: %1', link));
}

/// Opens the puzzle of the number chosen on a class link's chooser, ready to solve with the letters typed into it before.
async function openNumber() {
  if (!(await run('chooseClassPuzzle', [location.search, Number($('pupil-number').value)], false, true)).done) return false;
  storage.write(`class:${location.search}`, $('pupil-number').value);
  if (!(await compile(false)).offer.puzzle || !(await openText(tr('your puzzle'), shown.puzzle.sheetFile))) return false;
  await startSolving();
  return true;
}

/// A class link: the chooser of the pupil's number, and the puzzle of the number chosen here before.
async function offerNumbers({ pupils, lines }) {
  $('chooser').hidden = false;
  $('pupil-number').max = pupils || '';
  if (lines.length) say(() => renderedLines(lines), true);
  const chosen = storage.read(`class:${location.search}`, (text) => /^\d{1,2}$/.test(text));
  if (!chosen || lines.length) return false;
  $('pupil-number').value = chosen;
  return openNumber();
}

/// Saves this page with the puzzle inside: whoever opens it solves that puzzle, offline.
function exportPage() {
  const packed = btoa(String.fromCharCode(...new TextEncoder().encode(shown.puzzle.sheetFile)));
  download('loopword-puzzle.html', pageSource.replace(/<meta name="loopword-puzzle" content="[^"]*">/, `<meta name="loopword-puzzle" content="${packed}">`), 'text/html');
}

/// Clears the letters and the time of the puzzle on show and starts solving it afresh.
async function clearPuzzle() {
  storage.drop([`puzzle:${shown.puzzle.key}`, `square:${shown.puzzle.key}`]);
  await run('open', ['puzzle', shown.puzzle.sheetFile, true]);
  await startSolving();
}

async function forgetAll() {
  if (!window.confirm(tr('Forget every puzzle and all progress kept in this browser? Use this on a shared computer.'))) return;
  storage.drop(storage.names());
  if (shown?.offer.puzzle) await clearPuzzle();
  say(() => tr('This browser has forgotten its puzzles.'));
}

/// A click on the figure, at its point in the picture's twips; the figure takes the keys from then on.
function clickCell(event) {
  const svg = $('picture').querySelector('svg');
  $('picture').focus({ preventScroll: true });
  if (!svg || shown?.mode !== 'solving') return;
  const point = new DOMPoint(event.clientX, event.clientY).matrixTransform(svg.getScreenCTM().inverse());
  run('clickAt', [Math.round(point.x), Math.round(point.y)]);
}

/// Keys typed while the figure has focus: letters, and the keys the session names; Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y.
function typeInFigure(event) {
  if (shown?.mode !== 'solving' || event.altKey) return;
  const key = event.key.toLowerCase();
  if (event.ctrlKey || event.metaKey) {
    if (key === 'z' || key === 'y') run(key === 'z' && !event.shiftKey ? 'undo' : 'redo');
    else return;
  } else if (/^\p{L}$/u.test(event.key)) {
    run('type', [event.key.normalize('NFD')[0]]);
  } else if (['Backspace', 'Delete', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'PageDown', 'PageUp'].includes(event.key)) {
    run('press', [event.key]);
  } else return;
  event.preventDefault();
}

/// F6 solves and F7 checks, unless a field is being typed in.
function shortcut(event) {
  const button = { F6: $('face-solve'), F7: $('check') }[event.key];
  if (!button || event.target.closest?.('input, textarea, select, [contenteditable]')) return;
  event.preventDefault();
  if (!button.disabled) button.click();
}

/// The on-screen keyboard while solving, laid out as the puzzle language's keyboard.
function showKeyboard(view) {
  $('keyboard').hidden = view.mode !== 'solving' || document.body.dataset.face !== 'solve';
  const layout = kKeyboardOf[view.puzzleLanguage] ?? 'qwerty';
  for (const row of $('keyboard').querySelectorAll('[data-layout]')) row.hidden = row.dataset.layout !== layout;
}

function pressKey({ target }) {
  const key = target.closest('button');
  if (key?.dataset.key) run('press', [key.dataset.key]);
  else if (key?.dataset.command === 'check') check();
  else if (key) run('type', [key.textContent]);
}

/// Checks the letters and says what Check found, for everyone and for screen readers, unless the session spoke.
async function check() {
  const view = await run('check');
  if (!view.messageLines.length && view.mode === 'solving') say(() => renderedLines(view.checkLines));
}

const startSolving = async () => shown?.offer.puzzle && shown.mode !== 'solving' && run('startSolving');

/// Shows the face to solve (starting to solve the puzzle on show) or the face to make puzzles.
async function showFace(face) {
  document.body.dataset.face = face;
  $('make').hidden = face !== 'make';
  $('face-solve').setAttribute('aria-pressed', String(face === 'solve'));
  $('face-make').setAttribute('aria-pressed', String(face === 'make'));
  if (face === 'solve') await startSolving();
  if (shown) showKeyboard(shown);
}

const on = (id, type, listener) => $(id).addEventListener(type, listener);

/// What each control does: a button that names its command (data-run) gives it, asking first where it says so.
function wire() {
  const act = (event) => { if (event.type === 'pointerdown' || !['Shift', 'Control', 'Alt', 'Meta'].includes(event.key)) stickyMessage = false; };
  for (const type of ['pointerdown', 'keydown']) document.addEventListener(type, act, true);
  document.addEventListener('click', ({ target }) => {
    const button = target.closest('[data-run]');
    if (button) run(button.dataset.run, [], button.hasAttribute('data-asks'));
  });
  const clicks = { 'face-solve': () => showFace('solve'), 'face-make': () => showFace('make'), compile: () => compile(), check,
    'theme-keep': () => keepTheme($('theme-words').value, $('theme-title').value), 'theme-clear': () => keepTheme('', ''),
    'start-over': () => window.confirm(tr('Start this puzzle over? Its letters and time go.')) && clearPuzzle(),
    open: () => $('puzzle-file').click(), save: () => download('puzzle.loopword', shown.puzzle.sheetFile), print: () => printSheets(false),
    'print-both': () => printSheets(true), 'copy-link': copyLink, export: exportPage, forget: forgetAll, guide: openGuide, keyboard: pressKey,
    'print-class': printClassSet, 'copy-class-link': copyClassLink, 'open-number': openNumber };
  for (const [id, listener] of Object.entries(clicks)) on(id, 'click', listener);
  on('level', 'change', chooseList);
  on('language', 'change', chooseLanguage);
  on('page-language', 'change', () => {
    storage.write('page-language', $('page-language').value);
    usePageLanguage($('page-language').value);
  });
  on('list-file', 'change', async () => {
    const list = await readFile($('list-file'));
    if (list) await run('chooseWordList', [0, list.name, list.bytes], false, true);
    else show(shown);
  });
  for (const radio of document.querySelectorAll('input[name=start]')) radio.addEventListener('change', chooseStart);
  on('start-word', 'change', () => {
    document.querySelector('input[name=start][value=typed]').checked = true;
    chooseStart();
  });
  for (const choice of ['varied', 'unique', 'difficulty']) on(choice, 'change', setFill);
  on('theme-words', 'input', reportTheme);
  on('puzzle-file', 'change', async () => {
    const file = await readFile($('puzzle-file'));
    if (file) await openText(file.name, new TextDecoder().decode(file.bytes));
  });
  on('picture', 'click', clickCell);
  on('picture', 'keydown', typeInFigure);
  document.addEventListener('keydown', shortcut);
  document.addEventListener('visibilitychange', () => run('pauseClock', [document.hidden]));
  window.addEventListener('afterprint', () => prepareSheets(false));
  setInterval(tick, 1000);
}

/// The puzzle a link (after the #) or a saved page carries, as text; null for none, a warning that stays when damaged.
function givenPuzzle() {
  const content = document.querySelector('meta[name=loopword-puzzle]').content;
  const linked = location.hash.length > 1 ? stored(() => decodeURIComponent(location.hash.slice(1)), false) : null;
  const carried = !linked && content ? stored(() => new TextDecoder().decode(Uint8Array.from(atob(content), (c) => c.charCodeAt(0))), false) : null;
  if (linked === false) say(() => tr('This link is damaged: the puzzle after its # cannot be read. Ask for the link again.'), true);
  else if (carried === false) say(() => tr('The puzzle inside this page is damaged and cannot be read.'), true);
  return linked || carried || null;
}

/// The choices kept here before they were kept as one text, taken over once: the list language and the theme box.
function earlierChoices() {
  const language = storage.read('language', (code) => code in kLanguageNames) ?? pageLanguage;
  const theme = stored(() => JSON.parse(storage.read('theme', (text) => stored(() => typeof JSON.parse(text).words === 'string', false))));
  storage.drop(['language', 'theme', ...storage.names().filter((name) => name.startsWith('time:'))]);
  return new URLSearchParams({ language, theme: theme?.words ?? '', title: typeof theme?.title === 'string' ? theme.title : '' }).toString();
}

/// The puzzle the link or the page carries; the one a seed in the address makes; the one on show here last; or a new
/// one; ready to solve.
async function openFirstPuzzle() {
  const given = givenPuzzle();
  let opened = Boolean(given) && await openText(tr('the puzzle in the link'), given);
  if (!opened && shown.choices.seed) opened = (await compile(false)).offer.puzzle && await openText(tr('the puzzle made'), shown.puzzle.sheetFile);
  const last = storage.read('last');
  if (!opened && last) opened = await openText(tr('the puzzle kept here'), last, false);
  if (!opened && last) storage.drop(['last']);  // a puzzle kept here that no longer opens goes
  if (!opened) await compile(false);
  await startSolving();
}

/// The first puzzle, with the letters typed into it before: the chooser's on a class link, else openFirstPuzzle's.
async function firstPuzzle() {
  const kept = storage.read('choices', (text) => !/[\s<>]/.test(text)) ?? earlierChoices();
  const language = new URLSearchParams(location.search).get('language') ?? new URLSearchParams(kept).get('language') ?? 'en';
  if (language in kLanguageNames) await send('provideLists', language, await bundledList(language));
  await run('restore', [kept, location.search], false, true);
  await reportTheme();
  const classLink = (await send('readClassLink', location.search)).result;
  if (classLink.classLink) await offerNumbers(classLink);
  else await openFirstPuzzle();
  const [square, position = 1] = (storage.read(`square:${shown.puzzle?.key}`, (text) => /^\d{1,2}(\.\d)?$/.test(text)) ?? '').split('.').map(Number);
  if (square) await run('select', [square, position]);
  started = true;
  storage.write('choices', shown.choices.kept);
  performance.mark('first-puzzle');
}

async function main() {
  collectPageTexts();
  for (const select of [$('page-language'), $('language')]) {
    select.replaceChildren(...Object.entries(kLanguageNames).map(([code, name]) => Object.assign(new Option(name, code), { lang: code, translate: false })));
  }
  const known = (code) => (code in kLanguageNames ? code : null);
  usePageLanguage(known(storage.read('page-language', known)) ?? navigator.languages.map((tag) => known(tag.split('-')[0].toLowerCase())).find(Boolean) ?? 'en');
  wire();
  startWorker();
  const sheets = Object.fromEntries(Object.keys(kLanguageNames).map((code) => [code, kTranslations[code]?.Sheets ?? {}]));
  await send('useSheetTranslations', sheets);
  await run('view', [], false, true);  // what the start-up load said
  await firstPuzzle();
}

main();
