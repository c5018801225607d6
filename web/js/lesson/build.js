// Builds a lesson window's controls from the lesson's description: frames, labels, the
// listing lines, value boxes, buttons, options, check boxes, the list and the picture, each
// at its place (twips ÷ 15 = CSS pixels, inside the frames that hold it). It knows no
// lesson; what the controls show later comes from the model's views (paint.js).

import { applyFont as applyLessonFont, key, twips } from './geometry.js';

// The window's controls by role, for painting and for the events.
export class Controls {
  constructor() {
    this.byKey = new Map(); // "Text1(3)" → element
    this.listing = [];
    this.text1 = [];
    this.text2 = [];
    this.checks = { Check1: [], Check2: [], Check3: [] };
    this.cells = [];
    this.buttons = {};
    this.options = {};
    this.frames = [];
    this.focusable = new Map(); // "Text1(3)" → what takes the focus (an option's input), for the tab order
    this.note = null;
    this.condition = null;
    this.label6 = null;
    this.lblTable = null;
    this.list = null;
    this.picture = null;
    this.txtTime = null;
  }
}

const text = (stored) => (stored ?? '').replace(/\r\n/g, '\n');

function element(tag, className, rect) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (rect) placeAt(e, rect);
  return e;
}

export function placeAt(e, rect) {
  e.style.left = `${twips(rect.left)}px`;
  e.style.top = `${twips(rect.top)}px`;
  e.style.width = `${twips(rect.width)}px`;
  e.style.height = `${twips(rect.height)}px`;
}

function applyFont(e, font) {
  if (font) applyLessonFont(e, font);
}

// The window coordinates (twips) of a control given inside its frame, frames inside frames.
function inWindow(control, frames) {
  let { left, top } = control;
  let container = control.container;
  for (let depth = 0; container && depth < 8; ++depth) {
    const frame = frames.get(container);
    if (!frame) break;
    left += frame.left;
    top += frame.top;
    container = frame.container;
  }
  return { left, top, width: control.width, height: control.height };
}

export function buildControls(description) {
  const c = new Controls();
  const multiline = new Set(description.multiline ?? []);
  const frames = new Map();
  for (const control of description.controls)
    if (control.kind === 'frame') frames.set(key(control), control);

  for (const control of description.controls) {
    const rect = inWindow(control, frames);
    const e = buildOne(c, { ...control, multiline: multiline.has(key(control)) }, rect, description);
    if (!e) continue;
    e.dataset.control = key(control);
    c.byKey.set(key(control), e);
    c.focusable.set(key(control), e.querySelector('input') ?? e);
  }
  buildListing(c, description, frames);
  return c;
}

function buildOne(c, control, rect, description) {
  switch (control.kind) {
    case 'frame': {
      const e = element('div', 'frame', rect);
      const caption = element('span');
      caption.textContent = control.caption ?? '';
      e.append(caption);
      applyFont(caption, control.font);
      c.frames.push(e);
      return e;
    }
    case 'label':
      return buildLabel(c, control, rect);
    case 'textbox':
      return buildBox(c, control, rect, description);
    case 'button': {
      const e = element('button', 'command', rect);
      e.type = 'button';
      e.textContent = control.caption ?? '';
      e.dataset.name = control.name;
      applyFont(e, control.font);
      c.buttons[control.name] = e;
      return e;
    }
    case 'option':
    case 'checkbox': {
      const e = element('label', 'choice', rect);
      const input = document.createElement('input');
      input.type = control.kind === 'option' ? 'radio' : 'checkbox';
      const caption = document.createElement('span');
      caption.textContent = control.caption ?? '';
      e.append(input, caption);
      applyFont(e, control.font);
      if (control.kind === 'option') {
        input.name = `${description.form}-option`;
        c.options[control.name] = input;
      } else if (c.checks[control.name] && control.index >= 0) {
        c.checks[control.name][control.index] = input;
      }
      return e;
    }
    case 'list': {
      const e = element('ul', 'list', rect);
      e.tabIndex = 0;
      applyFont(e, control.font);
      c.list = e;
      return e;
    }
    case 'picture': {
      const e = element('canvas', 'picture', rect);
      e.setAttribute('role', 'img');
      c.picture = e;
      return e;
    }
    case 'timer':
      return null;
    default:
      return null;
  }
}

function buildLabel(c, control, rect) {
  const e = element('div', 'label', rect);
  e.textContent = text(control.caption);
  applyFont(e, control.font);
  if (control.multiline) e.classList.add('wrap');
  switch (control.name) {
    case 'Label2':
      e.classList.add('note', 'wrap');
      c.note = e;
      break;
    case 'Label3':
      c.condition = e;
      break;
    case 'Label6':
      c.label6 = e;
      break;
    case 'lblTable':
      c.lblTable = e;
      break;
    case 'lblP':
      if (control.index >= 0) {
        e.classList.add('cell');
        c.cells[control.index] = e;
      }
      break;
    default:
      break;
  }
  return e;
}

function buildBox(c, control, rect) {
  const multiline = control.multiline;
  const e = element(multiline ? 'textarea' : 'input', 'box', rect);
  if (!multiline) e.type = 'text';
  e.spellcheck = false;
  e.autocomplete = 'off';
  e.setAttribute('autocapitalize', 'off');
  e.value = text(control.text);
  applyFont(e, control.font);
  if (control.name === 'txtTime') {
    c.txtTime = e;
    return e;
  }
  const group = control.name === 'Text2' ? c.text2 : control.name === 'Text1' ? c.text1 : null;
  if (group && control.index >= 0) {
    group[control.index] = e;
    e.dataset.group = control.name;
    e.dataset.index = String(control.index);
  }
  return e;
}

// The listing lines Label1(k), inside Frame1.
function buildListing(c, description, frames) {
  const rects = description.listingRects ?? [];
  (description.listing ?? []).forEach((line, index) => {
    const r = rects[index];
    if (line === null || !r) return;
    const rect = inWindow({ ...r, container: 'Frame1' }, frames);
    const e = element('div', 'label line', rect);
    e.textContent = line;
    e.dataset.control = `Label1(${index})`;
    e.dataset.line = String(index);
    e.setAttribute('role', 'button');
    e.tabIndex = -1;
    applyFont(e, description.listingFont);
    c.listing[index] = e;
  });
}
