// The page's worker: runs the session and answers each command with its reply and what to show now.
// SPDX-License-Identifier: GPL-3.0-or-later
const core = createLoopword();  // the WebAssembly module, its memory read by bench/web-memory.js
const session = core.then((module) => new module.Session());

onmessage = async ({ data }) => {
  const loopword = await session;
  const start = performance.now();
  const reply = data.command === 'view' ? {} : loopword[data.command](...data.args) ?? {};
  const ms = performance.now() - start;  // the session's own time, before the view is drawn
  postMessage({ id: data.id, reply, ms, view: data.command === 'sheets' ? null : loopword.view() });
};
