// Pictures of every window of the web edition, as a student sees them: the opening screen,
// every menu, the listing window, every lesson after a few steps, a message box and the
// trace window. screenshots.mjs writes them for a developer to look at; look.test.mjs
// compares them across the browser engines.
import { join } from 'node:path';
import { openThroughMenus, press, pressOk, start } from './support.mjs';

// Each window is shot alone, moved to the upper left in front of the others.
async function shoot(page, selector, path) {
  const win = await page.$(selector);
  const before = await win.evaluate((w) => {
    const { left, top, zIndex } = w.style;
    Object.assign(w.style, { left: '8px', top: '8px', zIndex: '99999' });
    return { left, top, zIndex };
  });
  const png = await win.screenshot({ path });
  await win.evaluate((w, style) => Object.assign(w.style, style), before);
  return png;
}

// Shoots the windows of `cat` wanted by `wanted(name)` into `out`, as <name>-<scale × 100>.png;
// `traces`: the lessons whose trace window is shot too (trace-<form>), after a few steps with
// a typed value. Resolves to the names shot.
export async function shootWindows(page, cat, out, { scale = 1, wanted = () => true, traces = [] } = {}) {
  const names = [];
  const take = async (name, selector = `[data-form=${name}]`) => {
    await shoot(page, selector, join(out, `${name}-${scale * 100}.png`));
    names.push(name);
  };
  if (wanted('frmIntro')) await take('frmIntro');
  await start(page);
  for (const menu of cat.menus) {
    if (!wanted(menu.form)) continue;
    if (menu.form !== 'frmMain') await openThroughMenus(page, cat, menu.form);
    await take(menu.form);
  }
  if (wanted('frmText')) {
    await openThroughMenus(page, cat, 'listing:c');
    await take('frmText');
    await page.keyboard.press('Escape');
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
    await openThroughMenus(page, cat, form);
    for (let k = 0; k < 5; ++k) {
      await press(page, form, 'Command1');
      await pressOk(page);
    }
    await take(form);
    await page.click(`[data-form=${form}] .titlebar .close`);
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
  return names;
}
