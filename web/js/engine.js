// The lesson model compiled to WebAssembly and the calls the page makes on it. Every
// answer is the model's JSON (views, descriptions, outcomes, the catalog of menus and
// listings); the page shows what it is given and computes nothing of a lesson itself.

export class EngineError extends Error {}

export async function loadEngine() {
  let create;
  try {
    ({ default: create } = await import('../engine/trevisk_engine.mjs'));
  } catch (error) {
    throw new EngineError(`engine script: ${error.message}`);
  }
  let module;
  try {
    module = await create();
  } catch (error) {
    throw new EngineError(`engine binary: ${error?.message ?? error}`);
  }
  return new Engine(module);
}

export class Engine {
  constructor(module) {
    this.catalogCall = module.cwrap('trevisk_catalog', 'string', []);
    this.openCall = module.cwrap('trevisk_open', 'string', ['string']);
    this.actCall = module.cwrap('trevisk_act', 'string', ['string', 'string', 'number', 'number', 'string']);
    this.closeCall = module.cwrap('trevisk_close', 'string', ['string']);
    this.exportCall = module.cwrap('trevisk_export_csv', 'string', ['string', 'string']);
    this.fileCall = module.cwrap('trevisk_file', 'number', []);
    this.workCall = module.cwrap('trevisk_work', 'string', ['string', 'string', 'string', 'number', 'number']);
    this.inputCall = module.cwrap('trevisk_input', 'number', ['number']);
    this.module = module;
    this.kept = null; // told of the kept work's new lines in every answer: (form, lines)
  }

  catalog() {
    return JSON.parse(this.catalogCall());
  }

  // {form, loaded, description, outcome, view}: loads the lesson when it is not open.
  open(form) {
    return JSON.parse(this.openCall(form));
  }

  // {outcome: {messages, refused}, view} or {error}.
  act(form, action, { index = 0, value = 0, text = '' } = {}) {
    return this.kept_(form, JSON.parse(this.actCall(form, action, index, value, text)));
  }

  // Assignments, results and kept work (docs/WEB.md): `bytes` (a Uint8Array: a file as read)
  // reach the engine as they are, in place of `text`.
  work(action, form = '', { text = '', bytes = null } = {}) {
    if (bytes) this.module.HEAPU8.set(bytes, this.inputCall(bytes.length));
    return JSON.parse(this.workCall(action, form, text, Date.now(), bytes ? 1 : 0));
  }

  kept_(form, answer) {
    if (answer.kept?.length && this.kept) this.kept(form, answer.kept);
    return answer;
  }

  // The trace of `form` as a CSV file for the date `date` (YYYY-MM-DD): {fileName, bytes}
  // or {error}. `bytes` is a view of the engine's memory, valid until the next call: a Blob
  // made of it at once copies the bytes once, no more.
  exportCsv(form, date) {
    const file = JSON.parse(this.exportCall(form, date));
    if (file.error) return file;
    const at = this.fileCall();
    return { fileName: file.fileName, bytes: this.module.HEAPU8.subarray(at, at + file.size) };
  }

  close(form) {
    return JSON.parse(this.closeCall(form));
  }
}
