// How soon a phone shows the first puzzle's letters: the hosted page over slow 4G with a 4x slower CPU (the values
// Lighthouse's mobile preset applies in the browser: 562.5 ms round trips, 1.47 Mbit/s down), 360 x 740.
// Usage: node bench/phone-timing.js [RUNS] [SITE]   (SITE: build-web/site, which scripts/web builds)
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { spawn } = require('node:child_process');
const path = require('node:path');

const root = path.resolve(__dirname, '..');
const { chromium } = require(path.join(root, 'tests/web/node_modules/playwright-core'));
const runs = Number(process.argv[2] ?? 5);
const site = process.argv[3] ?? path.join(root, 'build-web/site');
const port = 8933;

(async () => {
  const server = spawn('node', [path.join(__dirname, 'static-server.js'), site, String(port)]);
  await new Promise((resolve) => setTimeout(resolve, 500));
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
  const times = [];
  for (let run = 0; run < runs; ++run) {
    const context = await browser.newContext({ viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true, locale: 'en-US' });
    const tab = await context.newPage();
    const devtools = await context.newCDPSession(tab);
    await devtools.send('Network.enable');
    await devtools.send('Network.emulateNetworkConditions', { offline: false, latency: 562.5, downloadThroughput: (1474.56 * 1024) / 8, uploadThroughput: (675 * 1024) / 8 });
    await devtools.send('Emulation.setCPUThrottlingRate', { rate: 4 });
    await tab.goto(`http://127.0.0.1:${port}/`);
    await tab.waitForFunction(() => performance.getEntriesByName('first-puzzle').length > 0, null, { timeout: 60000 });
    times.push(await tab.evaluate(() => performance.getEntriesByName('first-puzzle')[0].startTime));
    await context.close();
  }
  await browser.close();
  server.kill();
  times.sort((a, b) => a - b);
  console.log(`first puzzle's letters shown, new visitor: ${times.map((t) => (t / 1000).toFixed(2)).join(', ')} s; median ${(times[Math.floor(runs / 2)] / 1000).toFixed(2)} s (target 2.5 s)`);
})();
