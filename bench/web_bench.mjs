// Speed figures of the web edition in headless Chromium (make bench; docs/PERFORMANCE.md):
// step plus repaint of every lesson window, auto-run at 1 ms, the complete eight-queens run
// through the binding beside lesson-console's native run, the first visit to the first lesson,
// and what the page fetches; then step plus repaint in Firefox and WebKit beside Chromium.
import { spawnSync } from 'node:child_process';
import { performance } from 'node:perf_hooks';
import { ENGINES } from '../tests/web/engines.mjs';
import { CONSOLE, catalog, launch, openSite, openThroughMenus, press, server, start } from '../tests/web/support.mjs';

const STEPS = Number(process.env.TREVISK_BENCH_STEPS ?? 2000);
// To iterate on one figure: TREVISK_BENCH_ONLY=steps or =prediction runs that section alone,
// TREVISK_BENCH_FORMS=frmTotal,frmGCD only those lessons in it.
const ONLY = process.env.TREVISK_BENCH_ONLY;
const FORMS = process.env.TREVISK_BENCH_FORMS?.split(',');
const wanted = (section) => !ONLY || ONLY === section;
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, p) => values.slice().sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))];

const [browser, site, cat] = await Promise.all([launch(), server(), catalog()]);
const lessons = cat.lessons.filter(({ form }) => !FORMS || FORMS.includes(form));

// --- step plus repaint: a click on 進む, the model's step, the view shown, style and layout ---
// The page's clock counts in 0.1 ms (no cross-origin isolation; WebKit's in 1 ms), so each
// sample is the mean of a run of `batch` steps.
async function stepTimes(page, form, samples, batch = 10) {
  return page.$eval(
    `[data-form=${form}]`,
    async (win, samples, batch) => {
      const step = win.querySelector('[data-control=Command1]');
      const messages = document.getElementsByClassName('message'); // live: its length costs nothing
      const times = [];
      for (let k = 0; k < samples; ++k) {
        let t0 = performance.now();
        let spent = 0;
        for (let s = 0; s < batch; ++s) {
          step.click();
          win.getBoundingClientRect(); // style and layout of what changed
          // A message box the step showed is the student's to close, off the clock (while it
          // is open 進む does nothing, and a click on it would be timed as a step).
          if (messages.length) {
            spent += performance.now() - t0;
            for (const ok of document.querySelectorAll('.window.message .buttons button')) ok.click();
            await new Promise((r) => setTimeout(r, 0));
            t0 = performance.now();
          }
        }
        times.push((spent + performance.now() - t0) / batch);
        if (k % 5 === 4) await new Promise(requestAnimationFrame); // and painted now and then
      }
      return times;
    },
    samples,
    batch,
  );
}

const page = await openSite(browser, site.url);
await start(page);
const stepFigures = {};
if (wanted('steps')) {
  console.log(`\nstep plus repaint (click on 進む to layout done), µs, ${STEPS} steps a lesson`);
  console.log('| lesson | median | p99 |');
  console.log('|---|---|---|');
  for (const { form } of lessons) {
    await openThroughMenus(page, cat, form);
    await stepTimes(page, form, 20); // warm up: the engine's code is optimised as it runs
    const times = await stepTimes(page, form, STEPS / 10);
    stepFigures[form] = median(times);
    console.log(`| \`${form}\` | ${(median(times) * 1000).toFixed(0)} | ${(percentile(times, 0.99) * 1000).toFixed(0)} |`);
    await page.click(`[data-form=${form}] .titlebar .close`);
  }
}

