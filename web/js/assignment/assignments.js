// Assignments in the page: a teacher makes one from a lesson window (its file, its link, the
// link's QR code), a student opens one from a link, a file chosen or dropped, works with every
// action kept in the browser and offered back after a reload (to go on from where it was), and hands in
// the result as a download; the teacher sums results up. The commands are in a lesson window's
// context menu and on its keys, and in the page's bar; what is read, judged and written is the
// engine's, and every word too.

import { LessonWindow } from '../lesson/window.js';
import { buildControls } from '../lesson/build.js';
import { twips } from '../lesson/geometry.js';
import { showMessage } from '../ui/message.js';
import { askName, choose, makeAssignment } from './dialogs.js';
import { KeptWork } from './kept.js';
import { SummaryWindow } from './summary.js';

export class Assignments {
  constructor(app) {
    this.app = app;
    this.words = null; // the engine's, once it has loaded
    this.kept = new KeptWork();
    this.instructions = new Map(); // form → its instructions window
    this.summary = null;
  }

  engineReady(engine) {
    this.words = engine.work('words');
    engine.kept = (form, lines) => this.kept.add(form, lines);
  }

  message(owner, text) {
    return showMessage(this.app.desktop, owner, text, this.app.catalog.lessonWindow.messageCaption);
  }

  // --- files ---

  // The files chosen in the browser's dialog, read as {name, bytes}; `multiple` for results.
  pickFiles(multiple, then) {
    const input = document.createElement('input');
    input.type = 'file';
    input.multiple = multiple;
    input.accept = multiple ? this.words.resultEnding : `${this.words.assignmentEnding},application/json`;
    input.addEventListener('change', () => this.readFiles(input.files).then(then));
    input.click();
  }

  async readFiles(list) {
    const files = [];
    for (const file of list) {
      // At most a little more than any reader takes: the engine says a file is too large.
      const slice = file.size > 64 * 1024 * 1024 ? file.slice(0, 64 * 1024 * 1024 + 1) : file;
      files.push({ name: file.name, bytes: new Uint8Array(await slice.arrayBuffer()) });
    }
    return files;
  }

