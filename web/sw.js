// The hosted page's service worker: keeps the page and what it fetched for use offline, and hands over cleanly to
// a new version: each version keeps its files under a name of its own and the old ones go once it takes over.
// SPDX-License-Identifier: GPL-3.0-or-later
const kVersion = 'LOOPWORD_VERSION';  // a digest of the site's files, written in by the build
const kCache = `loopword-${kVersion}`;
const kCore = ['LOOPWORD_CORE'];  // what every visit needs, kept at install

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kCore)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  const old = (names) => names.filter((name) => name.startsWith('loopword-') && name !== kCache);
  event.waitUntil(caches.keys().then((names) => Promise.all(old(names).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

/// The site's own files from the cache, else from the network, kept for next time; the address's query and the
/// part after # (a pupil link's puzzle, the choices) do not name another file.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin) return;
  event.respondWith(caches.open(kCache).then(async (cache) => {
    const kept = await cache.match(event.request, { ignoreSearch: true });
    if (kept) return kept;
    const fetched = await fetch(event.request);
    if (fetched.ok && url.search === '') cache.put(event.request, fetched.clone());
    return fetched;
  }));
});
