// The program in the page: the opening screen, the menus, the listing window and the lesson
// windows, one instance per form. A menu button opens its window, or brings the open one
// forward with its state; closing the main menu ends the program with every window.

import { Assignments, commandBar } from '../assignment/assignments.js';
import { Desktop } from '../ui/windows.js';
import { LessonWindow } from '../lesson/window.js';
import { IntroWindow, MenuWindow } from './menus.js';
import { showListing } from './listing.js';
import { button } from '../ui/button.js';
import { ViewSetting } from './view-setting.js';
import { words } from '../words.js';

export class App {
  constructor(catalog, root, problems) {
    this.engine = null; // until the WebAssembly engine has loaded
    this.waiting = null; // a lesson asked for before
    this.catalog = catalog;
    this.root = root;
    this.problems = problems;
    this.desktop = new Desktop(root);
    this.assignments = new Assignments(this);
    this.open = new Map(); // form → its window (a MenuWindow or LessonWindow)
    this.menus = new Map(catalog.menus.map((menu) => [menu.form, menu]));
    this.lessons = new Set(catalog.lessons.map((lesson) => lesson.form));
    this.listings = new Map(catalog.listings.map((listing) => [listing.id, listing]));
    // The colour of the current line and the lessons' face, for the style sheet.
    const style = document.documentElement.style;
    style.setProperty('--current-line', catalog.lessonWindow.colours.currentLine);
    style.setProperty('--lesson-face', JSON.stringify(catalog.lessonFace));
    // The marks beyond colour: F9 and the windows' context menu; the browser zooms.
    this.view = new ViewSetting(root, catalog.lessonWindow.marks);
    // Inside one of the program's windows its function keys are its own, wherever the focus
    // is (a menu, a message box, a title bar's close box): they never reload the page, move
    // to the address bar or turn on caret browsing.
    const functionKeys = new Set(catalog.lessonWindow.shortcuts.flatMap((s) => s.keys.map((k) => k.key)).filter((k) => /^F\d+$/.test(k)));
    root.addEventListener('keydown', (event) => {
      if (functionKeys.has(event.key) && event.target.closest?.('.window')) event.preventDefault();
    });
    // Leaving the page while a lesson is open asks first: its state would be lost.
    window.addEventListener('beforeunload', (event) => {
      if (![...this.open.values()].some((w) => w instanceof LessonWindow)) return;
      event.preventDefault();
      event.returnValue = '';
    });
  }

  engineReady(engine) {
    this.engine = engine;
    this.assignments.engineReady(engine);
    this.root.append(commandBar(this.assignments));
    // Files dropped anywhere on the page: an assignment opens, results are summed up.
    this.root.addEventListener('dragover', (event) => event.preventDefault());
    this.root.addEventListener('drop', (event) => {
      event.preventDefault();
      this.assignments.readFiles(event.dataTransfer.files).then((files) => this.assignments.dropped(files));
    });
    this.assignments.start();
    document.body.classList.remove('waiting');
    const waiting = this.waiting;
    this.waiting = null;
    if (waiting) this.show(waiting);
  }

  start() {
    this.ended?.remove();
    this.ended = null;
    this.intro = new IntroWindow(this);
  }

  // Whether a menu button's target exists in this build.
  canOpen(target) {
    if (target.startsWith('listing:')) return this.listings.has(target.slice('listing:'.length));
    return this.menus.has(target) || this.lessons.has(target);
  }

  // Opens `target` from a menu button of `opener`.
  show(target, opener) {
    if (target.startsWith('listing:')) {
      const listing = this.listings.get(target.slice('listing:'.length));
      if (listing) showListing(this, listing, opener);
      return;
    }
    const open = this.open.get(target);
    if (open) {
      open.raise();
      return;
    }
    let win = null;
    if (this.menus.has(target)) {
      win = new MenuWindow(this, this.menus.get(target));
    } else if (this.lessons.has(target)) {
      if (!this.engine) {
        this.waiting = target;
        document.body.classList.add('waiting');
        return;
      }
      const opened = this.engine.open(target);
      if (opened.error) {
        this.report(opened.error);
        return;
      }
      win = new LessonWindow(this, opened);
    }
    if (!win) return;
    this.open.set(target, win);
    win.raise();
  }

  menuClosed(menu) {
    this.open.delete(menu.form);
    if (menu.form === 'frmMain') this.end();
  }

  lessonClosed(lesson) {
    this.assignments.closed(lesson);
    if (this.open.get(lesson.form) === lesson) this.open.delete(lesson.form);
    if (!lesson.replaced) this.engine.close(lesson.form);
  }

  // The program ends: every window goes, and the page says so with a way to start again.
  end() {
    if (this.ending) return;
    this.ending = true;
    this.desktop.closeAll();
    this.ending = false;
    const notice = document.createElement('div');
    notice.className = 'notice ended';
    notice.setAttribute('role', 'status');
    const text = document.createElement('p');
    text.textContent = words.ended;
    const again = button(words.startAgain, () => this.start(), { className: '' });
    notice.append(text, again);
    this.root.append(notice);
    this.ended = notice;
    again.focus();
  }

  // A fault of the page itself (never a lesson's message): shown at the bottom, the page
  // goes on.
  report(text) {
    console.error('Trevisk:', text);
    this.problems(`${words.internal}: ${text}`);
  }
}
