// How soon a phone shows a puzzle's letters: the hosted page over slow 4G with a 4x slower CPU (the values Lighthouse's
// mobile preset applies in the browser: 562.5 ms round trips, 1.47 Mbit/s down), 360 x 740, a new profile each time.
// Usage: node bench/phone-timing.js [RUNS] [SITE ...]   (SITE: build-web/site, which scripts/web builds; several sites
// are measured in turns in the same run, so that they meet the same machine)
// Measured: a new visitor's first letters; a pupil link's; a class link's chooser, and the pupil's letters after they
// choose (at once, and after 1 s and 3 s spent choosing their number, while the page fetches what makes the puzzle).
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { spawn } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');

const root = path.resolve(__dirname, '..');
const { chromium } = require(path.join(root, 'tests/web/node_modules/playwright-core'));
const runs = Number(process.argv[2] ?? 5);
const sites = process.argv.length > 3 ? process.argv.slice(3) : [path.join(root, 'build-web/site')];
const kPhone = { viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true, locale: 'en-US' };
const kFirstPuzzle = () => performance.getEntriesByName('first-puzzle').length > 0;

/// A new phone's tab, throttled.
async function phone(browser) {
  const context = await browser.newContext(kPhone);
  const tab = await context.newPage();
  const devtools = await context.newCDPSession(tab);
  await devtools.send('Network.enable');
  await devtools.send('Network.emulateNetworkConditions', { offline: false, latency: 562.5, downloadThroughput: (1474.56 * 1024) / 8, uploadThroughput: (675 * 1024) / 8 });
  await devtools.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  return tab;
}

/// Milliseconds from the start of the page at `address` to its first puzzle (or chooser) shown.
async function opened(tab, address) {
  await tab.goto(address);
  await tab.waitForFunction(kFirstPuzzle, null, { timeout: 60000 });
  return tab.evaluate(() => performance.getEntriesByName('first-puzzle')[0].startTime);
}

/// Milliseconds from choosing pupil 2 on the chooser shown to their puzzle's letters, `wait` ms after it was shown.
async function chosen(tab, wait) {
  await tab.waitForTimeout(wait);
  return tab.evaluate(() => new Promise((resolve) => {
    const start = performance.now();
    document.querySelector('#pupil-number').value = '2';
    document.querySelector('#open-number').click();
    const check = () => (shown?.mode === 'solving' ? resolve(performance.now() - start) : setTimeout(check, 5));  // eslint-disable-line no-undef
    check();
  }));
}

/// A pupil link and a class link the site's own page gives, unthrottled.
async function links(browser, address) {
  const tab = await (await browser.newContext(kPhone)).newPage();
  await opened(tab, address);
  const pupil = await tab.evaluate(() => shown.puzzle.sheetFile);  // eslint-disable-line no-undef
  await tab.click('#face-make');
  await tab.fill('#pupils', '5');
  await tab.click('#copy-class-link');
  await tab.waitForSelector('#link-code[open]');
  const classLink = await tab.textContent('#link-code-link');
  await tab.context().close();
  return { pupil: `${address}#${encodeURIComponent(pupil)}`, classLink };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const seconds = (values) => `${values.map((t) => (t / 1000).toFixed(2)).join(', ')} s; median ${(median(values) / 1000).toFixed(2)} s`;

(async () => {
  const servers = sites.map((site, at) => spawn('node', [path.join(__dirname, 'static-server.js'), site, String(8933 + at)]));
  await new Promise((resolve) => setTimeout(resolve, 500));
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
  const measured = [];
  for (const [at, site] of sites.entries()) {
    const address = `http://127.0.0.1:${8933 + at}/`;
    measured.push({ site, address, ...(await links(browser, address)), times: { visitor: [], pupil: [], chooser: [], atOnce: [], after1s: [], after3s: [] } });
  }
  for (let run = 0; run < runs; ++run) {
    for (const { address, pupil, classLink, times } of measured) {
      for (const [name, url] of [['visitor', address], ['pupil', pupil]]) {
        const tab = await phone(browser);
        times[name].push(await opened(tab, url));
        await tab.context().close();
      }
      for (const [name, wait] of [['atOnce', 0], ['after1s', 1000], ['after3s', 3000]]) {
        const tab = await phone(browser);
        times.chooser.push(await opened(tab, classLink));
        times[name].push(await chosen(tab, wait));
        await tab.context().close();
      }
    }
  }
  await browser.close();
  servers.forEach((server) => server.kill());
  for (const { site, times } of measured) {
    console.log(`${path.relative(root, site) || site} (${fs.readFileSync(path.join(site, 'index.html'), 'utf8').includes('x-loopword-part') ? 'the solve module inside the page' : 'the solve module fetched'}):`);
    console.log(`  new visitor, first letters:          ${seconds(times.visitor)} (target 2.0 s)`);
    console.log(`  pupil link, first letters:           ${seconds(times.pupil)} (target 1.8 s)`);
    console.log(`  class link, chooser shown:           ${seconds(times.chooser)} (target 2.0 s)`);
    console.log(`  class link, letters after choosing:  at once ${seconds(times.atOnce)}; after 1 s ${seconds(times.after1s)}; after 3 s ${seconds(times.after3s)} (target 0.8 s)`);
  }
})();
