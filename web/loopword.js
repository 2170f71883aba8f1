// The page's script: passes the user's commands to the session in a worker and shows what it answers.
'use strict';

const $ = (id) => document.getElementById(id);
const kSolvingKeys = { Backspace: 0, Delete: 1, ArrowLeft: 2, ArrowRight: 3, ArrowUp: 4, ArrowDown: 5 };
const kTab = 6;
const kBackTab = 7;
const kProgressPrefix = 'loopword:puzzle:';
const kLastPuzzle = 'loopword:last';
const kTheme = 'loopword:theme';
const kLanguage = 'loopword:language';

let worker = null;
let nextId = 0;
const pending = new Map();
let shown = null;  // the view last shown
let running = 0;  // commands sent and not yet shown
let userList = null;  // the word list file the user picked: { name, bytes }
let keptTheme = { words: '', title: '' };  // the theme words and title kept last
const unpackedLists = new Map();  // language code → promise of its bundled word list's bytes

function startWorker() {
  const source = $('loopword-worker').textContent;
  worker = new Worker(URL.createObjectURL(new Blob([source], { type: 'text/javascript' })));
  worker.onmessage = ({ data }) => {
    pending.get(data.id)(data);
    pending.delete(data.id);
  };
  worker.onerror = (event) => say(`Loopword stopped working: ${event.message}`);
}

function send(command, ...args) {
  return new Promise((resolve) => {
    const id = nextId++;
    pending.set(id, resolve);
    worker.postMessage({ id, command, args });
  });
}

function say(message) {
  $('message').textContent = message;
}

/// Sends a command, asks its question and sends it again confirmed, then shows the outcome. A reply carries its
/// message and question in English and as data (messageLines, questionLines: each line plain text or
/// { context, pattern, values }), as the view carries its title (titleLines), for the page to translate them.
async function run(command, args = [], confirmable = false) {
  $('main').setAttribute('aria-busy', String(++running > 0));
  let answer = await send(command, ...args, ...(confirmable ? [false] : []));
  if (answer.reply.question && window.confirm(answer.reply.question)) answer = await send(command, ...args, true);
  if (typeof answer.reply.message === 'string') say(answer.reply.message);
  if (answer.view) show(answer.view);
  $('main').setAttribute('aria-busy', String(--running > 0));
  return answer;
}

/// The file's placement lines: the same puzzle whatever its comments and typed letters.
function puzzleKey(file) {
  return kProgressPrefix + file.split('\n').filter((line) => line && !line.startsWith('#')).join('|');
}

function store(name, value) {
  try {
    localStorage.setItem(name, value);
  } catch {
    // Private windows and full storage keep no progress; the page works on without it.
  }
}

function show(view) {
  shown = view;
  const svg = new DOMParser().parseFromString(view.picture, 'image/svg+xml').documentElement;
  $('picture').replaceChildren(document.importNode(svg, true));
  $('view-button').textContent = view.caption;
  $('view-button').disabled = !view.viewButton;
  for (const button of document.querySelectorAll('[data-needs]')) button.disabled = !view[button.dataset.needs];
  $('choices').disabled = !view.commands;
  $('title').textContent = view.title;
  $('language').value = view.language;
  showLevel(view);
  $('keyboard').hidden = view.mode !== 'solving';
  showText(view);
  if (view.file) keepProgress(view.file);
}

/// The word list select: Level 1-3 of the language in use, or the user's list.
function showLevel(view) {
  $('level').value = String(view.level);
}

/// Whether `select` has an option for `value`.
function offers(select, value) {
  return [...select.options].some((option) => option.value === value);
}

