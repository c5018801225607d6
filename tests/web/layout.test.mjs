// Every control of every lesson window stands where the lesson's description puts it, with
// its size: twips ÷ 15 CSS pixels, inside the frames that hold it; the window's client area
// is the description's size. Also at 200 % zoom (device scale 2).
import assert from 'node:assert/strict';
import { before, describe, it } from 'node:test';
import { assertLessonPlaces, assertMenuPlaces } from './places.mjs';
import { browserSuite, catalog, openSite, start } from './support.mjs';

const cat = await catalog();
const { lessons } = cat;

// At 200 % the places are the same CSS pixels: a few of the largest windows show it.
const ZOOMED = ['frm8Queen', 'frmHanoi', 'frmSortQuick', 'frmTotal'];

for (const scale of [1, 2]) {
  describe(`control places at device scale ${scale}`, () => {
    const suite = browserSuite();
    let page;
    before(async () => {
      page = await openSite(suite.browser, suite.site.url, { scale });
      await start(page);
    });

    for (const { form } of lessons.filter((l) => scale === 1 || ZOOMED.includes(l.form))) {
      it(form, () => assertLessonPlaces(page, cat, form));
    }

    it('menus: every button where the catalog puts it', async () => {
      await assertMenuPlaces(page, cat);
      assert.deepEqual(page.errors, []);
    });
  });
}
