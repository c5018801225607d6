// Pictures of every window of the web edition, to look at beside the desktop program's:
//
//   node tests/web/screenshots.mjs OUT_DIR [--engine chromium|firefox|webkit] [FORM...]
//
// writes OUT_DIR/<form>-100.png and <form>-200.png (device scale 1 and 2, as the browser's
// zoom at 100 % and 200 %; WebKit at 100 % only): the opening screen, every menu, the listing
// window ("frmText"), a message box ("message") and every lesson after a few steps; "trace"
// (or trace-FORM) adds the trace window of frmTotal after a few steps with a typed value (or
// of FORM), as trace-<form>-100.png and -200.png; "predict" (or predict-FORM) adds the
// question window of every lesson (or of FORM) in おまかせ after two steps answered, as
// predict-<form>-100.png, and the page with it beside the lesson, as
// predict-page-<form>-100.png. Not a test: a developer's tool.
import { mkdirSync } from 'node:fs';
import { parseArgs } from 'node:util';
import { SCALES } from './engines.mjs';
import { shootWindows } from './shots.mjs';
import { catalog, launch, openSite, server } from './support.mjs';

const { values, positionals } = parseArgs({ options: { engine: { type: 'string', default: 'chromium' } }, allowPositionals: true });
const [out = 'web-screenshots', ...only] = positionals;
mkdirSync(out, { recursive: true });
const [browser, site, cat] = await Promise.all([launch(values.engine), server(), catalog()]);
const wanted = (form) => only.length === 0 || only.includes(form);
const traces = only.flatMap((f) => (f === 'trace' ? ['frmTotal'] : f.startsWith('trace-') ? [f.slice(6)] : []));
const predictions = only.flatMap((f) => (f === 'predict' ? cat.lessons.map((l) => l.form) : f.startsWith('predict-') ? [f.slice(8)] : []));

for (const scale of SCALES[values.engine]) {
  const page = await openSite(browser, site.url, { scale });
  await shootWindows(page, cat, out, { scale, wanted, traces, predictions });
  await page.close();
}
await browser.close();
await site.close();
console.log(`pictures in ${out}`);
