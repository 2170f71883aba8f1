// The page's script: wires the page to the session in a worker, shows the view and reply it answers with, keeps what
// the reply says to keep.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const $ = (id) => document.getElementById(id);
// "site": the page put on a web host, which fetches its parts beside it; "file": the one file that carries them.
const kForm = document.querySelector('meta[name=loopword-form]').content;
// The one-file page as it came, before the script changed it: "Save as web page" writes it with the puzzle inside.
const pageSource = kForm === 'file' ? `<!DOCTYPE html>\n${document.documentElement.outerHTML}` : null;
const kStore = 'loopword:';
const kLanguageNames = Object.fromEntries([...$('page-language').options].map((option) => [option.value, option.text]));
// The page's translations per language (its texts, the messages, the sheets' words), made from the .ts files.
let kTranslations = {};
const translationsRead = new Map();  // a language code, or "all" for the whole table → the promise of it read
let sessionStarted = false;

let worker = null;
// The module the worker runs: "solve" opens and solves a puzzle made elsewhere and is small, so the page starts with
// it; "make" is the whole session, fetched (or, in the one file, unpacked) once the page has a puzzle to make.
let runningModule = null;
let makeCode = null;  // the promise of the make module's code, fetched once (null where it could not be had)
let switching = null;  // the promise of the make module's worker taking over, true once it has
const listsAhead = new Map();  // language code → { levels, bytes }: its word lists fetched with the make module
// The commands only the make module answers: the page moves to it first.
const kMakingCommands = new Set(['provideLists', 'compile', 'choose', 'chooseTheme', 'checkTheme', 'chooseWordList',
  'makeClassSet', 'classLink', 'learningPackage', 'readResults']);
// The commands that start a worker's session: given at once, while every other waits until its first puzzle is shown.
const kStartingCommands = new Set(['provideLists', 'newSession', 'useTranslations', 'usePageLanguage', 'start']);
let starting = null;  // while a worker's session starts, the promise of its first puzzle
let started = () => {};  // resolves `starting`
// The puzzle a new visitor starts with in each language, made with the page.
const kReadyPuzzles = JSON.parse($('ready-puzzles')?.textContent || '{}');
let sessionLanguage = 'en';  // the language of the session's word lists and puzzles
let nextId = 0;
const pending = new Map();
let shown = null;  // the view last shown
let shownChoices = null;  // the choices the fields show
let running = 0;  // commands sent and not yet shown
let pageLanguage = 'en';
let sheetsKey = null;  // the puzzle the print sheets show
let drawnFigure = null;  // the figure's markup last drawn
let messageText = () => '';  // what the message says, in the page's language
let restarted = null;  // the promise of the worker started again after its module died
let storageWarned = false;  // whether the page said that the browser keeps nothing
let themeTyping = null;  // the moment after the last key in the theme box or title, when they are used
const pageTexts = [];  // the page's own English texts: { node, attribute } or { node, before, after }, and the text

/// The page's `text` in its language, English where there is no translation.
const translated = (text) => kTranslations[pageLanguage]?.WebPage?.[text] ?? text;

/// The page's `text` in its language, %1 … %9 filled with `values`.
function tr(text, ...values) {
  return translated(text).replace(/%([1-9])/g, (place, n) => (n <= values.length ? String(values[n - 1]) : place));
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
      for (const attribute of ['aria-label', 'placeholder', 'title'].filter((name) => /\p{L}/u.test(node.getAttribute(name) ?? ''))) {
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
    if (attribute) node.setAttribute(attribute, translated(text));
    else node.textContent = before + translated(text) + after;
  }
  $('message').textContent = messageText();
  if (sessionStarted) send('usePageLanguage', language).then(() => Promise.all([send('view').then(({ result }) => result && show(result)), reportTheme()]));
}

/// What `use()` gives, or `otherwise` where it throws (a storage that is off, damaged text).
function attempt(use, otherwise = null) {
  try {
    return use();
  } catch {
    return otherwise;
  }
}

/// Writes the entry `name` the browser keeps for the page (null drops it); whether it could.
const store = (name, value) => attempt(() => (value === null ? localStorage.removeItem(kStore + name) : localStorage.setItem(kStore + name, value)) ?? true, false);
/// The entries the browser keeps for the page, by name without its prefix; none where its storage is off.
const keptEntries = () => attempt(() => Object.fromEntries(Object.keys(localStorage).filter((name) => name.startsWith(kStore))
  .map((name) => [name.slice(kStore.length), localStorage.getItem(name)])), {});

/// Keeps what a command's reply says the browser keeps; a full or closed storage keeps nothing, which is said once.
function keep({ keep: changes = {}, forget }) {
  if (platform) return;  // a learning platform keeps the learner's progress, not this (perhaps shared) browser
  if (forget) Object.keys(keptEntries()).forEach((name) => store(name, null));
  if (Object.entries(changes).map(([name, value]) => store(name, value)).every(Boolean) || storageWarned) return;
  storageWarned = true;
  say(() => tr('This browser keeps no progress here (its storage is full or turned off): the letters go when the page closes.'), true);
}

