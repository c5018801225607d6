// The page's windows as a window system's: the program's keys stay the program's wherever the
// focus is in one of its windows, leaving the page with a lesson open asks first, a window
// that closes gives the focus to the one in front, Tab goes through the windows front to
// back; a long text the student typed is quoted shortened and a message box fits the page.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import { browserSuite, catalog, openSite, openThroughMenus, press, pressOk, readLesson, start } from './support.mjs';

const cat = await catalog();

const windowOf = (page) => page.evaluate(() => document.activeElement.closest('.window')?.dataset.form ?? document.activeElement.closest('.window')?.dataset.trace ?? document.activeElement.tagName);

describe("the page's windows", () => {
  const suite = browserSuite();
  let page;
  beforeEach(async () => {
    await page?.close();
    page = await openSite(suite.browser, suite.site.url);
    await start(page);
    await page.evaluate(() => (window.notReloaded = true));
  });

  it("F5, F6 and F7 never reload the page or leave it from the program's windows", async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    // The trace window: F5 runs its lesson, Esc closes it.
    await page.keyboard.press('F7');
    await page.waitForSelector('[data-trace=frmTotal]');
    assert.equal(await windowOf(page), 'frmTotal');
    await page.keyboard.press('F5');
    assert.equal((await readLesson(page, 'frmTotal')).running, true, 'F5 in the trace window runs the lesson');
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape'); // back in the lesson: stops the run
    assert.equal((await readLesson(page, 'frmTotal')).running, false);
    // A message box, a menu and a close box.
    await press(page, 'frmTotal', 'Label1(0)');
    await page.waitForSelector('.window.message');
    for (const key of ['F5', 'F6', 'F7', 'F10']) await page.keyboard.press(key);
    await pressOk(page);
    await page.focus('[data-form=frmMain] [data-control=Command1]');
    await page.keyboard.press('F5');
    await page.focus('[data-form=frmTotal] .titlebar .close');
    await page.keyboard.press('F5');
    await page.keyboard.press('F6');
    assert.equal(await page.evaluate(() => window.notReloaded), true);
    assert.deepEqual(page.errors, []);
  });

  it('asks before leaving the page while a lesson is open', async () => {
    const asked = [];
    page.on('dialog', async (dialog) => {
      asked.push(dialog.type());
      await dialog.dismiss();
    });
    await page.reload({ waitUntil: 'load' }); // no lesson open: no question
    await page.waitForSelector('[data-form=frmIntro]');
    await start(page);
    assert.deepEqual(asked, []);
    await openThroughMenus(page, cat, 'frmTotal');
    await press(page, 'frmTotal', 'Command1');
    await page.evaluate(() => (window.notReloaded = true));
    await page.reload({ timeout: 2000 }).catch(() => {});
    assert.deepEqual(asked, ['beforeunload']);
    assert.equal(await page.evaluate(() => window.notReloaded), true, 'the student stayed');
  });

  it('a closed window gives the focus to the one in front; Tab goes through the windows', async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    await page.keyboard.press('F7');
    await page.waitForSelector('[data-trace=frmTotal]');
    await page.keyboard.press('Escape');
    assert.equal(await windowOf(page), 'frmTotal', 'the trace window closed: its lesson');
    // Tab from the lesson's last control goes on to the window behind it, Shift+Tab back.
    const last = await page.$eval('[data-form=frmTotal]', (w) => {
      const stops = [...w.querySelectorAll('button, input, textarea, [tabindex]')].filter((e) => e.tabIndex >= 0 && !e.disabled);
      stops[stops.length - 1].focus();
      return stops[stops.length - 1].dataset.control;
    });
    assert.equal(last, 'TraceButton');
    const behind = await page.evaluate(() => [...document.querySelectorAll('.window')].sort((a, b) => b.style.zIndex - a.style.zIndex)[1].dataset.form);
    await page.keyboard.press('Tab');
    assert.equal(await windowOf(page), behind);
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    assert.equal(await windowOf(page), 'frmTotal');
    // The lesson closes: the window in front after it has the focus, not the page.
    await page.click('[data-form=frmTotal] .titlebar .close');
    const now = await windowOf(page);
    assert.notEqual(now, 'BODY');
    assert.ok(cat.menus.some((m) => m.form === now), now);
  });

  it('quotes a long typed text shortened, and a message box fits the page', async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    await page.$eval('[data-form=frmTotal] [data-control="Text1(0)"]', (box) => {
      box.value = '9'.repeat(100000);
      box.dispatchEvent(new Event('input', { bubbles: true }));
    });
    await press(page, 'frmTotal', 'Command1');
    await page.waitForSelector('.window.message');
    const box = await page.$eval('.window.message', (w) => ({ text: w.querySelector('.text').textContent, height: w.getBoundingClientRect().height, room: document.documentElement.clientHeight }));
    assert.match(box.text, /^a\[0\] の値 9{20}…（100000 文字） は -32768～32767 の範囲外です。$/);
    assert.ok(box.height < box.room, `${box.height} px in ${box.room}`);
    await pressOk(page);
    // A long text in the stack is stepped with at once, and told shortened.
    await openThroughMenus(page, cat, 'frmStack');
    await page.$eval('[data-form=frmStack] [data-control="Text1(12)"]', (box) => {
      box.value = 'ab'.repeat(50000);
      box.dispatchEvent(new Event('input', { bubbles: true }));
    });
    await press(page, 'frmStack', 'Command1');
    await page.waitForFunction(() => document.querySelector('[data-form=frmStack] [role=status]').textContent.includes('…'), { timeout: 3000 }).catch(() => {});
    const told = await page.$eval('[data-form=frmStack] [role=status]', (e) => e.textContent);
    assert.match(told, /V は (ab){10}…（100000 文字）/);
    assert.ok(told.length < 400, `${told.length} characters told`);
    const started = Date.now();
    for (let k = 0; k < 4; ++k) await press(page, 'frmStack', 'Command1');
    const took = (Date.now() - started) / 4;
    assert.ok(took < 150, `${took} ms a step`);
    assert.deepEqual(page.errors, []);
  });
});
