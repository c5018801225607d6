// The opening screen and the menus: windows of buttons, each button opening one window.
// Texts, sizes and the buttons' places come from the catalog; the opening screen's pictures
// are the page's own.

import { twips } from '../lesson/geometry.js';
import { placeAt } from '../lesson/build.js';
import { button as makeButton } from '../ui/button.js';

const ICON = 32;

export class MenuWindow {
  constructor(app, menu) {
    this.app = app;
    this.form = menu.form;
    this.win = app.desktop.open({
      title: menu.title,
      width: twips(menu.width),
      height: twips(menu.height),
      className: 'menu',
      onClose: () => app.menuClosed(this),
    });
    this.win.element.dataset.form = menu.form;
    for (const button of menu.buttons) {
      const e = makeButton(button.caption, () => app.show(button.target, this.win), { control: button.name });
      placeAt(e, button);
      e.disabled = !app.canOpen(button.target);
      this.win.client.append(e);
    }
    this.win.client.querySelector('button:not(:disabled)')?.setAttribute('data-autofocus', '');
  }

  raise() {
    this.win.raise();
  }
}

// The opening screen: no title bar, the program's title picture and rows of icons, "開始"
// (the main menu, then the opening screen closes) and "終了" (the program ends).
export class IntroWindow {
  constructor(app) {
    const intro = app.catalog.intro;
    const width = twips(intro.width);
    const height = twips(intro.height);
    const room = document.documentElement;
    this.win = app.desktop.open({
      title: intro.title,
      width,
      height,
      frameless: true,
      className: 'intro',
      place: {
        left: Math.max(0, (room.clientWidth - width) / 2),
        top: Math.max(0, (room.clientHeight - height) / 3),
      },
    });
    this.win.element.dataset.form = 'frmIntro';
    const client = this.win.client;
    const count = Math.floor((width - 8) / (ICON + 2));
    for (const top of [6, height - 6 - ICON]) {
      const row = document.createElement('div');
      row.className = 'icons';
      row.style.top = `${top}px`;
      row.setAttribute('aria-hidden', 'true');
      for (let k = 0; k < count; ++k) {
        const icon = document.createElement('img');
        icon.src = 'icons/bars.svg';
        icon.alt = '';
        row.append(icon);
      }
      client.append(row);
    }
    const title = document.createElement('div');
    title.className = 'title';
    const name = document.createElement('strong');
    name.textContent = intro.title;
    const subtitle = document.createElement('span');
    subtitle.textContent = intro.subtitle;
    title.append(name, subtitle);
    // The small listing with its current line in yellow, as the desktop draws it.
    const sketch = document.createElement('div');
    sketch.className = 'sketch';
    sketch.setAttribute('aria-hidden', 'true');
    intro.sketch.forEach((text, k) => {
      const line = document.createElement('div');
      line.className = k === intro.sketchCurrent ? 'line current' : 'line';
      line.style.top = `${10 + 24 * k}px`;
      line.textContent = text;
      sketch.append(line);
    });
    client.append(title, sketch);

    const buttonTop = height - ICON - 20 - 36;
    const start = this.button(intro.start, 'Command1', width / 2 - 120 - 20, buttonTop);
    const end = this.button(intro.end, 'Command2', width / 2 + 20, buttonTop);
    start.dataset.autofocus = '';
    start.addEventListener('click', () => {
      app.show('frmMain', this.win);
      this.win.close();
    });
    end.addEventListener('click', () => {
      this.win.close();
      app.end();
    });
    client.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' && event.target === this.win.element) start.click();
    });
    start.focus();
  }

  button(caption, name, left, top) {
    const e = makeButton(caption, null, { control: name });
    e.style.left = `${left}px`;
    e.style.top = `${top}px`;
    this.win.client.append(e);
    return e;
  }
}
