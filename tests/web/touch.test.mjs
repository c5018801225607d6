// The page on a tablet, by touch alone (Chromium's touch emulation, the viewport of a tablet
// in landscape): a lesson worked from start to finish with taps on its buttons, listing
// lines, options and check boxes and text typed into its boxes; a window dragged by its
// title with a finger; "進む" and "◀" tappable over 44 × 44 pixels in every lesson; the box
// being typed into kept in view when the on-screen keyboard takes the lower half.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import { assertShowsConsole, browserSuite, catalog, console as lessonConsole, openSite, openThroughMenus, pressOk, readLesson, start } from './support.mjs';

const cat = await catalog();
const TABLET = { width: 1180, height: 820, hasTouch: true, isMobile: true };

// A tap at the middle of a control of a window.
async function tap(page, selector) {
  const { x, y } = await page.$eval(selector, (e) => {
    e.scrollIntoView({ block: 'nearest' });
    const r = e.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await page.touchscreen.tap(x, y);
}

const control = (form, name) => `[data-form=${form}] [data-control="${name}"]`;

// The message boxes open, each closed with a tap on OK; their texts.
async function tapOk(page) {
  const texts = [];
  while (await page.$('.window.message')) {
    texts.push(await page.$eval('.window.message .text', (e) => e.textContent));
    await tap(page, '.window.message .buttons button');
  }
  return texts;
}

// Taps a box and types with the on-screen keyboard: every character replaced.
async function typeByTouch(page, form, box, text) {
  await tap(page, control(form, box));
  await page.$eval(control(form, box), (e) => e.select());
  await page.keyboard.sendCharacter(text);
}

describe('by touch alone, on a tablet', () => {
  const suite = browserSuite();
  let page;
  beforeEach(async () => {
    await page?.close();
    page = await openSite(suite.browser, suite.site.url);
    await page.setViewport(TABLET); // a change to touch and mobile loads the page again
    await page.waitForSelector('[data-form=frmIntro] [data-control=Command1]');
    await tap(page, '[data-form=frmIntro] [data-control=Command1]');
    await page.waitForSelector('[data-form=frmMain]');
  });

  it('the pointer is coarse, as on a tablet', async () => {
    assert.equal(await page.evaluate(() => matchMedia('(any-pointer: coarse)').matches), true);
  });

  it('a lesson from start to finish: a line\'s note, a typed value, 進む to the end, ◀, 先頭に戻る', async () => {
    await tap(page, '[data-form=frmMain] [data-control=Command2]'); // the array total lesson
    await page.waitForSelector('[data-form=frmTotal] .line.current');
    await tap(page, control('frmTotal', 'Label1(2)'));
    assert.deepEqual(await tapOk(page), [cat.describe('frmTotal').notes[2].replace(/\r\n/g, '\n')]);
    await typeByTouch(page, 'frmTotal', 'Text1(1)', '7');
    // 進む through the routine, until its last line has led back to the first.
    let taps = 0;
    do {
      await tap(page, control('frmTotal', 'Command1'));
      ++taps;
      assert.deepEqual(await tapOk(page), []);
    } while ((await readLesson(page, 'frmTotal')).line !== 0 && taps < 40);
    assert.ok(taps > 10 && taps < 40, `${taps} taps`);
    await assertShowsConsole(page, 'frmTotal', ['set 1 "7"', ...Array(taps).fill('step')], `${taps} taps on 進む`);
    await tap(page, control('frmTotal', 'StepBack'));
    await assertShowsConsole(page, 'frmTotal', ['set 1 "7"', ...Array(taps - 1).fill('step')], '◀');
    await tap(page, control('frmTotal', 'Command2'));
    await assertShowsConsole(page, 'frmTotal', ['set 1 "7"', ...Array(taps - 1).fill('step'), 'back'], '先頭に戻る');
    assert.deepEqual(page.errors, []);
  });

  it('options and check boxes by tap', async () => {
    await openThroughMenus(page, cat, 'frmStack');
    await tap(page, control('frmStack', 'Option2'));
    await tapOk(page);
    await assertShowsConsole(page, 'frmStack', ['option 2']);
    await openThroughMenus(page, cat, 'frm8Queen');
    await tap(page, control('frm8Queen', 'Check1(3)'));
    await tap(page, control('frm8Queen', 'Command1'));
    await tapOk(page);
    await assertShowsConsole(page, 'frm8Queen', ['check Check1 3 1', 'step']);
    assert.deepEqual(page.errors, []);
  });

  it('a window dragged by its title with a finger', async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    const place = () => page.$eval('[data-form=frmTotal]', (w) => [w.offsetLeft, w.offsetTop]);
    const [left, top] = await place();
    const title = await (await page.$('[data-form=frmTotal] .titlebar h2')).boundingBox();
    const [x, y] = [title.x + 30, title.y + 8];
    await page.touchscreen.touchStart(x, y);
    for (let k = 1; k <= 5; ++k) await page.touchscreen.touchMove(x + 30 * k, y + 20 * k);
    await page.touchscreen.touchEnd();
    assert.deepEqual(await place(), [left + 150, top + 100]);
  });

  it('進む and ◀ take taps over 44 × 44 pixels in every lesson, the controls where they were', async () => {
    for (const { form } of cat.lessons) {
      await openThroughMenus(page, cat, form);
      for (const name of ['Command1', 'StepBack']) {
        const target = await page.$eval(control(form, name), (button, name) => {
          const zone = button.parentElement.querySelector(`[data-tap-for=${name}]`);
          const r = zone.getBoundingClientRect();
          const b = button.getBoundingClientRect();
          // Every point of the zone is the button's or its zone's: nothing else takes the tap.
          let others = 0;
          for (let x = r.left + 0.5; x < r.right; x += 2)
            for (let y = r.top + 0.5; y < r.bottom; y += 2) {
              const hit = document.elementFromPoint(x, y);
              if (hit !== zone && !button.contains(hit)) ++others;
            }
          const holds = r.left <= b.left && r.top <= b.top && r.right >= b.right && r.bottom >= b.bottom;
          return { width: r.width, height: r.height, others, holds };
        }, name);
        assert.ok(target.width >= 44 && target.height >= 44 && target.holds, `${form} ${name}: ${JSON.stringify(target)}`);
        assert.equal(target.others, 0, `${form} ${name}: points of its zone taken by other controls`);
      }
      await tap(page, `[data-form=${form}] .titlebar .close`);
    }
    // A tap beside 進む, in its zone, steps.
    await openThroughMenus(page, cat, 'frmTotal');
    const { x, y } = await page.$eval(`[data-form=frmTotal] [data-tap-for=Command1]`, (zone) => {
      const r = zone.getBoundingClientRect();
      return { x: r.left + 1, y: r.top + 1 };
    });
    await page.touchscreen.tap(x, y);
    assert.equal((await readLesson(page, 'frmTotal')).line, lessonConsole(['open frmTotal', 'step', 'view']).at(-1).line);
  });

  it('the box being typed into stays in view when the on-screen keyboard opens', async () => {
    await openThroughMenus(page, cat, 'frmTotal');
    // The window low on the screen, its last box near the bottom.
    await page.$eval('[data-form=frmTotal]', (w) => (w.style.top = `${innerHeight - w.offsetHeight - 4}px`));
    await tap(page, control('frmTotal', 'Text1(4)'));
    await page.setViewport({ ...TABLET, height: TABLET.height / 2 }); // the keyboard takes the lower half
    await page.waitForFunction(
      (selector) => {
        const r = document.querySelector(selector).getBoundingClientRect();
        return r.top >= 0 && r.bottom <= visualViewport.height;
      },
      { timeout: 3000 },
      control('frmTotal', 'Text1(4)'),
    );
    await page.$eval(control('frmTotal', 'Text1(4)'), (e) => e.select());
    await page.keyboard.sendCharacter('8');
    await tap(page, control('frmTotal', 'Command1'));
    await pressOk(page);
    await assertShowsConsole(page, 'frmTotal', ['set 4 "8"', 'step']);
  });
});
