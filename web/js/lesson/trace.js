// The trace table of a lesson window, the browser's TraceWindow: every step as a
// row, read from the engine a screenful at a time. Only the rows in view are in the page, so
// that a run of tens of thousands of steps opens and scrolls as fast as a short one. Texts,
// colours, cells, marks and hints all come from the engine, as the desktop window has them.

import { button } from '../ui/button.js';
import { showMessage } from '../ui/message.js';

const ROW_HEIGHT = 20; // CSS px: one text line and its padding
const OVERSCAN = 3; // rows fetched above and below the view, for a smooth scroll

let serial = 0;

// "2026-12-06": the local date, for the file name.
export function today(date = new Date()) {
  const two = (n) => String(n).padStart(2, '0');
  return `${date.getFullYear()}-${two(date.getMonth() + 1)}-${two(date.getDate())}`;
}

export class TraceWindow {
  // `lesson`: the LessonWindow whose trace this shows.
  constructor(lesson) {
    this.lesson = lesson;
    this.texts = lesson.description.traceWindow;
    this.rules = lesson.window.rules; // the columns' fit and the pace of catching up
    this.win = null;
    this.id = `trace-${++serial}`;
  }

  get isOpen() {
    return this.win !== null;
  }

  // Shows the window (beside its lesson window the first time) and gives the table the focus.
  open() {
    const fresh = !this.win;
    if (fresh) this.build();
    this.syncNow();
    if (fresh) {
      this.place(this.lesson.win); // as wide as the columns are once filled
      this.grid.scrollTop = this.grid.scrollHeight;
      this.render();
    }
    this.win.raise();
    this.grid.focus({ preventScroll: true });
  }

  close() {
    this.win?.close({ force: true });
  }

  // --- building ---

  build() {
    const t = this.texts;
    const lessonWindow = this.lesson.win;
    this.size = 0;
    this.revision = null;
    this.dropped = 0;
    this.widths = [];
    this.cursor = -1; // the row with the keyboard focus; -1: none yet
    this.anchor = -1; // where a selection by Shift began
    this.selection = null; // {first, last} or null
    this.shown = null; // the rows in the page: {first, end, revision, dropped}
    this.lastSync = 0;
    this.syncCost = 0;

    this.win = this.lesson.app.desktop.open({
      title: t.title,
      width: 0, // sized and placed once the columns are measured
      height: 0,
      className: 'trace',
      place: { left: 0, top: 0 },
      onClose: () => this.closed(),
    });
    this.win.element.dataset.trace = this.lesson.form;
    const colours = t.colours;
    const style = this.win.element.style;
    style.setProperty('--trace-changed', colours.changed);
    style.setProperty('--trace-typed', colours.typed);
    style.setProperty('--trace-section', colours.section);
    style.setProperty('--trace-dropped', colours.dropped);

    const body = document.createElement('div');
    body.className = 'trace-body';

    this.note = document.createElement('p');
    this.note.className = 'dropped';
    this.note.hidden = true;

    this.grid = document.createElement('div');
    this.grid.className = 'grid';
    this.grid.id = this.id;
    this.sheet = document.createElement('style');
    this.grid.tabIndex = 0;
    this.grid.setAttribute('role', 'grid');
    this.grid.setAttribute('aria-label', t.tableName);
    this.grid.setAttribute('aria-description', t.tableDescription);
    this.grid.setAttribute('aria-multiselectable', 'true');
    this.grid.setAttribute('aria-readonly', 'true');
    this.grid.dataset.autofocus = '';
    this.head = document.createElement('div');
    this.head.className = 'head';
    this.head.setAttribute('role', 'rowgroup');
    this.headRow = document.createElement('div');
    this.headRow.className = 'row';
    this.headRow.setAttribute('role', 'row');
    this.headRow.setAttribute('aria-rowindex', '1');
    this.head.append(this.headRow);
    this.rows = document.createElement('div');
    this.rows.className = 'rows';
    this.rows.setAttribute('role', 'rowgroup');
    this.grid.append(this.head, this.rows);

    const info = document.createElement('div');
    info.className = 'info';
    const legend = document.createElement('span');
    legend.className = 'legend';
    legend.setAttribute('role', 'img');
    legend.setAttribute('aria-label', t.legend.name);
    for (const [mark, text] of [
      ['changed', t.legend.changed],
      ['typed', t.legend.typed],
      ['section', t.legend.section],
    ]) {
      const swatch = document.createElement('span');
      swatch.className = `swatch ${mark}`;
      swatch.textContent = text;
      legend.append(swatch);
    }
    this.count = document.createElement('span');
    this.count.className = 'count';
    info.append(legend, this.count);

    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const save = button(t.save.caption, () => this.save());
    save.title = t.save.hint;
    save.setAttribute('aria-keyshortcuts', 'Control+S');
    save.dataset.control = 'SaveCsv';
    this.copyButton = button(t.copy.caption, () => this.copy());
    this.copyButton.title = t.copy.hint;
    this.copyButton.setAttribute('aria-keyshortcuts', 'Control+C');
    this.copyButton.dataset.control = 'CopyRows';
    this.copyButton.disabled = true;
    const close = button(t.close.caption, () => this.win.close());
    close.dataset.control = 'CloseTrace';
    close.setAttribute('aria-keyshortcuts', 'Escape');
    const stretch = document.createElement('span');
    stretch.className = 'stretch';
    buttons.append(save, this.copyButton, stretch, close);

    body.append(this.sheet, this.note, this.grid, info, buttons);
    this.win.client.append(body);

    this.grid.addEventListener('scroll', () => this.scheduleRender(), { passive: true });
    this.grid.addEventListener('keydown', (event) => this.gridKey(event));
    this.rows.addEventListener('pointerdown', (event) => this.pointer(event));
    this.win.element.addEventListener('keydown', (event) => this.windowKey(event));
    this.resizeObserver = new ResizeObserver(() => this.scheduleRender());
    this.resizeObserver.observe(this.grid);
    this.fit(true);
  }

