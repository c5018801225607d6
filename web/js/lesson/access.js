// What makes a lesson window usable without a mouse and readable by screen readers, as the
// desktop window does it, from what the engine says of it: the buttons the program adds
// (the step-back button, the trace table's and the prediction's) where the engine places them, the keys, hints and names of
// the controls, the descriptions of the listing lines and the tab order.

import { button } from '../ui/button.js';

const plain = (e) => !e.ctrlKey && !e.altKey && !e.metaKey && !e.shiftKey;
const withCtrl = (e) => (e.ctrlKey || e.metaKey) && !e.altKey && !e.shiftKey;

// Whether a key press is one of a shortcut's keys ({key, ctrl}).
function presses(event, key) {
  const name = event.key.length === 1 ? event.key.toLowerCase() : event.key;
  return name === key.key && (key.ctrl ? withCtrl(event) : plain(event));
}

// The shortcut a key press stands for in a lesson window, or null: a value box with the
// focus keeps the keys it edits with (the arrows, Home, Ctrl+Z), an option button its arrows.
export function shortcutFor(event, shortcuts) {
  if (isOptionArrow(event)) return null;
  const editing = event.target.matches?.('input.box, textarea.box');
  for (const s of shortcuts) {
    const key = s.keys.find((k) => presses(event, k));
    if (!key) continue;
    if (editing && s.editing.includes(key.key)) return null;
    return s;
  }
  return null;
}

// An arrow key on an option button: it goes to the other option.
export function isOptionArrow(event) {
  return (
    event.target.matches?.('input[type=radio]') &&
    ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'].includes(event.key) &&
    plain(event)
  );
}

// --- the buttons the program adds ---

function addButton(controls, client, placed, name) {
  if (!placed) return null;
  const e = button(placed.caption, null, { control: name });
  e.dataset.name = name;
  e.style.left = `${placed.left}px`;
  e.style.top = `${placed.top}px`;
  e.style.width = `${placed.width}px`;
  e.style.height = `${placed.height}px`;
  controls.buttons[name] = e;
  controls.focusable.set(name, e);
  client.append(e);
  return e;
}

export function addButtons(controls, description, client) {
  const added = description.added ?? {};
  const back = addButton(controls, client, added.stepBack, 'StepBack');
  if (back) back.disabled = true;
  const trace = addButton(controls, client, added.trace, 'TraceButton');
  if (trace) trace.setAttribute('aria-label', added.trace.name);
  const predict = addButton(controls, client, added.predict, 'PredictButton');
  if (predict) predict.setAttribute('aria-label', added.predict.name);
}

// --- names, hints and order ---

// `window`: the catalog's lessonWindow (words, shortcuts); `description`: the lesson's.
export function nameControls(controls, description, window) {
  const words = window.words;
  for (const s of window.shortcuts) {
    const button = controls.buttons[s.button];
    if (!button) continue;
    button.title = s.hint;
    button.setAttribute('aria-keyshortcuts', s.keyList);
  }
  controls.buttons.StepBack?.setAttribute('aria-label', words.stepBack);
  controls.txtTime?.setAttribute('aria-label', words.timer);

  for (const [control, name] of Object.entries(description.names ?? {})) {
    const [, group, index] = control.match(/^(\w+)\((\d+)\)$/) ?? [];
    const boxes = group === 'Text1' ? controls.text1 : group === 'Text2' ? controls.text2 : controls.checks[group];
    boxes?.[Number(index)]?.setAttribute('aria-label', name);
  }
  controls.list?.setAttribute('aria-label', words.list);
  controls.picture?.setAttribute('aria-label', words.picture);
  controls.listing.forEach((line, index) => {
    line?.setAttribute('aria-label', labelName(line.textContent, words.emptyLine));
    line?.setAttribute('aria-description', lineDescription(description, index, false));
  });
  // The note and the condition take the focus by Tab, named by what they show.
  for (const [label, what] of [
    [controls.note, words.noteDescription],
    [controls.condition, words.conditionDescription],
  ]) {
    label?.setAttribute('role', 'note');
    label?.setAttribute('aria-description', what);
    if (label) label.tabIndex = 0;
  }
}

// What names a label: its text on one line, or what it is while it is empty.
export function labelName(text, empty) {
  return text.replace(/[\s\u3000]+/g, ' ').trim() || empty;
}

// A listing line's description, the current one's saying that it runs next.
export const lineDescription = (description, line, current) => description.access.lines[line]?.[current ? 1 : 0] ?? '';

// The tab order the engine gives: the listing (one stop, at the current line), the note, the
// condition, the values, the interval and the buttons; the controls that take no focus stay
// behind them.
export function orderControls(controls, description, client) {
  const focusable = [];
  for (const key of description.access.tabOrder) {
    if (key === 'Label1') {
      focusable.push(...controls.listing.filter(Boolean));
      continue;
    }
    const e = controls.focusable.get(key);
    if (e) focusable.push(e.closest('label.choice') ?? e);
  }
  client.append(...focusable);
}
