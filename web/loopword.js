// The page's script: passes the user's commands to the session in a worker and shows what it answers.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const $ = (id) => document.getElementById(id);
// The page as it came, before the script changed it: "Save as web page" writes it with the puzzle inside.
const pageSource = `<!DOCTYPE html>\n${document.documentElement.outerHTML}`;
const kSolvingKeys = { Backspace: 0, Delete: 1, ArrowLeft: 2, ArrowRight: 3, ArrowUp: 4, ArrowDown: 5 };
const kTab = 6;
const kBackTab = 7;
const kStorePrefix = 'loopword:';
const kProgressPrefix = 'loopword:puzzle:';
const kTimePrefix = 'loopword:time:';
const kSquarePrefix = 'loopword:square:';
const kLastPuzzle = 'loopword:last';
const kTheme = 'loopword:theme';
const kLanguage = 'loopword:language';
const kPageLanguage = 'loopword:page-language';
const kLanguageNames = { en: 'English', de: 'Deutsch', fr: 'Français', es: 'Español', it: 'Italiano', pt: 'Português', nl: 'Nederlands' };
// The translations of the page's texts, the messages and the sheets' words, per language: made from the .ts files.
const kTranslations = /* LOOPWORD_TEXTS */ {};
const kTranslatedAttributes = ['aria-label', 'placeholder', 'title'];
const kKeyboards = {
  qwerty: ['QWERTYUIOP', 'ASDFGHJKL', 'ZXCVBNM'],
  qwertz: ['QWERTZUIOP', 'ASDFGHJKL', 'YXCVBNM'],
  azerty: ['AZERTYUIOP', 'QSDFGHJKLM', 'WXCVBN'],
};
const kKeyboardOf = { de: 'qwertz', fr: 'azerty' };
const kGivenSquare = 12;  // the square whose word the puzzle gives
const kThemeLimit = 20000;  // characters in the theme box: far more than a puzzle's words
const kFields = 'input, textarea, select, [contenteditable]';

let worker = null;
let nextId = 0;
const pending = new Map();
let shown = null;  // the view last shown
let running = 0;  // commands sent and not yet shown
let userList = null;  // the word list file the user picked: { name, bytes }
let keptTheme = { words: '', title: '' };  // the theme words and title kept last
const unpackedLists = new Map();  // language code → promise of its bundled word list's bytes
let stickyMessage = false;  // a warning that stays until the user does something
let storageWarned = false;
let keyboardLayout = '';
let firstPuzzleComing = true;  // the square being solved is kept only once the first puzzle is back where it was left
const clock = { key: '', ms: 0, since: 0 };  // the time spent on the puzzle on show, counted while solving
let pageLanguage = 'en';
let sheetLanguage = 'en';  // the language the session draws the sheets' words in
const pageTexts = [];  // the page's own English texts: { node, attribute } or { node, before, after }, and the text
const liveTexts = new Map();  // element → what shows its text in the page's language, shown again when it changes

/// `text` of `context` in the page's language, English where there is no translation, %1 … %9 filled with `values`
/// in one pass.
function trIn(context, text, ...values) {
  const pattern = kTranslations[pageLanguage]?.[context]?.[text] ?? text;
  return pattern.replace(/%([1-9])/g, (place, n) => (n <= values.length ? String(values[n - 1]) : place));
}

/// One of the page's own texts in its language.
function tr(text, ...values) {
  return trIn('WebPage', text, ...values);
}

/// A message line as the session sends it (plain text, or { context, pattern, values }) in the page's language.
function rendered(phrase) {
  return typeof phrase === 'string' ? phrase : trIn(phrase.context, phrase.pattern, ...phrase.values.map(rendered));
}

function renderedLines(lines = []) {
  return lines.map(rendered).join('\n');
}

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

/// The language the page speaks at first: the one chosen here last, else the browser's first one the page knows.
function firstPageLanguage() {
  const known = (code) => (code in kLanguageNames ? code : null);
  return known(saved(kPageLanguage)) ?? navigator.languages.map((tag) => known(tag.split('-')[0].toLowerCase())).find(Boolean) ?? 'en';
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
  keyboardLayout = '';
  if (shown) show(shown);
}

/// The page's two language menus, each language named in its own words.
function fillLanguageMenus() {
  for (const select of [$('page-language'), $('language')]) {
    select.replaceChildren(...Object.entries(kLanguageNames).map(([code, name]) =>
      Object.assign(new Option(name, code), { lang: code, translate: false })));
  }
}

