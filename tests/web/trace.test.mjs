// The trace table (トレース表) in the browser: the table a student reads equals lesson-console's
// trace of the same session, the CSV download is the engine's bytes, copying puts the
// selected rows on the clipboard (or says it could not), the complete eight-queens run opens
// at once with only the rows in view in the page, and the keyboard and screen readers work it.
import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { before, describe, it } from 'node:test';
import { browserSuite, catalog, nodeEngine, openSite, openThroughMenus, press, pressOk, start } from './support.mjs';
import { SESSIONS, closeLesson, settle, trace, workTraceSession } from './trace-table.mjs';

const cat = await catalog();
const QUEEN_STEPS = 65115;

describe('the trace table in the page', () => {
  const suite = browserSuite();
  let page;
  before(async () => {
    page = await openSite(suite.browser, suite.site.url);
    await start(page);
  });

  for (const session of SESSIONS) {
    it(`reads as lesson-console's trace: ${session.form}, ${session.what}`, async () => {
      await workTraceSession(page, cat, session);
      assert.deepEqual(page.errors, []);
    });
  }

  it('downloads the engine\'s CSV bytes under the name the desktop proposes', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'trevisk-download-'));
    try {
      const cdp = await page.createCDPSession();
      await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
      await openThroughMenus(page, cat, 'frmStack');
      await press(page, 'frmStack', 'Option2');
      for (let k = 0; k < 3; ++k) {
        await press(page, 'frmStack', 'Command1');
        await pressOk(page);
      }
      await page.keyboard.press('F7');
      await page.waitForSelector(trace('frmStack'));
      await page.keyboard.down('Control');
      await page.keyboard.press('s');
      await page.keyboard.up('Control');
      let files = [];
      for (let guard = 0; guard < 100 && !files.some((f) => f.endsWith('.csv')); ++guard) {
        await new Promise((r) => setTimeout(r, 50));
        files = readdirSync(folder);
      }
      const date = await page.evaluate(() => {
        const d = new Date();
        return `${d.getFullYear()}-${String(d.getMonth() + 1).padStart(2, '0')}-${String(d.getDate()).padStart(2, '0')}`;
      });
      const engine = await nodeEngine();
      engine.open('frmStack');
      engine.act('frmStack', 'option', { index: 2 });
      engine.act('frmStack', 'steps', { value: 3 });
      const csv = engine.act('frmStack', 'csv', { text: date }).csv;
      assert.deepEqual(files, [csv.fileName]);
      assert.equal(csv.fileName, `${cat.lessons.find((l) => l.form === 'frmStack').caption}_${date}.csv`);
      const bytes = readFileSync(join(folder, files[0]));
      assert.deepEqual(bytes, Buffer.from(csv.text, 'utf8'));
      assert.deepEqual([...bytes.subarray(0, 3)], [0xef, 0xbb, 0xbf]);
      const text = bytes.toString('utf8');
      assert.equal(text.split('\n').length - 1, text.split('\r\n').length - 1, 'every line ends in CR LF');
      assert.match(text, /"MessageBox\.Show\(""スタックが空です\.""\);"/, 'quotes doubled inside a quoted field');
      await closeLesson(page, 'frmStack');
      assert.deepEqual(page.errors, []);
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });

  it('copies the selected rows, and says so when the browser refuses', async () => {
    await page.browserContext().overridePermissions(suite.site.url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    await openThroughMenus(page, cat, 'frmTotal');
    for (let k = 0; k < 6; ++k) await press(page, 'frmTotal', 'Command1');
    await press(page, 'frmTotal', 'TraceButton');
    await settle(page, 'frmTotal', '7 行');
    // Rows 2 to 4 (the second to the fourth): a click, then Shift with a click.
    const rowAt = (index) => page.$eval(`${trace('frmTotal')} [aria-rowindex="${index}"]`, (e) => {
      const r = e.getBoundingClientRect();
      return { x: r.left + 10, y: r.top + r.height / 2 };
    });
    const second = await rowAt(3);
    await page.mouse.click(second.x, second.y);
    const fourth = await rowAt(5);
    await page.keyboard.down('Shift');
    await page.mouse.click(fourth.x, fourth.y);
    await page.keyboard.up('Shift');
    assert.deepEqual(await page.$$eval(`${trace('frmTotal')} [aria-selected=true]`, (rows) => rows.map((r) => r.getAttribute('aria-rowindex'))), ['3', '4', '5']);
    await page.click(`${trace('frmTotal')} [data-control=CopyRows]`);
    const engine = await nodeEngine();
    engine.open('frmTotal');
    engine.act('frmTotal', 'steps', { value: 6 });
    const expected = engine.act('frmTotal', 'tsv', { index: 1, value: 3 }).tsv;
    await page.waitForFunction((text) => navigator.clipboard.readText().then((t) => t === text), { timeout: 3000 }, expected);

    // Both ways to the clipboard refused: a message box "Project1" says so.
    await page.evaluate(() => {
      navigator.clipboard.writeText = () => Promise.reject(new Error('refused'));
      document.execCommand = () => false;
    });
    await page.focus(`${trace('frmTotal')} [role=grid]`);
    await page.keyboard.down('Control');
    await page.keyboard.press('c');
    await page.keyboard.up('Control');
    await page.waitForSelector('.window.message');
    assert.deepEqual(await pressOk(page), [{ title: 'Project1', text: '選択した行をクリップボードにコピーできませんでした。' }]);
    await closeLesson(page, 'frmTotal');
    assert.deepEqual(page.errors, []);
  });

  it('works by the keyboard and reads as a grid to screen readers', async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    for (let k = 0; k < 4; ++k) await press(page, 'frmTotal', 'Command1');
    await page.keyboard.press('F7');
    await settle(page, 'frmTotal', '5 行');
    const grid = `${trace('frmTotal')} [role=grid]`;
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('role')), 'grid');
    const selected = () => page.$$eval(`${grid} [aria-selected=true]`, (rows) => rows.map((r) => Number(r.getAttribute('aria-rowindex')) - 2));
    const key = async (name, modifier) => {
      if (modifier) await page.keyboard.down(modifier);
      await page.keyboard.press(name);
      if (modifier) await page.keyboard.up(modifier);
    };
    for (const [keys, rows] of [
      [[['Home']], [0]],
      [[['ArrowDown'], ['ArrowDown']], [2]],
      [[['ArrowDown', 'Shift'], ['ArrowDown', 'Shift']], [2, 3, 4]],
      [[['ArrowUp']], [3]],
      [[['End']], [4]],
      [[['Home', 'Shift']], [0, 1, 2, 3, 4]],
      [[['PageDown']], [4]],
      [[['a', 'Control']], [0, 1, 2, 3, 4]],
    ]) {
      for (const [name, modifier] of keys) await key(name, modifier);
      assert.deepEqual(await selected(), rows, JSON.stringify(keys));
    }
    const active = await page.$eval(grid, (g) => document.getElementById(g.getAttribute('aria-activedescendant'))?.getAttribute('aria-rowindex'));
    assert.equal(active, '6');

    // The accessibility tree: a grid named トレース表 with its row count, column headers as
    // the desktop names them, a typed and changed cell described by its marks.
    const snapshot = await page.accessibility.snapshot({ root: await page.$(grid), interestingOnly: false });
    assert.equal(snapshot.role, 'grid');
    assert.equal(snapshot.name, 'トレース表');
    const all = [];
    const walk = (node) => {
      all.push(node);
      for (const child of node.children ?? []) walk(child);
    };
    walk(snapshot);
    assert.deepEqual(
      all.filter((n) => n.role === 'columnheader').map((n) => n.name),
      ['手順', '行', '実行した文', '次の行', '条件', 'a[0]', 'a[1]', 'a[2]', 'a[3]', 'a[4]', 'total', '関数値', 'i', 'メッセージ', '入力した値'],
    );
    assert.equal(await page.$eval(grid, (g) => g.getAttribute('aria-rowcount')), '6');
    const described = await page.$eval(grid, async (g) => {
      g.scrollLeft = g.querySelector('[role=columnheader][aria-colindex="11"]').offsetLeft; // total
      await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
      return g.querySelector('[aria-rowindex="6"] [aria-colindex="11"]').getAttribute('aria-description');
    });
    assert.equal(described, '前の行から変わった値');

    // Escape closes it and the focus goes back to the lesson window.
    await key('Escape');
    assert.equal(await page.$(trace('frmTotal')), null);
    assert.ok(await page.$eval('[data-form=frmTotal]', (w) => w.contains(document.activeElement)));
    await closeLesson(page, 'frmTotal');
    assert.deepEqual(page.errors, []);
  });

  it('opens on the complete eight-queens run at once, with only the rows in view in the page', async () => {
    await openThroughMenus(page, cat, 'frm8Queen');
    const done = await page.evaluate((steps) => window.trevisk.engine.act('frm8Queen', 'steps', { value: steps }).done, QUEEN_STEPS);
    assert.equal(done, QUEEN_STEPS);
    const opened = await page.$eval('[data-form=frm8Queen] [data-control=TraceButton]', async (button) => {
      const t0 = performance.now();
      button.click();
      document.querySelector('[data-trace=frm8Queen]').getBoundingClientRect();
      const open = performance.now() - t0;
      await new Promise((r) => requestAnimationFrame(r));
      return open;
    });
    assert.ok(opened < 500, `opening took ${opened} ms`); // the benchmark holds it to 100 ms
    const win = trace('frm8Queen');
    assert.equal(await page.$eval(`${win} .count`, (e) => e.textContent), `${QUEEN_STEPS + 1} 行`);
    // The newest row is in view; scrolling to the middle brings its rows, and the page never
    // holds more than a screenful and a few.
    const sizes = await page.$eval(`${win} [role=grid]`, async (grid) => {
      const frame = () => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
      const shown = () => [...grid.querySelectorAll('.rows [role=row]')].map((r) => Number(r.getAttribute('aria-rowindex')));
      const last = Math.max(...shown());
      grid.scrollTop = grid.scrollHeight / 2;
      await frame();
      const middle = shown();
      const columns = grid.querySelectorAll('[role=columnheader]').length;
      return { last, count: middle.length, columns, elements: grid.querySelectorAll('*').length, middle: middle[Math.floor(middle.length / 2)] };
    });
    assert.equal(sizes.last, QUEEN_STEPS + 2);
    assert.ok(sizes.count < 60, `${sizes.count} rows in the page`);
    // Only the columns in view too: the table has 57 columns.
    assert.ok(sizes.elements < sizes.count * 20 + sizes.columns + 10, `${sizes.elements} elements in the grid`);
    assert.ok(Math.abs(sizes.middle - QUEEN_STEPS / 2) < 100, `row ${sizes.middle} in the middle`);
    await closeLesson(page, 'frm8Queen');
    assert.equal(await page.$(win), null);
    assert.deepEqual(page.errors, []);
  });
});
