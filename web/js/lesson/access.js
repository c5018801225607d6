// What makes a lesson window usable without a mouse and readable by screen readers, as the
// desktop window does it: the step-back button "◀" in the first free spot beside "進む",
// the shortcuts, the names of the value boxes, the tab order (values top to bottom, then the
// buttons) and a live region that tells which line runs next.

import { desktopPixels } from './geometry.js';
import { button } from '../ui/button.js';

// The desktop's keys; a value box with the focus keeps the arrows and Home for editing, and
// Ctrl+Z for its own undo; an option button keeps the arrows to switch options.
export const SHORTCUTS = [
  { button: 'Command1', what: '1行進めます', keys: '→ / F10', aria: 'ArrowRight F10', match: (e) => plain(e, 'ArrowRight') || plain(e, 'F10'), editing: ['ArrowRight'] },
  { button: 'StepBack', what: '1つ前の状態に戻ります', keys: '← / Ctrl+Z', aria: 'ArrowLeft Control+Z', match: (e) => plain(e, 'ArrowLeft') || ctrl(e, 'z'), editing: ['ArrowLeft', 'z'] },
  { button: 'Command2', what: '先頭の行に戻ります', keys: 'Home', aria: 'Home', match: (e) => plain(e, 'Home'), editing: ['Home'] },
  { button: 'Command3', what: 'タイマ間隔ごとに自動で進めます', keys: 'F5', aria: 'F5', match: (e) => plain(e, 'F5'), editing: [] },
  { button: 'Command4', what: '自動実行を止めます', keys: 'Esc', aria: 'Escape', match: (e) => plain(e, 'Escape'), editing: [] },
  { button: 'Command5', what: '配列に新しい乱数を設定します', keys: 'F6', aria: 'F6', match: (e) => plain(e, 'F6'), editing: [] },
];

const STEP_BACK_NAME = '1つ戻る';
const TIMER_NAME = 'タイマ間隔';
const LIST_NAME = '一覧 listBox1';
const PICTURE_NAME = '盤の図';
const EMPTY_LINE = '空行';

function plain(e, name) {
  return e.key === name && !e.ctrlKey && !e.altKey && !e.metaKey && !e.shiftKey;
}

function ctrl(e, letter) {
  return (e.ctrlKey || e.metaKey) && !e.altKey && !e.shiftKey && e.key.toLowerCase() === letter;
}

// The shortcut a key press stands for in a lesson window, or null.
export function shortcutFor(event) {
  if (isOptionArrow(event)) return null;
  const editing = event.target.matches?.('input.box, textarea.box');
  for (const s of SHORTCUTS) {
    if (!s.match(event)) continue;
    if (editing && s.editing.includes(event.key.length === 1 ? event.key.toLowerCase() : event.key)) return null;
    return s;
  }
  return null;
}

// An arrow key on an option button: it goes to the other option.
export function isOptionArrow(event) {
  return (
    event.target.matches?.('input[type=radio]') &&
    ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'].includes(event.key) &&
    !event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey
  );
}

// --- the step-back button ---

// Rectangles with the desktop's inclusive edges, in whole pixels.
const edges = (r) => ({ left: r.left, top: r.top, right: r.left + r.width - 1, bottom: r.top + r.height - 1 });
const intersects = (a, b) => a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;

// The first free place of the button's size: left of "進む", right of the last button on its
// row, then at the lower right corner. Works on the controls placed directly in the window.
export function stepBackPlace(description) {
  const px = (c) => ({
    left: desktopPixels(c.left),
    top: desktopPixels(c.top),
    width: desktopPixels(c.width),
    height: desktopPixels(c.height),
  });
  const step = description.controls.find((c) => c.name === 'Command1');
  if (!step) return null;
  const button = px(step);
  const window = { left: 0, top: 0, width: desktopPixels(description.width), height: desktopPixels(description.height) };
  const width = Math.max(28, button.height + 6);
  const gap = 6;
  const taken = description.controls.filter((c) => !c.container && c.kind !== 'timer').map(px);
  let rowEnd = edges(button).right;
  for (const r of taken)
    if (r.top === button.top && r.height === button.height) rowEnd = Math.max(rowEnd, edges(r).right);
  const w = edges(window);
  const candidates = [
    { left: button.left - gap - width, top: button.top, width, height: button.height },
    { left: rowEnd + gap, top: button.top, width, height: button.height },
    { left: w.right - gap - width, top: w.bottom - gap - button.height, width, height: button.height },
  ];
  for (const place of candidates) {
    const p = edges(place);
    const inside = p.left >= w.left && p.top >= w.top && p.right <= w.right && p.bottom <= w.bottom;
    if (inside && !taken.some((r) => intersects(edges(r), p))) return place;
  }
  return candidates[candidates.length - 1];
}

