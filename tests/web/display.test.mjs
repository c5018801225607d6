// How the page shows its windows beyond the lessons' own looks: the Tower of Hanoi picture
// sharp at every zoom and device scale, drawn again when either changes.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { browserSuite, catalog, openSite, openThroughMenus, start } from './support.mjs';

const cat = await catalog();

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
