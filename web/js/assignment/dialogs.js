// The page's dialogs for assignments, each an in-page window modal over its owner: a question
// with two answers, the teacher's dialog that makes an assignment (with its link and QR code),
// and the student's name before handing in. Every word comes from the engine (`w`).

import { button } from '../ui/button.js';

function field(caption, control) {
  const label = document.createElement('label');
  label.className = 'field';
  const text = document.createElement('span');
  text.textContent = caption;
  label.append(text, control);
  return label;
}

function buttons(...list) {
  const row = document.createElement('div');
  row.className = 'buttons';
  row.append(...list);
  return row;
}

// Opens a modal window over `owner`; resolves with what `build` hands to `finish`.
function dialog(desktop, owner, title, className, build) {
  return new Promise((resolve) => {
    let answer = null;
    const win = desktop.open({ title, owner, role: 'dialog', className: `dialog ${className}`, onClose: () => resolve(answer) });
    const finish = (value) => {
      answer = value;
      win.close();
    };
    build(win, finish);
    win.element.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        event.stopPropagation();
        win.close();
      }
    });
    win.place(desktop.nextPlace(win));
    win.focusFirst();
  });
}

// 0 for `first`, 1 for `second`, -1 when the window is closed.
export function choose(desktop, owner, w, { title, text, first, second }) {
  return dialog(desktop, owner, title, 'choose', (win, finish) => {
    const body = document.createElement('p');
    body.className = 'text';
    body.textContent = text;
    const one = button(first, () => finish(0), { className: '' });
    one.dataset.autofocus = '';
    one.dataset.choice = '0';
    const two = button(second, () => finish(1), { className: '' });
    two.dataset.choice = '1';
    win.client.append(body, buttons(one, two, button(w.cancel, () => finish(-1), { className: '' })));
  }).then((answer) => answer ?? -1);
}

// The student's name, or null.
export function askName(desktop, owner, w) {
  return dialog(desktop, owner, w.nameTitle, 'name', (win, finish) => {
    const input = document.createElement('input');
    input.type = 'text';
    input.maxLength = 200;
    input.dataset.autofocus = '';
    input.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') finish(input.value);
    });
    win.client.append(field(w.nameCaption, input), buttons(button(w.saveResult, () => finish(input.value), { className: '' }), button(w.cancel, () => finish(null), { className: '' })));
  });
}

// The teacher's dialog: title, instructions, what the assignment allows; its button that
// saves a file calls `save`, the one that makes a link shows the link and its QR code that
// `link` answers.
export function makeAssignment(desktop, owner, w, { title, save, link }) {
  return dialog(desktop, owner, w.makeTitle, 'make', (win) => {
    const titleBox = document.createElement('input');
    titleBox.type = 'text';
    titleBox.maxLength = 200;
    titleBox.value = title;
    titleBox.dataset.autofocus = '';
    titleBox.name = 'title';
    const instructions = document.createElement('textarea');
    instructions.rows = 5;
    instructions.name = 'instructions';
    const check = (caption, name) => {
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.checked = true;
      box.name = name;
      const label = document.createElement('label');
      label.className = 'check';
      const text = document.createElement('span');
      text.textContent = caption;
      label.append(box, text);
      return [label, box];
    };
    const [autoRunLabel, autoRun] = check(w.allowAutoRun, 'autoRun');
    const [stepBackLabel, stepBack] = check(w.allowStepBack, 'stepBack');
    const made = () => ({ title: titleBox.value, instructions: instructions.value.replace(/\r?\n/g, '\r\n'), autoRun: autoRun.checked, stepBack: stepBack.checked });
    const shown = document.createElement('div');
    shown.className = 'link';
    const showLink = () => {
      const answer = link(made());
      shown.replaceChildren();
      if (!answer) return;
      const caption = document.createElement('p');
      caption.textContent = w.linkCaption;
      const text = document.createElement('input');
      text.type = 'text';
      text.readOnly = true;
      text.value = answer.link;
      text.name = 'link';
      const copy = button(w.copyLink, () => navigator.clipboard?.writeText(answer.link).catch(() => text.select()), { className: '' });
      shown.append(caption, text, copy);
      if (answer.qr) shown.append(qrCanvas(answer.qr, w.qrName));
      else {
        const note = document.createElement('p');
        note.textContent = w.qrTooLong;
        shown.append(note);
      }
    };
    win.client.append(
      field(w.titleCaption, titleBox),
      field(w.instructionsCaption, instructions),
      autoRunLabel,
      stepBackLabel,
      buttons(button(w.saveFile, () => save(made()), { className: '' }), button(w.makeLink, showLink, { className: '' }), button(w.close, () => win.close(), { className: '' })),
      shown,
    );
  });
}

// A QR code as the engine gives it ({size, rows}), drawn with its quiet zone of 4 modules.
export function qrCanvas(qr, name) {
  const scale = Math.max(2, Math.floor(360 / (qr.size + 8)));
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = (qr.size + 8) * scale;
  canvas.className = 'qr';
  canvas.setAttribute('role', 'img');
  canvas.setAttribute('aria-label', name);
  const g = canvas.getContext('2d');
  g.fillStyle = '#fff';
  g.fillRect(0, 0, canvas.width, canvas.height);
  g.fillStyle = '#000';
  qr.rows.forEach((row, y) => {
    for (let x = 0; x < row.length; ++x) if (row[x] === '1') g.fillRect((x + 4) * scale, (y + 4) * scale, scale, scale);
  });
  return canvas;
}
