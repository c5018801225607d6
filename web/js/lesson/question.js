// The question window of a lesson window (titled by the engine after its lesson), the browser's QuestionWindow:
// built from the description the engine gives (in twips, as the desktop builds it), painted
// from the view's `asking`, and every action handed to its lesson window, which forwards it
// to the engine. Every word in it comes from the engine. Closing it turns the mode off.

import { buildControls } from './build.js';
import { twips } from './geometry.js';
import { LaidOutText, writeText } from './laid-out-text.js';

// Enter answers, F10 and → as the step button does (→ stays the answer box's while it has the focus);
// T and F choose True and False; F8 goes back to the lesson window; Esc closes.
const plain = (e) => !e.ctrlKey && !e.altKey && !e.metaKey && !e.shiftKey;

export class QuestionWindow {
  // `lesson`: the LessonWindow this window asks about.
  constructor(lesson) {
    this.lesson = lesson;
    this.description = lesson.description.questionWindow;
    this.win = null;
    this.shown = null;
  }

  get isOpen() {
    return this.win !== null;
  }

  // Shows the window (beside its lesson window the first time) and gives the focus to where
  // the student answers.
  open(asking) {
    if (!this.win) this.build();
    this.paint(asking);
    this.win.raise();
    this.answerElement()?.focus({ preventScroll: true });
  }

  close() {
    this.win?.close({ force: true });
  }

  build() {
    const d = this.description;
    this.win = this.lesson.app.desktop.open({
      title: d.caption,
      width: twips(d.width),
      height: twips(d.height),
      className: 'question',
      place: { left: 0, top: 0 }, // placed below, by the desktop's rule
      onClose: () => this.closed(),
    });
    this.win.element.dataset.question = this.lesson.form;
    const c = buildControls(d);
    this.controls = c;
    for (const e of c.byKey.values()) this.win.client.append(e);
    const find = (key) => c.focusable.get(key);
    this.modes = d.modes.map((_, k) => find(`Mode(${k})`));
    this.question = find('Question');
    this.answer = find('Answer');
    this.answer.classList.add('answer');
    this.truths = { True: find('True'), False: find('False') };
    this.judge = find('Judge');
    this.dontKnow = find('DontKnow');
    this.score = find('Score');
    this.verdict = find('Verdict');
    for (const [key, name] of Object.entries(d.names)) find(key)?.setAttribute('aria-label', name);
    for (const [key, what] of Object.entries(d.descriptions)) find(key)?.setAttribute('aria-description', what);
    for (const [key, hint] of Object.entries(d.hints)) if (find(key)) find(key).title = hint;
    // The question and the verdict come back again and again (a lesson has a few dozen of
    // each): they stay laid out, and showing one again is a repaint.
    this.questionText = new LaidOutText(this.question);
    this.verdictText = new LaidOutText(this.verdict);
    for (const label of [this.question, this.verdict, this.score]) {
      label.setAttribute('role', 'note');
      label.tabIndex = 0;
    }
    for (const truth of Object.values(this.truths)) truth.setAttribute('aria-pressed', 'false');
    this.wire();
    this.place();
  }

  wire() {
    const lesson = this.lesson;
    this.modes.forEach((input, k) => input.addEventListener('change', () => input.checked && lesson.predictMode(this.description.modes[k])));
    this.answer.addEventListener('input', () => lesson.draft(this.answer.value, false));
    this.truths.True.addEventListener('click', () => lesson.chooseTruth(true, true));
    this.truths.False.addEventListener('click', () => lesson.chooseTruth(false, true));
    this.judge.addEventListener('click', () => lesson.advance());
    this.dontKnow.addEventListener('click', () => lesson.dontKnow());
    this.win.element.addEventListener('keydown', (event) => this.key(event));
  }

  key(event) {
    if (this.win?.modal || !plain(event)) return;
    const target = event.target;
    const typing = target === this.answer;
    const done = () => event.preventDefault();
    if (event.key === 'Enter') {
      // On a button or an option, the browser presses it (on True or False a second time,
      // that answers); elsewhere Enter answers.
      if (!target.matches?.('button, input[type=radio]')) {
        done();
        this.lesson.advance();
      }
    } else if (event.key === 'F10' || (event.key === 'ArrowRight' && !typing && !target.matches?.('input[type=radio]'))) {
      done();
      this.lesson.advance();
    } else if (!typing && (event.key === 't' || event.key === 'f')) {
      done();
      this.lesson.chooseTruth(event.key === 't');
    } else if (event.key === 'F8') {
      done();
      this.lesson.raise();
    } else if (event.key === 'Escape') {
      done();
      this.win.close();
    }
  }

  // Beside the lesson window by the desktop's rule, clear of the trace window when that is open.
  place() {
    const placed = this.lesson.placeBeside(1, 0, this.lesson.besideWindows(this.win));
    if (!placed) return;
    this.win.resize(placed.width, placed.height);
    this.win.place(placed.at);
  }

  // Where the answer is given: the box for a typed answer, else the truth chosen or True; the
  // mode while nothing is asked.
  answerElement() {
    const a = this.shown;
    if (!a || !a.asking) return this.modes[a?.mode ?? 0];
    if (a.typed) return this.answer;
    return a.truth === false ? this.truths.False : this.truths.True;
  }

  // What the engine says the window shows now (the view's `asking`); only what changed is
  // written (an attribute written again, even unchanged, makes the page restyle).
  paint(a) {
    if (!this.win || !a) return;
    const was = this.shown ?? {};
    if (a.mode !== was.mode) this.modes[a.mode].checked = true;
    if (a.question !== was.question) this.questionText.show(a.question);
    if (this.answer.value !== a.answer) this.answer.value = a.answer;
    const typing = a.asking && a.typed;
    if (typing !== (was.asking && was.typed)) this.answer.disabled = !typing;
    const choosing = a.asking && !a.typed;
    const chose = was.asking && !was.typed;
    for (const [name, e] of Object.entries(this.truths)) {
      const pressed = choosing && a.truth === (name === 'True');
      if (choosing !== chose) e.disabled = !choosing;
      if (pressed !== (chose && was.truth === (name === 'True'))) e.setAttribute('aria-pressed', String(pressed));
    }
    if (a.asking !== was.asking) {
      this.judge.disabled = !a.asking;
      this.dontKnow.disabled = !a.asking;
    }
    if (a.verdict !== was.verdict) this.verdictText.show(a.verdict);
    if (a.score !== was.score) writeText(this.score, a.score);
    this.shown = a;
    // The focus follows the answer when what it was on can no longer take it.
    const active = document.activeElement;
    if (active?.disabled && this.win.element.contains(active)) this.answerElement()?.focus({ preventScroll: true });
  }

  closed() {
    this.win = null;
    this.shown = null;
    this.lesson.questionClosed();
  }
}
