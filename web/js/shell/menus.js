// The opening screen and the menus: windows of buttons, each button opening one window.
// Texts, sizes and the buttons' places come from the catalog; the opening screen's pictures
// are the page's own.

import { twips } from '../lesson/geometry.js';
import { placeAt } from '../lesson/build.js';
import { button as makeButton } from '../ui/button.js';

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

// The opening screen: no title bar, the program's title picture and rows of icons, the start
// button (the main menu, then the opening screen closes) and the end button (the program
// ends), each where the catalog places it, as on the desktop.
export class IntroWindow {
  constructor(app) {
    const intro = app.catalog.intro;
    const layout = intro.layout;
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
    for (const top of layout.iconTops) {
      const row = document.createElement('div');
      row.className = 'icons';
      row.style.top = `${top}px`;
      row.style.left = `${layout.iconLeft}px`;
      row.style.gap = `${layout.iconGap}px`;
      row.setAttribute('aria-hidden', 'true');
      for (let k = 0; k < layout.iconCount; ++k) {
        const icon = document.createElement('img');
        icon.src = 'icons/bars.svg';
        icon.alt = '';
        icon.width = icon.height = layout.iconSize;
        row.append(icon);
      }
      client.append(row);
    }
    const title = document.createElement('div');
    title.className = 'title';
    placeIn(title, layout.title);
    const name = document.createElement('strong');
    name.textContent = intro.title;
    const subtitle = document.createElement('span');
    subtitle.textContent = intro.subtitle;
    title.append(name, subtitle);
    // The small listing with its current line in yellow, as the desktop draws it.
    const sketch = document.createElement('div');
    sketch.className = 'sketch';
    placeIn(sketch, layout.sketch);
    sketch.setAttribute('aria-hidden', 'true');
    intro.sketch.forEach((text, k) => {
      const line = document.createElement('div');
      line.className = k === intro.sketchCurrent ? 'line current' : 'line';
      placeIn(line, layout.sketchLines[k]);
      line.textContent = text;
      sketch.append(line);
    });
    client.append(title, sketch);

    const start = this.button(intro.start, 'Command1', layout.start);
    const end = this.button(intro.end, 'Command2', layout.end);
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

  button(caption, name, rect) {
    const e = makeButton(caption, null, { control: name });
    placeIn(e, rect);
    this.win.client.append(e);
    return e;
  }
}

// An element at a place given in pixels.
function placeIn(e, rect) {
  e.style.left = `${rect.left}px`;
  e.style.top = `${rect.top}px`;
  e.style.width = `${rect.width}px`;
  e.style.height = `${rect.height}px`;
}