/// The bytes of `stream` unzipped.
const gunzipped = (stream) => new Response(stream.pipeThrough(new DecompressionStream('gzip'))).arrayBuffer().then((bytes) => new Uint8Array(bytes));

/// The bytes of the one file's part `name`, unzipped, or null: made from the part it was written against, or cut from
/// those carried with it.
async function unpackedPart(name) {
  const part = document.querySelector(`script[type="application/x-loopword-data"][data-name~="${name}"]`);
  const packed = part && sevenBitBytes(part.textContent);
  if (!packed) return null;
  const bytes = await gunzipped(new Blob([packed]).stream());
  if (part.dataset.against) return patched(await unpackedPart(part.dataset.against), bytes);
  const at = part.dataset.name.split(' ').indexOf(name);
  const lengths = (part.dataset.lengths ?? String(bytes.length)).split(' ').map(Number);
  const start = lengths.slice(0, at).reduce((sum, length) => sum + length, 0);
  return bytes.subarray(start, start + lengths[at]);
}

/// The bytes of the part `name` the hosted page carries inside it (the solve module's script and code), or null.
function carriedPart(name) {
  const part = document.querySelector(`script[type="application/x-loopword-part"][data-name="${name}"]`);
  if (!part) return null;
  const text = part.textContent;
  if (!part.hasAttribute('data-base64')) return new TextEncoder().encode(text);
  return Uint8Array.fromBase64?.(text) ?? Uint8Array.from(atob(text), (character) => character.charCodeAt(0));
}

const fetchedParts = new Set();  // the parts the hosted page fetched: kept for use offline once its service worker runs

/// The bytes of the page's part `name` ("lists/de.words", …), unpacked or fetched (gzipped if it can); null for none.
async function resource(name) {
  try {
    const carried = kForm === 'site' ? carriedPart(name) : null;
    if (carried) return carried;
    if (kForm === 'file') return await unpackedPart(name);
    const zipped = 'DecompressionStream' in window ? await fetch(`${name}.gz`).catch(() => null) : null;
    fetchedParts.add(zipped?.ok ? `${name}.gz` : name);
    if (zipped?.ok) return await gunzipped(zipped.body);
    const plain = await fetch(name);
    return plain.ok ? new Uint8Array(await plain.arrayBuffer()) : null;
  } catch {
    return null;
  }
}

let qrEncoder = null;  // the promise of the QR code encoder, loaded when the face to make puzzles, a link or a print first needs it
let qrEncoderLoaded = null;  // the encoder once loaded

/// The QR code encoder (qrcode-generator, from npm): the hosted page's script beside it, or the one file's part run as
/// a script of the page; null where it could not be had.
function loadQrEncoder() {
  qrEncoder ??= new Promise((resolve) => {
    const script = document.createElement('script');
    const loaded = () => {
      resolve(qrEncoderLoaded = window.qrcode ?? null);
      drawScanLinks();  // into the sheets made before it was loaded
    };
    if (kForm === 'site') {
      fetchedParts.add('qrcode.js');
      Object.assign(script, { src: 'qrcode.js', onload: loaded, onerror: loaded });
      return document.head.append(script);
    }
    resource('qrcode.js').then((bytes) => {
      if (bytes) document.head.append(Object.assign(script, { textContent: new TextDecoder().decode(bytes) }));
      loaded();
    });
  }).then((encoder) => encoder ?? (qrEncoder = null));  // tried again next time
  return qrEncoder;
}

/// `link` as a QR code (SVG, black on white, its quiet zone round it), error correction `level` ("L" … "H").
function qrCode(encoder, link, level) {
  const code = encoder(0, level);
  code.addData(link);
  code.make();
  return code.createSvgTag({ cellSize: 4, margin: 16, scalable: true });
}

/// The page's own address, without its query and link: what the pupil and class links open.
const pageAddress = () => `${location.origin}${location.pathname}`;

/// Draws into each printed puzzle the QR code of its pupil link and what it is for, once the encoder is loaded; a
/// page opened from disk, whose links work only on this computer, prints none.
function drawScanLinks() {
  for (const place of $('print-sheets').querySelectorAll('.scan-link')) {
    if (location.protocol === 'file:') place.remove();
    else if (qrEncoderLoaded) place.innerHTML = `${qrCode(qrEncoderLoaded, `${pageAddress()}#${place.dataset.link}`, 'L')}<span></span>`;
    place.querySelector('span')?.append(tr('Scan to solve on a phone'));
  }
}

/// Shows `link` as a QR code filling most of the screen, the link under it, until Close or Escape.
async function showLinkCode(link) {
  const encoder = await loadQrEncoder();
  if (!encoder) return;
  $('link-code-picture').innerHTML = qrCode(encoder, link, 'M');
  $('link-code-link').textContent = link;
  const opener = document.activeElement;
  $('link-code').addEventListener('close', () => opener?.focus(), { once: true });
  $('link-code').showModal();
}

