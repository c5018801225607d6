// The page after one visit works with the network gone; what it fetches stays small; and
// when the engine or the font cannot be loaded, the page says so in Japanese.
import assert from 'node:assert/strict';
import { readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { SITE, assertShowsConsole, catalog, launch, openSite, openThroughMenus, server, start } from './support.mjs';

function siteBytes(dir = SITE) {
  return readdirSync(dir).reduce((sum, name) => {
    const path = join(dir, name);
    return sum + (statSync(path).isDirectory() ? siteBytes(path) : statSync(path).size);
  }, 0);
}

describe('offline and faults', () => {
  let browser;
  let cat;
  before(async () => {
    [browser, cat] = await Promise.all([launch(), catalog()]);
  });
  after(() => browser?.close());

  // A server and a browser profile of its own (no cache, no service worker) for one test.
  async function withSite(test) {
    const site = await server();
    const context = await browser.createBrowserContext();
    try {
      await test(site, context);
    } finally {
      await context.close();
      await site.close();
    }
  }

  it('after one visit: load, cut the network, reload, step', () =>
    withSite(async (site, context) => {
      const page = await openSite(context, site.url);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
      await page.evaluate(() => navigator.serviceWorker.ready);
      assert.ok(site.sent.bytes <= 1.5e6, `the first visit fetched ${site.sent.bytes} bytes, the offline copy included`);
      await site.close();
      page.errors = [];
      await page.reload({ waitUntil: 'load' });
      await page.waitForSelector('[data-form=frmIntro]');
      await start(page);
      await openThroughMenus(page, cat, 'frmSortQuick');
      await page.click('[data-form=frmSortQuick] [data-control=Command1]');
      await assertShowsConsole(page, 'frmSortQuick', ['step']);
      assert.equal(await page.$eval('#problems', (e) => e.textContent), '', 'the font came from the kept copy too');
      assert.equal(await page.evaluate(() => document.fonts.check('16px "ＭＳ ゴシック"', '合計')), true);
      assert.deepEqual(page.errors, []);
  }));

  it('a browser can install it as an app', () =>
    withSite(async (site) => {
      const page = await openSite(browser, site.url); // not in a private profile, which cannot install
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
      const cdp = await page.createCDPSession();
      const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
      const manifest = await (await fetch(new URL('manifest.webmanifest', site.url))).json();
      assert.equal(manifest.display, 'standalone');
      await page.close();
  }));

  it('a lesson asked for while the engine still loads opens when it is ready', () =>
    withSite(async (site, context) => {
      const page = await context.newPage();
      page.errors = [];
      page.on('pageerror', (error) => page.errors.push(error.message));
      let release;
      const held = new Promise((r) => (release = r));
      await page.setRequestInterception(true);
      page.on('request', async (request) => {
        if (request.url().endsWith('.wasm')) await held;
        request.continue();
      });
      await page.goto(site.url);
      await page.waitForSelector('[data-form=frmIntro]');
      await start(page);
      await page.click('[data-form=frmMain] [data-control=Command2]');
      assert.equal(await page.$('[data-form=frmTotal]'), null);
      release();
      await page.waitForSelector('[data-form=frmTotal] .line.current');
      await assertShowsConsole(page, 'frmTotal', []);
      assert.deepEqual(page.errors, []);
    }));

  it('an engine without WebAssembly says at once which browsers work, and starts nothing', async () => {
    // V8 without its compilers has no WebAssembly at all (the switch that only hid it is gone).
    const [bare, site] = await Promise.all([launch('chromium', { args: ['--js-flags=--jitless'] }), server()]);
    try {
      const page = await bare.newPage();
      await page.goto(site.url);
      await page.waitForFunction(() => document.body.innerText.includes('Firefox\u00a0112'), { timeout: 5000 });
      // a version stays on the line of its browser's name (a no-break space between)
      const notice = await page.$eval('#starting', (e) => ({ text: e.textContent.replace(/\u00a0/g, ' '), role: e.getAttribute('role') }));
      assert.match(notice.text, /^このブラウザーでは Trevisk を動かせません。Chrome・Edge 102、Firefox 112、Safari 15\.5/);
      assert.equal(notice.role, 'alert');
      await new Promise((r) => setTimeout(r, 500));
      assert.equal(await page.$('.window'), null, 'no window opens');
      assert.equal(await page.$eval('#problems', (e) => e.textContent), '');
    } finally {
      await bare.close();
      await site.close();
    }
  });

  it('the whole site is at most 1.5 MB before compression', () => {
    assert.ok(siteBytes() <= 1.5e6, `${siteBytes()} bytes`);
  });

  for (const [what, pattern, expected] of [
    ['the engine', /\.wasm$/, '本体（WebAssembly）を読み込めませんでした'],
    ['the engine script', /trevisk_engine\.mjs$/, '本体（WebAssembly）を読み込めませんでした'],
    ['the font', /\.woff2$/, 'フォントを読み込めませんでした'],
  ]) {
    it(`without ${what}, the page says so`, () =>
      withSite(async (site, context) => {
        const page = await context.newPage();
        page.errors = [];
        page.on('pageerror', (error) => page.errors.push(error.message));
        await page.setRequestInterception(true);
        page.on('request', (request) => (pattern.test(new URL(request.url()).pathname) ? request.abort() : request.continue()));
        await page.goto(site.url);
        await page.waitForFunction((text) => document.body.innerText.includes(text), { timeout: 10000 }, expected);
        if (what === 'the font') {
          // The program still starts, in the system's font.
          await page.waitForSelector('[data-form=frmIntro]');
          await start(page);
        }
        assert.deepEqual(page.errors, []);
    }));
  }
});
