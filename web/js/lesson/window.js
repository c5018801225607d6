// The generic lesson window of the page, the browser's LessonForm: built from the lesson's
// description, it forwards every action of the student to the model and shows the view the
// model answers with. Message boxes of a lesson are modal over its window; while one is
// open, the lesson takes no action and its timer's ticks wait.

import { addButtons, isOptionArrow, labelName, lineDescription, nameControls, orderControls, shortcutFor } from './access.js';
import { Announcer } from './announcer.js';
import { AutoRun } from './autorun.js';
import { buildControls } from './build.js';
import { twips } from './geometry.js';
import { Painter } from './paint.js';
import { QuestionWindow } from './question.js';
import { addTapZones } from './touch.js';
import { TraceWindow } from './trace.js';
import { showMessage } from '../ui/message.js';
import { menuItems } from '../assignment/assignments.js';

const stored = (value) => value.replace(/\r?\n/g, '\r\n');

export class LessonWindow {
  // `opened`: the model's answer to opening the form ({description, outcome, view}).
  constructor(app, opened, place) {
    this.app = app;
    this.form = opened.form;
    this.description = opened.description;
    this.busy = false;
    this.closed = false;
    this.ticked = 0; // ticks of auto-run since the window opened (for the benchmark)
    const d = this.description;
    this.win = app.desktop.open({
      title: d.caption,
      width: twips(d.width),
      height: twips(d.height),
      className: 'lesson',
      place,
      onClose: () => this.closedByUser(),
    });
    this.win.element.dataset.form = this.form;
    this.build();
    this.autorun = new AutoRun(
      (count) => this.tick(count),
      () => this.paintPending(),
    );
    this.perform(opened);
  }

  build() {
    const d = this.description;
    const client = this.win.client;
    const c = buildControls(d);
    this.controls = c;
    this.window = this.app.catalog.lessonWindow; // the lesson window's words, keys and rules
    for (const e of c.byKey.values()) client.append(e);
    addButtons(c, d, client);
    nameControls(c, d, this.window);
    orderControls(c, d, client);
    addTapZones(c, client, { width: twips(d.width), height: twips(d.height) });
    const live = document.createElement('div');
    live.className = 'visually-hidden';
    live.setAttribute('role', 'status');
    live.setAttribute('aria-live', 'polite');
    this.live = document.createTextNode(''); // its text changes in place: no new layout object
    live.append(this.live);
    client.append(live);
    this.painter = new Painter(c, this.window.colours, this.window.marks.shapes);
    this.trace = new TraceWindow(this);
    this.question = new QuestionWindow(this);
    this.announcer = new Announcer(
      (event) => this.narrate(event),
      (text) => {
        if (!this.closed) this.live.data = text;
      },
      this.window.rules.announceAfterDialog,
    );
    c.buttons.Command1?.setAttribute('data-autofocus', '');
    this.wire();
  }

  wire() {
    const c = this.controls;
    const click = (name, action) => c.buttons[name]?.addEventListener('click', action);
    click('Command1', () => this.act('advance')); // with a question waiting, it answers first
    click('Command2', () => this.act('back'));
    click('Command3', () => this.act('autorun', { text: c.txtTime?.value ?? '' }));
    click('Command4', () => this.act('stop'));
    click('Command5', () => this.act('fill'));
    click('StepBack', () => this.act('stepback'));
    click('TraceButton', () => this.openTrace());
    click('PredictButton', () => this.openQuestion());
    c.options.Option1?.addEventListener('click', () => this.act('option', { index: 1 }));
    c.options.Option2?.addEventListener('click', () => this.act('option', { index: 2 }));
    for (const [name, inputs] of Object.entries(c.checks)) {
      inputs.forEach((input, index) =>
        input?.addEventListener('change', () =>
          this.edit('check', { text: name, index, value: input.checked ? 1 : 0 }),
        ),
      );
    }
    for (const box of [...c.text1, ...c.text2]) {
      if (!box) continue;
      box.addEventListener('input', () => {
        const group = box.dataset.group;
        const index = Number(box.dataset.index);
        const text = box.tagName === 'TEXTAREA' ? stored(box.value) : box.value;
        this.painter.typed(group, index, text);
        this.edit(group === 'Text2' ? 'set2' : 'set', { index, text });
      });
    }
    c.txtTime?.addEventListener('input', () => this.edit('timertext', { text: c.txtTime.value }));
    c.listing.forEach((line, index) => {
      line?.addEventListener('click', () => this.lineClicked(index));
      line?.addEventListener('keydown', (event) => this.listingKey(event, index));
    });
    this.win.client.addEventListener('keydown', (event) => this.key(event));
    // The lesson's own commands lead the window's context menu (shown by the page's view setting).
    this.win.client.addEventListener('contextmenu', (event) => {
      event.menuItems = [...(event.menuItems ?? []), ...menuItems(this.app.assignments, this)];
    });
    this.win.client.addEventListener('focusin', (event) => this.rove(event.target));
    this.lineStop = null;
    this.tabStopAt(c.listing.find(Boolean));
  }

