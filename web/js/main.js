// Starts Trevisk in the page: the model (WebAssembly) and the lessons' font load side by side,
// then the opening screen shows. What cannot load is said in the page, in Japanese; a missing
// font leaves the lessons in the system's fixed-width face.

import { loadEngine } from './engine.js';
import { App } from './shell/app.js';
import { button } from './ui/button.js';
import { keepTypingInView } from './ui/keep-in-view.js';

window.treviskStarted = true;

const FONT_URL = 'fonts/trevisk-gothic.woff2';
const LESSON_FACE = 'ＭＳ ゴシック';

const texts = {
  engine:
    'Trevisk の本体（WebAssembly）を読み込めませんでした。ネットワークの接続を確かめてから、ページを再読み込みしてください。',
  font: '教材用のフォントを読み込めませんでした。代わりにコンピューターのフォントで表示しています（字の幅が変わることがあります）。',
  reload: '再読み込み',
  fault: 'ページの処理で問題が起きました',
};

const desktop = document.getElementById('desktop');
const problems = document.getElementById('problems');

function problem(text) {
  const p = document.createElement('p');
  p.textContent = text;
  problems.append(p);
  while (problems.children.length > 3) problems.firstChild.remove();
}

function failure(text) {
  const notice = document.getElementById('starting') ?? document.createElement('div');
  notice.id = 'starting';
  notice.className = 'notice failure';
  notice.setAttribute('role', 'alert');
  notice.textContent = text;
  const again = button(texts.reload, () => location.reload(), { className: '' });
  notice.append(document.createElement('br'), again);
  if (!notice.isConnected) desktop.append(notice);
}

async function loadFont() {
  const face = new FontFace(LESSON_FACE, `url("${FONT_URL}") format("woff2")`);
  await face.load();
  document.fonts.add(face);
}

window.addEventListener('error', (event) => problem(`${texts.fault}: ${event.message}`));
window.addEventListener('unhandledrejection', (event) =>
  problem(`${texts.fault}: ${event.reason?.message ?? event.reason}`),
);

// The catalog of menus and listings, as the engine answers it (written by the site's build).
async function loadCatalog() {
  const response = await fetch('catalog.json', { credentials: 'same-origin' });
  if (!response.ok) throw new Error(`catalog.json: ${response.status}`);
  return response.json();
}

// The opening screen and the menus need only the catalog and the font; the engine goes on
// loading meanwhile, and a lesson asked for before it is ready opens when it is.
async function start() {
  if (window.treviskUnsupported) return; // index.html has said which browsers work
  const font = loadFont().then(
    () => true,
    () => false,
  );
  const engine = loadEngine();
  let catalog;
  try {
    catalog = await loadCatalog();
  } catch (error) {
    console.error(error);
    failure(texts.engine);
    return;
  }
  if (!(await font)) problem(texts.font);
  const app = new App(catalog, desktop, problem);
  keepTypingInView();
  window.trevisk = app; // for the benchmark, and for a look from the browser's console
  document.getElementById('starting')?.remove();
  app.start();
  performance.mark('trevisk-started');
  try {
    app.engineReady(await engine);
    performance.mark('trevisk-engine-ready');
  } catch (error) {
    console.error(error);
    app.desktop.closeAll();
    failure(texts.engine);
  }
}

// The service worker keeps the site for offline use; it is registered once the program runs,
// so that its copying does not slow down the first start.
function keepForOffline() {
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch((error) => console.warn('service worker:', error));
  }
}

start().then(keepForOffline);
