// Pictures of every window of the web edition, to look at beside the desktop program's:
//
//   node tests/web/screenshots.mjs OUT_DIR [FORM...]
//
// writes OUT_DIR/<form>-100.png and <form>-200.png (device scale 1 and 2, as the browser's
// zoom at 100 % and 200 %): the opening screen, every menu, the listing window, and every
// lesson after a few steps. Not a test: a developer's tool.
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { catalog, launch, openSite, openThroughMenus, press, pressOk, server, start } from './support.mjs';

const [out = 'web-screenshots', ...only] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const [browser, site, cat] = await Promise.all([launch(), server(), catalog()]);
const wanted = (form) => only.length === 0 || only.includes(form);

async function shoot(page, form, scale) {
  const win = await page.$(`[data-form=${form}]`);
  const before = await page.evaluate((w) => {
    const { left, top, zIndex } = w.style;
    Object.assign(w.style, { left: '8px', top: '8px', zIndex: '99999' });
    return { left, top, zIndex };
  }, win);
  await win.screenshot({ path: join(out, `${form}-${scale * 100}.png`) });
  await page.evaluate((w, style) => Object.assign(w.style, style), win, before);
}

for (const scale of [1, 2]) {
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
  await page.close();
}
await browser.close();
await site.close();
console.log(`pictures in ${out}`);
