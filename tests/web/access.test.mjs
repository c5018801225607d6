// Keyboard and screen readers in the browser: the desktop's shortcuts, the tab order, visible
// focus, the boxes' names, the listing lines, the note and condition, and the live region
// that tells the line after every step, read from the browser's accessibility tree.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import { assertShowsConsole, browserSuite, catalog, console as lessonConsole, nodeEngine, openSite, openThroughMenus, pressOk, readLesson, start } from './support.mjs';

const cat = await catalog();

const focused = (page) =>
  page.evaluate(() => {
    const e = document.activeElement;
    return e.closest('[data-control]')?.dataset.control ?? e.dataset?.control ?? e.tagName;
  });

// The accessibility tree of one window: [{role, name, description}] of the nodes with a name.
async function axNodes(page, form) {
  const win = await page.$(`[data-form=${form}]`);
  const tree = await page.accessibility.snapshot({ root: win, interestingOnly: false });
  const nodes = [];
  const walk = (node) => {
    if (node.name || node.description) nodes.push({ role: node.role, name: node.name, description: node.description });
    for (const child of node.children ?? []) walk(child);
  };
  walk(tree);
  return nodes;
}

describe('keyboard and accessibility', () => {
  const suite = browserSuite();
  let page;
  beforeEach(async () => {
    await page?.close();
    page = await openSite(suite.browser, suite.site.url);
    await start(page);
  });

  it('the desktop shortcuts step, step back, go to the start, run and stop', async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    assert.equal(await focused(page), 'Command1', '進む has the focus at first');
    const lines = lessonConsole(['open frmTotal', 'view', 'step', 'view', 'step', 'view', 'step', 'view', 'back', 'view'])
      .filter((a) => a.line !== undefined)
      .map((v) => v.line);
    const line = async () => (await readLesson(page, 'frmTotal')).line;
    for (const [key, expected] of [
      ['ArrowRight', lines[1]],
      ['F10', lines[2]],
      ['ArrowRight', lines[3]],
      ['ArrowLeft', lines[2]],
      ['Control+z', lines[1]],
      ['ArrowRight', lines[2]],
      ['Home', lines[4]],
    ]) {
      const keys = key.split('+');
      for (const k of keys) await page.keyboard.down(k);
      for (const k of keys.reverse()) await page.keyboard.up(k);
      assert.equal(await line(), expected, key);
    }
    await page.keyboard.press('F5');
    assert.equal((await readLesson(page, 'frmTotal')).running, true, 'F5 runs (and does not reload the page)');
    await page.keyboard.press('Escape');
    assert.equal((await readLesson(page, 'frmTotal')).running, false);
    assert.deepEqual(page.errors, []);
  });

  it('a value box keeps the arrows and Home for editing; F10 still steps', async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    await page.focus('[data-form=frmTotal] [data-control="Text1(0)"]');
    await page.keyboard.press('Home');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.type('9');
    const state = await readLesson(page, 'frmTotal');
    assert.equal(state.boxes[0].text, '193');
    assert.equal(state.line, 0);
    await page.keyboard.press('F10');
    await assertShowsConsole(page, 'frmTotal', ['set 0 "193"', 'step']);
  });

  it('F6 gives a sort lesson new values, as 配列値設定 does', async () => {
    await openThroughMenus(page, cat, 'frmSortBuble');
    await page.keyboard.press('F6');
    await pressOk(page);
    await assertShowsConsole(page, 'frmSortBuble', ['fill']);
  });

  it('Tab goes through the listing, the note, the condition, the values frame by frame, then the buttons', async () => {
    await openThroughMenus(page, cat, 'frmStack');
    const d = cat.describe('frmStack');
    const byKey = new Map(d.controls.map((c) => [c.index >= 0 ? `${c.name}(${c.index})` : c.name, c]));
    const inWindow = (c) => {
      let [left, top, outer] = [c.left, c.top, c];
      for (let f = byKey.get(c.container); f; f = byKey.get(f.container)) [left, top, outer] = [left + f.left, top + f.top, f];
      return { left, top, outer };
    };
    const reads = (a, b) => (Math.abs(a.top - b.top) > 60 ? a.top - b.top : a.left - b.left);
    const values = d.controls
      .filter((c) => ['Text1', 'Option1', 'Option2'].includes(c.name))
      .sort((a, b) => {
        const [pa, pb] = [inWindow(a), inWindow(b)];
        return pa.outer === pb.outer ? reads(pa, pb) : reads(inWindow(pa.outer), inWindow(pb.outer)) || reads(pa, pb);
      })
      .map((c) => (c.index >= 0 ? `${c.name}(${c.index})` : c.name));
    // ◀ is disabled right after loading, so it takes no focus yet; of the two options, the
    // chosen one is the stop (the arrows go to the other).
    const chosen = `Option${(await readLesson(page, 'frmStack')).option}`;
    const expected = ['Label1(0)', 'Label2', 'Label3', ...values.filter((v) => !v.startsWith('Option') || v === chosen)];
    expected.push('txtTime', 'Command1', 'Command2', 'Command3', 'Command4');
    await page.focus('[data-form=frmStack] [data-control="Label1(0)"]');
    const order = [];
    const outlines = [];
    for (let k = 0; k < expected.length; ++k) {
      order.push(await focused(page));
      outlines.push(await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle));
      await page.keyboard.press('Tab');
    }
    assert.deepEqual(order, expected);
    assert.ok(!outlines.includes('none'), `the focus is visible: ${outlines}`);
  });

  it('an option button takes the arrows: they choose the other option', async () => {
    await openThroughMenus(page, cat, 'frmStack');
    await page.focus('[data-form=frmStack] [data-control=Option1] input');
    await page.keyboard.press('ArrowRight');
    assert.equal(await focused(page), 'Option2');
    await pressOk(page);
    await assertShowsConsole(page, 'frmStack', ['option 2']);
    await page.keyboard.press('ArrowUp');
    await pressOk(page);
    await assertShowsConsole(page, 'frmStack', ['option 2', 'option 1']);
  });

  it('boxes carry their variables\' names; the listing, note and condition are named', async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    await page.click('[data-form=frmTotal] [data-control=Command1]');
    await page.click('[data-form=frmTotal] [data-control=Command1]');
    const nodes = await axNodes(page, 'frmTotal');
    const named = (role, name) => nodes.find((n) => n.role === role && n.name === name);
    for (const name of ['a[0]', 'a[2]', 'a[4]', 'total', 'i']) assert.ok(named('textbox', name), `a box named ${name}`);
    assert.ok(named('textbox', 'タイマ間隔'));
    assert.ok(named('button', '1つ戻る'));
    const d = cat.describe('frmTotal');
    const state = await readLesson(page, 'frmTotal');
    d.listing.forEach((line, k) => {
      const description = k === state.line ? `${k}行目、次に実行する行` : `${k}行目`;
      const node = nodes.find((n) => n.role === 'button' && n.description === description);
      assert.ok(node, `listing line ${k}`);
      assert.equal(node.name, line.trim() || '空行');
    });
    const oneLine = (text) => text.replace(/[\s\u3000]+/g, ' ').trim();
    assert.equal(nodes.find((n) => n.description === '説明')?.name, oneLine(state.note) || '説明なし');
    assert.equal(nodes.find((n) => n.description === '条件')?.name, oneLine(state.condition) || '条件なし');
  });

  it('every box of every lesson has a name', async () => {
    for (const { form } of cat.lessons) {
      await openThroughMenus(page, cat, form);
      const unnamed = await page.$$eval(`[data-form=${form}] .box`, (boxes) =>
        boxes.filter((b) => !b.getAttribute('aria-label')).map((b) => b.dataset.control),
      );
      assert.deepEqual(unnamed, [], form);
      await page.click(`[data-form=${form}] .titlebar .close`);
    }
  });

  it('the live region tells what the engine narrates after every step, 先頭に戻る and ◀', async () => {
    await openThroughMenus(page, cat, 'frmForSum');
    const engine = await nodeEngine();
    engine.open('frmForSum');
    const live = () => page.$eval('[data-form=frmForSum] [role=status]', (e) => e.textContent);
    assert.equal(await page.$eval('[data-form=frmForSum] [role=status]', (e) => e.getAttribute('aria-live')), 'polite');
    for (const [key, action] of [...Array(12).fill(['ArrowRight', 'step']), ['Home', 'back'], ['ArrowRight', 'step'], ['ArrowLeft', 'stepback']]) {
      await page.keyboard.press(key);
      await pressOk(page);
      const { told } = engine.act('frmForSum', action);
      const expected = engine.act('frmForSum', 'narrate', { text: told.event }).narration;
      if (told.when === 'afterDialog') await page.waitForFunction((text) => document.querySelector('[data-form=frmForSum] [role=status]').textContent === text, {}, expected);
      assert.equal(await live(), expected, key);
    }
    const heard = (await axNodes(page, 'frmForSum')).map((n) => n.name);
    assert.ok(heard.includes(await live()), 'the live region is in the accessibility tree');
  });

  it('the listing by keyboard: arrows move, Enter shows the note, Esc closes it', async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    await page.focus('[data-form=frmTotal] [data-control="Label1(0)"]');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.equal(await focused(page), 'Label1(2)');
    await page.keyboard.press('Enter');
    const box = await page.$eval('.window.message', (w) => {
      const inside = (e) => {
        const [r, outer] = [e.getBoundingClientRect(), w.getBoundingClientRect()];
        return r.width > 0 && r.height > 0 && r.left >= outer.left && r.right <= outer.right && r.bottom <= outer.bottom;
      };
      return {
        role: w.getAttribute('role'),
        title: w.querySelector('h2').textContent,
        text: w.querySelector('.text').innerText,
        focus: document.activeElement.textContent,
        shown: inside(w.querySelector('.text')) && inside(w.querySelector('.buttons button')),
      };
    });
    assert.deepEqual(box, {
      role: 'alertdialog',
      title: 'Project1',
      text: cat.describe('frmTotal').notes[2].replace(/\r\n/g, '\n'),
      focus: 'OK',
      shown: true,
    });
    await page.keyboard.press('Escape');
    assert.equal(await page.$('.window.message'), null);
    assert.equal(await focused(page), 'Label1(2)', 'the focus goes back');
  });
});