  // --- actions ---

  act(action, args) {
    if (this.busy || this.closed) return;
    this.perform(this.app.engine.act(this.form, action, args));
  }

  // Typing and ticking a check box change the model's panel only; nothing is repainted.
  edit(action, args) {
    if (this.closed) return;
    const result = this.app.engine.act(this.form, action, args);
    if (result.error) this.app.report(result.error);
  }

  showNote(line) {
    if (this.busy || this.closed) return;
    const result = this.app.engine.act(this.form, 'note', { index: line });
    if (!result.error) this.perform({ outcome: result.outcome });
  }

  // The ticks of auto-run that have come due, in one call; a tick that shows a message ends
  // the run there, and auto-run waits until its message boxes are closed.
  tick(count) {
    if (this.busy || this.closed) return false;
    const result = this.app.engine.act(this.form, 'ticks', { value: count });
    if (result.error) {
      this.app.report(result.error);
      return false;
    }
    this.ticked += result.done;
    if (result.outcome?.messages?.length) {
      this.perform(result);
      return false;
    }
    this.pending = result.view;
    this.autorun.follow(result.view.timer);
    if (result.told) this.announcer.announce(result.told.event, result.told.when);
    return true;
  }

  paintPending() {
    if (!this.pending || this.closed) return;
    this.paint(this.pending);
    this.pending = null;
  }

  // Shows an action's outcome: Label6, the list and the picture first, then its message
  // boxes one after the other, then the refresh.
  async perform(result) {
    if (result.error) {
      this.app.report(result.error);
      return;
    }
    this.pending = null;
    const messages = result.outcome?.messages ?? [];
    if (messages.length) {
      if (result.view) this.painter.paintDirect(result.view);
      this.busy = true;
      for (const message of messages) {
        await showMessage(this.app.desktop, this.win, message, this.window.messageCaption);
        if (this.closed) return;
      }
      this.busy = false;
    }
    if (result.view) {
      this.paint(result.view);
      this.autorun.follow(result.view.timer);
    }
    if (result.told) this.announcer.announce(result.told.event, result.told.when);
    this.autorun.resume();
  }

  paint(view) {
    this.view = view;
    this.trace.refresh();
    this.question.paint(view.asking);
    const line = this.painter.line;
    const note = this.painter.note;
    const condition = this.painter.condition;
    this.painter.paint(view);
    const c = this.controls;
    const words = this.window.words;
    if (view.note !== note) c.note?.setAttribute('aria-label', labelName(view.note, words.emptyNote));
    if (view.condition !== condition) c.condition?.setAttribute('aria-label', labelName(view.condition, words.emptyCondition));
    if (view.line !== line) this.markCurrentLine(line, view.line);
  }

  // The current line says so to screen readers, and Tab comes into the listing at it (unless
  // the student is moving in the listing).
  markCurrentLine(previous, current) {
    const lines = this.controls.listing;
    const d = this.description;
    lines[previous]?.setAttribute('aria-description', lineDescription(d, previous, false));
    const now = lines[current];
    if (!now) return;
    now.setAttribute('aria-description', lineDescription(d, current, true));
    if (lines.includes(document.activeElement)) return;
    this.tabStopAt(now);
  }

  // The one line of the listing that Tab stops at (every other line is out of the tab order).
  tabStopAt(line) {
    if (!line || line === this.lineStop) return;
    if (this.lineStop) this.lineStop.tabIndex = -1;
    line.tabIndex = 0;
    this.lineStop = line;
  }

  // The narration of the state after `event`, in the live region; how long it takes to speak.
  narrate(event) {
    if (this.closed) return 0;
    const result = this.app.engine.act(this.form, 'narrate', { text: event });
    if (result.error) {
      this.app.report(result.error);
      return 0;
    }
    this.live.data = result.narration;
    return result.speaking;
  }

  // --- keyboard ---

  key(event) {
    if (this.truthKey(event)) return;
    if (this.app.assignments.key(this, event)) return;
    if (isOptionArrow(event)) {
      // Two options: any arrow goes to the other one and chooses it.
      event.preventDefault();
      const { Option1, Option2 } = this.controls.options;
      const other = event.target === Option1 ? Option2 : Option1;
      other?.focus();
      other?.click();
      return;
    }
    const shortcut = shortcutFor(event, this.window.shortcuts);
    if (!shortcut) return;
    const button = this.controls.buttons[shortcut.button];
    if (!button) return;
    event.preventDefault();
    if (!button.disabled) button.click();
  }

