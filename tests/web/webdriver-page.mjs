// A page of WebKit under WebDriver with the part of puppeteer's page interface the tests use:
// evaluate, $eval, $, waitForSelector, waitForFunction, click, focus, the mouse, the keyboard
// and element pictures (and an element's computed role and name, which WebDriver gives).
import { writeFileSync } from 'node:fs';
import { cropPng } from './png.mjs';

const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';

// puppeteer's key names as WebDriver's key codes.
const KEYS = {
  Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009', Alt: '\uE00A',
  Escape: '\uE00C', PageUp: '\uE00E', PageDown: '\uE00F', End: '\uE010', Home: '\uE011', ArrowLeft: '\uE012',
  ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Delete: '\uE017', Meta: '\uE03D',
  ...Object.fromEntries(Array.from({ length: 12 }, (_, k) => [`F${k + 1}`, String.fromCharCode(0xe031 + k)])),
};
const keyCode = (key) => KEYS[key] ?? (key === 'Space' ? ' ' : key);

// A script that WebDriver runs with the arguments given: `fn` called with them, its value
// (a promise's once settled: WebDriver awaits what the script returns) or its error handed
// back. Only a promise is returned as one: WebKit answers a second late when the script has
// changed the page and returns a promise.
const wrapped = (fn) => `const ok = (value) => ({ value: value === undefined ? null : value });
const failed = (error) => ({ thrown: String(error) + (error && error.stack ? '\\n' + error.stack : '') });
try {
  const value = (${fn})(...arguments);
  return value && typeof value.then === 'function' ? value.then(ok, failed) : ok(value);
} catch (error) {
  return failed(error);
}`;

const toWire = (arg) => (arg instanceof WebKitElement ? { [ELEMENT]: arg.id } : arg);

export class WebKitPage {
  constructor(browser, handle) {
    this.browser = browser;
    this.session = browser.session;
    this.handle = handle;
    this.errors = [];
    this.mouse = new Mouse(this);
    this.keyboard = new Keyboard(this);
    this.touchscreen = null; // WebKitGTK's WebDriver has no touch input
  }

  async command(method, path, body) {
    await this.browser.switchTo(this.handle);
    return this.session.command(method, path, body);
  }

  async evaluate(fn, ...args) {
    const result = await this.command('POST', '/execute/sync', { script: wrapped(fn), args: args.map(toWire) });
    if (result?.thrown) throw new Error(`in the page: ${result.thrown}`);
    return result?.value;
  }

  $eval(selector, fn, ...args) {
    return this.evaluate(
      (selector, source, ...rest) => {
        const e = document.querySelector(selector);
        if (!e) throw new Error(`no element ${selector}`);
        return (0, eval)(`(${source})`)(e, ...rest);
      },
      selector,
      String(fn),
      ...args,
    );
  }

  $$eval(selector, fn, ...args) {
    return this.evaluate(
      (selector, source, ...rest) => (0, eval)(`(${source})`)([...document.querySelectorAll(selector)], ...rest),
      selector,
      String(fn),
      ...args,
    );
  }

  async $(selector) {
    try {
      const found = await this.command('POST', '/element', { using: 'css selector', value: selector });
      return new WebKitElement(this, found[ELEMENT]);
    } catch (error) {
      if (error.code === 'no such element') return null;
      throw error;
    }
  }

  async $$(selector) {
    const found = await this.command('POST', '/elements', { using: 'css selector', value: selector });
    return found.map((e) => new WebKitElement(this, e[ELEMENT]));
  }

  // Waits until `fn` answers true in the page; answers true (what it answered stays in the
  // page: WebDriver would copy the whole of an object, the engine's memory with it).
  async waitForFunction(fn, { timeout = 30000 } = {}, ...args) {
    const end = Date.now() + timeout;
    const truth = (source, ...rest) => {
      const value = (0, eval)(`(${source})`)(...rest);
      return value && typeof value.then === 'function' ? value.then(Boolean) : Boolean(value);
    };
    for (;;) {
      if (await this.evaluate(truth, String(fn), ...args)) return true;
      if (Date.now() > end) throw new Error(`waitForFunction timed out: ${String(fn).slice(0, 80)}`);
      await new Promise((r) => setTimeout(r, 30));
    }
  }

  async waitForSelector(selector, { timeout = 30000 } = {}) {
    await this.waitForFunction((s) => document.querySelector(s) !== null, { timeout }, selector);
    return this.$(selector);
  }

  async goto(url) {
    await this.command('POST', '/url', { url });
  }

  async reload() {
    await this.command('POST', '/refresh', {});
  }

  async title() {
    return this.command('GET', '/title');
  }

