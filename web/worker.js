// The page's worker: runs the session and answers each command with its reply and what to show now.
// SPDX-License-Identifier: GPL-3.0-or-later
const session = createLoopword().then((module) => new module.Session());

onmessage = async ({ data }) => {
  const loopword = await session;
  const start = performance.now();
  let reply = data.command === 'view' ? {} : loopword[data.command](...data.args) ?? {};
  const ms = performance.now() - start;  // the session's own time, before the drawing is replayed
  while (loopword.mode() === 'compiling') {
    const step = loopword.advance();
    if (step.message) reply = step;
  }
  postMessage({ id: data.id, reply, ms, view: data.command === 'sheets' ? null : loopword.view() });
};
