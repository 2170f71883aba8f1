// Takes the web page's screenshots for the README in headless chromium: node tools/web-screenshots.js PAGE [FOLDER]
// (playwright-core from tests/web: npm ci there first).
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require(path.resolve(__dirname, '../tests/web/node_modules/playwright-core'));

const [pagePath, folder = path.resolve(__dirname, '../docs')] = process.argv.slice(2);
const shots = [
  { name: 'web-desktop.png', viewport: { width: 1280, height: 800 }, phone: false, locale: 'en-US' },
  { name: 'web-phone.png', viewport: { width: 360, height: 740 }, phone: true, locale: 'de-DE' },
];

async function main() {
  const args = process.getuid() === 0 ? ['--no-sandbox'] : [];
  const browser = await chromium.launch({ executablePath: process.env.LOOPWORD_CHROMIUM ?? '/usr/bin/chromium', args });
  for (const { name, viewport, phone, locale } of shots) {
    const context = await browser.newContext({ locale, viewport, isMobile: phone, hasTouch: phone, deviceScaleFactor: phone ? 2 : 1 });
    const page = await context.newPage();
    await page.goto(`${pathToFileURL(pagePath).href}?level=1&seed=12`);
    await page.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0);
    await page.evaluate(() => document.getElementById('picture').focus({ preventScroll: true }));
    for (const key of 'FIRE') {
      await page.keyboard.press(key);
      await page.waitForFunction(() => document.querySelector('main').getAttribute('aria-busy') === 'false');
    }
    await page.screenshot({ path: path.join(folder, name) });
    await context.close();
  }
  await browser.close();
}

main();
