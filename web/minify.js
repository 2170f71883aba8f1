// Makes a script the page carries smaller: its local names shortened and its code compressed by terser (Debian's
// node-terser), its own top-level names kept. Reads the script on standard input, writes the smaller one out.
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const { minify } = require('terser');

const chunks = [];
process.stdin.on('data', (chunk) => chunks.push(chunk));
process.stdin.on('end', async () => {
  const { code } = await minify(Buffer.concat(chunks).toString('utf8'), { compress: true, mangle: true });
  process.stdout.write(code);
});