  // Beside the lesson window, by the desktop's rule (the engine's): right of it when there is
  // room, else below, left or above it, else over it but clear of its listing, its note and
  // its step button; clear of the question window when that is open.
  place(lessonWindow) {
    const columns = this.widths.reduce((a, b) => a + b, 0);
    const placed = lessonWindow === this.lesson.win ? this.lesson.placeBeside(0, columns, this.lesson.besideWindows(this.win)) : null;
    if (!placed) return;
    this.win.resize(placed.width, placed.height);
    this.win.place(placed.at);
  }

  closed() {
    this.win = null;
    this.resizeObserver?.disconnect();
    clearTimeout(this.pending);
    cancelAnimationFrame(this.frame);
    this.pending = null;
    this.frame = null;
    if (!this.lesson.closed) this.lesson.win.raise();
  }

  // --- the engine ---

  fetch(first, count) {
    const result = this.lesson.app.engine.act(this.lesson.form, 'trace', { index: first, value: count });
    if (result.error) {
      this.lesson.app.report(result.error);
      return null;
    }
    return result.trace;
  }

  // --- keeping up with the lesson ---

  // After every action of the lesson: takes in what changed, at once or, while auto-run
  // steps faster than the eye follows, a few times a second.
  refresh() {
    if (!this.win) return; // taken in when the window opens again
    const interval = Math.min(Math.max(this.syncCost * this.rules.traceSyncShare, this.rules.traceFastestSync), this.rules.traceSlowestSync);
    const since = performance.now() - this.lastSync;
    if (since < interval) {
      if (!this.pending) this.pending = setTimeout(() => this.syncNow(), interval - since);
      return;
    }
    this.syncNow();
  }

  syncNow() {
    if (!this.win) return;
    const start = performance.now();
    clearTimeout(this.pending);
    this.pending = null;
    const now = this.fetch(0, 0);
    if (!now) return;
    const g = this.grid;
    // Follow the newest row unless the student scrolled up in this window to read.
    const follow = this.lesson.app.desktop.active !== this.win || g.scrollTop + g.clientHeight >= g.scrollHeight - ROW_HEIGHT / 2;
    const rebuilt = now.revision !== this.revision;
    if (rebuilt || now.size !== this.size || now.dropped !== this.dropped) {
      if (rebuilt || now.dropped !== this.dropped) {
        this.selection = null;
        this.cursor = Math.min(this.cursor, now.size - 1);
        this.anchor = -1;
      }
      const before = this.size;
      this.revision = now.revision;
      this.size = now.size;
      this.dropped = now.dropped;
      this.headers(now);
      this.count.textContent = now.rowCount;
      this.note.textContent = now.note;
      this.note.hidden = now.note === '';
      this.grid.setAttribute('aria-rowcount', String(now.size + 1));
      this.rows.style.height = `${now.size * ROW_HEIGHT}px`;
      if (rebuilt) this.fitRows(Math.max(1, now.size - 20), now.size);
      else this.fitRows(Math.max(before, now.size - 5), now.size);
      if (follow || rebuilt) g.scrollTop = g.scrollHeight;
      this.render();
    }
    this.syncCost = performance.now() - start;
    this.lastSync = performance.now();
  }

