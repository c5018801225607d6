// The teacher's summary of result files in the page, the browser's SummaryWindow: built from
// the engine's description, its three tables filled from the engine's summary of the files
// read (chosen with its button that adds files, or dropped on it); its button that saves a
// CSV downloads the engine's CSV. Every cell is set as text.

import { buildControls } from '../lesson/build.js';
import { twips } from '../lesson/geometry.js';

export class SummaryWindow {
  constructor(assignments) {
    this.assignments = assignments;
    assignments.app.engine.work('summaryClear');
    const first = this.summarize();
    const d = first.window;
    this.win = assignments.app.desktop.open({
      title: d.caption,
      width: twips(d.width),
      height: twips(d.height),
      className: 'summary',
      onClose: () => assignments.summaryClosed(),
    });
    this.win.element.dataset.form = 'frmSummary';
    const c = buildControls({ ...d, multiline: [] });
    for (const e of c.byKey.values()) this.win.client.append(e);
    this.tables = ['Students', 'Questions', 'Rejected'].map((name) => {
      const place = c.byKey.get(name);
      const table = document.createElement('table');
      table.className = 'summary-table';
      table.dataset.control = name;
      table.setAttribute('style', place.getAttribute('style'));
      table.tabIndex = 0;
      place.replaceWith(table);
      return table;
    });
    c.buttons.Add?.addEventListener('click', () => assignments.pickFiles(true, (files) => this.add(files)));
    c.buttons.SaveCsv?.addEventListener('click', () => assignments.download(this.shown.csv.fileName, this.shown.csv.text, 'text/csv'));
    this.win.element.addEventListener('dragover', (event) => event.preventDefault());
    this.win.element.addEventListener('drop', (event) => {
      event.preventDefault();
      event.stopPropagation();
      assignments.readFiles(event.dataTransfer.files).then((files) => this.add(files));
    });
    this.show(first);
  }

  summarize() {
    const now = new Date();
    const date = `${now.getFullYear()}-${String(now.getMonth() + 1).padStart(2, '0')}-${String(now.getDate()).padStart(2, '0')}`;
    return this.assignments.app.engine.work('summary', '', { text: date });
  }

  // Files read as {name, bytes}, handed to the engine as they are (each name once).
  add(files) {
    for (const f of files) this.assignments.app.engine.work('summaryAdd', f.name, { bytes: f.bytes });
    this.show(this.summarize());
  }

  show(answer) {
    if (answer.error) {
      this.assignments.app.report(answer.error);
      return;
    }
    this.shown = answer;
    this.win.title = answer.window.caption;
    answer.tables.forEach((t, k) => {
      const table = this.tables[k];
      table.replaceChildren();
      table.setAttribute('aria-label', t.caption);
      const head = table.createTHead().insertRow();
      for (const h of t.headers) {
        const th = document.createElement('th');
        th.textContent = h;
        head.append(th);
      }
      const body = table.createTBody();
      for (const row of t.rows) {
        const tr = body.insertRow();
        for (const cell of row) tr.insertCell().textContent = cell;
      }
    });
  }

  raise() {
    this.win.raise();
  }
}
