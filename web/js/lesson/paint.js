// Shows a model's view in a lesson window's controls: the yellow line, the note and the
// condition, every box's text and colour, check boxes, the option, the cells, Label6,
// lblTable, the list and the picture. Only what changed since the last view is touched.

import { cssColour } from './geometry.js';
import { LaidOutText } from './laid-out-text.js';
import { drawPicture, watchScale } from './picture.js';

const shown = (stored) => (stored ?? '').replace(/\r\n/g, '\n');

// The colours of boxes and cells as rules of one style sheet, a rule for each colour a view
// has named: a box takes another colour by an attribute and is restyled alone (an inline
// style written instead is parsed again and costs the box several times as much). The
// attribute's value, or null for a colour that is not a system colour's name nor #RRGGBB.
const colourRules = { sheet: null, made: new Set() };
function colourAttribute(colour) {
  if (!/^(window|buttonface|#[0-9A-Fa-f]{6})$/.test(colour)) return null;
  const key = colour.replace('#', '');
  if (!colourRules.made.has(key)) {
    if (!colourRules.sheet) {
      const style = document.createElement('style');
      document.head.append(style);
      colourRules.sheet = style.sheet;
    }
    const rules = colourRules.sheet;
    rules.insertRule(`.lesson [data-colour="${key}"] { background-color: ${cssColour(colour)}; }`, rules.cssRules.length);
    colourRules.made.add(key);
  }
  return key;
}

export class Painter {
  // `colours`: the catalog's lessonWindow.colours (the marks on which text is light);
  // `shapes`: its marks.shapes, the shape of each mark's colour.
  constructor(controls, colours, shapes) {
    this.c = controls;
    this.lightOn = new Set(colours.lightTextOn);
    this.lightText = colours.lightText;
    this.darkText = colours.darkText;
    this.shapes = shapes;
    this.noteText = controls.note && new LaidOutText(controls.note);
    this.conditionText = controls.condition && new LaidOutText(controls.condition);
    this.line = -1;
    this.note = null;
    this.condition = null;
    this.boxes = [];
    this.text2 = [];
    this.cells = [];
    this.label6 = null;
    this.lblTable = null;
    this.list = [];
    this.pictureRevision = -1;
    this.boardText = null;
    this.txtTime = null;
    // The picture is drawn again, sharp, when the page is zoomed or the device scale changes.
    this.stopWatching = controls.picture ? watchScale(controls.picture, () => this.redrawPicture()) : () => {};
  }

  // The window closed.
  dispose() {
    this.stopWatching();
  }

  // Label6, List1 and Picture1: a step sets them itself, so they show before its messages.
  paintDirect(view) {
    const c = this.c;
    if (c.label6 && view.label6 !== undefined && view.label6 !== this.label6) {
      this.label6 = view.label6;
      c.label6.textContent = shown(view.label6);
    }
    if (c.list && view.list && !sameList(view.list, this.list)) this.paintList(view.list);
    if (c.picture && view.picture && view.picture.revision !== this.pictureRevision) {
      this.pictureRevision = view.picture.revision;
      this.pictureOps = view.picture.ops;
      drawPicture(c.picture, view.picture.ops);
    }
    if (c.picture && view.boardText !== undefined && view.boardText !== this.boardText) {
      this.boardText = view.boardText;
      c.picture.setAttribute('aria-description', view.boardText);
    }
  }

  paint(view) {
    const c = this.c;
    if (view.line !== this.line) {
      c.listing[this.line]?.classList.remove('current');
      c.listing[view.line]?.classList.add('current');
      this.line = view.line;
    }
    if (c.note && view.note !== this.note) {
      this.note = view.note;
      this.noteText.show(shown(view.note));
    }
    if (c.condition && view.condition !== this.condition) {
      this.condition = view.condition;
      this.conditionText.show(shown(view.condition));
    }
    (view.boxes ?? []).forEach((box, k) => {
      const e = c.text1[k];
      if (!box || !e) return;
      const was = this.boxes[k] ?? {};
      if (box.text !== was.text) writeBox(e, box.text);
      if (box.color !== was.color) this.mark(e, box.color, was.color);
      this.boxes[k] = box;
    });
    (view.text2 ?? []).forEach((value, k) => {
      const e = c.text2[k];
      if (value === null || !e || value === this.text2[k]) return;
      writeBox(e, value);
      this.text2[k] = value;
    });
    for (const [name, values] of Object.entries(view.checks ?? {})) {
      const inputs = c.checks[name] ?? [];
      values.forEach((v, k) => {
        if (inputs[k] && inputs[k].checked !== (v !== 0)) inputs[k].checked = v !== 0;
      });
    }
    if (c.options.Option1) c.options.Option1.checked = view.option === 1;
    if (c.options.Option2) c.options.Option2.checked = view.option === 2;
    (view.cells ?? []).forEach((colour, k) => {
      if (c.cells[k] && colour !== this.cells[k]) {
        this.mark(c.cells[k], colour, this.cells[k]);
        this.cells[k] = colour;
      }
    });
    if (c.lblTable && view.lblTable !== undefined && view.lblTable !== this.lblTable) {
      this.lblTable = view.lblTable;
      c.lblTable.textContent = shown(view.lblTable);
    }
    if (c.txtTime && view.txtTime !== undefined && view.txtTime !== this.txtTime) {
      this.txtTime = view.txtTime;
      if (c.txtTime.value !== view.txtTime) c.txtTime.value = view.txtTime;
    }
    this.paintDirect(view);
    const run = c.buttons.Command3;
    const running = String(Boolean(view.timer?.enabled && view.timer.interval > 0));
    if (run && run.getAttribute('aria-pressed') !== running) run.setAttribute('aria-pressed', running);
    const back = c.buttons.StepBack;
    if (back && view.canStepBack !== undefined && back.disabled === view.canStepBack)
      back.disabled = !view.canStepBack;
  }

  // A box or a cell in a colour of the view's: on a mark, text that reads on it whatever the
  // page's colours, and the mark's shape for the style sheet to draw when it is asked for.
  // Only what differs from the colour before is written: a text colour written again, even
  // the same, restyles the box's text and lays it out anew.
  mark(e, colour, was) {
    const key = colourAttribute(colour);
    if (key) {
      if (e.style.backgroundColor) e.style.backgroundColor = '';
      e.dataset.colour = key;
    } else {
      delete e.dataset.colour;
      e.style.backgroundColor = cssColour(colour);
    }
    const shape = this.shapes[colour];
    const text = (c) => (this.lightOn.has(c) ? this.lightText : this.shapes[c] ? this.darkText : '');
    if (was === undefined || text(colour) !== text(was)) e.style.color = text(colour);
    if (was !== undefined && shape === this.shapes[was]) return;
    if (shape) e.dataset.mark = shape;
    else delete e.dataset.mark;
  }

  // What the student typed is already in the box and in the model.
  typed(group, index, value) {
    if (group === 'Text1' && this.boxes[index]) this.boxes[index] = { ...this.boxes[index], text: value };
    if (group === 'Text2') this.text2[index] = value;
  }

  paintList(items) {
    const list = this.c.list;
    let common = 0;
    while (common < items.length && common < this.list.length && items[common] === this.list[common]) ++common;
    while (list.children.length > common) list.lastChild.remove();
    for (let k = common; k < items.length; ++k) {
      const li = document.createElement('li');
      li.textContent = items[k];
      list.append(li);
    }
    this.list = items.slice();
  }

  redrawPicture() {
    if (this.c.picture && this.pictureOps) drawPicture(this.c.picture, this.pictureOps);
  }
}

function writeBox(e, stored) {
  const value = e.tagName === 'TEXTAREA' ? shown(stored) : stored;
  if (e.value !== value) e.value = value;
}

function sameList(a, b) {
  if (a.length !== b.length) return false;
  for (let k = 0; k < a.length; ++k) if (a[k] !== b[k]) return false;
  return true;
}
