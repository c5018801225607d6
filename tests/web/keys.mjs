// The keys of a lesson window, as checks that run in any engine: the desktop's shortcuts, a
// value box keeping the arrows for editing, F6, the tab order with visible focus, the option
// buttons' arrows and the listing by keyboard. Each opens what it needs from the main menu.
import assert from 'node:assert/strict';
import { assertShowsConsole, console as lessonConsole, openThroughMenus, pressOk, readLesson } from './support.mjs';

// The control that has the focus ("Command1", "Label1(2)"), or the element's tag.
export const focused = (page) =>
  page.evaluate(() => {
    const e = document.activeElement;
    return e.closest('[data-control]')?.dataset.control ?? e.dataset?.control ?? e.tagName;
  });

async function shortcuts(page, cat) {
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
}

async function valueBoxKeys(page, cat) {
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
}

async function f6Fills(page, cat) {
  await openThroughMenus(page, cat, 'frmSortBuble');
  await page.keyboard.press('F6');
  await pressOk(page);
  await assertShowsConsole(page, 'frmSortBuble', ['fill']);
}

async function tabOrder(page, cat) {
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
}

async function optionArrows(page, cat) {
  await openThroughMenus(page, cat, 'frmStack');
  await page.focus('[data-form=frmStack] [data-control=Option1] input');
  await page.keyboard.press('ArrowRight');
  assert.equal(await focused(page), 'Option2');
  await pressOk(page);
  await assertShowsConsole(page, 'frmStack', ['option 2']);
  await page.keyboard.press('ArrowUp');
  await pressOk(page);
  await assertShowsConsole(page, 'frmStack', ['option 2', 'option 1']);
}

async function listingKeys(page, cat) {
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
}

// [what it checks, check(page, cat)]
export const KEY_CHECKS = [
  ['the desktop shortcuts step, step back, go to the start, run and stop', shortcuts],
  ['a value box keeps the arrows and Home for editing; F10 still steps', valueBoxKeys],
  ['F6 gives a sort lesson new values, as 配列値設定 does', f6Fills],
  ['Tab goes through the listing, the note, the condition, the values frame by frame, then the buttons', tabOrder],
  ['an option button takes the arrows: they choose the other option', optionArrows],
  ['the listing by keyboard: arrows move, Enter shows the note, Esc closes it', listingKeys],
];