// --- a step with the prediction mode on (おまかせ): "答えて進む" pressed, the judgement and the
// step, both windows repainted with the next question. The answer is made before (as typing
// or a click makes it, an event of its own with its own frame) and timed apart. Only asked
// steps are timed: a step nothing asks about is made with 進む and the end of the routine
// ends with 先頭に戻る, untimed. This page is cross-origin isolated, so that its clock counts
// in 5 µs: each step is timed alone, and the median is of steps, as the desktop's is.
async function predictedStepTimes(page, form, samples) {
  return page.$eval(
    `[data-form=${form}]`,
    async (win, samples) => {
      if (!self.crossOriginIsolated) throw new Error('the page is not cross-origin isolated: its clock is too coarse');
      const lesson = window.trevisk.open.get(win.dataset.form);
      const judge = document.querySelector(`[data-question=${win.dataset.form}] [data-control=Judge]`);
      const [step, restart] = ['Command1', 'Command2'].map((c) => win.querySelector(`[data-control=${c}]`));
      const dismiss = () => {
        const boxes = document.querySelectorAll('.window.message .buttons button');
        for (const ok of boxes) ok.click();
        return boxes.length > 0;
      };
      // Until a question waits: 進む, and 先頭に戻る where the routine has ended (a message
      // box, or a step that changed nothing).
      const untilAsked = async () => {
        for (let tries = 0; !lesson.view.asking.asking; ++tries) {
          if (tries > 1000) throw new Error('no question in a thousand steps');
          const before = lesson.view;
          step.click();
          if (dismiss() || lesson.view === before) {
            await new Promise((r) => setTimeout(r, 0));
            dismiss();
            restart.click();
            dismiss();
          }
        }
      };
      const judged = [];
      const whole = [];
      for (let k = 0; k < samples; ++k) {
        for (let s = 0; s < 10; ++s) {
          await untilAsked();
          win.getBoundingClientRect();
          const t0 = performance.now();
          const a = lesson.view.asking;
          lesson.draft(a.form === 'truth' ? 'True' : '0', false); // line 0 is in every listing
          win.getBoundingClientRect();
          const t1 = performance.now();
          judge.click();
          win.getBoundingClientRect(); // style and layout of what changed
          const t2 = performance.now();
          judged.push(t2 - t1);
          whole.push(t2 - t0);
          if (dismiss()) await new Promise((r) => setTimeout(r, 0));
        }
        if (k % 5 === 4) await new Promise(requestAnimationFrame);
      }
      return { judged, whole };
    },
    samples,
  );
}

if (wanted('prediction')) {
  const isolated = await server(undefined, { headers: { 'Cross-Origin-Opener-Policy': 'same-origin', 'Cross-Origin-Embedder-Policy': 'require-corp' } });
  const asking = await openSite(browser, isolated.url);
  await start(asking);
  console.log(`\na step with the prediction mode on (おまかせ), judged and repainted, µs, ${STEPS} steps a lesson; beside it, with the answer's making`);
  console.log('| lesson | median | p99 | with the answer made, median |');
  console.log('|---|---|---|---|');
  for (const { form } of lessons) {
    await openThroughMenus(asking, cat, form);
    await press(asking, form, 'PredictButton');
    await asking.click(`[data-question=${form}] [data-control="Mode(4)"]`);
    await predictedStepTimes(asking, form, 20);
    const { judged, whole } = await predictedStepTimes(asking, form, STEPS / 10);
    console.log(`| \`${form}\` | ${(median(judged) * 1000).toFixed(0)} | ${(percentile(judged, 0.99) * 1000).toFixed(0)} | ${(median(whole) * 1000).toFixed(0)} |`);
    await asking.click(`[data-form=${form}] .titlebar .close`);
  }
  await asking.close();
  await isolated.close();
}
if (ONLY) {
  await browser.close();
  await site.close();
  process.exit(0);
}

