// What makes a lesson window usable without a mouse and readable by screen readers, as the
// desktop window does it: the step-back button "◀" in the first free spot beside "進む",
// the shortcuts, the names of the value boxes, the tab order (values top to bottom, then the
// buttons) and a live region that tells which line runs next.

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

// --- the buttons the program adds: "◀" and the trace table's ---

// Each where the engine places it (as the desktop window does, where the lesson has no
// control), with its caption.
function addButton(controls, client, placed, name) {
  if (!placed) return null;
  const e = button(placed.caption, null, { control: name });
  e.dataset.name = name;
  e.style.left = `${placed.left}px`;
  e.style.top = `${placed.top}px`;
  e.style.width = `${placed.width}px`;
  e.style.height = `${placed.height}px`;
  controls.buttons[name] = e;
  client.append(e);
  return e;
}

export function addButtons(controls, description, client) {
  const added = description.added ?? {};
  const back = addButton(controls, client, added.stepBack, 'StepBack');
  if (back) back.disabled = true;
  const trace = addButton(controls, client, added.trace, 'TraceButton');
  if (trace) {
    trace.title = added.trace.hint;
    trace.setAttribute('aria-label', added.trace.name);
    trace.setAttribute('aria-keyshortcuts', 'F7');
  }
}

// F7 opens the trace table, wherever the focus is in the lesson window.
export const isTraceKey = (e) => plain(e, 'F7');

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
