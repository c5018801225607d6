// Assignments in the browser: a link made in the page opens, through lesson-console (the
// desktop's reader) and in a fresh page, the same window, and its QR code reads back as the
// link; a file made by lesson-console opens in the page as the same window, its title and
// instructions shown as text; a damaged file says what is wrong and changes nothing; the work
// comes back after a reload; results handed in are summed up, a tampered one set apart.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { describe, it } from 'node:test';
import jsQR from 'jsqr';
import { browserSuite, catalog, console as lessonConsole, openSite, openThroughMenus, pressOk, readLesson, seen, start } from './support.mjs';

const cat = await catalog();
const dir = mkdtempSync(join(tmpdir(), 'trevisk-assignment-'));
const file = (name) => join(dir, name);

// What lesson-console shows after opening the assignment in `path` and `commands`.
function consoleView(path, commands = []) {
  const out = lessonConsole([`assignment open ${JSON.stringify(path)}`, ...commands, 'view']);
  const views = out.filter((o) => o.line !== undefined);
  return { out, view: views[views.length - 1] };
}

// The document a link carries: base64url of the assignment's JSON.
function documentOf(link) {
  const encoded = link.split('#assignment=')[1];
  return Buffer.from(encoded.replace(/-/g, '+').replace(/_/g, '/'), 'base64').toString('utf8');
}

async function contextCommand(page, form, index) {
  await page.click(`[data-form=${form}] [data-control=Label2]`, { button: 'right' });
  await page.waitForSelector('.context-menu');
  await page.$$eval('.context-menu button', (items, k) => items[k].click(), index);
}

async function typeInto(page, selector, text) {
  await page.click(selector, { clickCount: 3 });
  await page.keyboard.press('Backspace');
  await page.type(selector, text);
}

// The downloads of the page, kept in the page instead of saved.
async function keepDownloads(page) {
  await page.evaluate(() => {
    window.downloads = [];
    window.trevisk.assignments.download = (fileName, text) => window.downloads.push({ fileName, text });
  });
}

async function chooseFiles(page, button, paths) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click(`.command-bar button:nth-child(${button})`)]);
  await chooser.accept(paths);
}

