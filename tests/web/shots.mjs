// Pictures of every window of the web edition, as a student sees them: the opening screen,
// every menu, the listing window, every lesson after a few steps, a message box and the
// trace window. screenshots.mjs writes them for a developer to look at; look.test.mjs
// compares them across the browser engines.
import { join } from 'node:path';
import { openThroughMenus, press, pressOk, start } from './support.mjs';

// Opens a menu or lesson as its menu button does, in the page (the menus' buttons are
// tested elsewhere; pictures are many).
const show = (page, form) => page.evaluate((f) => window.trevisk.show(f), form).then(() => page.waitForSelector(`[data-form=${form}]`));

// Five steps of a lesson, each message box closed with OK, in the page.
const fiveSteps = (page, form) =>
  page.$eval(`[data-form=${form}]`, async (win) => {
    for (let k = 0; k < 5; ++k) {
      win.querySelector('[data-control=Command1]').click();
      for (let box; (box = document.querySelector('.window.message .buttons button')); ) {
        box.click();
        await new Promise((r) => setTimeout(r, 0));
      }
    }
  });

// What the engines draw of their own, left out of the pictures that are compared: the
// focus (whose ring each engine shows after its own rules), the text cursor (blinking) and
// the scroll bars (the platform's; headless Chromium hides its own).
const PLAIN = `* { caret-color: transparent !important; scrollbar-width: none !important; }
::-webkit-scrollbar { display: none !important; }`;

let front = 100000;

// Each window is shot alone, moved to the upper left in front of the others (where it stays,
// under the next).
async function shoot(page, selector, path, plain) {
  if (plain) {
    await page.mouse.move(1, 1); // no hover
    await page.evaluate((css) => {
      document.activeElement?.blur();
      if (document.getElementById('plain-pictures')) return;
      const style = document.createElement('style');
      style.id = 'plain-pictures';
      style.textContent = css;
      document.head.append(style);
    }, PLAIN);
  }
  const win = await page.$(selector);
  await win.evaluate((w, z) => {
    Object.assign(w.style, { left: '8px', top: '8px', zIndex: String(z) });
  }, ++front);
  return win.screenshot({ path });
}

// Shoots the windows of `cat` wanted by `wanted(name)` into `out`, as <name>-<scale × 100>.png;
// `traces`: the lessons whose trace window is shot too (trace-<form>), after a few steps with
// a typed value; `predictions`: the lessons whose question window is shot (predict-<form>) in
// おまかせ after two steps answered with わからない, with the whole page beside it
// (predict-page-<form>); `plain`: without the focus, the text cursor and scroll bars.
// Resolves to the names shot.
export async function shootWindows(page, cat, out, { scale = 1, wanted = () => true, traces = [], predictions = [], plain = false } = {}) {
  const names = [];
  const take = async (name, selector = `[data-form=${name}]`) => {
    await shoot(page, selector, join(out, `${name}-${scale * 100}.png`), plain);
    names.push(name);
  };
  if (wanted('frmIntro')) await take('frmIntro');
  await start(page);
  if (wanted('frmText')) {
    await openThroughMenus(page, cat, 'listing:c');
    await take('frmText');
    await page.$eval('[data-form=frmText] .titlebar .close', (b) => b.click());
  }
  if (wanted('message')) {
    await openThroughMenus(page, cat, 'frmTotal');
    await press(page, 'frmTotal', 'Label1(2)');
    await page.waitForSelector('.window.message');
    await take('message', '.window.message');
    await pressOk(page);
    await page.click('[data-form=frmTotal] .titlebar .close');
  }
  for (const { form } of cat.lessons) {
    if (!wanted(form)) continue;
    await show(page, form);
    await fiveSteps(page, form);
    await take(form);
    await page.$eval(`[data-form=${form}] .titlebar .close`, (b) => b.click());
  }
  for (const form of traces) {
    await openThroughMenus(page, cat, form);
    for (let k = 0; k < 3; ++k) await press(page, form, 'Command1');
    await page.$eval(`[data-form=${form}] [data-control="Text1(2)"]`, (e) => {
      e.value = '5';
      e.dispatchEvent(new Event('input'));
    });
    for (let k = 0; k < 3; ++k) await press(page, form, 'Command1');
    await pressOk(page);
    await press(page, form, 'TraceButton');
    await page.waitForSelector(`[data-trace=${form}] .rows [role=row]`);
    await page.keyboard.press('ArrowUp');
    await page.keyboard.down('Shift');
    await page.keyboard.press('ArrowUp');
    await page.keyboard.up('Shift');
    await take(`trace-${form}`, `[data-trace=${form}]`);
    await page.click(`[data-form=${form}] .titlebar .close`);
  }
  for (const form of predictions) {
    await openThroughMenus(page, cat, form);
    await press(page, form, 'PredictButton');
    await page.click(`[data-question=${form}] [data-control="Mode(4)"]`);
    for (let k = 0; k < 2; ++k) {
      await page.click(`[data-question=${form}] [data-control=DontKnow]`);
      await pressOk(page);
    }
    await page.screenshot({ path: join(out, `predict-page-${form}-${scale * 100}.png`) });
    await take(`predict-${form}`, `[data-question=${form}]`);
    await page.click(`[data-form=${form}] .titlebar .close`);
  }
  // The menus last: each stays where it was shot, over the buttons the others need.
  for (const menu of cat.menus) {
    if (!wanted(menu.form)) continue;
    await show(page, menu.form);
    await take(menu.form);
  }
  return names;
}