/// The code of `module` ("solve" or "make"): the make module's compiled as it downloads for the hosted page (null where
/// the host does not serve it as application/wasm: the worker fetches it itself), else read from inside the page.
function moduleCode(module) {
  if (kForm === 'file' || module === 'solve') return resource(`loopword_${module}.wasm`);
  return WebAssembly.compileStreaming(fetch(`loopword_${module}.wasm`)).catch(() => null);
}

/// Fetches the make module while the page is used, unless it is on its way: its script, its code compiled and the
/// word lists of `language` it will read, its first `levels` (the one file reads its code from inside). Null where it
/// could not be had (offline before it was ever fetched).
function fetchMakeModule(language = sessionLanguage, levels = 3) {
  if (makeCode) return makeCode;
  if (!listsAhead.has(language)) listsAhead.set(language, wordLists(language, levels));
  if (kForm === 'file') {
    makeCode = resource('loopword_make.wasm');
  } else {
    const script = fetch('loopword_make.js').then((answer) => answer.ok, () => false);
    const code = fetch('loopword_make.wasm').then((answer) => (answer.ok ? WebAssembly.compileStreaming(answer).catch(() => 'fetch') : null), () => null);
    makeCode = Promise.all([script, code]).then(([scripted, compiled]) => (scripted && compiled ? compiled : null));
  }
  makeCode.then((code) => {
    if (!code) makeCode = null;  // tried again next time
    else if (kForm === 'site') fetchedParts.add('loopword_make.js').add('loopword_make.wasm');
  });
  return makeCode;
}

/// Starts the worker of `module` and gives it the module's code.
async function startWorker(module, code) {
  if (kForm === 'site' && module === 'make') {
    worker = new Worker('loopword_make.js');
  } else {
    const script = await resource(`loopword_${module}.js`);
    worker = new Worker(URL.createObjectURL(new Blob([script], { type: 'text/javascript' })));
  }
  worker.onmessage = ({ data }) => {
    if (data.id === undefined) return show(data.view);  // a compile as it goes
    if (data.progress) return showProgress(data.progress);  // a class set as it is made
    if (data.reply) keep(data.reply);
    if (data.reply?.platform) tellPlatform(data.reply.platform);
    if (data.error) failed(data.error);
    pending.get(data.id)?.(data);
    pending.delete(data.id);
  };
  worker.onerror = (event) => say(() => tr('Loopword stopped working: %1', event.message), true);
  const wasm = await code;
  worker.postMessage({ command: 'load', args: [wasm === 'fetch' ? null : wasm] }, wasm instanceof Uint8Array ? [wasm.buffer] : []);
}

/// Moves the page to the make module, once: its worker starts from what the browser keeps, as a reload does, so the
/// puzzle on show comes back with its letters, time and cell. Whether it runs; where it could not be had, says so and
/// solving goes on.
function useMakeModule() {
  if (runningModule === 'make') return Promise.resolve(true);
  switching ??= (async () => {
    busy(1);
    const code = await fetchMakeModule();
    if (!code) {
      say(() => tr('The part of Loopword that makes puzzles could not be fetched: connect to the internet and try again. Solving goes on.'), true);
      busy(-1);
      switching = null;
      return false;
    }
    holdCommands();
    await post('compiling');  // what the solve module was given is answered, and kept, before it goes
    endWorker({});
    try {
      await startSession(keptHere(), 'make', code);
      await firstPuzzle(keptHere());
    } finally {
      releaseCommands();
    }
    provideLists($('language').value);
    busy(-1);
    return true;
  })();
  return switching;
}

/// The translations of the page's texts in `languages`, or in every language where none is named, each read once (a
/// table that could not be had is fetched again when next wanted) and given to the session once it is there: the hosted
/// page fetches a language's own file for its first screen, and the whole table after it (the one file carries the
/// whole table alone).
function readTranslations(...languages) {
  const names = languages.length ? languages.filter((code) => code !== 'en' && code in kLanguageNames) : ['all'];
  return Promise.all(names.map((name) => {
    const key = kForm === 'file' || translationsRead.has('all') ? 'all' : name;
    if (!translationsRead.has(key)) {
      translationsRead.set(key, resource(key === 'all' ? 'texts.json' : `texts/${key}.json`).then((bytes) => {
        const table = bytes && attempt(() => JSON.parse(new TextDecoder().decode(bytes)));
        if (table?.constructor !== Object) return translationsRead.delete(key);  // fetched again when next wanted
        kTranslations = { ...kTranslations, ...table };
        if (sessionStarted) send('useTranslations', kTranslations);
      }));
    }
    return translationsRead.get(key);
  }));
}

/// Ends the worker, its commands still waiting answered with `answer`.
function endWorker(answer) {
  worker.terminate();
  for (const resolve of pending.values()) resolve(answer);
  pending.clear();
}

/// Holds the commands given from now until the worker's session has shown its first puzzle (see `send`).
function holdCommands() {
  starting ??= new Promise((resolve) => { started = resolve; });
}
function releaseCommands() {
  started();
  starting = null;
}

/// Gives the worker `command` once its session can take it; the answer. A command of the make module moves the page
/// to it first.
async function send(command, ...args) {
  if (runningModule === 'solve' && kMakingCommands.has(command) && !(await useMakeModule())) return {};
  while (starting && !kStartingCommands.has(command)) await starting;
  return post(command, args);
}
/// Gives the worker `command` at once; the answer.
const post = (command, args = []) => new Promise((resolve) => pending.set(nextId, resolve) && worker.postMessage({ id: nextId++, command, args }));

