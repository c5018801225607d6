// What the browser tests share: the site served from its folder, headless Chromium, the
// catalog, lesson-console for the expected states, and reading a window as a student sees it.
import { spawnSync } from 'node:child_process';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import assert from 'node:assert/strict';
import { after, before } from 'node:test';
import { loadNodeEngine } from '../../tools/web/node-engine.mjs';
import { serve } from '../../tools/web/serve.mjs';
import { launchEngine } from './engines.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
export const SITE = process.env.WEB_SITE ?? join(root, 'build-web', 'site');
export const CONSOLE = process.env.LESSON_CONSOLE ?? join(root, 'build', 'tools', 'lesson-console', 'lesson-console');

export const server = (site = SITE, options = {}) => serve(site, 0, '127.0.0.1', options);

// The browser (Chromium unless another engine is named) and the served site of a suite of
// tests: started before its first test and closed after its last (read them from the object
// inside the tests).
export function browserSuite(engine = 'chromium') {
  const suite = { engine };
  before(async () => {
    [suite.browser, suite.site] = await Promise.all([launch(engine), server()]);
  });
  after(async () => {
    await suite.browser?.close();
    await suite.site?.close();
  });
  return suite;
}

// Headless Chromium, or another engine of engines.mjs.
export const launch = (engine = 'chromium', options = {}) => launchEngine(engine, options);

// A page of the site with its uncaught errors collected in `page.errors`.
export async function openSite(browser, url, { scale = 1, viewport = { width: 1600, height: 1000 } } = {}) {
  const page = await browser.newPage();
  page.errors = [];
  page.on?.('pageerror', (error) => page.errors.push(error.message));
  await page.setViewport({ ...viewport, deviceScaleFactor: scale });
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('[data-form=frmIntro]');
  return page;
}

// "開始" on the opening screen: the main menu.
export async function start(page) {
  await page.click('[data-form=frmIntro] [data-control=Command1]');
  try {
    await page.waitForSelector('[data-form=frmMain]');
  } catch (error) {
    // What the page showed instead, to tell a click that missed from a page that stopped.
    const seen = await page.evaluate(() => {
      const button = document.querySelector('[data-form=frmIntro] [data-control=Command1]');
      const r = button?.getBoundingClientRect();
      const hit = r && document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
      return JSON.stringify({
        windows: [...document.querySelectorAll('.window')].map((w) => w.dataset.form ?? w.className),
        button: r && [r.left, r.top, r.width, r.height],
        hit: hit && (hit.closest('[data-control]')?.dataset.control ?? hit.tagName),
        focus: document.activeElement?.tagName,
        body: document.body.className,
        problems: document.getElementById('problems')?.textContent,
        size: [innerWidth, innerHeight],
      });
    }).catch((e) => `(not read: ${e.message})`);
    throw new Error(`${error.message}; the page: ${seen}; errors: ${page.errors?.join(' | ')}`);
  }
}

// A fresh engine of the site in node: the model's own answers, to compare the page with.
export const nodeEngine = () => loadNodeEngine(join(SITE, 'engine'));

let catalogCache = null;

// The catalog as the engine gives it, loaded in node from the site's engine.
export async function catalog() {
  if (catalogCache) return catalogCache;
  const engine = await loadNodeEngine(join(SITE, 'engine'));
  catalogCache = engine.catalog();
  catalogCache.describe = (form) => {
    const opened = engine.open(form);
    engine.close(form);
    return opened.description;
  };
  return catalogCache;
}

// The menu buttons that lead from the main menu to `target`: [{menu, button}, ...].
export function pathTo(cat, target, from = 'frmMain', seen = new Set()) {
  const menu = cat.menus.find((m) => m.form === from);
  if (!menu || seen.has(from)) return null;
  seen.add(from);
  for (const button of menu.buttons) {
    if (button.target === target) return [{ menu: from, button: button.name }];
    const rest = pathTo(cat, target, button.target, seen);
    if (rest) return [{ menu: from, button: button.name }, ...rest];
  }
  return null;
}

