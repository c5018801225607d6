// WebKit for the browser tests: WebKitGTK's MiniBrowser driven by WebKitWebDriver (Debian's
// webkit2gtk-driver) over W3C WebDriver, JSON over HTTP, on a private Xvfb display (the GTK
// port has no headless mode). The browser and its pages (webdriver-page.mjs) answer the part
// of puppeteer's interface that the tests use, so that the same helpers drive Chromium,
// Firefox and WebKit.
import { spawn } from 'node:child_process';
import { existsSync, readdirSync } from 'node:fs';
import { createServer } from 'node:net';
import { WebKitPage } from './webdriver-page.mjs';

const DRIVER = process.env.WEBKIT_WEBDRIVER ?? '/usr/bin/WebKitWebDriver';
const MINIBROWSER =
  process.env.WEBKIT_MINIBROWSER ??
  readdirSync('/usr/lib')
    .flatMap((arch) => ['4.1', '4.0'].map((api) => `/usr/lib/${arch}/webkit2gtk-${api}/MiniBrowser`))
    .find((path) => existsSync(path));

const freePort = () =>
  new Promise((resolve, reject) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
    probe.on('error', reject);
  });

let display = null;

// One Xvfb for the test process, started at the first WebKit and ended with the process.
function xDisplay() {
  display ??= new Promise((resolve, reject) => {
    const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1920x1200x24', '-nolisten', 'tcp'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    xvfb.on('error', reject);
    xvfb.stdio[3].once('data', (data) => resolve(`:${String(data).trim()}`));
    xvfb.unref();
    process.once('exit', () => xvfb.kill());
  });
  return display;
}

// The WebDriver endpoint of one session: commands as JSON over HTTP.
class Session {
  constructor(base, id) {
    this.base = base;
    this.id = id;
  }

  async command(method, path, body) {
    const response = await fetch(`${this.base}/session/${this.id}${path}`, {
      method,
      headers: { 'content-type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) {
      const error = new Error(`WebDriver ${path}: ${value.error}: ${value.message}`);
      error.code = value.error;
      throw error;
    }
    return value;
  }
}

// Starts WebKitWebDriver and opens MiniBrowser through it; resolves to the browser.
export async function launchWebKit() {
  const port = await freePort();
  const driver = spawn(DRIVER, [`--port=${port}`, '--host=127.0.0.1'], {
    env: { ...process.env, DISPLAY: await xDisplay(), GDK_BACKEND: 'x11', LANG: 'ja_JP.UTF-8' },
    stdio: 'ignore',
  });
  process.once('exit', () => driver.kill()); // a test that failed before closing the browser
  const base = `http://127.0.0.1:${port}`;
  for (let tries = 0; ; ++tries) {
    try {
      if ((await (await fetch(`${base}/status`)).json()).value?.ready) break;
    } catch (error) {
      if (tries > 100) throw new Error(`WebKitWebDriver did not start: ${error.message}`);
    }
    await new Promise((r) => setTimeout(r, 50));
  }
  const response = await fetch(`${base}/session`, {
    method: 'POST',
    headers: { 'content-type': 'application/json' },
    body: JSON.stringify({
      capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] } } },
    }),
  });
  const { value } = await response.json();
  if (!value.sessionId) throw new Error(`WebKitWebDriver: ${value.message ?? JSON.stringify(value)}`);
  const session = new Session(base, value.sessionId);
  await session.command('POST', '/timeouts', { script: 120000 });
  return new WebKitBrowser(session, driver, value.capabilities.browserVersion);
}

class WebKitBrowser {
  constructor(session, driver, version) {
    this.session = session;
    this.driver = driver;
    this.engineVersion = version;
    this.current = null;
    this.pages = new Set();
  }

  version() {
    return `WebKitGTK/${this.engineVersion}`;
  }

  // The session's first window serves the first page; each other page is a window of its own.
  async newPage() {
    const handle =
      this.pages.size === 0 && !this.usedFirst
        ? await this.session.command('GET', '/window')
        : (await this.session.command('POST', '/window/new', { type: 'window' })).handle;
    this.usedFirst = true;
    const page = new WebKitPage(this, handle);
    this.pages.add(page);
    await page.setViewport({ width: 1600, height: 1000 });
    return page;
  }

  // A fresh profile: another browser (each WebDriver session has its own ephemeral profile).
  async createBrowserContext() {
    const browser = await launchWebKit();
    return Object.assign(browser, { close: () => browser.close() });
  }

  async switchTo(handle) {
    if (this.current === handle) return;
    await this.session.command('POST', '/window', { handle });
    this.current = handle;
  }

  async close() {
    await this.session.command('DELETE', '').catch(() => {});
    this.driver.kill();
  }
}