  headers(now) {
    if (this.headerTexts && this.headerTexts.join('\t') === now.headers.join('\t')) return;
    this.headerTexts = now.headers;
    this.headRow.replaceChildren(
      ...now.headers.map((text, c) => {
        const cell = document.createElement('div');
        cell.className = `td c${c}`;
        cell.setAttribute('role', 'columnheader');
        cell.setAttribute('aria-colindex', String(c + 1));
        cell.textContent = text;
        cell.title = now.hints[c];
        return cell;
      }),
    );
    this.grid.setAttribute('aria-colcount', String(now.headers.length));
  }

  // --- column widths, as the desktop fits them: to the header and the rows measured ---

  // A text's width in the table's font, bold (as the widest a cell shows it); each text is
  // measured once (the values of a run repeat).
  measure(text) {
    if (!this.context) {
      this.context = document.createElement('canvas').getContext('2d');
      const font = getComputedStyle(this.grid);
      this.context.font = `bold ${font.fontSize} ${font.fontFamily}`;
      this.measured = new Map();
    }
    let width = this.measured.get(text);
    if (width === undefined) {
      width = Math.min(Math.ceil(this.context.measureText(text).width) + this.rules.traceColumnPadding, this.rules.traceWidestColumn);
      this.measured.set(text, width);
    }
    return width;
  }

  // The first fit: the headers, the first rows and the newest ones.
  fit(fresh) {
    const { traceFitFirst: first, traceFitLast: last } = this.rules;
    const now = this.fetch(0, first);
    if (!now) return;
    if (fresh) this.widths = now.headers.map(() => 24);
    this.headers(now);
    for (let c = 0; c < now.headers.length; ++c) this.widen(c, now.headers[c]);
    this.widenBy(now.rows);
    if (now.size > first) this.widenBy(this.fetch(Math.max(first, now.size - last), last)?.rows ?? []);
    this.applyWidths();
  }

  fitRows(from, to) {
    if (to <= from) return;
    const now = this.fetch(from, to - from);
    if (!now) return;
    if (this.widths.length !== now.headers.length) this.widths = now.headers.map((h) => this.measure(h));
    this.widenBy(now.rows);
    this.applyWidths();
  }

  widen(column, text) {
    const width = this.measure(text);
    if (width > (this.widths[column] ?? 0)) this.widths[column] = width;
  }

  widenBy(rows) {
    for (const row of rows) row.cells.forEach((text, c) => text && this.widen(c, text));
  }

  // Each column's place, as one rule a column (cells are placed absolutely: a row is laid
  // out without measuring anything); the last column takes what is left of the width.
  applyWidths() {
    let left = 0;
    const last = this.widths.length - 1;
    this.lefts = [];
    const rules = this.widths.map((w, c) => {
      this.lefts.push(left);
      const rule = `#${this.id} .c${c}{left:${left}px;${c === last ? `right:0;min-width:${w}px` : `width:${w}px`}}`;
      left += w;
      return rule;
    });
    const text = rules.join('\n');
    if (text === this.sheet.textContent) return;
    this.sheet.textContent = text;
    this.grid.style.setProperty('--table-width', `${left}px`);
  }

  // --- the rows in view ---

  scheduleRender() {
    if (this.frame || !this.win) return;
    this.frame = requestAnimationFrame(() => {
      this.frame = null;
      this.render();
    });
  }

