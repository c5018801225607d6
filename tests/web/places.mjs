// Where the controls of a window stand: as its description puts them, and as the page shows
// them, in CSS pixels of the window's client area.
import assert from 'node:assert/strict';
import { openThroughMenus } from './support.mjs';

const key = (c) => (c.index >= 0 ? `${c.name}(${c.index})` : c.name);

// Where the description puts each control, in CSS pixels of the window's client area.
function expectedRects(d) {
  const frames = new Map(d.controls.filter((c) => c.kind === 'frame').map((c) => [key(c), c]));
  const origin = (container) => {
    if (!container) return { x: 0, y: 0 };
    const frame = frames.get(container);
    const outer = origin(frame.container);
    return { x: outer.x + frame.left, y: outer.y + frame.top };
  };
  const rects = {};
  for (const c of d.controls) {
    if (c.kind === 'timer') continue;
    const o = origin(c.container);
    rects[key(c)] = [(o.x + c.left) / 15, (o.y + c.top) / 15, c.width / 15, c.height / 15];
  }
  const frame1 = origin('Frame1');
  d.listing.forEach((line, k) => {
    const r = d.listingRects[k];
    if (line !== null && r) rects[`Label1(${k})`] = [(frame1.x + r.left) / 15, (frame1.y + r.top) / 15, r.width / 15, r.height / 15];
  });
  return rects;
}

function shownRects(page, form) {
  return page.$eval(`[data-form=${form}]`, (win) => {
    const client = win.querySelector('.client').getBoundingClientRect();
    const rects = { client: [client.width, client.height] };
    for (const e of win.querySelectorAll('.client > [data-control]')) {
      const r = e.getBoundingClientRect();
      rects[e.dataset.control] = [r.left - client.left, r.top - client.top, r.width, r.height];
    }
    return rects;
  });
}

function assertNear(actual, expected, what) {
  assert.ok(actual, `${what}: not shown`);
  for (let k = 0; k < expected.length; ++k)
    assert.ok(Math.abs(actual[k] - expected[k]) < 0.05, `${what}: ${JSON.stringify(actual)} instead of ${JSON.stringify(expected)}`);
}

// Opens `form` through the menus, holds every control to its place (the buttons the program
// adds too) and closes the window.
export async function assertLessonPlaces(page, cat, form) {
  const d = cat.describe(form);
  await openThroughMenus(page, cat, form);
  const shown = await shownRects(page, form);
  assertNear(shown.client, [d.width / 15, d.height / 15], `${form} client area`);
  for (const [control, rect] of Object.entries(expectedRects(d))) assertNear(shown[control], rect, `${form} ${control}`);
  // The buttons the program adds: where and as the engine places them, which the
  // desktop's window tests hold to the desktop window's places.
  for (const [control, placed] of [
    ['StepBack', d.added.stepBack],
    ['TraceButton', d.added.trace],
  ]) {
    assertNear(shown[control], [placed.left, placed.top, placed.width, placed.height], `${form} ${control}`);
    assert.equal(await page.$eval(`[data-form=${form}] [data-control=${control}]`, (e) => e.textContent), placed.caption);
  }
  await page.click(`[data-form=${form}] .titlebar .close`);
  assert.equal(await page.$(`[data-form=${form}]`), null);
}

// Every menu opened through the menus, every button where the catalog puts it.
export async function assertMenuPlaces(page, cat) {
  for (const menu of cat.menus) {
    if (menu.form !== 'frmMain') await openThroughMenus(page, cat, menu.form);
    const shown = await shownRects(page, menu.form);
    assertNear(shown.client, [menu.width / 15, menu.height / 15], `${menu.form} client area`);
    for (const b of menu.buttons) assertNear(shown[b.name], [b.left / 15, b.top / 15, b.width / 15, b.height / 15], `${menu.form} ${b.name}`);
  }
}
