// What the page's benchmarks share: the browser, the page opened at its first puzzle, a puzzle made with its Make puzzle button.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const root = path.resolve(__dirname, '..');
const kSkipped = 77;  // what ctest reads as a test skipped

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

/// The arguments after the script's name: `flags` (those of them given) and the rest in order.
function readArguments(flags) {
  const given = process.argv.slice(2);
  return { flags: new Set(given.filter((word) => flags.includes(word))), positional: given.filter((word) => !flags.includes(word)) };
}

/// The browser tests' helpers (tests/web/browser.js) once the page, chromium and the browser driver are there; else
/// says what is missing and ends: skipped in a smoke run, failed otherwise.
function browserHelpers(page, smoke) {
  const chromium = process.env.LOOPWORD_CHROMIUM ?? '/usr/bin/chromium';
  const missing = [[page, `the page ${page} (scripts/web builds it)`], [chromium, `chromium at ${chromium}`],
    [path.join(root, 'tests/web/node_modules/playwright-core'), 'playwright-core (npm ci in tests/web)']]
    .find(([file]) => !fs.existsSync(file));
  if (missing) {
    console.log(`Missing ${missing[1]}`);
    process.exit(smoke ? kSkipped : 1);
  }
  return require(path.join(root, 'tests/web/browser.js'));
}

/// A new tab showing the one-file `page` with the address's choices `query`, once its first puzzle is drawn and its
/// print sheet made.
async function openPage(browser, helpers, page, query) {
  const tab = await browser.newPage();
  await tab.goto(`${pathToFileURL(page).href}?${query}`);
  const drawn = helpers.firstPuzzle(tab).then(() => tab.waitForFunction(() => document.getElementById('print-sheets').childElementCount > 0));
  await drawn.catch((error) => {
    throw new Error(`the page at ?${query} drew no first puzzle with its print sheet (${error.message.split('\n')[0]})`);
  });
  return tab;
}

/// Clicks Make puzzle as a user would and gives the milliseconds until the page has shown the new puzzle (it is busy
/// until every command sent is answered and shown); waits for the print sheet of the new puzzle too, which the page
/// prepares after showing it, so that the next command finds the worker idle. Throws when the page sent no command
/// or made no new puzzle.
function makePuzzleMs(tab) {
  return tab.evaluate(() => new Promise((resolve, reject) => {
    const button = document.getElementById('compile');
    if (!button) return reject(new Error('the page has no Make puzzle button (#compile)'));
    const main = document.querySelector('main');
    const sheets = document.getElementById('print-sheets');
    const sheetBefore = sheets.innerHTML;
    let shownMs = null;
    let timer = null;
    const ended = () => {
      if (shownMs === null || sheets.innerHTML === sheetBefore) return;
      observer.disconnect();
      channel.port1.close();  // an open port with a listener is never collected: the page would seem to leak
      clearTimeout(timer);
      resolve(shownMs);
    };
    // The page is briefly not busy between two commands of one click, within a task: it has settled when it is still
    // not busy at the next task.
    const channel = new MessageChannel();
    channel.port1.onmessage = ({ data: ms }) => {
      if (main.getAttribute('aria-busy') !== 'false') return;
      shownMs ??= ms;
      ended();
    };
    const observer = new MutationObserver(() => {
      if (main.getAttribute('aria-busy') === 'false' && shownMs === null) channel.port2.postMessage(performance.now() - start);
      ended();
    });
    observer.observe(main, { attributes: true, attributeFilter: ['aria-busy'] });
    observer.observe(sheets, { childList: true, subtree: true, characterData: true });
    const start = performance.now();
    button.click();
    if (main.getAttribute('aria-busy') !== 'true') {
      observer.disconnect();
      reject(new Error('Make puzzle sent the page no command: the button is turned off'));
    }
    timer = setTimeout(() => {
      observer.disconnect();
      reject(new Error(shownMs === null ? 'the page did not settle within a minute after Make puzzle'
        : 'Make puzzle made no new puzzle: its print sheet stayed as it was'));
    }, 60000);
  }));
}

module.exports = { median, readArguments, browserHelpers, openPage, makePuzzleMs };