// --- auto-run at 1 ms: ticks per second while the page repaints at display rate ---
console.log('\nauto-run at 1 ms, 3 s');
console.log('| lesson | steps per second | frames per second |');
console.log('|---|---|---|');
for (const form of ['frmTotal', 'frmSortQuick', 'frm8Queen']) {
  await openThroughMenus(page, cat, form);
  await page.$eval(`[data-form=${form}] [data-control=txtTime]`, (e) => {
    e.value = '1';
    e.dispatchEvent(new Event('input'));
  });
  const figures = await page.$eval(`[data-form=${form}]`, async (win) => {
    const lesson = window.trevisk.open.get(win.dataset.form);
    let frames = 0;
    let counting = true;
    const frame = () => {
      ++frames;
      if (counting) requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
    const dismiss = new MutationObserver(() => {
      for (const ok of document.querySelectorAll('.window.message .buttons button')) ok.click();
    });
    dismiss.observe(document.body, { childList: true, subtree: true });
    const before = lesson.ticked;
    const t0 = performance.now();
    win.querySelector('[data-control=Command3]').click();
    await new Promise((r) => setTimeout(r, 3000));
    const seconds = (performance.now() - t0) / 1000;
    win.querySelector('[data-control=Command4]').click();
    counting = false;
    dismiss.disconnect();
    return { steps: (lesson.ticked - before) / seconds, frames: frames / seconds };
  });
  console.log(`| \`${form}\` | ${figures.steps.toFixed(0)} | ${figures.frames.toFixed(0)} |`);
  await page.click(`[data-form=${form}] .titlebar .close`);
}

// --- the complete eight-queens run: the binding in the page against lesson-console ---
const QUEEN_STEPS = 65115;
function nativeRun(lines) {
  const t0 = performance.now();
  const run = spawnSync(CONSOLE, { input: lines.join('\n') + '\n', encoding: 'utf8' });
  if (run.status !== 0) throw new Error('lesson-console failed');
  return performance.now() - t0;
}
const native = [];
// The native model's complete run: model_bench's figure when make bench gives it, else
// lesson-console's run less its start (which adds the console's own work).
function nativeModel() {
  if (!process.env.MODEL_BENCH) return nativeRun(['open frm8Queen', `step ${QUEEN_STEPS}`]) - nativeRun(['open frm8Queen']);
  const run = spawnSync(process.env.MODEL_BENCH, ['--benchmark_filter=eight_queens_full_run', '--benchmark_format=json'], { encoding: 'utf8' });
  const [result] = JSON.parse(run.stdout).benchmarks;
  return result.real_time * { ns: 1e-6, us: 1e-3, ms: 1 }[result.time_unit];
}
const binding = [];
const perStep = [];
for (let k = 0; k < 6; ++k) {
  native.push(nativeModel());
  const [whole, each] = await page.evaluate((steps) => {
    const engine = window.trevisk.engine;
    engine.close('frm8Queen');
    engine.open('frm8Queen');
    let t0 = performance.now();
    const result = engine.act('frm8Queen', 'steps', { value: steps });
    const whole = performance.now() - t0;
    if (result.done !== steps) throw new Error(`${result.done} steps`);
    engine.close('frm8Queen');
    engine.open('frm8Queen');
    t0 = performance.now();
    for (let s = 0; s < steps; ++s) engine.act('frm8Queen', 'step');
    const each = performance.now() - t0;
    engine.close('frm8Queen');
    return [whole, each];
  }, QUEEN_STEPS);
  if (k === 0) continue; // the first run warms the engine's code up, as model_bench's do
  binding.push(whole);
  perStep.push(each);
}
console.log(`\neight queens, ${QUEEN_STEPS} steps (median of 5)`);
console.log(`native model (${process.env.MODEL_BENCH ? 'model_bench' : 'lesson-console, less its start'}): ${median(native).toFixed(1)} ms`);
console.log(`through the binding in the page, one call: ${median(binding).toFixed(1)} ms (${(median(binding) / median(native)).toFixed(2)} × native)`);
console.log(`through the binding, one call a step, each answering the view: ${median(perStep).toFixed(0)} ms`);

// --- the trace window on the complete eight-queens run: opening, scrolling, the CSV ---
// Opening: the click on トレース表 to the window laid out and its first frame painted.
// Scrolling: a frame of scrolling by 5 rows (a turn of the wheel), 35 rows and 75 rows (more
// than a screen) at a time, from the scroll to the rows laid out. Export: the CSV from the engine to the download.
await openThroughMenus(page, cat, 'frm8Queen');
await page.evaluate((steps) => window.trevisk.engine.act('frm8Queen', 'steps', { value: steps }), QUEEN_STEPS);
const traceOpen = [];
const traceExport = [];
let scrollFrames = {};
for (let k = 0; k < 6; ++k) {
  const figures = await page.$eval(
    '[data-form=frm8Queen] [data-control=TraceButton]',
    async (button, first) => {
      const lesson = window.trevisk.open.get('frm8Queen');
      const t0 = performance.now();
      button.click();
      const grid = document.querySelector('[data-trace=frm8Queen] [role=grid]');
      grid.getBoundingClientRect();
      const opened = performance.now() - t0;
      await new Promise(requestAnimationFrame);
      // The download itself is the browser's: the page's part ends with the link's click.
      const click = HTMLAnchorElement.prototype.click;
      HTMLAnchorElement.prototype.click = function () {};
      const e0 = performance.now();
      lesson.trace.save();
      const exported = performance.now() - e0;
      HTMLAnchorElement.prototype.click = click;
      const frames = {};
      if (first) {
        for (const by of [100, 700, 1500]) {
          frames[by] = [];
          grid.scrollTop = 0;
          await new Promise(requestAnimationFrame);
          for (let f = 0; f < 150 && grid.scrollTop + grid.clientHeight < grid.scrollHeight; ++f) {
            const s0 = performance.now();
            grid.scrollTop += by;
            lesson.trace.render(); // what the frame's scroll event brings about, now
            grid.getBoundingClientRect();
            frames[by].push(performance.now() - s0);
            await new Promise(requestAnimationFrame);
          }
        }
      }
      lesson.trace.close();
      return { opened, exported, frames };
    },
    k === 1,
  );
  if (k === 0) continue; // warm-up
  traceOpen.push(figures.opened);
  traceExport.push(figures.exported);
  if (Object.keys(figures.frames).length) scrollFrames = figures.frames;
}
console.log(`\ntrace window on the complete eight-queens run (${QUEEN_STEPS + 1} rows, median of 5)`);
console.log(`opening (click to laid out): ${median(traceOpen).toFixed(1)} ms (target ≤ 100 ms)`);
console.log(`CSV export in the page (engine's text to the download): ${median(traceExport).toFixed(1)} ms (target ≤ 200 ms)`);
for (const [by, frames] of Object.entries(scrollFrames))
  console.log(`scrolling by ${by / 20} rows, a frame's work (${frames.length} frames): median ${median(frames).toFixed(2)} ms, p99 ${percentile(frames, 0.99).toFixed(2)} ms`);
await page.close();

// --- the first visit: nothing cached, no service worker yet ---
const first = [];
let fetched = 0;
let fetchedFiles = 0;
for (let k = 0; k < 5; ++k) {
  const context = await browser.createBrowserContext();
  const visit = await context.newPage();
  await visit.setViewport({ width: 1600, height: 1000 });
  site.requests.length = 0;
  site.sent.bytes = 0;
  // When each click arrives and when what it opens is shown, so that the page's own time can
  // be told from the time the automated clicks take to arrive.
  await visit.evaluateOnNewDocument(() => {
    const times = (window.treviskTimes = {});
    addEventListener('click', (e) => (times[`click ${e.target.closest('[data-form]')?.dataset.form}`] = performance.now()), true);
    new MutationObserver(() => {
      if (!times.menu && document.querySelector('[data-form=frmMain]')) times.menu = performance.now();
      if (!times.lesson && document.querySelector('[data-form=frmTotal] .line.current')) times.lesson = performance.now();
    }).observe(document, { childList: true, subtree: true, attributes: true });
  });
  await visit.goto(site.url);
  await visit.waitForSelector('[data-form=frmIntro]');
  await press(visit, 'frmIntro', 'Command1');
  await press(visit, 'frmMain', 'Command2');
  await visit.waitForFunction(() => window.treviskTimes.lesson);
  const t = await visit.evaluate(() => ({ ...window.treviskTimes, intro: performance.getEntriesByName('trevisk-started')[0].startTime }));
  const intro = t.intro;
  const lesson = t.lesson;
  const pageTime = t.intro + (t.menu - t['click frmIntro']) + (t.lesson - t['click frmMain']);
  await visit.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
  await new Promise((r) => setTimeout(r, 300));
  first.push({ intro, lesson, pageTime });
  fetched = site.sent.bytes;
  fetchedFiles = site.requests.length;
  await context.close();
}
console.log('\nfirst visit from localhost (median of 5, from the start of the navigation)');
console.log(`opening screen shown: ${median(first.map((f) => f.intro)).toFixed(0)} ms`);
console.log(`first lesson (配列の合計値) ready, the automated clicks' delays included: ${median(first.map((f) => f.lesson)).toFixed(0)} ms`);
console.log(`the page's own time to it (opening screen, then each click to what it opens): ${median(first.map((f) => f.pageTime)).toFixed(0)} ms`);
console.log(`fetched: ${fetchedFiles} requests, ${(fetched / 1024).toFixed(0)} KiB of bodies (the service worker's offline copy included)`);

console.log(
  `\nstep plus repaint, median: frm8Queen ${(stepFigures.frm8Queen * 1000).toFixed(0)} µs, frmSortQuick ${(stepFigures.frmSortQuick * 1000).toFixed(0)} µs`,
);
await browser.close();

// --- step plus repaint in the three engines, one after the other in this run: samples of
// 100 steps, for WebKit's clock of 1 ms ---
const ENGINE_LESSONS = ['frmTotal', 'frmSortQuick', 'frmHanoi', 'frm8Queen'];
const ENGINE_STEPS = Number(process.env.TREVISK_BENCH_ENGINE_STEPS ?? 3000);
const engineFigures = {};
for (const engine of ENGINES) {
  const other = await launch(engine);
  const visit = await openSite(other, site.url);
  await start(visit);
  engineFigures[engine] = { version: await other.version() };
  for (const form of ENGINE_LESSONS) {
    await openThroughMenus(visit, cat, form);
    await stepTimes(visit, form, 3, 100); // warm up
    engineFigures[engine][form] = median(await stepTimes(visit, form, ENGINE_STEPS / 100, 100));
    await visit.click(`[data-form=${form}] .titlebar .close`);
  }
  await other.close();
}
console.log(`\nstep plus repaint in each engine, median µs (${ENGINE_STEPS} steps a lesson; target ≤ 1000 µs)`);
console.log(`| lesson | ${ENGINES.map((e) => engineFigures[e].version).join(' | ')} |`);
console.log(`|---|${ENGINES.map(() => '---').join('|')}|`);
for (const form of ENGINE_LESSONS) console.log(`| \`${form}\` | ${ENGINES.map((e) => (engineFigures[e][form] * 1000).toFixed(0)).join(' | ')} |`);
await site.close();
