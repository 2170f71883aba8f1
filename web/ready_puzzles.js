// Makes the puzzle a new visitor starts with in each language, by the make module under node, while the page is built.
// SPDX-License-Identifier: GPL-3.0-or-later
// Usage: node ready_puzzles.js MAKE_MODULE.js SEED < lists.json (language code → its packed Level 1)
// Writes language code → puzzle file as JSON: each made on Level 1 with the choices a new visitor starts with.
'use strict';
const fs = require('fs');
const path = require('path');

async function main([moduleScript, seed]) {
  const script = path.resolve(moduleScript);
  const core = await require(script)({ wasmBinary: fs.readFileSync(script.replace(/\.js$/, '.wasm')) });
  const made = {};
  for (const [code, packed] of Object.entries(JSON.parse(fs.readFileSync(0, 'utf8')))) {
    core.provideLists(code, packed, 1);
    const session = core.newSession(code);
    const reply = session.compile(seed, false, false);
    while (session.compiling()) core._loopword_advance_compile(1000, 1000000);
    made[code] = session.puzzleText();
    if (!made[code]) throw new Error(`no puzzle in ${code}: ${reply.message || session.compiled().message}`);
  }
  process.stdout.write(JSON.stringify(made));
}

main(process.argv.slice(2)).catch((error) => {
  console.error(`ready_puzzles.js: ${error.message}`);
  process.exit(1);
});