  // The window's outer size set so that the page's viewport gets the size asked for.
  async setViewport({ width, height, deviceScaleFactor = 1 }) {
    if (deviceScaleFactor !== 1) throw new Error('WebKit: only device scale 1');
    await this.command('POST', '/window/rect', { width, height });
    const [innerWidth, innerHeight] = await this.evaluate(() => [window.innerWidth, window.innerHeight]);
    await this.command('POST', '/window/rect', { width: 2 * width - innerWidth, height: 2 * height - innerHeight });
    // The window manager may take the new size a little later: the page's own size is what
    // the next measurement (a click's place) must see.
    for (const end = Date.now() + 3000; Date.now() < end; ) {
      const [w, h] = await this.evaluate(() => [window.innerWidth, window.innerHeight]);
      if (w === width && h === height) break;
      await new Promise((r) => setTimeout(r, 30));
    }
  }

  async click(selector, options) {
    const element = await this.$(selector);
    if (!element) throw new Error(`no element ${selector}`);
    await element.click(options);
  }

  async focus(selector) {
    await this.$eval(selector, (e) => e.focus());
  }

  async close() {
    this.browser.pages.delete(this);
    if (this.browser.pages.size === 0) {
      // the session's last window stays, emptied, for the next page
      await this.goto('about:blank');
      this.browser.usedFirst = false;
      return;
    }
    await this.command('DELETE', '/window');
    this.browser.current = null;
  }

  // The actions of one input source, performed and released.
  async perform(source) {
    await this.command('POST', '/actions', { actions: [source] });
  }
}

class WebKitElement {
  constructor(page, id) {
    this.page = page;
    this.id = id;
  }

  evaluate(fn, ...args) {
    return this.page.evaluate(fn, this, ...args);
  }

  $eval(selector, fn, ...args) {
    return this.page.evaluate(
      (root, selector, source, ...rest) => (0, eval)(`(${source})`)(root.querySelector(selector), ...rest),
      this,
      selector,
      String(fn),
      ...args,
    );
  }

  async boundingBox() {
    return this.evaluate((e) => {
      const r = e.getBoundingClientRect();
      return { x: r.left, y: r.top, width: r.width, height: r.height };
    });
  }

  async click({ count = 1 } = {}) {
    const box = await this.evaluate(async (e) => {
      e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))); // painted
      const r = e.getBoundingClientRect();
      return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    });
    await this.page.mouse.click(box.x, box.y, { count });
  }

  // The page's picture cut to the element (WebKitGTK's own element pictures come out black).
  async screenshot({ path } = {}) {
    const box = await this.evaluate(async (e) => {
      e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      await new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))); // painted
      const r = e.getBoundingClientRect();
      return { x: r.left, y: r.top, width: r.width, height: r.height };
    });
    const png = cropPng(Buffer.from(await this.page.command('GET', '/screenshot'), 'base64'), box);
    if (path) writeFileSync(path, png);
    return png;
  }

  // What assistive technology is told: the computed role and name.
  async accessible() {
    const [role, name] = await Promise.all([
      this.page.command('GET', `/element/${this.id}/computedrole`),
      this.page.command('GET', `/element/${this.id}/computedlabel`),
    ]);
    return { role, name };
  }
}

class Mouse {
  constructor(page) {
    this.page = page;
    this.x = 0;
    this.y = 0;
  }

  action(actions) {
    return this.page.perform({ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions });
  }

  at(x, y) {
    this.x = x;
    this.y = y;
    return { type: 'pointerMove', x: Math.round(x), y: Math.round(y), duration: 0, origin: 'viewport' };
  }

  click(x, y, { count = 1 } = {}) {
    const presses = Array.from({ length: count }, () => [
      { type: 'pointerDown', button: 0 },
      { type: 'pointerUp', button: 0 },
    ]).flat();
    return this.action([this.at(x, y), ...presses]);
  }

  move(x, y, { steps = 1 } = {}) {
    const [x0, y0] = [this.x, this.y];
    return this.action(Array.from({ length: steps }, (_, k) => this.at(x0 + ((x - x0) * (k + 1)) / steps, y0 + ((y - y0) * (k + 1)) / steps)));
  }

  down() {
    return this.action([{ type: 'pointerDown', button: 0 }]);
  }

  up() {
    return this.action([{ type: 'pointerUp', button: 0 }]);
  }
}

// The keyboard: a key held with down() stays held for the presses that follow, as WebDriver
// keeps an input source's state between actions.
class Keyboard {
  constructor(page) {
    this.page = page;
  }

  action(actions) {
    return this.page.perform({ type: 'key', id: 'keyboard', actions });
  }

  down(key) {
    return this.action([{ type: 'keyDown', value: keyCode(key) }]);
  }

  up(key) {
    return this.action([{ type: 'keyUp', value: keyCode(key) }]);
  }

  press(key) {
    const value = keyCode(key);
    return this.action([
      { type: 'keyDown', value },
      { type: 'keyUp', value },
    ]);
  }

  type(text) {
    const keys = [...text].map((c) => (c === '\n' ? KEYS.Enter : c));
    return this.action(keys.flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }]));
  }
}