/// Shows the message `text()`: a status, or a warning (or an error), which looks it and stays until the next command.
function say(text, warning = false) {
  messageText = text;
  $('message').textContent = text();
  $('message').classList.toggle('warning', warning);
}

/// Marks the page busy while commands are on their way, and not once they are answered.
function busy(commands) {
  running += commands;
  $('main').setAttribute('aria-busy', String(running > 0));
}

/// Keeps the page busy while `work` (an async function) runs; what it gives.
async function whileBusy(work) {
  busy(1);
  try {
    return await work();
  } finally {
    busy(-1);
  }
}

/// Sends a command, asks its question and sends it again confirmed, then shows the view it leaves and what it said
/// (a `quiet` command leaves the message standing when it says nothing). A command that failed shows what the error
/// says; the answer either way.
async function run(command, args = [], confirmable = false, quiet = false) {
  if (themeTyping !== null && command !== 'chooseTheme' && !kStartingCommands.has(command)) await useThemeBox();  // what was typed is used first
  return whileBusy(async () => {
    let answer = await send(command, ...args, ...(confirmable ? [false] : []));
    if (answer.reply?.question && window.confirm(answer.reply.question)) answer = await send(command, ...args, true);
    const { view, reply } = answer;
    if (reply && (reply.message || !quiet)) say(() => reply.message, reply.kind !== 'status');
    if (view) show(view);
    if (reply?.needsMaking) await useMakeModule();  // the puzzle asked for is to be made: the make module makes it
    return answer;
  });
}

/// Tells that a command failed, the browser's entries untouched; where the worker's module died with it, starts a new
/// worker from what the browser keeps.
function failed(error) {
  const told = () => say(() => tr('Something went wrong; your letters are kept. Reload the page to go on.'), true);
  told();
  if (error !== 'aborted' || restarted) return;
  endWorker({ error });
  providedLists.clear();
  restarted = startSession(keptHere(), runningModule).then(() => firstPuzzle(keptHere())).then(told).finally(() => {
    restarted = null;
    releaseCommands();
  });
}

/// Shows the view: the figure, the words, the texts, what is hidden, pressed and on offer, the choices, the clock.
function show(view) {
  const before = shown;
  shown = view;
  if (drawnFigure !== view.figure) $('picture').innerHTML = view.figure;  // a compile going on unseen sends it many times
  drawnFigure = view.figure;
  if (view.cursorCell) $('picture').setAttribute('aria-activedescendant', view.cursorCell);
  else $('picture').removeAttribute('aria-activedescendant');
  $('words').innerHTML = view.words;
  $('card-lines').innerHTML = view.card;
  if (view.card && !before?.card) setTimeout(() => $('result-card').scrollIntoView({ block: 'nearest' }), 0);
  for (const [id, text] of Object.entries(view.texts)) $(id).textContent = text;
  for (const [id, hidden] of Object.entries(view.hidden)) $(id).hidden = hidden;
  for (const [id, pressed] of Object.entries(view.pressed)) $(id).setAttribute('aria-pressed', String(pressed));
  for (const button of document.querySelectorAll('[data-needs]')) button.disabled = !view.offer[button.dataset.needs];
  $('view-button').disabled = !view.offer.viewButton;
  if (view.mode === 'compiling' && view.progress) say(() => view.progress);
  showChoices(view.choices);
  showKeyboard(view);
  // The browser's own Print prints the puzzle: its sheet is made once the commands sent so far are answered.
  if (view.offer.puzzle && sheetsKey !== view.puzzle.key) setTimeout(() => prepareSheets(false), 0);
  if (view.offer.puzzle) sheetsKey = view.puzzle.key;
}

/// The choices the session makes puzzles with, in the fields, unless they show them already; the field being typed in
/// keeps what is typed.
function showChoices(choices) {
  if (choices.kept === shownChoices) return;
  shownChoices = choices.kept;
  for (const [id, value] of Object.entries(choices.fields)) {
    if ($(id) !== document.activeElement) $(id)[typeof value === 'boolean' ? 'checked' : 'value'] = value;
  }
}

/// Shows the session's clock as it goes on between views while it runs.
function tick() {
  if (!shown?.clockRunning || running) return;
  send('clockText').then(({ result }) => { if (result) $('timer').textContent = result; });
}

/// Gives the worker the packed word lists of `language`; says so where they could not be had.
const listsGiven = (language, levels = 3) => (packed) => {
  if (!packed) say(() => tr('The word lists in %1 could not be fetched: connect to the internet and reload the page.', kLanguageNames[language]), true);
  return send('provideLists', language, packed ?? '', levels);
};

const providedLists = new Map();  // language code → promise that its word lists are in the worker
/// Puts the word lists of `language` in the worker, once.
function provideLists(language) {
  if (!providedLists.has(language)) {
    providedLists.set(language, resource(`lists/${language}.words`).then(listsGiven(language)));
  }
  return providedLists.get(language);
}

