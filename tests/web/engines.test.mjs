// The page in Firefox and WebKit as in Chromium (whose own suite runs every check on every
// lesson): a representative set of lessons worked against lesson-console, every control in
// its place, the keys (keys.mjs, as in Chromium), the names screen readers read, the live
// region, the trace table and its CSV, and the start with the network gone.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import { KEY_CHECKS } from './keys.mjs';
import { assertLessonPlaces, assertMenuPlaces } from './places.mjs';
import { workLesson } from './scripted.mjs';
import { assertShowsConsole, browserSuite, catalog, nodeEngine, openSite, openThroughMenus, press, pressOk, server, start } from './support.mjs';
import { SESSIONS, trace, workTraceSession } from './trace-table.mjs';

const cat = await catalog();

// One lesson of each kind of window: arrays, the strict reading, options and strings, cells,
// the table label, the picture and the list, check boxes with a second row of boxes, and a
// sort with 配列値設定 and coloured marks.
const REPRESENTATIVE = ['frmTotal', 'frm3ValueMax', 'frmStack', 'frmQue2CountP', 'frmTableArray', 'frmHanoi', 'frm8Queen', 'frmSortQuick'];

// How assistive technology reads the element of `selector`, if as `role` and `name`: in
// WebKit its computed role and name (WebDriver), in Firefox whether the nodes its
// accessibility tree finds by that name and role hold it (WebDriver BiDi).
async function readAs(page, engine, selector, role, name) {
  const target = await page.$(selector);
  if (engine === 'webkit') return target.accessible();
  for (const found of await page.$$(`aria/${name}[role="${role}"]`)) {
    if (await found.evaluate((f, t) => f === t, target)) return { role, name };
  }
  return { role: '?', name: '?' };
}

const problems = (page) => page.$eval('#problems', (e) => e.textContent);

