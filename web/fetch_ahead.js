// The hosted page's first step, in its head: an address with choices (a class link, say) has a puzzle to make, so the
// make module comes beside the rest of the page instead of after it (the page's own fetch then takes what came).
// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

if (location.search.length > 1) {
  for (const name of ['loopword_make.wasm', 'loopword_make.js']) {
    document.head.append(Object.assign(document.createElement('link'), { rel: 'preload', as: 'fetch', crossOrigin: 'anonymous', href: name }));
  }
}