/// Opens the user guide in the page's language (English where there is none) in a tab of its own.
async function openGuide() {
  const language = kLanguageNames[pageLanguage] ? pageLanguage : 'en';
  if (kForm === 'site') return window.open(`guides/${language}.html`, '_blank');
  const tab = window.open('', '_blank');
  const guide = await resource(`guides/${language}.html`);
  if (tab && guide) tab.location = URL.createObjectURL(new Blob([guide], { type: 'text/html' }));
}

async function readFile(input) {
  const file = input.files[0];
  input.value = '';
  return file ? { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } : null;
}

let choicesTaken = Promise.resolve();  // the choices made so far, each given to the session in turn once its lists are in
/// Takes a choice field's new value: an own list is picked first, a language's lists and texts fetched first.
async function choose({ target }) {
  if (!target.matches('[data-choice]')) return;
  if (target.id === 'level' && target.value === '0') return $('list-file').click();
  if (target.id === 'start-word') $('start-typed').checked = true;
  const typed = ['start-typed', 'start-word'].includes(target.id);
  const value = typed ? $('start-word').value : String(target.type === 'checkbox' ? target.checked : target.value);
  const ready = Promise.all([provideLists($('language').value), ...(target.id === 'language' ? [readTranslations(target.value)] : [])]);
  const taken = choicesTaken.then(() => ready).then(() => run('choose', [target.id, value], false, typed));
  choicesTaken = taken.catch(() => {});
  await whileBusy(() => taken);  // until the session has the choice: what makes a puzzle waits for it
}

/// Says which theme words can be used while they are typed: an answer about words no longer in the box is dropped.
async function reportTheme() {
  const words = $('theme-words').value;
  const { result } = await send('checkTheme', words);
  if (result && words === $('theme-words').value) $('theme-report').textContent = result.text;
}

/// Makes puzzles with the theme box and title as they stand; whether the session took them.
function useThemeBox() {
  clearTimeout(themeTyping);
  themeTyping = null;
  return run('chooseTheme', [$('theme-words').value, $('theme-title').value], false, true).then(({ reply }) => reply?.done !== false);
}
function typeTheme() {
  reportTheme();
  clearTimeout(themeTyping);
  themeTyping = setTimeout(() => shown?.mode !== 'compiling' && useThemeBox(), 500);
}
/// Gives `command` once the theme box as it stands is in use.
const withTheme = (command) => () => whileBusy(async () => {  // busy from the press on
  await choicesTaken;  // a puzzle is made with every choice made before it
  return (await useThemeBox()) && command();
});