export function addStepBackButton(controls, description, client) {
  const place = stepBackPlace(description);
  if (!place) return;
  const e = button('◀', null, { control: 'StepBack' });
  e.dataset.name = 'StepBack';
  e.disabled = true;
  e.style.left = `${place.left}px`;
  e.style.top = `${place.top}px`;
  e.style.width = `${place.width}px`;
  e.style.height = `${place.height}px`;
  controls.buttons.StepBack = e;
  client.append(e);
}

// --- names, hints and order ---

export function nameControls(controls, names) {
  for (const s of SHORTCUTS) {
    const button = controls.buttons[s.button];
    if (!button) continue;
    button.title = `${s.what} (${s.keys})`;
    button.setAttribute('aria-keyshortcuts', s.aria);
  }
  controls.buttons.StepBack?.setAttribute('aria-label', STEP_BACK_NAME);
  controls.txtTime?.setAttribute('aria-label', TIMER_NAME);

  for (const [control, name] of Object.entries(names ?? {})) {
    const [, group, index] = control.match(/^(\w+)\((\d+)\)$/) ?? [];
    const boxes = group === 'Text1' ? controls.text1 : group === 'Text2' ? controls.text2 : controls.checks[group];
    boxes?.[Number(index)]?.setAttribute('aria-label', name);
  }
  controls.list?.setAttribute('aria-label', LIST_NAME);
  controls.picture?.setAttribute('aria-label', PICTURE_NAME);
  controls.listing.forEach((line, index) => {
    line?.setAttribute('aria-label', line.textContent.trim() || EMPTY_LINE);
    line?.setAttribute('aria-description', `${index}行目`);
  });
  // The note and the condition take the focus by Tab, named by what they show.
  for (const [label, description] of [
    [controls.note, '説明'],
    [controls.condition, '条件'],
  ]) {
    label?.setAttribute('role', 'note');
    label?.setAttribute('aria-description', description);
    if (label) label.tabIndex = 0;
  }
}

// What names a label: its text on one line, or what it is while it is empty.
export function labelName(text, empty) {
  return text.replace(/[\s\u3000]+/g, ' ').trim() || empty;
}

// "3行目" for a listing line, "3行目、次に実行する行" for the current one.
export const lineDescription = (line, current) => (current ? `${line}行目、次に実行する行` : `${line}行目`);

// Whether `a` comes before `b` in reading order: top to bottom, then left to right on a row.
const readsBefore = (a, b) => (Math.abs(a.top - b.top) > 60 ? a.top - b.top : a.left - b.left);

// The tab order, as on the desktop: the listing (one stop, at the current line), the note and
// the condition; the values frame by frame, the frames and the values in each in reading
// order; タイマ間隔; the buttons. The controls that take no focus stay behind them.
export function orderControls(controls, client) {
  const values = controls.values
    .slice()
    .sort((a, b) => (a.outer === b.outer ? readsBefore(a.rect, b.rect) : readsBefore(a.outer, b.outer) || readsBefore(a.rect, b.rect)));
  const focusable = [...controls.listing.filter(Boolean), controls.note, controls.condition].filter(Boolean);
  focusable.push(...values.map((v) => v.element.closest('label.choice') ?? v.element));
  if (controls.txtTime) focusable.push(controls.txtTime);
  for (const name of ['Command1', 'StepBack', 'Command2', 'Command5', 'Command3', 'Command4'])
    if (controls.buttons[name]) focusable.push(controls.buttons[name]);
  for (const button of Object.values(controls.buttons)) if (!focusable.includes(button)) focusable.push(button);
  client.append(...focusable);
}