for (const engine of ['firefox', 'webkit']) {
  describe(`${engine}: the page as in Chromium`, () => {
    const suite = browserSuite(engine);
    let page;
    beforeEach(async () => {
      await page?.close();
      page = await openSite(suite.browser, suite.site.url);
    });

    for (const form of REPRESENTATIVE) {
      it(`${form}, scripted, equals lesson-console`, async () => {
        await workLesson(page, cat, form, null);
        assert.equal(await problems(page), '');
        assert.deepEqual(page.errors, []);
      });
    }

    it('auto-run steps at its interval until it is stopped', async () => {
      await start(page);
      await openThroughMenus(page, cat, 'frmForSum');
      await page.$eval('[data-form=frmForSum] [data-control=txtTime]', (e) => {
        e.value = '100';
        e.dispatchEvent(new Event('input'));
      });
      await press(page, 'frmForSum', 'Command3');
      await page.waitForFunction(() => window.trevisk.open.get('frmForSum').ticked >= 4, { timeout: 5000 });
      await press(page, 'frmForSum', 'Command4');
      const ticks = await page.evaluate(() => window.trevisk.open.get('frmForSum').ticked);
      await new Promise((r) => setTimeout(r, 300));
      assert.equal(await page.evaluate(() => window.trevisk.open.get('frmForSum').ticked), ticks, 'stopped');
      await assertShowsConsole(page, 'frmForSum', ['autorun "100"', `tick ${ticks}`, 'stop']);
    });

    it('every control of every lesson and menu where its description puts it', async () => {
      await start(page);
      for (const { form } of cat.lessons) await assertLessonPlaces(page, cat, form);
      await assertMenuPlaces(page, cat);
      assert.equal(await problems(page), '');
    });

    for (const [what, check] of KEY_CHECKS) {
      it(`the keys: ${what}`, async () => {
        await start(page);
        await check(page, cat);
        assert.equal(await problems(page), '');
      });
    }

    it('F7 opens the trace window, Esc closes it', async () => {
      await start(page);
      await openThroughMenus(page, cat, 'frmTotal');
      await page.keyboard.press('F7');
      await page.waitForSelector(trace('frmTotal'));
      await page.keyboard.press('Escape');
      assert.equal(await page.$(trace('frmTotal')), null);
    });

    it('the names screen readers read, and the live region after each step', async () => {
      await start(page);
      await openThroughMenus(page, cat, 'frmTotal');
      const w = '[data-form=frmTotal]';
      const expected = [
        ...['a[0]', 'a[2]', 'total', 'i'].map((name) => [`${w} [aria-label="${name}"]`, 'textbox', name]),
        [`${w} [data-control=txtTime]`, 'textbox', 'タイマ間隔'],
        [`${w} [data-control=StepBack]`, 'button', '1つ戻る'],
        [`${w} [data-control=Command1]`, 'button', '進む'],
        ...cat.describe('frmTotal').listing.map((line, k) => [`${w} [data-control="Label1(${k})"]`, 'button', line.trim() || '空行']),
      ];
      for (const [selector, role, name] of expected) assert.deepEqual(await readAs(page, engine, selector, role, name), { role, name }, selector);

      const engineModel = await nodeEngine();
      engineModel.open('frmTotal');
      for (const [key, action] of [['ArrowRight', 'step'], ['ArrowRight', 'step'], ['Home', 'back'], ['ArrowLeft', 'stepback']]) {
        await page.focus(`${w} [data-control=Command1]`);
        await page.keyboard.press(key);
        const { told } = engineModel.act('frmTotal', action);
        if (!told) continue; // ◀ right after 先頭に戻る: nothing to take back
        const text = engineModel.act('frmTotal', 'narrate', { text: told.event }).narration;
        await page.waitForFunction((t) => document.querySelector('[data-form=frmTotal] [role=status]').textContent === t, { timeout: 3000 }, text);
      }
    });

    it(`the trace table reads as lesson-console's trace, and its CSV is the engine's bytes`, async () => {
      await start(page);
      await workTraceSession(page, cat, SESSIONS[0]);
      // The download is the browser's: the page's part ends with the link's click.
      await page.evaluate(() => {
        HTMLAnchorElement.prototype.click = function () {
          const link = this;
          window.savedFile = fetch(link.href)
            .then((r) => r.arrayBuffer())
            .then((bytes) => ({ name: link.download, bytes: Array.from(new Uint8Array(bytes)) }));
        };
      });
      await openThroughMenus(page, cat, 'frmStack');
      await press(page, 'frmStack', 'Option2');
      for (let k = 0; k < 3; ++k) {
        await press(page, 'frmStack', 'Command1');
        await pressOk(page);
      }
      await press(page, 'frmStack', 'TraceButton');
      await page.waitForSelector(trace('frmStack'));
      await page.click(`${trace('frmStack')} [data-control=SaveCsv]`);
      const saved = await page.evaluate(async () => {
        const file = await window.savedFile;
        const d = new Date();
        return { ...file, date: `${d.getFullYear()}-${String(d.getMonth() + 1).padStart(2, '0')}-${String(d.getDate()).padStart(2, '0')}` };
      });
      const engineModel = await nodeEngine();
      engineModel.open('frmStack');
      engineModel.act('frmStack', 'option', { index: 2 });
      engineModel.act('frmStack', 'steps', { value: 3 });
      const csv = engineModel.act('frmStack', 'csv', { text: saved.date }).csv;
      assert.equal(saved.name, csv.fileName);
      assert.deepEqual(Buffer.from(saved.bytes), Buffer.from(csv.text, 'utf8'));
      assert.equal(await problems(page), '');
    });

    it('after one visit it starts and steps with the network gone', async () => {
      const site = await server();
      const visit = await openSite(suite.browser, site.url);
      try {
        await visit.waitForFunction(() => navigator.serviceWorker?.controller != null, { timeout: 20000 });
        await site.close();
        await visit.reload();
        await visit.waitForSelector('[data-form=frmIntro]');
        await start(visit);
        await openThroughMenus(visit, cat, 'frmSortQuick');
        await press(visit, 'frmSortQuick', 'Command1');
        await assertShowsConsole(visit, 'frmSortQuick', ['step']);
        assert.equal(await problems(visit), '', 'the font came from the kept copy too');
      } finally {
        await visit.close();
        await site.close().catch(() => {});
      }
    });
  });
}
