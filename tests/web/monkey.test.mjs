// A monkey in the browser: random clicks, typing and keys across every window for a few
// seconds (TREVISK_MONKEY_SECONDS, 4 by default), with a fixed seed. Nothing may throw, no
// message box may stay stuck, and the page must still answer at the end.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { assertShowsConsole, browserSuite, catalog, openSite, openThroughMenus, pressOk, start } from './support.mjs';

const cat = await catalog();

const SECONDS = Number(process.env.TREVISK_MONKEY_SECONDS ?? 4);
const TEXTS = ['', '0', '7', '-3', '2.5', '1e2', '40000', '-99999', 'abc', '１２', '　５', '🙂', 'x'.repeat(40), '1\n2'];
const KEYS = ['ArrowRight', 'ArrowLeft', 'Home', 'F5', 'F10', 'F6', 'F7', 'Escape', 'Enter', 'Tab', ' ', 'ArrowDown', 'ArrowUp', 'End', 'PageUp'];

// A small fixed-seed generator, so a failing run can be repeated.
function random(seed) {
  let s = seed >>> 0;
  return () => {
    s = (s * 1664525 + 1013904223) >>> 0;
    return s / 2 ** 32;
  };
}

describe('monkey', () => {
  const suite = browserSuite();

  for (const seed of [1, 2]) {
    it(`random clicks and typing, seed ${seed}`, async () => {
      const page = await openSite(suite.browser, suite.site.url);
      // The trace window's CSV downloads go nowhere.
      await (await page.createCDPSession()).send('Browser.setDownloadBehavior', { behavior: 'deny' });
      const next = random(seed);
      const pick = (list) => list[Math.floor(next() * list.length)];
      await start(page);
      for (const form of ['frmTotal', 'frmHanoi', 'frm8Queen', 'frmQue2', 'frmSortQuick']) await openThroughMenus(page, cat, form);
      const end = Date.now() + (SECONDS * 1000) / 2;
      let actions = 0;
      while (Date.now() < end) {
        ++actions;
        const choice = next();
        if (choice < 0.6) {
          const targets = await page.$$('.window button:not(:disabled), .window .line, .window input, .window textarea, .trace [role=row], .shield, .ended button');
          const target = pick(targets);
          const box = target && (await target.boundingBox());
          if (box) await page.mouse.click(box.x + box.width * next(), box.y + box.height * next());
        } else if (choice < 0.8) {
          await page.keyboard.type(pick(TEXTS));
        } else {
          await page.keyboard.press(pick(KEYS));
        }
        if (next() < 0.02) await page.evaluate(() => new Promise((r) => setTimeout(r, 30))); // let auto-run tick
      }
      // Every message box closes, and the program still works.
      await pressOk(page);
      assert.equal(await page.$('.window.message'), null, 'no message box stuck');
      assert.deepEqual(page.errors, [], `after ${actions} actions`);
      assert.equal(await page.$eval('#problems', (e) => e.textContent), '');
      page.on('dialog', (dialog) => dialog.accept()); // leaving with lessons open: yes, leave
      await page.reload();
      await page.waitForSelector('[data-form=frmIntro]');
      await start(page);
      await openThroughMenus(page, cat, 'frmTotal');
      await page.click('[data-form=frmTotal] [data-control=Command1]');
      await assertShowsConsole(page, 'frmTotal', ['step']);
      await page.close();
    });
  }
});