function download(name, content, type = 'text/plain') {
  const link = Object.assign(document.createElement('a'), { href: URL.createObjectURL(new Blob([content], { type })), download: name });
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

/// Fills the print sheets: the puzzle, and the solution too when asked.
const prepareSheets = (withSolution) => send('sheets', withSolution).then(({ result = '' }) => {
  $('print-sheets').innerHTML = result;
  drawScanLinks();
});

/// Prints the puzzle sheet (and the solution sheet), its pupil link's QR code drawn first.
const printSheets = (withSolution) => loadQrEncoder().then(() => prepareSheets(withSolution)).then(() => window.print());

/// Shows the view after the note under the page's links: `outcome` of a pupil or class link or the saved page.
const noteLink = (kind, outcome, link = '') => run('noteLink', [kind, outcome, link], false, true);

/// Copies the pupil link to the puzzle on show, or the class link that gives each pupil of a class set their own.
async function copyLink(kind) {
  if (location.protocol === 'file:') return noteLink(kind, 'from-file').then(() => $(kind === 'pupil' ? 'export' : 'print-class').focus());
  const page = pageAddress();
  const link = kind === 'pupil' ? (await send('pupilLink', page)).result : (await classSet('classLink', page)).link;
  if (!link) return;
  await noteLink(kind, await navigator.clipboard.writeText(link).then(() => 'copied', () => 'copy'), link);
  await showLinkCode(link);
}

/// Shows how far the class set being made has got, as the progress bar and the message.
function showProgress({ text, done, total }) {
  Object.assign($('class-progress'), { hidden: false, max: total, value: done });
  say(() => text);
}

/// Sends a query that makes a class set of the pupils asked for (from the seed field's seed), showing its progress.
function classSet(command, ...args) {
  return whileBusy(async () => {
    const { result } = await send(command, Number($('pupils').value), $('seed').value.trim(), ...args);
    $('class-progress').hidden = true;
    if (result) say(() => result.text, !result.done);
    return result ?? { done: false };
  });
}

/// Prints the class set: each puzzle on a page of its own headed with its number and title, then the answers.
async function printClassSet() {
  const [{ done, markup }] = await Promise.all([classSet('makeClassSet'), loadQrEncoder()]);
  if (!done) return;
  $('print-sheets').innerHTML = markup;
  drawScanLinks();
  window.print();
}

/// Reads the result codes pasted under Class results against the class set on screen (made again if need be): the
/// table on the page, or as a CSV file when `asFile`.
async function readResults(asFile) {
  const { done, markup, csv } = await classSet('readResults', $('result-codes').value);
  if (!done) return;
  $('results-table').innerHTML = markup;
  if (asFile) download('class-results.csv', csv, 'text/csv');
}

/// Saves the one-file page with the puzzle inside: whoever opens it solves that puzzle, offline.
/// The one-file page: this page's own text, or the host's loopword.html; "" where it cannot be had.
const oneFilePage = async () => pageSource ?? fetch('loopword.html').then((answer) => (answer.ok ? answer.text() : ''), () => '');

async function exportPage() {
  const page = await oneFilePage();
  const { result } = await send('pageWithPuzzle', page);
  if (result) download('loopword-puzzle.html', result, 'text/html');
  else noteLink('export', 'unfetched');
}

/// A click on the figure, at its point in the picture's twips; the figure takes the keys from then on.
function clickCell(event) {
  const svg = $('picture').querySelector('svg');
  $('picture').focus({ preventScroll: true });
  if (!svg || shown?.mode !== 'solving') return;
  const point = new DOMPoint(event.clientX, event.clientY).matrixTransform(svg.getScreenCTM().inverse());
  run('clickAt', [Math.round(point.x), Math.round(point.y)]);
}

/// Keys typed while the figure has focus go to the session by their names; Tab, the function keys and the
/// browser's own shortcuts (with Control or Alt, but for Z and Y) keep their work.
function typeInFigure(event) {
  const control = event.ctrlKey || event.metaKey;
  if (shown?.mode !== 'solving' || event.altKey || /^(Tab|F\d+)$/.test(event.key) || (control && !/^[zy]$/i.test(event.key))) return;
  event.preventDefault();
  run('key', [event.key, control, event.shiftKey]);
}

/// F6 solves, F7 checks and F8 turns the pencil on or off, unless a field is being typed in.
function shortcut(event) {
  const button = { F6: $('face-solve'), F7: $('check'), F8: $('pencil') }[event.key];
  if (!button || event.target.closest?.('input, textarea, select, [contenteditable]')) return;
  event.preventDefault();
  if (!button.disabled) button.click();
}

/// The on-screen keyboard while solving and not yet solved, laid out as the puzzle language's keyboard.
function showKeyboard(view) {
  $('keyboard').hidden = view.mode !== 'solving' || view.solved || document.body.dataset.face !== 'solve';
  for (const row of $('keyboard').querySelectorAll('[data-layout]')) row.hidden = row.dataset.layout !== (view.keyboard ?? 'qwerty');
}

/// A key of the on-screen keyboard: a letter or the key it names.
function pressKey({ target }) {
  const key = target.closest('button:not([data-run])');
  if (key) run('key', [key.dataset.key ?? key.textContent, false, false]);
}

const startSolving = async () => shown?.offer.puzzle && shown.mode !== 'solving' && run('startSolving', [], false, true);

/// Shows the face to solve (starting to solve the puzzle on show) or the face to make puzzles.
async function showFace(face) {
  document.body.dataset.face = face;
  $('make').hidden = face !== 'make';
  $('face-solve').setAttribute('aria-pressed', String(face === 'solve'));
  $('face-make').setAttribute('aria-pressed', String(face === 'make'));
  if (face === 'solve') await startSolving();
  else Promise.all([loadQrEncoder(), reportTheme()]);  // the teacher's face: its links and prints show QR codes
  if (shown) showKeyboard(shown);
}

const on = (id, type, listener) => $(id).addEventListener(type, listener);

/// What each control does: a button that names its command (data-run) gives it, asking first where it says so.
function wire() {
  document.addEventListener('click', ({ target }) => {
    const button = target.closest('[data-run]');
    if (button) run(button.dataset.run, [], button.hasAttribute('data-asks'));
  });
  const clicks = { 'face-solve': () => showFace('solve'), 'face-make': () => showFace('make'),
    compile: withTheme(() => run('compile', [$('seed').value.trim(), true], true, true)),
    'theme-clear': () => run('chooseTheme', ['', '']).then(reportTheme), 'full-screen': () => $('board').requestFullscreen?.(),
    'copy-result': () => navigator.clipboard?.writeText($('card-lines').innerText),
    open: () => $('puzzle-file').click(), save: () => download('puzzle.loopword', shown.puzzle.sheetFile), print: () => printSheets(false),
    'print-both': () => printSheets(true), 'copy-link': () => copyLink('pupil'), export: exportPage, guide: openGuide, keyboard: pressKey,
    'print-class': withTheme(printClassSet), 'read-results': () => readResults(false), 'download-results': () => readResults(true), 'copy-class-link': withTheme(() => copyLink('class')), 'learning-package': withTheme(saveLearningPackage), 'open-number': openNumber };
  for (const [id, listener] of Object.entries(clicks)) on(id, 'click', listener);
  on('choices', 'change', choose);
  on('page-language', 'change', async () => {
    store('page-language', $('page-language').value);
    await readTranslations($('page-language').value);
    usePageLanguage($('page-language').value);
  });
  on('list-file', 'change', async () => {
    const list = await readFile($('list-file'));
    if (list) await run('chooseWordList', [0, list.name, list.bytes], false, true);
    else show(shown);
  });
  on('theme-words', 'input', typeTheme);
  on('theme-title', 'input', typeTheme);
  on('puzzle-file', 'change', async () => {
    const file = await readFile($('puzzle-file'));
    if (file) await run('open', [file.name, new TextDecoder().decode(file.bytes)], true, true);
  });
  on('picture', 'click', clickCell);
  on('picture', 'keydown', typeInFigure);
  document.addEventListener('keydown', shortcut);
  document.addEventListener('visibilitychange', () => run('pauseClock', [document.hidden], false, true));
  window.addEventListener('beforeprint', loadQrEncoder);  // the browser's own Print: the codes are drawn once it is loaded
  window.addEventListener('afterprint', () => prepareSheets(false));
  setInterval(tick, 1000);
}

/// Opens the puzzle of the number chosen on a class link's chooser, and brings the figure into view to type in.
async function openNumber() {
  await run('openNumber', [Number($('pupil-number').value)], false, true);
  if (shown?.mode !== 'solving') return;
  $('board').scrollIntoView({ block: 'start' });
  $('picture').focus({ preventScroll: true });
}

/// Gives `task` the main thread a few seconds after the first puzzle, once it is idle: what the first minutes may need
/// is fetched and read without holding up the first taps on a slow phone. Offline, it waits for the connection.
function whenSettled(task) {
  const online = () => (navigator.onLine ? task() : window.addEventListener('online', task, { once: true }));
  setTimeout(() => whenIdle(online), 3000);
}
/// Gives `task` the main thread once it is idle.
const whenIdle = (task) => (window.requestIdleCallback ?? setTimeout)(task);

/// Opens the first puzzle: the core reads what the browser kept, the page's address, the puzzle a saved page carries
/// and the one made for a new visitor. Where it has to be made, the make module makes it.
async function firstPuzzle(kept) {
  const carried = document.querySelector('meta[name=loopword-puzzle]').content;
  const ready = kReadyPuzzles[sessionLanguage] ?? '';
  const { reply } = await run('start', [kept, location.search, location.hash.slice(1), carried, ready, platform?.start ?? null], false, true);
  releaseCommands();
  if (reply?.needsMaking) return;  // the make module's start went on from there
  if (platform && !platform.taken) refusePlatform();
  if (reply?.chooser) Object.assign($('pupil-number'), reply.chooser);  // the number field as the chooser first shows it
  performance.mark('first-puzzle');
  // A class link's pupil has a puzzle to be made: the make module is fetched at once, while they choose their number.
  // The page's own visitor may make one: it is fetched once they have settled in (or at once, when they ask to make one).
  if (reply?.chooser) fetchMakeModule();
  await new Promise(whenIdle);  // shown before more is fetched
  if (!reply?.chooser && !shown?.hidden['face-make']) whenSettled(() => fetchMakeModule());
  if (runningModule === 'make' && !$('make').hidden) await reportTheme();
}

/// The hosted page's service worker keeps it offline; an older version open reloads as the new one once hidden.
function keepOffline() {
  if (kForm !== 'site' || !('serviceWorker' in navigator)) return;
  const controlled = Boolean(navigator.serviceWorker.controller);
  navigator.serviceWorker.register('sw.js').catch(() => {});
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (controlled) document.addEventListener('visibilitychange', () => document.hidden && location.reload());
    else fetchedParts.forEach((name) => fetch(name).catch(() => {}));  // fetched before the worker ran: through it now, to be kept
  });
}

