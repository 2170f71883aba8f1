// A static web server for measuring the hosted page: serves a folder on 127.0.0.1, gzipped as a static host does: the
// file's gzipped twin beside it (FILE.gz) where there is one, else gzipped on the fly.
// Usage: node bench/static-server.js FOLDER PORT
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');

const [folder, port] = process.argv.slice(2);
const root = path.resolve(folder);
const kTypes = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml',
  '.gz': 'application/gzip', '.words': 'text/plain' };
const kZipped = new Set(['.html', '.js', '.css', '.json', '.wasm', '.webmanifest', '.svg', '.words']);

http.createServer((request, response) => {
  const name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
  const file = path.join(root, path.normalize(name.endsWith('/') ? `${name}index.html` : name));
  if (!file.startsWith(root) || !fs.existsSync(file) || !fs.statSync(file).isFile()) return response.writeHead(404).end();
  const extension = path.extname(file);
  const headers = { 'content-type': kTypes[extension] ?? 'application/octet-stream', 'cache-control': 'no-cache' };
  let body = fs.readFileSync(file);
  if (kZipped.has(extension) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
    body = fs.existsSync(`${file}.gz`) ? fs.readFileSync(`${file}.gz`) : zlib.gzipSync(body, { level: 6 });
    headers['content-encoding'] = 'gzip';
  }
  response.writeHead(200, headers).end(body);
}).listen(Number(port), '127.0.0.1');
