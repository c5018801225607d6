// Pictures of every window of the web edition, to look at beside the desktop program's:
//
//   node tests/web/screenshots.mjs OUT_DIR [FORM...]
//
// writes OUT_DIR/<form>-100.png, -200.png and -300.png (device scale 1, 2 and 3, as the
// browser's zoom at 100 %, 200 % and 300 %): the opening screen, every menu, the listing
// window, and every lesson after a few steps; "trace" (or trace-FORM) adds the trace window
// of frmTotal after a few steps with a typed value (or of FORM), as trace-<form>-100.png and
// so on. Not a test: a developer's tool.
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { catalog, launch, openSite, openThroughMenus, press, pressOk, server, start } from './support.mjs';

const [out = 'web-screenshots', ...only] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const [browser, site, cat] = await Promise.all([launch(), server(), catalog()]);
const wanted = (form) => only.length === 0 || only.includes(form);
const traces = only.flatMap((f) => (f === 'trace' ? ['frmTotal'] : f.startsWith('trace-') ? [f.slice(6)] : []));

async function shoot(page, form, scale, selector = `[data-form=${form}]`, name = form) {
  const win = await page.$(selector);
  const before = await page.evaluate((w) => {
    const { left, top, zIndex } = w.style;
    Object.assign(w.style, { left: '8px', top: '8px', zIndex: '99999' });
    return { left, top, zIndex };
  }, win);
  await win.screenshot({ path: join(out, `${name}-${scale * 100}.png`) });
  await page.evaluate((w, style) => Object.assign(w.style, style), win, before);
}

for (const scale of [1, 2, 3]) {
  const page = await openSite(browser, site.url, { scale });
  if (wanted('frmIntro')) await shoot(page, 'frmIntro', scale);
  await start(page);
  for (const menu of cat.menus) {
    if (!wanted(menu.form)) continue;
    if (menu.form !== 'frmMain') await openThroughMenus(page, cat, menu.form);
    await shoot(page, menu.form, scale);
  }
  if (wanted('frmText')) {
    await openThroughMenus(page, cat, 'listing:c');
    await shoot(page, 'frmText', scale);
    await page.keyboard.press('Escape');
  }
  for (const { form } of cat.lessons) {
    if (!wanted(form)) continue;
    await openThroughMenus(page, cat, form);
    for (let k = 0; k < 5; ++k) {
      await press(page, form, 'Command1');
      await pressOk(page);
    }
    await shoot(page, form, scale);
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
    await shoot(page, form, scale, `[data-trace=${form}]`, `trace-${form}`);
    await page.click(`[data-form=${form}] .titlebar .close`);
  }
  await page.close();
}
await browser.close();
await site.close();
console.log(`pictures in ${out}`);
