// How the page shows its windows beyond the lessons' own looks: the Tower of Hanoi picture
// sharp at every zoom and device scale, drawn again when either changes; the marks beyond
// colour (measured on screenshots turned to greyscale); forced colours and more contrast.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { decodePng } from './png.mjs';
import { browserSuite, catalog, openSite, openThroughMenus, press, start } from './support.mjs';

const cat = await catalog();

// What is drawn on a picture of one box, text and shape, in greyscale: the pixels whose grey
// (the luminance of their colour, back in sRGB) stands out from the grey most of the box has
// by more than `contrast`.
function ink(png, contrast = 50) {
  const { rgba } = decodePng(png);
  const linear = (c) => (c / 255 <= 0.04045 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
  const greys = [];
  for (let k = 0; k < rgba.length; k += 4) {
    const y = 0.2126 * linear(rgba[k]) + 0.7152 * linear(rgba[k + 1]) + 0.0722 * linear(rgba[k + 2]);
    greys.push(255 * (y <= 0.0031308 ? 12.92 * y : 1.055 * y ** (1 / 2.4) - 0.055));
  }
  const ground = [...greys].sort((a, b) => a - b)[greys.length >> 1];
  return greys.map((g) => Math.abs(g - ground) > contrast);
}

// The share of pixels where two masks of the same size differ.
function differing(a, b) {
  let count = 0;
  for (let k = 0; k < Math.min(a.length, b.length); ++k) if (a[k] !== b[k]) ++count;
  return a.length ? count / a.length : 0;
}

// The canvas's pixels that are none of the picture's colours: the blends of an edge that
// falls between two device pixels.
function softPixels(page) {
  return page.$eval('[data-form=frmHanoi] canvas.picture', (canvas) => {
    const probe = document.createElement('div');
    probe.style.color = 'var(--button-face)';
    canvas.parentElement.append(probe);
    const ground = getComputedStyle(probe).color.match(/\d+/g).map(Number);
    probe.remove();
    const colours = new Set([[0, 0, 0], [0, 0, 255], [0, 255, 0], [255, 255, 0], [255, 0, 0]].map(String));
    const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    let soft = 0;
    for (let k = 0; k < data.length; k += 4) {
      if (data[k + 3] === 0) continue; // not drawn: the canvas's ground shows
      const rgb = [data[k], data[k + 1], data[k + 2]];
      if (data[k + 3] !== 255 || (!colours.has(String(rgb)) && String(rgb) !== String(ground))) ++soft;
    }
    return { soft, width: canvas.width, expected: Math.round(canvas.clientWidth * devicePixelRatio) };
  });
}

describe('the Tower of Hanoi picture', () => {
  const suite = browserSuite();

  it('is sharp at every device scale and drawn again when the scale changes', async () => {
    const page = await openSite(suite.browser, suite.site.url, { scale: 1.25 });
    await start(page);
    await openThroughMenus(page, cat, 'frmHanoi');
    for (const [k, scale] of [1.25, 1, 2, 1.5, 3].entries()) {
      // No disk moves: only the scale changes, with the viewport's size as a zoom changes it
      // (the emulated scale alone tells the page nothing).
      await page.setViewport({ width: 1600 - k, height: 1000, deviceScaleFactor: scale });
      await page.waitForFunction((s) => {
        const canvas = document.querySelector('[data-form=frmHanoi] canvas.picture');
        return devicePixelRatio === s && canvas.width === Math.round(canvas.clientWidth * s);
      }, { timeout: 5000 }, scale);
      const shown = await softPixels(page);
      assert.equal(shown.width, shown.expected, `at ${scale}: a pixel of the canvas per device pixel`);
      assert.equal(shown.soft, 0, `at ${scale}: ${shown.soft} pixels blend two colours`);
    }
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

// The boxes of a window that carry a mark now: {colour: index}, by their colour's name.
function markedBoxes(page, form, length) {
  return page.$eval(
    `[data-form=${form}]`,
    (win, length) => {
      const found = {};
      for (let k = 0; k < length; ++k) {
        const box = win.querySelector(`[data-control="Text1(${k})"]`);
        if (box.dataset.mark) found[getComputedStyle(box).backgroundColor] = k;
      }
      return found;
    },
    length,
  );
}

// The inside of a box (its border left out), as the screen shows it.
async function boxPicture(page, form, index) {
  const clip = await page.$eval(`[data-form=${form}] [data-control="Text1(${index})"]`, (box) => {
    const r = box.getBoundingClientRect();
    const edge = parseFloat(getComputedStyle(box).borderTopWidth);
    return { x: r.left + edge, y: r.top + edge, width: r.width - 2 * edge, height: r.height - 2 * edge };
  });
  return Buffer.from(await page.screenshot({ clip, encoding: 'binary' }));
}

// The media features the page is shown with (Chromium's emulation, asked directly: the
// test driver's own list lacks forced colours).
// (The emulation lasts as long as its session: one per page, kept.)
const sessions = new WeakMap();
async function emulate(page, features) {
  if (!sessions.has(page)) sessions.set(page, await page.target().createCDPSession());
  await sessions.get(page).send('Emulation.setEmulatedMedia', { features });
}

// Types `text` into a box as a student does: the page hands each input to the engine.
function typeInto(page, form, index, text) {
  return page.$eval(
    `[data-form=${form}] [data-control="Text1(${index})"]`,
    (box, text) => {
      box.value = text;
      box.dispatchEvent(new Event('input', { bubbles: true }));
    },
    text,
  );
}

const shapesOn = (page) => page.evaluate(() => document.documentElement.classList.contains('shapes'));

describe('the marks beyond colour', () => {
  const suite = browserSuite();

  for (const [form, length, pairs] of [['frmSortBuble', 9, 3], ['frmSortQuick', 20, 10]]) {
    it(`tells each pair of marks of ${form} apart in greyscale`, async () => {
      const page = await openSite(suite.browser, suite.site.url);
      await start(page);
      await openThroughMenus(page, cat, form);
      // Every element the same: the boxes then differ only by their marks.
      for (let k = 0; k < length; ++k) await typeInto(page, form, k, '5');
      const measured = new Set();
      for (let step = 0; step < 400 && measured.size < pairs; ++step) {
        await press(page, form, 'Command1');
        const marked = Object.entries(await markedBoxes(page, form, length));
        for (let a = 0; a < marked.length; ++a) {
          for (let b = a + 1; b < marked.length; ++b) {
            const pair = [marked[a][0], marked[b][0]].sort().join(' and ');
            if (measured.has(pair)) continue;
            measured.add(pair);
            const difference = async () =>
              differing(ink(await boxPicture(page, form, marked[a][1])), ink(await boxPicture(page, form, marked[b][1])));
            assert.equal(await shapesOn(page), false);
            const plain = await difference();
            await page.keyboard.press('F9');
            assert.equal(await shapesOn(page), true);
            const shaped = await difference();
            await page.keyboard.press('F9');
            assert.ok(shaped >= 0.05, `${form}: ${pair} differ in ${(shaped * 100).toFixed(1)} % of their pixels`);
            assert.ok(plain < 0.02, `${form}: ${pair} differ without the shapes, by ${(plain * 100).toFixed(1)} %`);
          }
        }
      }
      assert.ok(measured.size >= pairs, `${form}: ${[...measured].join(', ')}`);
      assert.deepEqual(page.errors, []);
      await page.close();
    });
  }

  it('is switched from a window\'s one context menu, after the window\'s own commands, and kept by the browser', async () => {
    const page = await openSite(suite.browser, suite.site.url);
    await start(page);
    await openThroughMenus(page, cat, 'frmTotal');
    const words = cat.lessonWindow.marks.setting;
    const line = await page.$('[data-form=frmTotal] [data-control="Label1(3)"]');
    const box = await line.boundingBox();
    await page.mouse.click(box.x + 5, box.y + 5, { button: 'right' });
    const item = await page.waitForSelector('.context-menu [role=menuitemcheckbox]');
    assert.equal(await item.evaluate((e) => e.querySelector('span').textContent), words.caption);
    assert.equal(await item.evaluate((e) => e.getAttribute('aria-checked')), 'false');
    // One menu: the lesson window's own commands first (focused), then the setting, last.
    assert.equal((await page.$$('.context-menu')).length, 1);
    const roles = await page.$$eval('.context-menu button', (items) => items.map((e) => e.getAttribute('role')));
    assert.deepEqual(roles, ['menuitem', 'menuitem', 'menuitem', 'menuitem', 'menuitemcheckbox']);
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('role')), 'menuitem');
    await page.keyboard.press('ArrowUp'); // from the first round to the last
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('role')), 'menuitemcheckbox');
    await page.keyboard.press('Enter');
    assert.equal(await page.$('.context-menu'), null);
    assert.equal(await shapesOn(page), true);
    // A text box keeps the browser's own menu.
    const input = await page.$('[data-form=frmTotal] [data-control="Text1(0)"]');
    const at = await input.boundingBox();
    await page.mouse.click(at.x + 5, at.y + 5, { button: 'right' });
    assert.equal(await page.$('.context-menu'), null);
    page.once('dialog', (dialog) => dialog.accept()); // leaving with a lesson open asks first
    await page.reload({ waitUntil: 'load' });
    await page.waitForSelector('[data-form=frmIntro]');
    assert.equal(await shapesOn(page), true);
    await page.keyboard.press('F9');
    assert.equal(await shapesOn(page), false);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

describe('high contrast', () => {
  const suite = browserSuite();

  // (Chromium's emulation tells the page's media query lists nothing when it changes: the
  // page is loaded again under it.)
  const reload = async (page) => {
    await page.reload({ waitUntil: 'load' });
    await page.waitForSelector('[data-form=frmIntro]');
  };

  it('honours forced colours: the marks and the current line keep their colours and shapes', async () => {
    const page = await openSite(suite.browser, suite.site.url);
    await emulate(page, [{ name: 'forced-colors', value: 'active' }]);
    await reload(page);
    await start(page);
    await openThroughMenus(page, cat, 'frmSortBuble');
    for (let k = 0; k < 6; ++k) await press(page, 'frmSortBuble', 'Command1');
    assert.equal(await shapesOn(page), true, 'the shapes without the setting');
    const seen = await page.$eval('[data-form=frmSortBuble]', (win) => {
      const style = (e) => getComputedStyle(e);
      const marked = [...win.querySelectorAll('[data-mark]')].map((e) => ({
        mark: e.dataset.mark,
        ground: style(e).backgroundColor,
        drawn: style(e).backgroundImage !== 'none' || style(e).boxShadow !== 'none',
      }));
      const current = win.querySelector('.line.current');
      const other = win.querySelector('.line:not(.current)');
      return {
        forced: matchMedia('(forced-colors: active)').matches,
        marked,
        current: { ground: style(current).backgroundColor, ink: style(current).color, frame: style(current).boxShadow },
        other: { ground: style(other).backgroundColor, ink: style(other).color },
      };
    });
    assert.ok(seen.forced);
    assert.deepEqual(new Set(seen.marked.map((m) => m.mark)), new Set(['left', 'right', 'under']));
    for (const m of seen.marked) {
      assert.ok(m.drawn, `${m.mark}: its shape is drawn`);
      assert.ok(['rgb(255, 0, 0)', 'rgb(0, 0, 255)', 'rgb(0, 255, 255)'].includes(m.ground), `${m.mark} on ${m.ground}`);
    }
    assert.equal(seen.current.ground, 'rgb(255, 255, 0)');
    assert.equal(seen.current.ink, 'rgb(0, 0, 0)');
    assert.notEqual(seen.current.frame, 'none');
    assert.notEqual(seen.other.ground, seen.current.ground);
    assert.notEqual(seen.other.ink, seen.other.ground, 'an ordinary line reads');
    page.once('dialog', (dialog) => dialog.accept()); // leaving with a lesson open asks first
    await emulate(page, [{ name: 'forced-colors', value: 'none' }, { name: 'prefers-contrast', value: 'more' }]);
    await reload(page);
    assert.equal(await shapesOn(page), true, 'more contrast asked for');
    await emulate(page, [{ name: 'prefers-contrast', value: 'no-preference' }]);
    await reload(page);
    assert.equal(await shapesOn(page), false);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});