function startWorker() {
  const source = $('loopword-worker').textContent;
  worker = new Worker(URL.createObjectURL(new Blob([source], { type: 'text/javascript' })));
  sheetLanguage = 'en';
  worker.onmessage = ({ data }) => {
    pending.get(data.id)(data);
    pending.delete(data.id);
  };
  worker.onerror = (event) => say(() => tr('Loopword stopped working: %1', event.message), true);
}

function send(command, ...args) {
  return new Promise((resolve) => {
    const id = nextId++;
    pending.set(id, resolve);
    worker.postMessage({ id, command, args });
  });
}

/// Shows the message `text()` without the page's own folders; a sticky one stays until the user acts.
function say(text, sticky = false) {
  if (stickyMessage && !sticky) return;
  stickyMessage = sticky && text() !== '';
  showText($('message'), () => text().replace(/\/(?:uploads|loopword)\//g, ''));
  $('message').classList.toggle('warning', stickyMessage);
}

/// Sends a command, asks its question and sends it again confirmed, then shows the outcome; a sticky message stays.
/// A reply carries its message and question as data (messageLines, questionLines: each line plain text or
/// { context, pattern, values }), as the view carries its title (titleLines), for the page to show in its language.
async function run(command, args = [], confirmable = false, sticky = false) {
  $('main').setAttribute('aria-busy', String(++running > 0));
  let answer = await send(command, ...args, ...(confirmable ? [false] : []));
  if (answer.reply.questionLines?.length && window.confirm(renderedLines(answer.reply.questionLines))) answer = await send(command, ...args, true);
  const { messageLines } = answer.reply;
  if (messageLines) say(() => renderedLines(messageLines), sticky && messageLines.length > 0);
  if (answer.view) show(answer.view);
  $('main').setAttribute('aria-busy', String(--running > 0));
  return answer;
}

/// The file's placement lines: the same puzzle whatever its comments and typed letters.
function placement(file) {
  return file.split('\n').filter((line) => line && !line.startsWith('#')).join('|');
}

/// The puzzle file without the letters typed into it.
function puzzleOnly(file) {
  return file.split('\n').filter((line) => !line.startsWith('# typed ')).join('\n');
}

function store(name, value) {
  try {
    localStorage.setItem(name, value);
  } catch {
    if (!storageWarned) say(() => tr('This browser keeps no progress here (its storage is full or turned off): the letters go when the page closes.'), true);
    storageWarned = true;
  }
}

function saved(name) {
  try {
    return localStorage.getItem(name);
  } catch {
    return null;
  }
}

function forget(names) {
  try {
    for (const name of names) localStorage.removeItem(name);
  } catch {
    // Nothing was kept.
  }
}

function show(view) {
  shown = view;
  // The cell borders drawn darker than on paper, to stand out on screen.
  const picture = view.picture.replaceAll('stroke="#c0c0c0"', 'stroke="#767676"');
  const svg = new DOMParser().parseFromString(picture, 'image/svg+xml').documentElement;
  svg.setAttribute('aria-hidden', 'true');
  svg.setAttribute('translate', 'no');
  $('picture').replaceChildren(document.importNode(svg, true), ...gridRows(view));
  fitFigure($('picture').querySelector('svg'));
  $('view-button').textContent = trIn('Messages', view.caption);
  $('view-button').disabled = !view.viewButton;
  for (const button of document.querySelectorAll('[data-needs]')) button.disabled = !view[button.dataset.needs];
  $('choices').disabled = !view.commands;
  $('title').textContent = renderedLines(view.titleLines);
  $('language').value = view.language;
  if (view.language !== sheetLanguage) {
    sheetLanguage = view.language;
    send('useSheetTexts', kTranslations[sheetLanguage]?.Sheets ?? {});
  }
  showLevel(view);
  showKeyboard(view);
  showWords(view);
  if (view.file) keepProgress(view.file, view.mode === 'solving');
  tick();
}

/// Shows the figure alone, cropped to its cells: on a phone every cell is as big as the width allows.
function fitFigure(svg) {
  const cells = [...svg?.querySelectorAll('rect') ?? []].map((rect) => ['x', 'y', 'width', 'height'].map((name) => Number(rect.getAttribute(name))))
    .filter(([, , width, height]) => width === height && width > 100 && width <= 400);
  if (cells.length === 0) return;
  const left = Math.min(...cells.map(([x]) => x));
  const top = Math.min(...cells.map(([, y]) => y));
  const right = Math.max(...cells.map(([x, , size]) => x + size));
  const bottom = Math.max(...cells.map(([, y, size]) => y + size));
  const margin = 40;
  svg.setAttribute('viewBox', `${left - margin} ${top - margin} ${right - left + 2 * margin} ${bottom - top + 2 * margin}`);
  svg.removeAttribute('width');
  svg.removeAttribute('height');
}

/// The word list select: Level 1-3 of the language in use, or the user's list.
function showLevel(view) {
  $('level').value = String(view.level);
}

/// Whether `select` has an option for `value`.
function offers(select, value) {
  return [...select.options].some((option) => option.value === value);
}

/// The bytes the page carries gzipped in base64 in the script element of `type` for `language`; null for none.
async function carried(type, language) {
  const packed = document.querySelector(`script[type="${type}"][data-language="${language}"]`)?.textContent;
  if (!packed) return null;
  const gzipped = new Blob([Uint8Array.from(atob(packed), (c) => c.charCodeAt(0))]);
  return new Uint8Array(await new Response(gzipped.stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer());
}

/// The levels the page carries for `language` in one text, unpacked the first time it is asked for; none for English.
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

/// The words to find, struck through once found.
function showWords(view) {
  $('words').replaceChildren(...view.words.map(({ word, found }) => {
    const item = document.createElement('li');
    item.textContent = word;
    if (found) {
      item.className = 'found';
      item.append(Object.assign(document.createElement('span'), { className: 'visually-hidden', textContent: ` ${tr('(found)')}` }));
    }
    return item;
  }));
}

/// Whether `cells` ([square, position] pairs) hold the cell `position` of square `square`.
function among(cells = [], square, position) {
  return cells.some(([s, p]) => s === square && p === position);
}

/// The figure's squares as grid rows for screen readers, the selected cell named by aria-activedescendant.
function gridRows(view) {
  $('picture').removeAttribute('aria-activedescendant');
  return view.rings.map((ring, index) => {
    const row = document.createElement('div');
    row.setAttribute('role', 'row');
    row.className = 'visually-hidden';
    [...ring].forEach((letter, position) => {
      const cell = row.appendChild(document.createElement('div'));
      cell.setAttribute('role', 'gridcell');
      cell.id = `cell-${index + 1}-${position + 1}`;
      const selected = view.selectedSquare === index + 1 && view.selectedPosition === position + 1;
      cell.setAttribute('aria-selected', String(selected));
      if (selected) $('picture').setAttribute('aria-activedescendant', cell.id);
      const notes = [letter === ' ' ? trIn('Accessibility', 'empty') : letter];
      if (index + 1 === kGivenSquare || among(view.hints, index + 1, position + 1)) notes.push(tr('hint'));
      if (among(view.marked, index + 1, position + 1)) notes.push(tr('wrong'));
      cell.textContent = trIn('Accessibility', 'Square %1, cell %2: %3', index + 1, position + 1, notes.join(', '));
    });
    return row;
  });
}

/// Keeps the puzzle on show for the next visit and, while it is solved, its letters.
function keepProgress(file, solving) {
  const key = placement(file);
  if (clock.key !== key) {
    stopClock();
    Object.assign(clock, { key, ms: Number(saved(kTimePrefix + key)) || 0, since: 0 });
    prepareSheets(false);
  }
  if (solving) store(kProgressPrefix + key, file);
  if (solving && shown.selectedSquare && !firstPuzzleComing) store(kSquarePrefix + key, String(shown.selectedSquare));
  store(kLastPuzzle, puzzleOnly(file));
}

/// Whether every word of the puzzle being solved has been found.
function solved(view) {
  return view.words.length > 0 && view.words.every(({ found }) => found);
}

/// Counts the time while a puzzle is being solved in a visible page, and shows it.
function tick() {
  const counting = shown?.mode === 'solving' && !solved(shown) && !document.hidden;
  if (counting && !clock.since) clock.since = performance.now();
  if (!counting) stopClock();
  const seconds = Math.floor((clock.ms + (clock.since ? performance.now() - clock.since : 0)) / 1000);
  $('timer').textContent = `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, '0')}`;
}

function stopClock() {
  if (!clock.since) return;
  clock.ms += performance.now() - clock.since;
  clock.since = 0;
  if (clock.key) store(kTimePrefix + clock.key, String(Math.round(clock.ms)));
}

async function readFile(input) {
  const file = input.files[0];
  input.value = '';
  return file ? { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } : null;
}

async function chooseList() {
  const level = Number($('level').value);
  if (level === 0) {
    $('list-file').click();
    return;
  }
  userList = null;
  await run('chooseWordList', [level, '', '']);
}

async function chooseLanguage() {
  const language = $('language').value;
  store(kLanguage, language);
  await run('chooseLanguage', [language, await bundledList(language)]);
}

async function chooseStart() {
  const typed = document.querySelector('input[name=start]:checked').value === 'typed';
  if (typed) await run('enterStartWord', [$('start-word').value], false, true);
  else await run('chooseRandomStartWord');
}

function setFill() {
  return run('setFill', [$('varied').checked, $('unique').checked, $('difficulty').value]);
}

/// Says which theme words can be used while they are typed; Keep waits for a usable set.
async function reportTheme() {
  const words = $('theme-words').value;
  if (words.length > kThemeLimit) {
    showText($('theme-report'), () => tr('The theme box takes up to %1 characters, and this is %2: keep the words a puzzle can hold.', kThemeLimit, words.length));
    $('theme-keep').disabled = true;
    return;
  }
  const { reply } = await send('themeReport', words);
  showText($('theme-report'), () => renderedLines(reply.lines));
  $('theme-keep').disabled = !reply.usable;
}

/// Hands the theme words and title to the session and keeps them for the next visit.
async function keepTheme(words, title) {
  keptTheme = { words, title };
  $('theme-words').value = words;
  $('theme-title').value = title;
  store(kTheme, JSON.stringify(keptTheme));
  await run('chooseTheme', [words, title]);
  await reportTheme();
}

/// Gives a new worker the choices of the form, as after a stop: the language first, as it rules how the list is read.
async function applyChoices() {
  const language = $('language').value;
  const level = Number($('level').value);  // read first: the view after the language shows the session's level
  if (language !== 'en') await run('chooseLanguage', [language, await bundledList(language)]);
  if (userList) await run('chooseWordList', [0, userList.name, userList.bytes]);
  else await run('chooseWordList', [level, '', '']);
  await setFill();
  if ($('start-word').value) await chooseStart();
  await run('chooseTheme', [keptTheme.words, keptTheme.title]);
}

/// Seeds the next compile with the seed field's number, if any; false (and a warning that stays) for a bad one.
async function seedFromField() {
  const seed = $('seed').value.trim();
  if (seed === '' || (await send('seedNextCompile', seed)).reply) return true;
  say(() => tr('The seed "%1" is not a whole number from 0 to 18446744073709551615: no puzzle was made.', seed), true);
  return false;
}

/// Makes a puzzle; the view button stops it by ending the worker, whose successor gets the choices.
async function compile() {
  if (!(await seedFromField())) return false;
  const button = $('view-button');
  button.textContent = trIn('Messages', 'Stop');
  button.disabled = false;
  button.onclick = stopCompile;
  for (const other of document.querySelectorAll('[data-needs]')) other.disabled = true;
  await run('compile', [], true);
  button.onclick = pressViewButton;
  return true;
}

async function stopCompile() {
  worker.terminate();
  for (const resolve of pending.values()) resolve({ reply: {}, view: null });
  pending.clear();
  startWorker();
  $('view-button').onclick = pressViewButton;
  await applyChoices();
  await run('view');
}

async function pressViewButton() {
  await run('pressViewButton', [], true);
}

/// Opens the puzzle file `bytes` with the progress kept for it; a file that cannot be read leaves its warning standing.
async function openText(name, bytes, sticky = true) {
  const key = placement(new TextDecoder().decode(bytes));
  const progress = saved(kProgressPrefix + key);
  await run('open', [name, progress ?? bytes], true, sticky);
  return Boolean(shown?.file) && placement(shown.file) === key;
}

function download(name, content, type = 'text/plain') {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([content], { type }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

/// Fills the print sheets: the puzzle, and the solution too when asked.
async function prepareSheets(withSolution) {
  const { reply } = await send('sheets');
  const sheets = reply.puzzle ? [reply.puzzle, ...(withSolution ? [reply.solution] : [])] : [];
  $('print-sheets').replaceChildren(...sheets.map((sheet) =>
    document.importNode(new DOMParser().parseFromString(sheet, 'image/svg+xml').documentElement, true)));
}

/// Prints the puzzle, and the solution when asked; the browser's own Print prints the puzzle.
async function printSheets(withSolution) {
  await prepareSheets(withSolution);
  window.print();
}

/// The pupil link: this page's address with the puzzle, without the letters, after the #.
function pupilLink() {
  return `${location.origin === 'null' ? location.protocol + '//' : location.origin}${location.pathname}#${encodeURIComponent(puzzleOnly(shown.file))}`;
}

async function copyLink() {
  const link = pupilLink();
  const note = $('link-note');
  if (location.protocol === 'file:') {
    showText(note, () => tr('This page was opened from a file on this computer, so a link to it works only here. Put the page on a web server to share links, or use "%1" and give pupils that file.',
      tr('Save as web page')));
    $('export').focus();
    return;
  }
  try {
    await navigator.clipboard.writeText(link);
    showText(note, () => tr('The pupil link is copied: paste it where your class will find it. It opens this puzzle, ready to solve.'));
  } catch {
    showText(note, () => tr('Copy this pupil link: %1', link));
  }
}

/// Saves this page with the puzzle inside: whoever opens it solves that puzzle, offline.
function exportPage() {
  const file = new TextEncoder().encode(puzzleOnly(shown.file));
  const packed = btoa(String.fromCharCode(...file));
  const page = pageSource.replace(/<meta name="loopword-puzzle" content="[^"]*">/, `<meta name="loopword-puzzle" content="${packed}">`);
  download('loopword-puzzle.html', page, 'text/html');
}

async function startOver() {
  if (!window.confirm(tr('Start this puzzle over? Its letters and time go.'))) return;
  await clearPuzzle();
}

/// Clears the letters and the time of the puzzle on show and starts solving it afresh.
async function clearPuzzle() {
  const key = placement(shown.file);
  stopClock();
  forget([kProgressPrefix + key, kTimePrefix + key, kSquarePrefix + key]);
  Object.assign(clock, { key, ms: 0, since: 0 });
  await run('open', ['puzzle', puzzleOnly(shown.file), true]);
  await startSolving();
}

async function forgetAll() {
  if (!window.confirm(tr('Forget every puzzle and all progress kept in this browser? Use this on a shared computer.'))) return;
  let names = [];
  try {
    names = Object.keys(localStorage).filter((name) => name.startsWith(kStorePrefix));
  } catch {
    // Nothing was kept.
  }
  forget(names);
  if (shown?.file) await clearPuzzle();
  say(() => tr('This browser has forgotten its puzzles.'));
}

function clickCell(event) {
  const svg = $('picture').querySelector('svg');
  if (!svg || shown?.mode !== 'solving') return;
  const point = new DOMPoint(event.clientX, event.clientY).matrixTransform(svg.getScreenCTM().inverse());
  run('clickAt', [Math.round(point.x), Math.round(point.y)]);
}

/// Ctrl+Z undoes the last solving step, Ctrl+Shift+Z and Ctrl+Y do it again.
function undoCommand(event) {
  const key = event.key.toLowerCase();
  if (key === 'z') return event.shiftKey ? 'redo' : 'undo';
  return key === 'y' ? 'redo' : undefined;
}

/// Keys typed while the figure has focus: letters, Backspace, Delete, the arrows and Page Up/Down for the squares.
function typeInFigure(event) {
  if (shown?.mode !== 'solving' || event.altKey) return;
  if (event.ctrlKey || event.metaKey) {
    const command = undoCommand(event);
    if (command) {
      event.preventDefault();
      run(command);
    }
    return;
  }
  const key = { PageDown: kTab, PageUp: kBackTab }[event.key] ?? kSolvingKeys[event.key];
  if (key !== undefined) run('press', [key]);
  else if (/^\p{L}$/u.test(event.key)) run('type', [event.key.normalize('NFD')[0]]);
  else return;
  event.preventDefault();
}

/// F6 solves and F7 checks, unless a field is being typed in.
function shortcut(event) {
  if (event.target.closest?.(kFields)) return;
  const button = { F6: $('face-solve'), F7: $('check') }[event.key];
  if (!button) return;
  event.preventDefault();
  if (!button.disabled) button.click();
}

function keyButton(label, name, press) {
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = label;
  if (name) button.setAttribute('aria-label', name);
  button.addEventListener('click', press);
  return button;
}

/// The on-screen keyboard while solving, laid out as the puzzle language's keyboard.
function showKeyboard(view) {
  $('keyboard').hidden = view.mode !== 'solving' || document.body.dataset.face !== 'solve';
  const layout = kKeyboardOf[view.language] ?? 'qwerty';
  if (layout === keyboardLayout) return;
  keyboardLayout = layout;
  const rows = kKeyboards[layout].map((letters) => [...letters].map((letter) =>
    Object.assign(keyButton(letter, '', () => run('type', [letter])), { translate: false })));
  rows.push([
    keyButton('⇤', tr('Previous square'), () => run('press', [kBackTab])),
    keyButton('←', tr('Left'), () => run('press', [kSolvingKeys.ArrowLeft])),
    keyButton('→', tr('Right'), () => run('press', [kSolvingKeys.ArrowRight])),
    keyButton('⇥', tr('Next square'), () => run('press', [kTab])),
    keyButton('⌫', tr('Backspace'), () => run('press', [kSolvingKeys.Backspace])),
    keyButton(tr('Check'), '', check),
  ]);
  $('keyboard').replaceChildren(...rows.map((keys) => {
    const row = document.createElement('div');
    row.className = 'keys';
    row.append(...keys);
    return row;
  }));
}

/// Checks the letters and says how many are wrong, for everyone and for screen readers, unless the session spoke.
async function check() {
  const { reply } = await run('check');
  if (reply.messageLines?.length || shown?.mode !== 'solving') return;
  const wrong = shown.marked.length;
  if (wrong === 0) say(() => tr('Check: every letter so far is right.'));
  else if (wrong === 1) say(() => tr('Check: 1 letter is wrong, marked in the figure.'));
  else say(() => tr('Check: %1 letters are wrong, marked in the figure.', wrong));
}

async function startSolving() {
  if (shown?.puzzle && shown.mode !== 'solving') await run('startSolving');
}

/// Selects the square `square` was being solved when the page was left, going from square to square.
async function returnToSquare(square) {
  for (let step = 0; square && shown?.mode === 'solving' && shown.selectedSquare !== square && step < 24; ++step) {
    await run('press', [kTab]);
  }
}

/// Shows the face to solve (starting to solve the puzzle on show) or the face to make puzzles.
async function showFace(face) {
  document.body.dataset.face = face;
  $('make').hidden = face !== 'make';
  $('face-solve').setAttribute('aria-pressed', String(face === 'solve'));
  $('face-make').setAttribute('aria-pressed', String(face === 'make'));
  if (face === 'solve') await startSolving();
  if (shown) showKeyboard(shown);
}

function wire() {
  document.addEventListener('pointerdown', () => { stickyMessage = false; }, true);
  document.addEventListener('keydown', (event) => { if (!['Shift', 'Control', 'Alt', 'Meta'].includes(event.key)) stickyMessage = false; }, true);
  $('face-solve').addEventListener('click', () => showFace('solve'));
  $('face-make').addEventListener('click', () => showFace('make'));
  $('level').addEventListener('change', chooseList);
  $('language').addEventListener('change', chooseLanguage);
  $('page-language').addEventListener('change', () => {
    store(kPageLanguage, $('page-language').value);
    usePageLanguage($('page-language').value);
  });
  $('list-file').addEventListener('change', async () => {
    userList = await readFile($('list-file')) ?? userList;
    if (userList) await run('chooseWordList', [0, userList.name, userList.bytes], false, true);
    else showLevel(shown);
  });
  for (const radio of document.querySelectorAll('input[name=start]')) radio.addEventListener('change', chooseStart);
  $('start-word').addEventListener('change', () => {
    document.querySelector('input[name=start][value=typed]').checked = true;
    chooseStart();
  });
  for (const choice of [$('varied'), $('unique'), $('difficulty')]) choice.addEventListener('change', setFill);
  $('theme-words').addEventListener('input', reportTheme);
  $('theme-keep').addEventListener('click', () => keepTheme($('theme-words').value, $('theme-title').value));
  $('theme-clear').addEventListener('click', () => keepTheme('', ''));
  $('compile').addEventListener('click', () => compile());
  $('view-button').onclick = pressViewButton;
  $('check').addEventListener('click', check);
  $('reveal').addEventListener('click', () => run('reveal'));
  $('undo').addEventListener('click', () => run('undo'));
  $('redo').addEventListener('click', () => run('redo'));
  $('start-over').addEventListener('click', startOver);
  $('open').addEventListener('click', () => $('puzzle-file').click());
  $('puzzle-file').addEventListener('change', async () => {
    const file = await readFile($('puzzle-file'));
    if (file) await openText(file.name, file.bytes);
  });
  $('save').addEventListener('click', () => download('puzzle.loopword', puzzleOnly(shown.file)));
  $('print').addEventListener('click', () => printSheets(false));
  $('print-both').addEventListener('click', () => printSheets(true));
  $('copy-link').addEventListener('click', copyLink);
  $('export').addEventListener('click', exportPage);
  $('forget').addEventListener('click', forgetAll);
  $('guide').addEventListener('click', openGuide);
  $('picture').addEventListener('click', (event) => {
    clickCell(event);
    $('picture').focus({ preventScroll: true });
  });
  $('picture').addEventListener('keydown', typeInFigure);
  document.addEventListener('keydown', shortcut);
  document.addEventListener('visibilitychange', () => {
    send('pauseClock', document.hidden);
    tick();
  });
  window.addEventListener('afterprint', () => prepareSheets(false));
  setInterval(tick, 1000);
}

/// The choices the address gives: ?level=2&language=de&seed=77&varied=1&unique=1&difficulty=hard&start=WORD;
/// the language chosen last here when the address gives none, else the page's language.
async function applyAddress(query) {
  if (['1', '2', '3'].includes(query.get('level'))) $('level').value = query.get('level');
  if (!saved(kLanguage)) store(kLanguage, pageLanguage);  // a first visit makes puzzles in the page's language
  const language = query.get('language') ?? saved(kLanguage);
  if (offers($('language'), language)) $('language').value = language;
  if (offers($('difficulty'), query.get('difficulty'))) $('difficulty').value = query.get('difficulty');
  $('varied').checked = query.get('varied') === '1';
  $('unique').checked = query.get('unique') === '1';
  $('seed').value = query.get('seed') ?? '';
  if (query.get('start')) {
    $('start-word').value = query.get('start');
    document.querySelector('input[name=start][value=typed]').checked = true;
  }
  await applyChoices();
}

/// The puzzle a page exported by the desktop program or by "Save as web page" carries, as bytes; null for none.
function embeddedPuzzle() {
  const content = document.querySelector('meta[name=loopword-puzzle]').content;
  try {
    return content ? Uint8Array.from(atob(content), (c) => c.charCodeAt(0)) : null;
  } catch {
    say(() => tr('The puzzle inside this page is damaged and cannot be read.'), true);
    return null;
  }
}

/// The puzzle after the # of the address, as bytes; null for none or a damaged link (which leaves a warning).
function linkedPuzzle() {
  if (location.hash.length <= 1) return null;
  try {
    return new TextEncoder().encode(decodeURIComponent(location.hash.slice(1)));
  } catch {
    say(() => tr('This link is damaged: the puzzle after its # cannot be read. Ask for the link again.'), true);
    return null;
  }
}

/// The first puzzle: the one the link or the page carries; the one a seed in the address makes; the one on show
/// here last; or a new one; always ready to solve, with the letters typed into it before.
async function firstPuzzle() {
  const query = new URLSearchParams(location.search);
  keptTheme = { ...keptTheme, ...JSON.parse(saved(kTheme) ?? '{}') };
  $('theme-words').value = keptTheme.words;
  $('theme-title').value = keptTheme.title;
  await applyAddress(query);
  await reportTheme();
  const given = linkedPuzzle() ?? embeddedPuzzle();
  const last = saved(kLastPuzzle);
  let opened = Boolean(given) && await openText(tr('the puzzle in the link'), given);
  if (!opened && query.has('seed') && await compile()) opened = await openText(tr('the puzzle made'), new TextEncoder().encode(shown.file));
  if (!opened && last) opened = await openText(tr('the puzzle kept here'), new TextEncoder().encode(last), false);
  if (!opened) {
    $('seed').value = '';
    await compile();
  }
  await startSolving();
  await returnToSquare(Number(saved(kSquarePrefix + placement(shown?.file ?? ''))));
  firstPuzzleComing = false;
  performance.mark('first-puzzle');
}

async function main() {
  collectPageTexts();
  fillLanguageMenus();
  usePageLanguage(firstPageLanguage());
  wire();
  startWorker();
  await run('startMessages');
  await firstPuzzle();
}

main();
