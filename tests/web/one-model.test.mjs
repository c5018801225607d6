// The page and the desktop program are two front ends of one model: what a screen reader is
// told of every control (names, descriptions, hints) is what the desktop window tells; one
// listing line only is described as the next to run, whatever the student did; the trace
// window lands where the desktop's rule (the engine's) puts it.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';
import { dirname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';
import { before, describe, it } from 'node:test';
import { browserSuite, catalog, CONSOLE, nodeEngine, openSite, press, pressOk, start } from './support.mjs';

const cat = await catalog();
const SHOW_LESSON = process.env.SHOW_LESSON ?? join(dirname(dirname(dirname(CONSOLE))), 'tools', 'show-lesson', 'show-lesson');

const tidy = (text) => (text ?? '').replace(/[\s\u3000]+/g, ' ').trim();

// What the desktop window's accessibility interfaces tell of each control.
function desktopNames(form) {
  const run = spawnSync(SHOW_LESSON, [form, '--names'], { encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  if (run.status !== 0) throw new Error(`show-lesson failed: ${run.stderr}`);
  return JSON.parse(run.stdout);
}

// The same of the page's controls, as its accessibility attributes give them.
function pageNames(page, form) {
  return page.$eval(`[data-form=${form}] .client`, (client) => {
    const names = {};
    for (const e of client.querySelectorAll('[data-control]')) {
      const input = e.matches('label.choice') ? e.querySelector('input') : e;
      const name = input.getAttribute('aria-label') ?? (e.matches('label.choice') ? e.querySelector('span').textContent : e.textContent);
      // A browser describes a control by its title where it has no description, as Qt does by
      // its tooltip.
      const description = input.getAttribute('aria-description') ?? input.title ?? '';
      names[e.dataset.control] = { name, description, hint: input.title ?? '' };
    }
    return names;
  });
}

// The controls a screen reader user reaches: the listing, the note, the condition, the values,
// the interval, the buttons, the list and the picture.
const compared = /^(Label1\(\d+\)|Label2|Label3|Text[12]\(\d+\)|Check\d\(\d+\)|Option\d|List1|Picture1|txtTime|Command\d|StepBack|TraceButton)$/;

// The listing lines that say they run next.
const currentLines = (page, form) =>
  page.$$eval(`[data-form=${form}] [data-line]`, (lines) => lines.filter((l) => l.getAttribute('aria-description')?.includes('次に実行する行')).map((l) => Number(l.dataset.line)));

const lineOf = (page, form) => page.$eval(`[data-form=${form}] .line.current`, (l) => Number(l.dataset.line));

describe('one model, two front ends', () => {
  const suite = browserSuite();
  let page;
  let engine;
  before(async () => {
    page = await openSite(suite.browser, suite.site.url);
    await start(page);
    engine = await nodeEngine();
  });

  for (const { form } of cat.lessons) {
    it(`${form}: names, one current line, the trace window's place`, async () => {
      await page.evaluate((f) => window.trevisk.show(f), form);
      await page.waitForSelector(`[data-form=${form}]`);
      // What a screen reader is told of each control, as on the desktop (blanks aside).
      const desktop = desktopNames(form);
      const shown = await pageNames(page, form);
      let count = 0;
      for (const [control, told] of Object.entries(desktop)) {
        if (!compared.test(control)) continue;
        assert.ok(shown[control], `${form} ${control}: not in the page`);
        for (const part of ['name', 'description', 'hint'])
          assert.equal(tidy(shown[control][part]), tidy(told[part]), `${form} ${control} ${part}`);
        ++count;
      }
      assert.ok(count >= 10, `${form}: ${count} controls compared`);

      // One current line, after whatever the student does.
      const d = cat.describe(form);
      const has = (name) => d.controls.some((c) => c.name === name);
      const actions = ['Command1', 'Command1', 'StepBack', 'Command2', 'Command1'];
      if (has('Option2')) actions.push('Option2', 'Command1', 'Option1');
      for (const action of ['load', ...actions]) {
        if (action !== 'load') {
          await press(page, form, action);
          await pressOk(page);
        }
        assert.deepEqual(await currentLines(page, form), [await lineOf(page, form)], `${form} after ${action}`);
      }

      // The trace window: where the engine's rule puts it for this page's geometry.
      await page.setViewport({ width: 1024, height: 768 });
      await page.$eval(`[data-form=${form}] [data-control=TraceButton]`, (b) => b.click());
      await page.waitForSelector(`[data-trace=${form}]`);
      const geometry = await page.evaluate((f) => {
        const rect = (e) => e.getBoundingClientRect();
        const lesson = document.querySelector(`[data-form=${f}]`);
        const trace = document.querySelector(`[data-trace=${f}]`);
        const [outer, client, traceClient] = [rect(lesson), rect(lesson.querySelector('.client')), rect(trace.querySelector('.client'))];
        // The columns' widths; the last one stretches to the window's edge beyond its own.
        const cells = [...trace.querySelectorAll('.head .td')];
        const last = cells.pop();
        const columns = cells.reduce((sum, cell) => sum + cell.getBoundingClientRect().width, 0) + parseFloat(last.style.minWidth || getComputedStyle(last).minWidth);
        return {
          where: {
            lesson: { left: client.left, top: client.top, width: client.width, height: client.height },
            frame: { left: client.left - outer.left, top: client.top - outer.top, right: outer.right - client.right, bottom: outer.bottom - client.bottom },
            area: { left: 0, top: 0, width: document.documentElement.clientWidth, height: document.documentElement.clientHeight },
          },
          columns: Math.round(columns),
          placed: { left: traceClient.left, top: traceClient.top, width: traceClient.width, height: traceClient.height },
        };
      }, form);
      engine.open(form);
      const rule = engine.act(form, 'place', { value: geometry.columns, text: JSON.stringify(geometry.where) }).place;
      engine.close(form);
      for (const side of ['left', 'top', 'width', 'height'])
        assert.ok(Math.abs(geometry.placed[side] - rule[side]) <= 1, `${form} trace window ${side}: ${geometry.placed[side]}, the rule says ${rule[side]}`);
      await page.setViewport({ width: 1600, height: 1000 });
      await page.click(`[data-form=${form}] .titlebar .close`);
    });
  }
});

// Every word of a lesson window comes from the engine; the page's own words (load failures,
// the close box) are in words.js alone. Kana, CJK ideographs and full-width forms anywhere
// else in the page's script, comments included, are words that have drifted out of it.
describe('the page keeps its own words in one module', () => {
  it('no module of web/js but words.js holds Japanese text', () => {
    const js = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'web', 'js');
    const modules = (dir) =>
      readdirSync(dir, { withFileTypes: true }).flatMap((e) => (e.isDirectory() ? modules(join(dir, e.name)) : e.name.endsWith('.js') ? [join(dir, e.name)] : []));
    const japanese = /[\u3000-\u30ff\u3400-\u9fff\uf900-\ufaff\uff00-\uffef]/u;
    const names = modules(js).map((file) => relative(js, file));
    assert.ok(names.includes('words.js'), 'words.js is where the page keeps its words');
    const found = [];
    for (const name of names.filter((n) => n !== 'words.js')) {
      readFileSync(join(js, name), 'utf8')
        .split('\n')
        .forEach((line, k) => japanese.test(line) && found.push(`${name}:${k + 1}: ${line.trim()}`));
    }
    assert.deepEqual(found, []);
  });
});
