// The same look in every engine: every window (the opening screen, each menu, the listing
// window, a message box, each lesson after a few steps, the trace window) shot in Chromium,
// Firefox and WebKit, and Firefox's and WebKit's pictures held to Chromium's: the same size,
// and where both paint a flat area the same colour (glyph smoothing may differ). The
// pictures, and those of the differences of a failed comparison, stay in build-web/look.
import assert from 'node:assert/strict';
import { mkdirSync, rmSync, writeFileSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { compareFlat, decodePng, encodePng } from './png.mjs';
import { shootWindows } from './shots.mjs';
import { SITE, catalog, launch, openSite, server } from './support.mjs';

const cat = await catalog();
const OUT = process.env.WEB_PICTURES ?? join(SITE, '..', 'look');
const OTHERS = ['firefox', 'webkit'];
const NAMES = ['frmIntro', ...cat.menus.map((m) => m.form), 'frmText', 'message', ...cat.lessons.map((l) => l.form), 'trace-frmTotal'];

// At most this share of the pixels flat in both pictures may differ, and no block of 8 × 8
// pixels may differ in most of its pixels: a bar, a face or a border of another colour does.
const MOST = 0.002;

// Room for the largest window (a smaller picture of the page is quicker to take in WebKit,
// whose element pictures are cut from the page's).
const VIEWPORT = { width: 960, height: 700 };

describe('every window looks the same in Chromium, Firefox and WebKit', () => {
  let site;
  const shot = {};
  before(async () => {
    site = await server();
    // The three engines side by side: WebKit's pictures take longest, and wait mostly on its
    // driver.
    await Promise.all(
      ['chromium', ...OTHERS].map(async (engine) => {
        const folder = join(OUT, engine);
        rmSync(folder, { recursive: true, force: true });
        mkdirSync(folder, { recursive: true });
        const browser = await launch(engine);
        try {
          // The page opened at that size: nothing moves under the first click.
          const page = await openSite(browser, site.url, { viewport: VIEWPORT });
          shot[engine] = await shootWindows(page, cat, folder, { traces: ['frmTotal'], plain: true });
          assert.equal(await page.$eval('#problems', (e) => e.textContent), '', `${engine}: the page reported a fault`);
        } finally {
          await browser.close();
        }
      }),
    );
  });
  after(() => site?.close());

  for (const name of NAMES) {
    it(name, () => {
      const picture = (engine) => decodePng(readFileSync(join(OUT, engine, `${name}-100.png`)));
      const reference = picture('chromium');
      for (const engine of OTHERS) {
        assert.ok(shot[engine].includes(name), `${engine} shot ${name}`);
        const result = compareFlat(reference, picture(engine));
        assert.ok(result.sameSize, `${name} in ${engine}: ${JSON.stringify(result.sizes)} (Chromium first)`);
        const diff = join(OUT, engine, `${name}-differences.png`);
        const fine = result.share <= MOST && result.solidBlocks === 0;
        if (!fine) writeFileSync(diff, encodePng(result.picture));
        assert.ok(
          fine,
          `${name} in ${engine}: ${result.differing} of ${result.flat} flat pixels differ from Chromium's, ${result.solidBlocks} blocks of 8 × 8 mostly (red in ${diff})`,
        );
      }
    });
  }
});