let platform = null;  // the learning platform that started the page, if one did: how to call it and what it said

/// The SCORM 1.2 API of the learning platform that started the page, found the usual way: in this window or one
/// above it, else in the window that opened it or one above that; null for none.
function platformApi() {
  const above = (start) => {
    for (let frame = start, hops = 0; frame && hops < 8; frame = frame.parent === frame ? null : frame.parent, hops += 1) {
      const api = attempt(() => frame.API, null);  // a frame of another origin is not looked into
      if (typeof api?.LMSInitialize === 'function') return api;
    }
    return null;
  };
  return above(window) ?? (window.opener ? above(window.opener) : null);
}

/// Begins the attempt with the learning platform that started the page, if one did, and reads what it says of the
/// learner; on leaving, the attempt is finished.
function startPlatform() {
  const api = platformApi();
  if (!api) return;
  const call = (method, ...args) => attempt(() => String(api[method](...args)), 'false');
  const taken = call('LMSInitialize', '') === 'true';
  const get = (element) => (taken ? attempt(() => String(api.LMSGetValue(element) ?? ''), '') : '');
  platform = { call, taken, leaving: [], start: { learner: get('cmi.core.student_id'), mode: get('cmi.core.lesson_mode'),
    suspendData: get('cmi.suspend_data'), location: get('cmi.core.lesson_location'), masteryScore: get('cmi.student_data.mastery_score') } };
  window.addEventListener('pagehide', finishPlatform);
}

/// What the page starts from: on a learning platform nothing of this browser's, else what the browser keeps.
const keptHere = () => (platform ? {} : keptEntries());

