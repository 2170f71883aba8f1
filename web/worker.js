// The page's worker: runs the session and answers each command with its reply and what to show now.
const session = createLoopword().then((module) => new module.Session());

onmessage = async ({ data }) => {
  const loopword = await session;
  let reply = data.command === 'view' ? {} : loopword[data.command](...data.args) ?? {};
  if (Array.isArray(reply)) reply = { message: reply.join('\n') };
  while (loopword.mode() === 'compiling') {
    const step = loopword.advance();
    if (step.message) reply = step;
  }
  postMessage({ id: data.id, reply, view: data.command === 'sheets' ? null : loopword.view() });
};
