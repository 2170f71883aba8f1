// The page's worker: runs the session and answers every command, with the view it leaves and what it said, or with
// an error where it threw; it lets a compile advance a slice at a time between commands, so that Stop reaches it.
// SPDX-License-Identifier: GPL-3.0-or-later
const kSlice = 30;  // milliseconds a compile works before the page is shown how far it got
const kSteps = 20;  // steps a compile shown live takes before the page shows them
let core = null;  // the WebAssembly module once `load` asked for it; its memory read by bench/web-memory.js
let loopword = null;  // the session, once `newSession` made it
let compiles = null;  // the ids of the commands answered when the compile ends
// The queries that make many puzzles, and tell the page how far they got as they go.
const kReporting = new Set(['makeClassSet', 'classLink', 'readResults', 'learningPackage']);

/// The answer to the commands `ids` that threw `error`: "aborted" where the module died with it or was left unsound (a
/// trap, an abort, a C++ exception out of the core), and the page starts a new worker from what the browser keeps;
/// else "thrown" (the call was refused before it reached the core).
function fail(ids, error) {
  const aborted = error instanceof WebAssembly.RuntimeError || !(error instanceof Error);
  for (const id of ids) postMessage({ id, error: aborted ? 'aborted' : 'thrown', cause: String(error) });
}

/// Lets the running compile advance until it ends, showing each slice, and what follows it (a compile the first puzzle
/// needs next among it); then answers the commands that waited for it.
async function advance(module) {
  try {
    let reply;
    do {
      for (;;) {
        module._loopword_advance_compile(kSlice, kSteps);
        if (!loopword.compiling()) break;
        postMessage({ view: loopword.view() });
        await new Promise((resume) => setTimeout(resume, 0));  // the commands that came meanwhile, Stop among them
      }
      reply = loopword.compiled();
    } while (loopword.compiling());
    const view = loopword.view();
    for (const id of compiles) postMessage({ id, view, reply });
  } catch (error) {
    fail(compiles, error);
  }
  compiles = null;
}

/// Instantiates the module the page compiled, for the module's script.
const instantiated = (compiled) => (imports, done) => {
  WebAssembly.instantiate(compiled, imports).then((instance) => done(instance, compiled));
  return {};
};

/// The commands that come before the session: the module (its code given, or fetched beside this script), the
/// word lists of a language, and the session itself.
const kStartCommands = {
  load: (wasm) => { core = createLoopword(wasm instanceof WebAssembly.Module ? { instantiateWasm: instantiated(wasm) } : wasm ? { wasmBinary: wasm } : {}); },
  provideLists: (module, code, packed, levels = 3) => module.provideLists(code, packed, levels),
  newSession: (module, code) => { loopword = module.newSession(code); },
};

/// Gives the session `command`: a query is answered with its result; a command with the view it leaves and its reply,
/// once the compile it started or found running has ended.
function answer(module, id, command, args) {
  if (command in kStartCommands) {
    kStartCommands[command](module, ...args);
    return postMessage({ id, result: true });
  }
  // Only the session's entry points may switch to a compile's own stack: its steps and its Stop come through them.
  let result;
  if (command === 'pressViewButton') {
    module._loopword_press_view_button(args[0] ? 1 : 0);
    result = loopword.lastReply();
  } else if (kReporting.has(command)) {
    result = loopword[command](...args, (text, done, total) => postMessage({ id, progress: { text, done, total } }));
  } else {
    result = loopword[command](...args);
  }
  if (result?.keep === undefined) return postMessage({ id, result });  // a query: the view, the sheets, a class set…
  if (loopword.compiling()) {
    if (compiles) return compiles.push(id);
    compiles = [id];
    return advance(module);
  }
  return postMessage({ id, view: loopword.view(), reply: result });
}

onmessage = async ({ data: { id, command, args } }) => {
  if (command === 'load') return kStartCommands.load(...args);
  try {
    return answer(await core, id, command, args);
  } catch (error) {
    return fail([id], error);
  }
};
