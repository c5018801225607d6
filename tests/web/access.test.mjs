// Keyboard and screen readers in the browser: the desktop's shortcuts, the tab order, visible
// focus (the checks of keys.mjs, which Firefox and WebKit run too), the boxes' names, the
// listing lines, the note and condition, and the live region that tells the line after every
// step, read from the browser's accessibility tree.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import { KEY_CHECKS } from './keys.mjs';
import { browserSuite, catalog, nodeEngine, openSite, openThroughMenus, pressOk, readLesson, start } from './support.mjs';

const cat = await catalog();

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

  for (const [what, check] of KEY_CHECKS) it(what, () => check(page, cat));

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
      // Told once the step is drawn (after a message box, a moment after it closed).
      await page.waitForFunction((text) => document.querySelector('[data-form=frmForSum] [role=status]').textContent === text, { timeout: 3000 }, expected).catch(() => {});
      assert.equal(await live(), expected, key);
    }
    const heard = (await axNodes(page, 'frmForSum')).map((n) => n.name);
    assert.ok(heard.includes(await live()), 'the live region is in the accessibility tree');
  });

});