  // Up and Down move along the listing (to its last line of the routine, not the empty
  // labels after it), Enter and Space show the line's note.
  listingKey(event, index) {
    const lines = this.controls.listing;
    const move = event.key === 'ArrowDown' ? 1 : event.key === 'ArrowUp' ? -1 : 0;
    if (move) {
      event.preventDefault();
      const last = lines.findLastIndex((l) => l && l.textContent.trim() !== '');
      const to = Math.min(Math.max(index + move, 0), Math.max(last, 0));
      lines[to]?.focus();
    } else if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      this.lineClicked(index);
    }
  }

  // The listing is one stop of the tab order: the line last focused.
  rove(target) {
    if (target.dataset?.line) this.tabStopAt(target);
  }

  // --- the window ---

  openTrace() {
    if (this.closed || !this.controls.buttons.TraceButton) return;
    this.trace.open();
  }

  raise() {
    this.win.raise();
  }

  // The windows open beside this one (the trace and question windows, an assignment's
  // instructions) but `except`: what a window placed beside it keeps clear of.
  besideWindows(except) {
    return [this.trace.win, this.question.win, this.app.assignments.instructions.get(this.form)].filter((w) => w && w !== except);
  }

  // Where a window added beside this one goes (0: the trace window, 1: the question window;
  // `columns`: the trace's width), by the desktop's rule, clear of the `others` open: the
  // client size and the frame's place, or null.
  placeBeside(window, columns, others) {
    const rect = (e) => e.getBoundingClientRect();
    const desk = rect(this.app.desktop.root);
    const outer = rect(this.win.element);
    const client = rect(this.win.client);
    const where = {
      lesson: { left: client.left - desk.left, top: client.top - desk.top, width: client.width, height: client.height },
      frame: { left: client.left - outer.left, top: client.top - outer.top, right: outer.right - client.right, bottom: outer.bottom - client.bottom },
      area: { left: -desk.left, top: -desk.top, width: document.documentElement.clientWidth, height: document.documentElement.clientHeight },
      avoid: others.filter(Boolean).map((w) => {
        const r = rect(w.element);
        return { left: r.left - desk.left, top: r.top - desk.top, width: r.width, height: r.height };
      }),
    };
    const result = this.app.engine.act(this.form, 'place', { index: window, value: columns, text: JSON.stringify(where) });
    if (result.error) {
      this.app.report(result.error);
      return null;
    }
    const placed = result.place;
    return { width: placed.width, height: placed.height, at: { left: placed.left - where.frame.left, top: placed.top - where.frame.top } };
  }

  // --- predicting each step (question.js is the window) ---

  openQuestion() {
    if (this.closed || !this.controls.buttons.PredictButton) return;
    this.question.open(this.view?.asking);
  }

  predictMode(mode) {
    this.act('predict', { text: mode });
  }

  // The answer being made; `told`: say it to a screen reader (a line or a truth chosen).
  draft(text, told) {
    if (this.busy || this.closed) return;
    const result = this.app.engine.act(this.form, 'draft', { text });
    if (result.error) {
      this.app.report(result.error);
      return;
    }
    this.question.paint(result.asking);
    if (this.view) this.view.asking = result.asking;
    if (told && result.asking.chosen) this.announcer.tell(result.asking.chosen);
  }

  // True or False chosen; with `again`, choosing the one chosen already answers (a second
  // click, or Enter, on the button), as a second click on a listing line does.
  chooseTruth(truth, again = false) {
    const a = this.view?.asking;
    if (!a?.asking || a.typed) return;
    if (again && a.truth === truth) this.advance();
    else this.draft(truth ? 'True' : 'False', true);
  }

  advance() {
    this.act('advance');
  }

  dontKnow() {
    if (this.view?.asking?.asking) this.act('dontknow');
  }

  // While a line is asked, a listing line is the answer (chosen a second time, given);
  // otherwise it shows its note.
  lineClicked(index) {
    const a = this.view?.asking;
    if (!a?.asking || a.form !== 'line') {
      this.showNote(index);
      return;
    }
    if (a.answer === String(index)) this.advance();
    else this.draft(String(index), true);
  }

  // T and F choose True and False while a truth is asked, wherever no box takes the letter.
  truthKey(event) {
    const a = this.view?.asking;
    const letter = event.key === 't' || event.key === 'f';
    if (!letter || event.ctrlKey || event.altKey || event.metaKey || !a?.asking || a.typed) return false;
    if (event.target.matches?.('input[type=text], input:not([type]), textarea')) return false;
    event.preventDefault();
    this.chooseTruth(event.key === 't');
    return true;
  }

  questionClosed() {
    if (!this.closed && this.view?.prediction) this.predictMode('off'); // the window is the mode
  }

  closedByUser() {
    this.closed = true;
    this.autorun.stop();
    this.announcer.stop();
    this.painter.dispose();
    this.question.close();
    this.trace.close(); // closed with its lesson window
    this.app.lessonClosed(this);
  }
}
