// The three browser engines the page is tested in, each as Debian packages it: Chromium
// (puppeteer-core over CDP), Firefox ESR (puppeteer-core over WebDriver BiDi) and WebKitGTK
// (WebKitWebDriver, through webdriver.mjs). Each launches headless, in a profile of its own.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { launchWebKit } from './webdriver.mjs';

export const CHROMIUM = process.env.CHROMIUM ?? '/usr/bin/chromium';
export const FIREFOX = process.env.FIREFOX ?? '/usr/bin/firefox-esr';

export const ENGINES = ['chromium', 'firefox', 'webkit'];

// The device scales (the browser's zoom, 100 % and 200 %) an engine's driver can set.
export const SCALES = { chromium: [1, 2], firefox: [1, 2], webkit: [1] };

// A folder of the system's temporary folder, removed when the browser is gone.
function profileFolder(browser, profile) {
  browser.on?.('disconnected', () => {
    try {
      rmSync(profile, { recursive: true, force: true, maxRetries: 5, retryDelay: 100 });
    } catch {
      // the browser's last writes: the folder is in the system's temporary folder anyway
    }
  });
  return browser;
}

async function launchChromium(args = []) {
  const profile = mkdtempSync(join(tmpdir(), 'trevisk-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--disable-dev-shm-usage',
      `--user-data-dir=${profile}`,
      ...args,
    ],
  });
  return profileFolder(browser, profile);
}

function launchFirefox() {
  return puppeteer.launch({
    browser: 'firefox',
    executablePath: FIREFOX,
    headless: true,
    extraPrefsFirefox: {
      // the page's clock as fine as Chromium's, for the benchmark's figures
      'privacy.reduceTimerPrecision': false,
      // service workers on http://127.0.0.1, as on localhost
      'dom.serviceWorkers.testing.enabled': true,
      'browser.shell.checkDefaultBrowser': false,
      'datareporting.policy.dataSubmissionEnabled': false,
    },
  });
}

// `args`: more command-line switches (Chromium only).
export function launchEngine(engine = 'chromium', { args } = {}) {
  switch (engine) {
    case 'chromium':
      return launchChromium(args);
    case 'firefox':
      return launchFirefox();
    case 'webkit':
      return launchWebKit();
    default:
      throw new Error(`no engine ${engine}`);
  }
}
