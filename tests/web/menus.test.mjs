// The opening screen, the menus and the listing window in the browser: every menu button
// opens the right window with the right caption, one instance a form, closing a window
// closes only it, and closing the main menu ends the program.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import { browserSuite, catalog, openSite, openThroughMenus, press, readLesson, start } from './support.mjs';

const cat = await catalog();

const windows = (page) => page.$$eval('.window', (all) => all.map((w) => w.dataset.form));
const title = (page, form) => page.$eval(`[data-form=${form}] h2`, (h) => h.textContent);
const close = async (page, form) => {
  await page.$eval(`[data-form=${form}] .titlebar .close`, (e) => e.focus());
  await page.click(`[data-form=${form}] .titlebar .close`);
};

describe('menus and windows', () => {
  const suite = browserSuite();
  let page;
  beforeEach(async () => {
    await page?.close();
    page = await openSite(suite.browser, suite.site.url);
  });

  it('the opening screen shows the catalog texts; 開始 leaves the main menu alone', async () => {
    const texts = await page.$eval('[data-form=frmIntro]', (w) => w.textContent);
    for (const text of [cat.intro.title, cat.intro.subtitle, cat.intro.start, cat.intro.end]) assert.ok(texts.includes(text), text);
    // the sketch of a listing, its current line in yellow, as the desktop draws it
    const sketch = await page.$$eval('[data-form=frmIntro] .sketch .line', (lines) =>
      lines.map((l) => [l.textContent, getComputedStyle(l).backgroundColor]),
    );
    assert.deepEqual(
      sketch.map(([text]) => text),
      cat.intro.sketch,
    );
    assert.deepEqual(
      sketch.map(([, colour]) => colour === 'rgb(255, 255, 0)'),
      cat.intro.sketch.map((_, k) => k === cat.intro.sketchCurrent),
    );
    await start(page);
    assert.deepEqual(await windows(page), ['frmMain']);
    assert.equal(await title(page, 'frmMain'), 'Trevisk');
  });

  it('終了 on the opening screen ends the program; it can be started again', async () => {
    await page.click('[data-form=frmIntro] [data-control=Command2]');
    assert.deepEqual(await windows(page), []);
    await page.click('.ended button');
    assert.deepEqual(await windows(page), ['frmIntro']);
  });

  it('every menu button opens its window with its caption', async () => {
    await start(page);
    const captions = new Map([
      ...cat.menus.map((m) => [m.form, m.title]),
      ...cat.lessons.map((l) => [l.form, l.caption]),
    ]);
    for (const menu of cat.menus) {
      if (menu.form !== 'frmMain') await openThroughMenus(page, cat, menu.form);
      for (const button of menu.buttons) {
        await press(page, menu.form, button.name);
        if (button.target.startsWith('listing:')) {
          const listing = cat.listings.find((l) => `listing:${l.id}` === button.target);
          const shown = await page.$eval('[data-form=frmText]', (w) => ({
            title: w.querySelector('h2').textContent,
            text: w.querySelector('textarea').value,
            size: parseFloat(getComputedStyle(w.querySelector('textarea')).fontSize),
          }));
          assert.deepEqual({ ...shown, size: Math.round(shown.size * 0.75 * 100) / 100 }, {
            title: listing.caption,
            text: listing.text.replace(/\r\n/g, '\n'),
            size: listing.fontSize,
          });
          await page.keyboard.press('Escape');
          assert.ok(!(await windows(page)).includes('frmText'), 'Esc closes the listing');
          continue;
        }
        assert.equal(await title(page, button.target), captions.get(button.target), `${menu.form} ${button.name}`);
      }
    }
    const open = await windows(page);
    assert.equal(open.length, new Set(open).size, 'one window a form');
    assert.equal(open.length, cat.menus.length + cat.lessons.length);
    assert.deepEqual(page.errors, []);
  });

  it('the listing window blocks its menu until it is closed', async () => {
    await start(page);
    await openThroughMenus(page, cat, 'listing:e');
    const blocked = await page.$eval('[data-form=frmSumInteger]', (w) => w.classList.contains('blocked') && w.querySelector('.client').inert);
    assert.ok(blocked);
    await page.click('[data-form=frmSumInteger] [data-control=Command1]'); // caught by the shield
    assert.ok(!(await windows(page)).includes('frmWhileSum'));
    await close(page, 'frmText');
    await page.click('[data-form=frmSumInteger] [data-control=Command1]');
    assert.ok((await windows(page)).includes('frmWhileSum'));
  });

  it('the listing window\'s text box keeps a margin as the window is resized, and its size when made tiny', async () => {
    await start(page);
    await openThroughMenus(page, cat, 'listing:a');
    const resize = (width, height) =>
      page.$eval(
        '[data-form=frmText]',
        async (w, size) => {
          Object.assign(w.querySelector('.client').style, size);
          await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
          const box = w.querySelector('textarea').getBoundingClientRect();
          return [box.width, box.height].map((v) => Math.round(v * 15));
        },
        { width: `${width / 15}px`, height: `${height / 15}px` },
      );
    const margin = cat.listingWindow.margin;
    assert.deepEqual(await resize(12000, 6000), [12000 - margin, 6000 - margin]);
    assert.deepEqual(await resize(450, 6000), [12000 - margin, 6000 - margin], 'narrower than 600 twips: unchanged');
    assert.deepEqual(await resize(3000, 1500), [3000 - margin, 1500 - margin]);
  });

  it('a window moves by its title bar and comes to the front when clicked', async () => {
    await start(page);
    await openThroughMenus(page, cat, 'frmTotal');
    const place = (form) => page.$eval(`[data-form=${form}]`, (w) => [w.offsetLeft, w.offsetTop, Number(w.style.zIndex)]);
    const [left, top] = await place('frmMain');
    const title = await (await page.$('[data-form=frmMain] .titlebar h2')).boundingBox();
    await page.mouse.move(title.x + 20, title.y + 5);
    await page.mouse.down();
    await page.mouse.move(title.x + 20 + 300, title.y + 5 + 200, { steps: 4 });
    await page.mouse.up();
    const [movedLeft, movedTop, z] = await place('frmMain');
    assert.deepEqual([movedLeft - left, movedTop - top], [300, 200]);
    assert.ok(z > (await place('frmTotal'))[2], 'in front of the lesson');
  });

  it('a lesson opened again comes forward with its state; closed, it loads afresh', async () => {
    await start(page);
    await openThroughMenus(page, cat, 'frmTotal');
    await press(page, 'frmTotal', 'Command1');
    await press(page, 'frmTotal', 'Command1');
    await press(page, 'frmMain', 'Command2');
    assert.equal((await windows(page)).filter((f) => f === 'frmTotal').length, 1);
    assert.equal((await readLesson(page, 'frmTotal')).line, 3);
    const front = await page.$$eval('.window', (all) => all.sort((a, b) => b.style.zIndex - a.style.zIndex)[0].dataset.form);
    assert.equal(front, 'frmTotal');
    await close(page, 'frmTotal');
    assert.ok(!(await windows(page)).includes('frmTotal'));
    await press(page, 'frmMain', 'Command2');
    assert.equal((await readLesson(page, 'frmTotal')).line, 0);
  });

  it('closing a topic menu leaves its lessons open and usable; the main menu ends everything', async () => {
    await start(page);
    await openThroughMenus(page, cat, 'frmForMax');
    await openThroughMenus(page, cat, 'frmSortQuick');
    await close(page, 'frmBasicAlgo');
    assert.deepEqual((await windows(page)).sort(), ['frmForMax', 'frmMain', 'frmSort', 'frmSortQuick']);
    await press(page, 'frmForMax', 'Command1');
    assert.equal((await readLesson(page, 'frmForMax')).line, 2); // its first step skips the line "{"
    assert.equal((await readLesson(page, 'frmSortQuick')).line, 0, 'lessons keep their own state');
    await press(page, 'frmSortQuick', 'Command3'); // auto-running
    await close(page, 'frmMain');
    assert.deepEqual(await windows(page), []);
    assert.ok(await page.$('.ended'));
    assert.deepEqual(page.errors, []);
  });
});
