// A class set packaged by loopword-compile --scorm, played by a learning platform's SCORM 1.2 runtime (scorm-again)
// in chromium: the package unzipped and launched in a frame under the runtime, its data model read after each step.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { it, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { servedSite, serve, builtSite, watch, openProfilePage, settled, firstPuzzle, press, readGrid, shownPuzzle, solutionRings, typeSolution } = require('./browser');

const platform = fs.mkdtempSync(path.join(os.tmpdir(), 'loopword-platform-'));
after(() => fs.rmSync(platform, { recursive: true, force: true }));

// The platform: the runtime, a launch page that starts it with the data it kept (given after its "#") and opens the
// package's page in a frame, and the package unzipped beside them.
const theme = path.join(platform, 'theme.txt');
fs.writeFileSync(theme, 'ELEPHANT=The largest animal on land\nSQUIRREL\n');
const packaged = execFileSync(process.env.LOOPWORD_COMPILE, ['--level', '1', '--count', '3', '--seed', '8', '--theme', theme, '--title', 'Animals', '--scorm',
  path.join(platform, 'class.zip')]).toString().split(/\n(?=# Loopword puzzle)/).map((puzzle) => puzzle.trim());
execFileSync('unzip', ['-q', path.join(platform, 'class.zip'), '-d', path.join(platform, 'package')]);
fs.copyFileSync(path.join(__dirname, 'node_modules/scorm-again/dist/scorm12.js'), path.join(platform, 'scorm12.js'));
fs.writeFileSync(path.join(platform, 'index.html'), `<!DOCTYPE html><meta charset="utf-8"><link rel="icon" href="data:,"><script src="scorm12.js"></script>
<script>
  const kept = JSON.parse(decodeURIComponent(location.hash.slice(1)) || '{}');
  window.API = kept.refusing ? Object.fromEntries(['LMSInitialize', 'LMSFinish', 'LMSGetValue', 'LMSSetValue', 'LMSCommit',
    'LMSGetLastError', 'LMSGetErrorString', 'LMSGetDiagnostic'].map((name) => [name, () => 'false'])) : new Scorm12API({ logLevel: 5 });
  if (!kept.refusing) window.API.loadFromJSON(kept.cmi ?? {});
  window.told = {};  // what the page set, write-only elements among them
  window.API.on?.('LMSSetValue.cmi.*', (element, value) => { window.told[element] = value; });
  window.API.on?.('LMSFinish', () => { window.finished = true; });
</script><iframe id="sco" src="package/index.html" style="width: 100%; height: 95vh"></iframe>`);
const host = servedSite(platform);

/// The platform's launch page for a learner, the data model starting from `cmi`: the watched page and the package's
/// frame once its first puzzle shows.
async function launched(start) {
  const page = watch(await (await host.browser.newContext({ viewport: { width: 1024, height: 900 } })).newPage());
  await page.goto(`${host.address}#${encodeURIComponent(JSON.stringify(start))}`);
  const frame = page.frame({ url: /package\/index\.html/ });
  await firstPuzzle(frame);
  await settled(frame);
  return { page, frame };
}

/// What the runtime's data model holds now.
const model = (page) => page.evaluate(() => ({
  status: API.cmi.core.lesson_status, location: API.cmi.core.lesson_location, suspend: API.cmi.suspend_data,  // eslint-disable-line no-undef
  score: API.cmi.core.score.raw, min: API.cmi.core.score.min, max: API.cmi.core.score.max,  // eslint-disable-line no-undef
  time: window.told['cmi.core.session_time'], exit: window.told['cmi.core.exit'], finished: window.finished ?? false }));

it('a learner\'s puzzle of the set reports incomplete from the first letter, resumes from what the platform kept, and reports its score and time once solved', async () => {
  const learner = { core: { student_id: 'pupil-17', lesson_mode: 'normal' }, student_data: { mastery_score: '80' } };
  const first = await launched({ cmi: learner });
  const puzzle = await shownPuzzle(first.frame);
  assert.ok(packaged.includes(puzzle.trim()), 'the learner solves one of the packaged puzzles');
  assert.notEqual((await model(first.page)).status, 'incomplete', 'an untouched puzzle is not begun');
  assert.ok(await first.frame.isHidden('#face-make') && await first.frame.isHidden('#make-own'), 'the learner\'s page, as a pupil\'s: nothing else to make');
  const solution = solutionRings(puzzle);
  const { selected: [[square, position]] } = await readGrid(first.frame);
  await press(first.frame, solution[square][position]);
  const begun = await model(first.page);
  assert.equal(begun.status, 'incomplete');
  assert.match(begun.suspend, /^loopword-1 /);  // taken by the runtime, which holds no more than 4096 characters
  const typed = await readGrid(first.frame);
  await first.page.close();

  // Again on another computer: the platform gives back what it kept, and the same puzzle opens where it was left.
  const kept = { ...learner, core: { ...learner.core, lesson_location: begun.location }, suspend_data: begun.suspend };
  const again = await launched({ cmi: kept });
  assert.equal(await shownPuzzle(again.frame), puzzle);
  assert.deepEqual(await readGrid(again.frame), typed);
  await typeSolution(again.frame, solution, () => again.frame.isVisible('#result-card'));
  const solved = await model(again.page);
  assert.deepEqual([solved.status, solved.score, solved.min, solved.max], ['passed', '100', '0', '100']);
  await again.page.evaluate(() => { document.getElementById('sco').src = 'about:blank'; });  // the learner leaves
  await again.page.waitForFunction(() => window.finished === true);
  const left = await model(again.page);
  assert.match(left.time, /^\d{2,4}:\d{2}:\d{2}$/);
  assert.equal(left.exit, '');
});

it('a platform that refuses every call leaves the puzzle to solve and says so once', async () => {
  const refusing = await launched({ refusing: true });
  assert.ok(packaged.includes((await shownPuzzle(refusing.frame)).trim()));
  assert.match(await refusing.frame.textContent('#message'), /did not take what this page told it/);
  const { selected: [[square, position]] } = await readGrid(refusing.frame);
  const letter = solutionRings(await shownPuzzle(refusing.frame))[square][position];
  await press(refusing.frame, letter);
  assert.equal((await readGrid(refusing.frame)).rings[square][position], letter);
});

it('the teacher\'s page saves the class set of the Pupils field as a package of the one-file page with each puzzle inside', async () => {
  const site = await serve(builtSite());
  const page = await openProfilePage(host.browser, `${site.address}?level=1&seed=4`, { acceptDownloads: true });
  await page.click('#face-make');
  await page.fill('#pupils', '2');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#learning-package')]);
  assert.equal(download.suggestedFilename(), 'loopword-class-set.zip');
  const zip = path.join(platform, 'from-page.zip');
  await download.saveAs(zip);
  assert.equal(execFileSync('unzip', ['-Z1', zip]).toString(), 'imsmanifest.xml\nindex.html\n');
  const carried = execFileSync('unzip', ['-p', zip, 'index.html']).toString().match(/<meta name="loopword-puzzle" content="([^"]*)">/)[1];
  const puzzles = carried.split(' ').map((part) => Buffer.from(part, 'base64').toString());
  assert.deepEqual(puzzles.map((puzzle) => puzzle.match(/# class set: (\d) of 2/)?.[1]), ['1', '2']);
  site.server.close();
});