  download(fileName, text, type) {
    const url = URL.createObjectURL(new Blob([text], { type }));
    const a = document.createElement('a');
    a.href = url;
    a.download = fileName;
    a.click();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  // Files dropped on the page: results go to the summary, an assignment opens.
  dropped(files) {
    const results = files.filter((f) => f.name.endsWith(this.words.resultEnding));
    if (results.length) this.summarize(results);
    const other = files.find((f) => !f.name.endsWith(this.words.resultEnding));
    if (other) this.open({ bytes: other.bytes });
  }

  // --- opening ---

  // Opens the assignment of a file's bytes or of a link, offering its kept work back.
  async open({ bytes = null, link = null }) {
    const given = link ? { text: link } : { bytes };
    const check = this.app.engine.work(link ? 'link' : 'open', 'check', given);
    if (check.error) return this.message(null, check.error);
    const text = await this.kept.text(check.digest);
    if (text && !this.kept.inUse(check.digest)) {
      const choice = await this.askResume(text, this.words.startOver);
      if (choice < 0) return null;
      if (choice === 0) return this.resume(text);
    }
    return this.show(this.app.engine.work(link ? 'link' : 'open', '', given));
  }

  // 0: go on from the kept work; 1: the second answer; -1: neither.
  async askResume(text, second) {
    const kept = this.app.engine.work('kept', '', { text });
    if (kept.error || !kept.actions) return 1;
    const session = await this.kept.session(kept.digest);
    const last = session ? new Date(session.updated).toLocaleString() : '';
    const question = this.app.engine.work('question', '', { text: JSON.stringify({ title: kept.title, actions: kept.actions, answers: kept.answers, last }) });
    return choose(this.app.desktop, null, this.words, { title: this.words.resumeTitle, text: question.text, first: this.words.resume, second });
  }

  resume(text) {
    return this.show(this.app.engine.work('resume', '', { text }));
  }

  // The lesson window of an assignment opened by the engine, with its instructions beside it.
  show(opened) {
    if (opened.error) return this.message(null, opened.error);
    const form = opened.form;
    const open = this.app.open.get(form);
    if (open) {
      open.replaced = true; // (its kept work is this window's now)
      open.win.close({ force: true });
    }
    this.kept.start(form, { digest: opened.assignment.digest, title: opened.assignment.title, lesson: form }, opened.kept);
    const lesson = new LessonWindow(this.app, opened);
    this.app.open.set(form, lesson);
    lesson.raise();
    if (opened.view.prediction) lesson.openQuestion();
    this.showInstructions(lesson, opened.assignment.window);
    if (opened.note) this.message(lesson.win, opened.note);
    return lesson;
  }

  showInstructions(lesson, d) {
    const win = this.app.desktop.open({
      title: d.caption,
      width: twips(d.width),
      height: twips(d.height),
      className: 'instructions',
      place: { left: 0, top: 0 },
      onClose: () => this.instructions.delete(lesson.form),
    });
    win.element.dataset.instructions = lesson.form;
    const c = buildControls({ ...d, multiline: ['Instructions', 'Title'] });
    for (const e of c.byKey.values()) win.client.append(e);
    const box = c.byKey.get('Instructions');
    box.readOnly = true;
    box.setAttribute('aria-label', this.words.instructionsName);
    c.buttons.SaveResult?.addEventListener('click', () => this.handIn(lesson));
    if (c.buttons.SaveResult) c.buttons.SaveResult.title = this.words.saveResultHint;
    this.instructions.set(lesson.form, win);
    const placed = lesson.placeBeside(2, 0, lesson.besideWindows(win));
    if (placed) {
      win.resize(placed.width, placed.height);
      win.place(placed.at);
    }
    lesson.raise();
  }

  // The lesson window closed: its instructions go with it, and its work is no longer offered
  // at the start (unless another window took it over).
  closed(lesson) {
    this.instructions.get(lesson.form)?.close({ force: true });
    if (!lesson.replaced) this.kept.closed(lesson.form);
  }

  // At the start: a link's assignment opens; else work a reload or a crash left is offered.
  async start() {
    const hash = location.hash;
    if (hash.includes('assignment=')) {
      await this.open({ link: hash });
      return;
    }
    for (const session of await this.kept.leftOpen()) {
      const text = await this.kept.text(session.digest);
      if (!text) continue;
      const choice = await this.askResume(text, this.words.later);
      if (choice === 0) this.resume(text);
      else this.kept.write(session.digest, [], { open: false });
    }
  }

  // --- the teacher's and the student's commands ---

  make(lesson) {
    const base = location.href.split('#')[0];
    const answer = (made) => {
      const result = this.app.engine.work('make', lesson.form, { text: JSON.stringify({ ...made, base }) });
      if (result.error) {
        this.message(lesson.win, result.error);
        return null;
      }
      return result;
    };
    return makeAssignment(this.app.desktop, lesson.win, this.words, {
      title: lesson.description.caption,
      save: (made) => {
        const result = answer(made);
        if (result) this.download(result.fileName, result.document, 'application/json');
      },
      link: answer,
    });
  }

  async handIn(lesson) {
    const name = await askName(this.app.desktop, lesson.win, this.words);
    if (name === null) return;
    const result = this.app.engine.work('result', lesson.form, { text: name });
    if (result.error) return this.message(lesson.win, result.error);
    this.download(result.fileName, result.text, 'application/json');
  }

  summarize(files = []) {
    if (!this.summary) this.summary = new SummaryWindow(this);
    this.summary.add(files);
    this.summary.raise();
  }

  summaryClosed() {
    this.summary = null;
  }

  // The keys of a lesson window's commands; true when `event` was one.
  key(lesson, event) {
    if (!(event.ctrlKey || event.metaKey) || event.altKey) return false;
    const k = event.key.toLowerCase();
    const command = k === 's' ? (event.shiftKey ? () => this.make(lesson) : () => this.handIn(lesson)) : k === 'o' ? (event.shiftKey ? () => this.summarize() : () => this.pickFiles(false, (f) => f[0] && this.open({ bytes: f[0].bytes }))) : null;
    if (!command) return false;
    event.preventDefault();
    command();
    return true;
  }
}

// The commands a lesson window's context menu offers, before the view's setting: caption,
// hint and action each.
export function menuItems(assignments, lesson) {
  const w = assignments.words;
  if (!w) return [];
  return [
    { caption: w.saveAssignment, hint: w.saveAssignmentHint, action: () => assignments.make(lesson) },
    { caption: w.openAssignment, hint: w.openAssignmentHint, action: () => assignments.pickFiles(false, (f) => f[0] && assignments.open({ bytes: f[0].bytes })) },
    { caption: w.saveResult, hint: w.saveResultHint, action: () => assignments.handIn(lesson) },
    { caption: w.summarize, hint: w.summarizeHint, action: () => assignments.summarize() },
  ];
}

// The page's own bar of the commands that need no lesson window: behind every window.
export function commandBar(assignments) {
  const w = assignments.words;
  const bar = document.createElement('div');
  bar.className = 'command-bar';
  const add = (caption, hint, action) => {
    const b = document.createElement('button');
    b.type = 'button';
    b.textContent = caption;
    b.title = hint;
    b.addEventListener('click', action);
    bar.append(b);
  };
  add(w.openAssignment, w.openAssignmentHint, () => assignments.pickFiles(false, (f) => f[0] && assignments.open({ bytes: f[0].bytes })));
  add(w.summarize, w.summarizeHint, () => assignments.pickFiles(true, (f) => assignments.summarize(f)));
  return bar;
}
