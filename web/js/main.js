// Starts Trevisk in the page: the model (WebAssembly) and the lessons' font load side by side,
// then the opening screen shows. What cannot load is said in the page, in Japanese; a missing
// font leaves the lessons in the system's fixed-width face.

import { loadEngine } from './engine.js';
import { App } from './shell/app.js';
import { button } from './ui/button.js';
import { keepTypingInView } from './ui/keep-in-view.js';
import { words as texts } from './words.js';

window.treviskStarted = true;

const FONT_URL = 'fonts/trevisk-gothic.woff2';

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

// The lessons' face, under the name the lessons ask for (the catalog's).
async function loadFont(data, face) {
  const font = new FontFace(face, await data);
  await font.load();
  document.fonts.add(font);
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
  const fontData = fetch(FONT_URL).then((response) => {
    if (!response.ok) throw new Error(`${FONT_URL}: ${response.status}`);
    return response.arrayBuffer();
  });
  fontData.catch(() => {}); // answered below, once the catalog names the face
  const engine = loadEngine();
  engine.catch(() => {}); // its failure is told below, where it is awaited
  let catalog;
  try {
    catalog = await loadCatalog();
  } catch (error) {
    console.error(error);
    failure(texts.engine);
    return;
  }
  const font = await loadFont(fontData, catalog.lessonFace).then(
    () => true,
    () => false,
  );
  if (!font) problem(texts.font);
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
