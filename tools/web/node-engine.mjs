// The WebAssembly engine outside the browser, in node: for the site's build (the texts the
// font must hold), the browser tests (the catalog and descriptions) and the benchmark.
// emscripten's ES module expects CommonJS's `require` and `__dirname` when it runs in node.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

// The engine in `dir` (trevisk_engine.mjs and .wasm), with `call(name, types, args)` that
// answers the parsed JSON.
export async function loadNodeEngine(dir) {
  globalThis.require ??= createRequire(import.meta.url);
  globalThis.__dirname ??= dir;
  const { default: create } = await import(pathToFileURL(join(dir, 'trevisk_engine.mjs')));
  // Its handlers of uncaught exceptions, made for programs of its own, would print its source.
  const handlers = ['uncaughtException', 'unhandledRejection'].map((event) => [event, process.listeners(event)]);
  const module = await create({ wasmBinary: readFileSync(join(dir, 'trevisk_engine.wasm')) });
  for (const [event, before] of handlers)
    for (const listener of process.listeners(event)) if (!before.includes(listener)) process.off(event, listener);
  const call = (name, types = [], args = []) => JSON.parse(module.ccall(name, 'string', types, args));
  return {
    module,
    catalog: () => call('trevisk_catalog'),
    open: (form) => call('trevisk_open', ['string'], [form]),
    act: (form, action, { index = 0, value = 0, text = '' } = {}) =>
      call('trevisk_act', ['string', 'string', 'number', 'number', 'string'], [form, action, index, value, text]),
    close: (form) => call('trevisk_close', ['string'], [form]),
    work: (action, form = '', text = '', now = 0) =>
      call('trevisk_work', ['string', 'string', 'string', 'number', 'number'], [action, form, text, now, 0]),
  };
}
