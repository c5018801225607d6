// Every lesson in the browser, driven as a student drives it (typing, good and bad, steps,
// notes, options, check boxes, 配列値設定, 先頭に戻る, ◀, auto-run), shows after each action
// what lesson-console answers to the same script: the page is read as a student sees it.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { workLesson } from './scripted.mjs';
import { browserSuite, catalog, openSite } from './support.mjs';

const cat = await catalog();
const { lessons } = cat;

describe('every lesson, scripted, equals lesson-console', () => {
  const suite = browserSuite();

  it('has every lesson a menu opens', () => {
    const opened = new Set(cat.menus.flatMap((menu) => menu.buttons.map((b) => b.target)).filter((t) => !t.startsWith('listing:') && !cat.menus.some((m) => m.form === t)));
    assert.deepEqual(new Set(lessons.map((l) => l.form)), opened);
  });

  for (const { form } of lessons) {
    it(form, async () => {
      const page = await openSite(suite.browser, suite.site.url);
      await workLesson(page, cat, form, await page.createCDPSession());
      assert.deepEqual(page.errors, []);
      await page.close();
    });
  }
});