/// The levels the page carries for `language` in one text, unpacked the first time it is asked for; none for English.
function bundledList(language) {
  if (language === 'en') return Promise.resolve('');
  if (!unpackedLists.has(language)) {
    const packed = document.querySelector(`script[data-language="${language}"]`).textContent;
    const gzipped = new Blob([Uint8Array.from(atob(packed), (c) => c.charCodeAt(0))]);
    const list = new Response(gzipped.stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
    unpackedLists.set(language, list.then((bytes) => new Uint8Array(bytes)));
  }
  return unpackedLists.get(language);
}

/// The word list and the letters round each square as text, for screen readers, search and copy.
function showText(view) {
  $('words').replaceChildren(...view.words.map(({ word, found }) => {
    const item = document.createElement('li');
    item.textContent = found ? `${word} (found)` : word;
    return item;
  }));
  $('grid').replaceChildren(...view.rings.map((ring, index) => {
    const row = document.createElement('div');
    row.setAttribute('role', 'row');
    row.setAttribute('aria-label', `Square ${index + 1}`);
    [...ring].forEach((letter, position) => {
      const cell = row.appendChild(document.createElement('div'));
      cell.setAttribute('role', 'gridcell');
      const selected = view.selectedSquare === index + 1 && view.selectedPosition === position + 1;
      if (selected) cell.setAttribute('aria-selected', 'true');
      cell.textContent = `Square ${index + 1}, cell ${position + 1}: ${letter === ' ' ? 'empty' : letter}`;
    });
    return row;
  }));
}

function keepProgress(file) {
  store(puzzleKey(file), file);
  store(kLastPuzzle, file);
  const puzzleOnly = file.split('\n').filter((line) => !line.startsWith('# typed ')).join('\n');
  $('link').href = `#${encodeURIComponent(puzzleOnly)}`;
  $('link').hidden = false;
}

function saved(name) {
  try {
    return localStorage.getItem(name);
  } catch {
    return null;
  }
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
  if (typed) await run('enterStartWord', [$('start-word').value]);
  else await run('chooseRandomStartWord');
}

function setFill() {
  return run('setFill', [$('varied').checked, $('unique').checked, $('difficulty').value]);
}

/// Says which theme words can be used while they are typed; Keep waits for a usable set.
async function reportTheme() {
  const { reply } = await send('themeReport', $('theme-words').value);
  $('theme-report').textContent = reply.text;
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

/// Compiles a puzzle; the view button stops it by ending the worker, whose successor gets the choices.
async function compile(seed) {
  if (seed !== undefined && !(await send('seedNextCompile', seed)).reply) say('The seed in the address is not a whole number from 0 to 18446744073709551615.');
  const button = $('view-button');
  button.textContent = 'Stop';
  button.disabled = false;
  button.onclick = stopCompile;
  for (const other of document.querySelectorAll('[data-needs]')) other.disabled = true;
  await run('compile', [], true);
  button.onclick = pressViewButton;
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

async function openText(name, bytes) {
  const progress = saved(puzzleKey(new TextDecoder().decode(bytes)));
  await run('open', [name, progress ?? bytes], true);
}

function download(name, text) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

async function print() {
  const { reply } = await send('sheets');
  const sheets = [reply.puzzle, ...($('print-solution').checked ? [reply.solution] : [])];
  $('print-sheets').replaceChildren(...sheets.map((sheet) =>
    document.importNode(new DOMParser().parseFromString(sheet, 'image/svg+xml').documentElement, true)));
  window.print();
}

function clickCell(event) {
  const svg = $('picture').querySelector('svg');
  if (!svg || shown?.mode !== 'solving') return;
  const point = new DOMPoint(event.clientX, event.clientY).matrixTransform(svg.getScreenCTM().inverse());
  run('clickAt', [Math.round(point.x), Math.round(point.y)]);
}

function solvingKey(event) {
  if (event.key === 'Tab' && shown?.mode === 'solving') return event.shiftKey ? kBackTab : kTab;
  return kSolvingKeys[event.key];
}

/// Ctrl+Z undoes the last solving step, Ctrl+Shift+Z and Ctrl+Y do it again.
function undoCommand(event) {
  const key = event.key.toLowerCase();
  if (key === 'z') return event.shiftKey ? 'redo' : 'undo';
  return key === 'y' ? 'redo' : undefined;
}

function typeKey(event) {
  if (event.key === 'F5' || event.key === 'F6' || event.key === 'F7') {
    event.preventDefault();
    ({ F5: $('compile'), F6: $('solve'), F7: $('check') })[event.key].click();
    return;
  }
  if (shown?.mode !== 'solving' || event.altKey) return;
  if (event.ctrlKey || event.metaKey) {
    const command = undoCommand(event);
    if (command) {
      event.preventDefault();
      run(command);
    }
    return;
  }
  const key = solvingKey(event);
  if (key !== undefined) run('press', [key]);
  else if (/^[a-z]$/i.test(event.key)) run('type', [event.key]);
  else return;
  event.preventDefault();
}

function buildKeyboard() {
  const keys = [...'ABCDEFGHIJKLMNOPQRSTUVWXYZ'].map((letter) => [letter, () => run('type', [letter])]);
  keys.push(['⌫', () => run('press', [kSolvingKeys.Backspace])], ['←', () => run('press', [kSolvingKeys.ArrowLeft])],
    ['→', () => run('press', [kSolvingKeys.ArrowRight])]);
  $('keyboard').replaceChildren(...keys.map(([label, press]) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = label;
    if (label.length > 1 || !/[A-Z]/.test(label)) button.setAttribute('aria-label', { '⌫': 'Backspace', '←': 'Left', '→': 'Right' }[label]);
    button.addEventListener('click', press);
    return button;
  }));
}

function wire() {
  $('level').addEventListener('change', chooseList);
  $('language').addEventListener('change', chooseLanguage);
  $('list-file').addEventListener('change', async () => {
    userList = await readFile($('list-file')) ?? userList;
    if (userList) await run('chooseWordList', [0, userList.name, userList.bytes]);
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
  $('solve').addEventListener('click', async () => {
    await run('startSolving');
    $('picture').focus();
  });
  $('check').addEventListener('click', () => run('check'));
  $('reveal').addEventListener('click', () => run('reveal'));
  $('open').addEventListener('click', () => $('puzzle-file').click());
  $('puzzle-file').addEventListener('change', async () => {
    const file = await readFile($('puzzle-file'));
    if (file) await openText(file.name, file.bytes);
  });
  $('save').addEventListener('click', () => download('puzzle.loopword', shown.file));
  $('print').addEventListener('click', print);
  $('picture').addEventListener('click', clickCell);
  document.addEventListener('keydown', typeKey);
  document.addEventListener('visibilitychange', () => send('pauseClock', document.hidden));
  buildKeyboard();
}

/// The choices the address gives: ?level=2&language=de&seed=77&varied=1&unique=1&difficulty=hard&start=WORD;
/// the language chosen last here when the address gives none.
async function applyAddress(query) {
  if (['1', '2', '3'].includes(query.get('level'))) $('level').value = query.get('level');
  const language = query.get('language') ?? saved(kLanguage);
  if (offers($('language'), language)) $('language').value = language;
  if (offers($('difficulty'), query.get('difficulty'))) $('difficulty').value = query.get('difficulty');
  $('varied').checked = query.get('varied') === '1';
  $('unique').checked = query.get('unique') === '1';
  if (query.get('start')) {
    $('start-word').value = query.get('start');
    document.querySelector('input[name=start][value=typed]').checked = true;
  }
  await applyChoices();
}

/// The puzzle a page exported by the desktop program carries, as bytes; null for none.
function embeddedPuzzle() {
  const content = document.querySelector('meta[name=loopword-puzzle]').content;
  return content ? Uint8Array.from(atob(content), (c) => c.charCodeAt(0)) : null;
}

/// The first puzzle: the one in the address fragment or carried by the page, ready to solve; a
/// compile the address asks for; the last one solved here; or a new one. A puzzle solved here
/// before comes back with its letters.
async function firstPuzzle() {
  const query = new URLSearchParams(location.search);
  keptTheme = { ...keptTheme, ...JSON.parse(saved(kTheme) ?? '{}') };
  $('theme-words').value = keptTheme.words;
  $('theme-title').value = keptTheme.title;
  await applyAddress(query);
  await reportTheme();
  const fragment = decodeURIComponent(location.hash.slice(1));
  const given = fragment ? new TextEncoder().encode(fragment) : embeddedPuzzle();
  const last = saved(kLastPuzzle);
  if (given) await openText('the puzzle given', given);
  else if (!query.has('seed') && last) await openText('saved puzzle', new TextEncoder().encode(last));
  else await compile(query.get('seed') ?? undefined);
  const progress = shown.file && saved(puzzleKey(shown.file));
  if (progress && progress !== shown.file) await run('open', ['saved puzzle', progress], true);
  if (given && shown.mode === 'solution') await run('startSolving');
  performance.mark('first-puzzle');
}

async function main() {
  wire();
  startWorker();
  const { reply } = await run('startMessages');
  if (reply.message) say(reply.message);
  await firstPuzzle();
}

main();