// Clicks a control of a window, bringing the window to the front first (as a student clicks
// what is in view). `control` is its key: "Command1", "Text1(3)", "Label1(2)".
export async function press(page, form, control, { count = 1 } = {}) {
  const selector = `[data-form=${form}] [data-control="${control}"]`;
  const { x, y } = await page.$eval(selector, (e) => {
    (e.matches('label') ? e.querySelector('input') : e).focus();
    const r = e.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await page.mouse.click(x, y, { count });
}

// Opens `form` through the menus, from the main menu.
export async function openThroughMenus(page, cat, form) {
  for (const { menu, button } of pathTo(cat, form)) await press(page, menu, button);
  if (!form.startsWith('listing:')) await page.waitForSelector(`[data-form=${form}]`);
}

// lesson-console's answers to a script: one array of JSON objects.
export function console(lines) {
  const run = spawnSync(CONSOLE, { input: lines.join('\n') + '\n', encoding: 'utf8' });
  if (run.status !== 0) throw new Error(`lesson-console failed: ${run.stderr}`);
  return run.stdout
    .split('\n')
    .filter(Boolean)
    .map((line) => JSON.parse(line));
}

// The message boxes open in the page, oldest first: each pressed OK, their texts returned.
export async function pressOk(page) {
  const texts = [];
  for (let guard = 0; guard < 100; ++guard) {
    const box = await page.$('.window.message');
    if (!box) break;
    texts.push(await box.evaluate((e) => ({ title: e.querySelector('h2').textContent, text: e.querySelector('.text').textContent })));
    await box.$eval('.buttons button', (b) => b.click());
    await page.evaluate(() => 0); // the next box opens once the promise of this one settles
  }
  return texts;
}

// A lesson window as the student sees it: the yellow line, the note and condition, every
// box's text and colour, check boxes, option, list, labels, cells and the board's picture
// description. Colours are named as the views name them.
export function readLesson(page, form) {
  return page.$eval(`[data-form=${form}]`, (win) => {
    const probe = (value) => {
      const e = document.createElement('div');
      e.style.backgroundColor = value;
      win.append(e);
      const colour = getComputedStyle(e).backgroundColor;
      e.remove();
      return colour;
    };
    const named = { [probe('var(--window)')]: 'window', [probe('var(--button-face)')]: 'buttonface' };
    const colourOf = (e) => {
      const rgb = getComputedStyle(e).backgroundColor;
      if (named[rgb]) return named[rgb];
      const [r, g, b] = rgb.match(/\d+/g).map(Number);
      return `#${[r, g, b].map((v) => v.toString(16).padStart(2, '0').toUpperCase()).join('')}`;
    };
    const stored = (text) => text.replace(/\n/g, '\r\n');
    const get = (key) => win.querySelector(`[data-control="${key}"]`);
    const state = { caption: win.querySelector('h2').textContent };
    const lines = [...win.querySelectorAll('[data-line]')];
    const yellow = lines.filter((e) => colourOf(e) === '#FFFF00').map((e) => Number(e.dataset.line));
    state.line = yellow.length === 1 ? yellow[0] : yellow;
    // The text shown, as innerText gives it: what is hidden is not read.
    const shownText = (e) => (e ? stored(e.innerText) : '');
    state.note = shownText(get('Label2'));
    state.condition = shownText(get('Label3'));
    const boxes = [...win.querySelectorAll('[data-group=Text1]')];
    const count = Math.max(0, ...boxes.map((e) => Number(e.dataset.index) + 1));
    state.boxes = Array.from({ length: count }, (_, k) => {
      const e = get(`Text1(${k})`);
      return e ? { text: e.tagName === 'TEXTAREA' ? stored(e.value) : e.value, color: colourOf(e) } : null;
    });
    // The elements of a control array, by index.
    const array = (name) => {
      const found = [];
      for (const e of win.querySelectorAll(`[data-control^="${name}("]`)) found[Number(e.dataset.control.slice(name.length + 1, -1))] = e;
      return found;
    };
    const text2 = array('Text2');
    if (text2.length) state.text2 = text2.map((e) => (e.tagName === 'TEXTAREA' ? stored(e.value) : e.value));
    const checks = {};
    for (const name of ['Check1', 'Check2', 'Check3']) {
      const inputs = array(name);
      if (inputs.length) checks[name] = inputs.map((e) => (e.querySelector('input').checked ? 1 : 0));
    }
    if (Object.keys(checks).length) state.checks = checks;
    const option = [1, 2].find((k) => get(`Option${k}`)?.querySelector('input').checked);
    if (option) state.option = option;
    const list = get('List1');
    if (list) state.list = [...list.children].map((li) => li.textContent);
    if (get('Label6')) state.label6 = shownText(get('Label6'));
    if (get('lblTable')) state.lblTable = shownText(get('lblTable'));
    const cells = array('lblP');
    if (cells.length) state.cells = cells.map(colourOf);
    // The board as a screen reader describes the picture (named "盤の図").
    if (get('Picture1')) state.board = get('Picture1').getAttribute('aria-description');
    const run = get('Command3');
    state.running = run?.getAttribute('aria-pressed') === 'true';
    return state;
  });
}

// The part of a lesson-console view that a student sees, in the shape readLesson gives.
export function seen(view, boardText) {
  const state = { caption: view.caption, line: view.line, note: view.note, condition: view.condition, boxes: view.boxes };
  for (const key of ['text2', 'checks', 'option', 'list', 'label6', 'lblTable', 'cells']) {
    if (view[key] !== undefined) state[key] = view[key];
  }
  if (view.board) state.board = boardText(view.board);
  state.running = view.timer.enabled && view.timer.interval > 0;
  return state;
}

// The window of `form` shows what lesson-console shows after the same `commands`.
export async function assertShowsConsole(page, form, commands, what = commands.join(', ')) {
  const views = console([`open ${form}`, ...commands, 'view']).filter((a) => a.line !== undefined);
  assert.deepEqual(await readLesson(page, form), seen(views[views.length - 1], () => undefined), what);
}