/// Tells the learning platform the values a command changed, committed, and keeps what to tell it on leaving (and,
/// for a restart, where the learner is); a platform that refuses them is said once.
function tellPlatform({ set, leaving }) {
  if (platform.finished) return;
  platform.leaving = leaving;
  for (const [element, value] of set) {
    if (element === 'cmi.suspend_data') platform.start.suspendData = value;
    if (element === 'cmi.core.lesson_location') platform.start.location = value;
  }
  if (!set.length) return;
  const told = platform.taken && set.every(([element, value]) => platform.call('LMSSetValue', element, value) === 'true');
  if (!told || platform.call('LMSCommit', '') !== 'true') refusePlatform();
}
function refusePlatform() {
  if (platform.refused) return;
  platform.refused = true;
  setTimeout(() => run('platformRefused'));
}
/// Tells the learning platform the time spent and whether the attempt goes on, and ends it.
function finishPlatform() {
  if (!platform.taken || platform.finished) return;
  for (const [element, value] of platform.leaving) platform.call('LMSSetValue', element, value);
  platform.call('LMSCommit', '');
  platform.call('LMSFinish', '');
  platform.finished = true;
}

/// Saves the class set (made as Print class set makes it) as a package for a learning platform: a .zip with the
/// one-file page, where each learner solves the puzzle their platform's learner id gives them.
async function saveLearningPackage() {
  const page = await oneFilePage();
  if (!page) return noteLink('export', 'unfetched');
  const { done, package: bytes } = await classSet('learningPackage', page);
  if (done) download('loopword-class-set.zip', bytes, 'application/zip');
}

/// The language of the first puzzle and the levels of its word lists to fetch first, from the address's choices
/// (`addressed`: it has a puzzle to make), else from those kept in `entries`: an address with choices makes its puzzles
/// in the language it names, English where it names none; a first puzzle on Level 1 needs that level alone, which the
/// hosted page fetches first, the rest after it.
function firstPuzzleLists(entries) {
  const asked = new URLSearchParams(location.search);
  const addressed = [...asked.keys()].length > 0;
  const choices = addressed ? asked : new URLSearchParams(entries.choices ?? `language=${pageLanguage}`);
  const named = choices.get('language');
  const levelOne = kForm === 'site' && [null, '1'].includes(choices.get('level'));
  return { language: named in kLanguageNames ? named : 'en', levels: levelOne ? 1 : 3, addressed };
}

/// The word lists of `language` on their way, the first `levels` of them (1, or all 3): { levels, bytes }.
const wordLists = (language, levels) => ({ levels, bytes: resource(`lists/${language}${levels === 1 ? '-1' : ''}.words`) });

/// Starts the session of `module` (its code given, or fetched now) in the address's or the kept language; the make
/// module's word lists fetched as its worker loads.
async function startSession(entries, module, code = moduleCode(module)) {
  holdCommands();
  sessionStarted = false;  // the translations and the page's language go to the new session once it is made
  runningModule = module;
  const { language, levels } = firstPuzzleLists(entries);
  sessionLanguage = language;
  const started = startWorker(module, code);
  if (module === 'solve') {  // it reads no word lists
    await Promise.all([started, readTranslations(language, pageLanguage)]);
    return newSession(language);
  }
  const ahead = listsAhead.get(language) ?? wordLists(language, levels);
  await started;
  const given = ahead.bytes.then(listsGiven(language, ahead.levels));
  if (ahead.levels === 3) providedLists.set(language, given);
  await readTranslations(language, pageLanguage);
  await given;
  await newSession(language);
}

/// Starts the worker's session in `language`, speaking the page's.
async function newSession(language) {
  await send('newSession', language);
  sessionStarted = true;
  send('useTranslations', kTranslations);  // again once read, if they are still on their way
  send('usePageLanguage', pageLanguage);
}

async function main() {
  $('language').append(...[...$('page-language').options].map((option) => option.cloneNode(true)));  // the same languages
  collectPageTexts();
  if (kForm === 'site' && location.protocol === 'file:') {
    return say(() => tr('This is the form of Loopword for a web host: open it from a web server, or open loopword.html, the one-file page, from disk.'), true);
  }
  startPlatform();
  const kept = keptHere();
  const known = (code) => (code in kLanguageNames ? code : null);
  const language = known(kept['page-language']) ?? navigator.languages.map((tag) => known(tag.split('-')[0].toLowerCase())).find(Boolean) ?? 'en';
  pageLanguage = language;
  if (language !== 'en') readTranslations(language).then(() => usePageLanguage(language));
  else usePageLanguage(language);
  wire();
  $('make-own').href = location.pathname;  // the page afresh, without the link's puzzle
  const first = firstPuzzleLists(kept);
  if (kForm === 'site' && first.addressed) fetchMakeModule(first.language, first.levels);  // a puzzle to make
  await startSession(kept, 'solve');
  await firstPuzzle(kept);
  if (runningModule === 'make') provideLists($('language').value);
  keepOffline();  // after the first puzzle: what the service worker keeps does not compete with it on a slow line
  whenSettled(() => readTranslations());
}

main();