  // The rows in view and a few more: those already in the page stay (a row never changes
  // once recorded), the others are fetched and made, in row order.
  render() {
    if (!this.win) return;
    const g = this.grid;
    const top = Math.max(0, g.scrollTop - this.head.offsetHeight);
    const first = Math.max(0, Math.floor(top / ROW_HEIGHT) - OVERSCAN);
    const end = Math.max(first, Math.min(this.size, first + Math.ceil(g.clientHeight / ROW_HEIGHT) + 2 * OVERSCAN));
    const [from, to] = this.columnsInView();
    let s = this.shown;
    if (!s || s.revision !== this.revision || s.dropped !== this.dropped || s.from !== from || s.to !== to) {
      this.rows.replaceChildren();
      s = this.shown = { first: 0, end: 0, revision: this.revision, dropped: this.dropped, from, to };
    } else if (s.first === first && s.end === end) {
      this.paintSelection();
      return;
    }
    const kept = new Map();
    for (const e of [...this.rows.children]) {
      const index = Number(e.dataset.row);
      if (index >= first && index < end) kept.set(index, e);
      else e.remove();
    }
    let before = null; // the element the next new row goes after
    for (let index = first; index < end; ) {
      if (kept.has(index)) {
        before = kept.get(index);
        ++index;
        continue;
      }
      let stretch = index;
      while (stretch < end && !kept.has(stretch)) ++stretch;
      const now = this.fetch(index, stretch - index);
      if (!now) return;
      const fragment = document.createDocumentFragment();
      now.rows.forEach((row, k) => fragment.append(this.rowElement(row, index + k, from, to)));
      const last = fragment.lastChild;
      if (before) before.after(fragment);
      else this.rows.prepend(fragment);
      before = last ?? before;
      index = stretch;
    }
    s.first = first;
    s.end = end;
    this.paintSelection();
  }

  // The columns in view and one more on each side: a wide table (the eight queens have 57
  // columns) puts only those cells in the page.
  columnsInView() {
    const lefts = this.lefts ?? [];
    if (lefts.length === 0) return [0, 0];
    const x0 = this.grid.scrollLeft;
    const x1 = x0 + this.grid.clientWidth;
    let from = 0;
    while (from + 1 < lefts.length && lefts[from + 1] <= x0) ++from;
    let to = from;
    while (to < lefts.length && lefts[to] < x1) ++to;
    return [Math.max(0, from - 1), Math.min(lefts.length, to + 1)];
  }

  rowElement(row, index, from, to) {
    const e = document.createElement('div');
    e.className = row.section ? 'row section' : 'row';
    e.id = `${this.id}-${index}`;
    e.dataset.row = String(index);
    e.setAttribute('role', 'row');
    e.setAttribute('aria-rowindex', String(index + 2));
    e.style.top = `${index * ROW_HEIGHT}px`;
    const changed = new Set(row.changed);
    const typed = new Set(row.typed);
    const right = new Set(row.right);
    for (let c = from; c < to; ++c) {
      const text = row.cells[c];
      const cell = document.createElement('div');
      let className = `td c${c}`;
      if (typed.has(c)) className += ' typed';
      if (changed.has(c)) className += ' changed';
      if (right.has(c)) className += ' right';
      if (row.section && c === 0) className += ' mark';
      cell.className = className;
      cell.setAttribute('role', 'gridcell');
      cell.setAttribute('aria-colindex', String(c + 1));
      cell.textContent = text;
      if (row.marks[c]) cell.setAttribute('aria-description', row.marks[c]);
      if (row.hints[c]) cell.title = row.hints[c];
      e.append(cell);
    }
    return e;
  }

  paintSelection() {
    const s = this.selection;
    for (const e of this.rows.children) {
      const index = Number(e.dataset.row);
      const selected = s !== null && index >= s.first && index <= s.last;
      if (e.ariaSelected !== String(selected)) e.setAttribute('aria-selected', String(selected));
      e.classList.toggle('cursor', index === this.cursor);
    }
    const current = this.cursor >= 0 ? document.getElementById(`${this.id}-${this.cursor}`) : null;
    if (current) this.grid.setAttribute('aria-activedescendant', current.id);
    else this.grid.removeAttribute('aria-activedescendant');
    this.copyButton.disabled = s === null;
  }

  // --- selection and keys ---

  // Moves the focus to `row`; with `extend`, the selection runs from the anchor to it.
  moveTo(row, extend = false) {
    if (this.size === 0) return;
    row = Math.min(Math.max(row, 0), this.size - 1);
    if (!extend || this.anchor < 0) this.anchor = row;
    this.cursor = row;
    this.selection = { first: Math.min(this.anchor, row), last: Math.max(this.anchor, row) };
    this.scrollToRow(row);
    this.render();
  }