describe('assignments in the page', () => {
  const suite = browserSuite();
  // Each test in a browser context of its own: its own kept work (IndexedDB).
  const fresh = async (url) => openSite(await suite.browser.createBrowserContext(), url);

  it('a link made in the page opens the same window through lesson-console and in a fresh page, and its QR code reads back as the link', async () => {
    const page = await fresh(suite.site.url);
    await start(page);
    await openThroughMenus(page, cat, 'frmTotal');
    await typeInto(page, '[data-form=frmTotal] [data-control="Text1(0)"]', '21');
    await page.click('[data-form=frmTotal] [data-control=PredictButton]');
    await page.click('[data-question=frmTotal] [data-control="Mode(2)"]');
    await contextCommand(page, 'frmTotal', 0); // 課題として保存…
    await page.waitForSelector('.dialog.make');
    await typeInto(page, '.dialog.make input[name=title]', '合計 <b>強調</b>');
    await page.type('.dialog.make textarea', '条件を予想しよう。<img src=x onerror=alert(1)>');
    await page.$$eval('.dialog.make .buttons button', (b) => b[1].click()); // リンクを作る
    await page.waitForSelector('.dialog.make input[name=link]');
    const link = await page.$eval('.dialog.make input[name=link]', (e) => e.value);
    const pixels = await page.$eval('.dialog.make canvas.qr', (c) => ({ width: c.width, height: c.height, data: [...c.getContext('2d').getImageData(0, 0, c.width, c.height).data] }));
    const read = jsQR(Uint8ClampedArray.from(pixels.data), pixels.width, pixels.height);
    assert.ok(read, 'the QR code reads');
    assert.equal(read.data, link);
    assert.ok(link.startsWith(suite.site.url));

    // The same document through lesson-console: the window it opens is the one the link opens.
    writeFileSync(file('from-link.trevisk'), documentOf(link));
    const { out, view } = consoleView(file('from-link.trevisk'));
    assert.equal(out[0].assignment.title, '合計 <b>強調</b>');
    const other = await fresh(link);
    await other.waitForSelector('[data-form=frmTotal]');
    assert.deepEqual(await readLesson(other, 'frmTotal'), seen(view, () => undefined));
    // The instructions beside it, as text: no element came from the teacher's markup.
    const shown = await other.$eval('[data-instructions=frmTotal]', (w) => ({
      title: w.querySelector('[data-control=Title]').textContent,
      text: w.querySelector('[data-control=Instructions]').value,
      markup: w.querySelectorAll('b, img').length,
    }));
    assert.deepEqual(shown, { title: '合計 <b>強調</b>', text: '条件を予想しよう。<img src=x onerror=alert(1)>', markup: 0 });
    assert.ok(await other.$('[data-question=frmTotal]'), 'the question window opens in the mode of the assignment');
    assert.deepEqual([...page.errors, ...other.errors], []);
    await other.close();
    await page.close();
  });

  it('a file made by lesson-console opens in the page as the same window; a damaged one says what is wrong and changes nothing', async () => {
    lessonConsole(['open frmStack', 'option 2', 'set 3 "ab"', 'predict "line"', `assignment save ${JSON.stringify(file('stack.trevisk'))} "スタック" "Pop を見よう"`]);
    const { view } = consoleView(file('stack.trevisk'), ['dontknow', 'dontknow']);
    const page = await fresh(suite.site.url);
    await start(page);
    await page.waitForSelector('.command-bar');
    await chooseFiles(page, 1, [file('stack.trevisk')]);
    await page.waitForSelector('[data-form=frmStack]');
    for (let k = 0; k < 2; ++k) {
      await page.click('[data-question=frmStack] [data-control=DontKnow]');
      await pressOk(page);
    }
    assert.deepEqual(await readLesson(page, 'frmStack'), seen(view, () => undefined));
    const before = await readLesson(page, 'frmStack');
    const damaged = [
      ['{"format": "trevisk-assignment", "version": 7}', '課題ファイルの形式のバージョン 7 はこの Trevisk では読めません（読めるのはバージョン 1 まで）。新しい Trevisk で開いてください。'],
      [readFileSync(file('stack.trevisk'), 'utf8').replace('"frmStack"', '"frmNowhere"'), '課題のレッスン「frmNowhere」はこの Trevisk にありません。'],
      [Buffer.from([0x7b, 0x22, 0xff, 0x22]), '課題ファイルの 3 バイト目が UTF-8 の文字として読めません。'],
      [Buffer.from('{"a":\u0000}'), '課題ファイルの 6 バイト目に NUL 文字があります。'],
    ];
    for (const [bytes, message] of damaged) {
      writeFileSync(file('bad.trevisk'), bytes);
      await chooseFiles(page, 1, [file('bad.trevisk')]);
      await page.waitForSelector('.window.message');
      assert.deepEqual((await pressOk(page)).map((m) => m.text), [message]);
      assert.deepEqual(await readLesson(page, 'frmStack'), before);
    }
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  it('the work comes back after a reload, answers and score included', async () => {
    lessonConsole(['open frmTotal', 'predict "auto"', `assignment save ${JSON.stringify(file('reload.trevisk'))} "再読み込み"`]);
    const document = readFileSync(file('reload.trevisk'), 'utf8').trim();
    const link = `${suite.site.url}#assignment=${Buffer.from(JSON.stringify(JSON.parse(document))).toString('base64url')}`;
    const page = await fresh(link);
    page.on('dialog', (d) => d.accept()); // leaving with a lesson open asks first
    await page.waitForSelector('[data-question=frmTotal]');
    for (let k = 0; k < 5; ++k) {
      await page.click('[data-question=frmTotal] [data-control=DontKnow]');
      await pressOk(page);
    }
    await typeInto(page, '[data-form=frmTotal] [data-control="Text1(1)"]', '9');
    const worked = await readLesson(page, 'frmTotal');
    const score = await page.$eval('[data-question=frmTotal] [data-control=Score]', (e) => e.textContent);
    // The last action's line written to IndexedDB (a reload in the middle of that write may
    // lose that one action, as a kill may on the desktop, and no more).
    await page.evaluate(() => window.trevisk.assignments.kept.queue);
    await page.reload({ waitUntil: 'load' });
    await page.waitForSelector('.dialog.choose');
    await page.click('.dialog.choose [data-choice="0"]'); // 前回の続きから
    await page.waitForSelector('[data-question=frmTotal]');
    assert.deepEqual(await readLesson(page, 'frmTotal'), worked);
    assert.equal(await page.$eval('[data-question=frmTotal] [data-control=Score]', (e) => e.textContent), score);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  it('results handed in are summed up, a tampered one set apart', async () => {
    const page = await fresh(`${suite.site.url}#assignment=${Buffer.from(JSON.stringify(JSON.parse(readFileSync(file('reload.trevisk'), 'utf8')))).toString('base64url')}`);
    await page.waitForSelector('[data-question=frmTotal]');
    await keepDownloads(page);
    for (let k = 0; k < 3; ++k) {
      await page.click('[data-question=frmTotal] [data-control=DontKnow]');
      await pressOk(page);
    }
    await contextCommand(page, 'frmTotal', 2); // 結果を保存…
    await page.waitForSelector('.dialog.name input');
    await page.type('.dialog.name input', '安藤');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => window.downloads.length === 1);
    const handedIn = await page.evaluate(() => window.downloads[0]);
    assert.match(handedIn.fileName, /_安藤\.trevisk-result$/);
    writeFileSync(file('ando.trevisk-result'), handedIn.text);
    writeFileSync(file('tampered.trevisk-result'), handedIn.text.replace('"score": {"asked": 3, "correct": 0}', '"score": {"asked": 3, "correct": 3}'));
    const [{ results }] = lessonConsole([`results ${JSON.stringify(file('ando.trevisk-result'))} ${JSON.stringify(file('tampered.trevisk-result'))}`]);
    assert.deepEqual(results.students.map((s) => [s.name, s.asked, s.correct]), [['安藤', 3, 0]]);
    assert.equal(results.rejected.length, 1);

    await chooseFiles(page, 2, [file('ando.trevisk-result'), file('tampered.trevisk-result')]);
    await page.waitForSelector('[data-form=frmSummary]');
    const tables = await page.$$eval('[data-form=frmSummary] table', (ts) => ts.map((t) => [...t.tBodies[0].rows].map((r) => [...r.cells].map((c) => c.textContent))));
    assert.equal(tables[0].length, 1);
    assert.equal(tables[0][0][0], '安藤');
    assert.equal(tables[2].length, 1);
    assert.equal(tables[2][0][0], 'tampered.trevisk-result');
    assert.equal(tables[2][0][1], results.rejected[0].why);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});