  selectAll() {
    if (this.size === 0) return;
    this.anchor = 0;
    if (this.cursor < 0) this.cursor = this.size - 1;
    this.selection = { first: 0, last: this.size - 1 };
    this.paintSelection();
  }

  scrollToRow(row) {
    const g = this.grid;
    const head = this.head.offsetHeight;
    const top = head + row * ROW_HEIGHT;
    if (top - head < g.scrollTop) g.scrollTop = top - head;
    else if (top + ROW_HEIGHT > g.scrollTop + g.clientHeight) g.scrollTop = top + ROW_HEIGHT - g.clientHeight;
  }

  get pageRows() {
    return Math.max(1, Math.floor((this.grid.clientHeight - this.head.offsetHeight) / ROW_HEIGHT) - 1);
  }

  gridKey(event) {
    if (event.altKey || event.metaKey) return;
    const ctrl = event.ctrlKey;
    const from = this.cursor < 0 ? (event.key === 'ArrowUp' ? this.size : -1) : this.cursor;
    const moves = {
      ArrowDown: from + 1,
      ArrowUp: from - 1,
      PageDown: from + this.pageRows,
      PageUp: from - this.pageRows,
      Home: 0,
      End: this.size - 1,
    };
    if (event.key in moves && (!ctrl || event.key === 'Home' || event.key === 'End')) {
      event.preventDefault();
      this.moveTo(moves[event.key], event.shiftKey);
    } else if (ctrl && !event.shiftKey && event.key.toLowerCase() === 'a') {
      event.preventDefault();
      this.selectAll();
    }
  }

  windowKey(event) {
    if (this.win?.modal) return;
    const ctrl = (event.ctrlKey || event.metaKey) && !event.altKey && !event.shiftKey;
    if (ctrl && event.key.toLowerCase() === 's') {
      event.preventDefault();
      this.save();
    } else if (ctrl && event.key.toLowerCase() === 'c' && event.target.closest?.('.grid, button')) {
      event.preventDefault();
      this.copy();
    } else if (event.key === 'Escape' && !event.ctrlKey && !event.altKey && !event.shiftKey) {
      event.preventDefault();
      this.win.close();
    } else if (/^F\d+$/.test(event.key)) {
      this.lesson.key(event); // the lesson's function keys work here too: F5, F6, F7
    }
  }

  pointer(event) {
    const row = event.target.closest?.('[data-row]');
    if (!row || event.button !== 0) return;
    const index = Number(row.dataset.row);
    if (event.shiftKey) this.moveTo(index, true);
    else this.moveTo(index);
    this.grid.focus({ preventScroll: true });
    event.preventDefault();
  }

  // --- saving and copying ---

  // The engine's CSV bytes as a download named as the desktop proposes the file.
  save() {
    if (!this.win) return;
    this.syncNow();
    const file = this.lesson.app.engine.exportCsv(this.lesson.form, today());
    if (file.error) {
      this.lesson.app.report(file.error);
      return;
    }
    const blob = new Blob([file.bytes], { type: 'text/csv;charset=utf-8' });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = file.fileName;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60_000);
  }

  // The selected rows as tab-separated text, on the clipboard; a message says so when the
  // browser refuses both ways of putting it there.
  async copy() {
    const s = this.selection;
    if (!this.win || !s) return;
    const result = this.lesson.app.engine.act(this.lesson.form, 'tsv', { index: s.first, value: s.last - s.first + 1 });
    if (result.error) {
      this.lesson.app.report(result.error);
      return;
    }
    const text = result.tsv;
    let copied = false;
    try {
      await navigator.clipboard.writeText(text);
      copied = true;
    } catch {
      copied = copyByCommand(text);
    }
    if (!copied && this.win) await showMessage(this.lesson.app.desktop, this.win, this.texts.copyFailed, this.lesson.window.messageCaption);
  }
}

// The older way to the clipboard: a hidden text area's selection, copied.
function copyByCommand(text) {
  const area = document.createElement('textarea');
  area.value = text;
  area.setAttribute('readonly', '');
  area.style.position = 'fixed';
  area.style.opacity = '0';
  const focus = document.activeElement;
  document.body.append(area);
  area.select();
  let copied = false;
  try {
    copied = document.execCommand('copy');
  } catch {
    copied = false;
  }
  area.remove();
  focus?.focus?.({ preventScroll: true });
  return copied;
}
