// The desktop of in-page windows: each window has a title bar with a close box, can be
// dragged by its title and comes to the front when used. A window may be modal over one
// owner window (a message box over its lesson, the listing window over its menu): the
// owner then takes no input until the modal one is closed, and the rest of the desktop
// stays usable. It leaves what a window shows to the code that opens it.

import { button } from './button.js';
import { words } from '../words.js';

const CLOSE_LABEL = words.close;

export class Desktop {
  constructor(root) {
    this.root = root;
    this.windows = new Set();
    this.top = 0;
    this.placed = 0;
    this.active = null;
  }

  // Opens a window. `options`: title, width and height of the client area (CSS px),
  // frameless, resizable, className, owner (the window it is modal over), role, place
  // ({left, top}; otherwise where the desktop puts new windows), onClose (called once the
  // window is gone).
  open(options) {
    const win = new Window(this, options);
    this.windows.add(win);
    this.root.append(win.element);
    win.place(options.place ?? this.nextPlace(win));
    if (win.owner) win.owner.block(win);
    this.bringToFront(win);
    return win;
  }

  // New windows cascade from the upper left, as a window system places them.
  nextPlace(win) {
    const step = 28;
    const width = win.element.offsetWidth;
    const height = win.element.offsetHeight;
    const room = Math.max(document.documentElement.clientWidth, 320);
    const roomY = Math.max(document.documentElement.clientHeight, 240);
    if (win.owner) {
      const o = win.owner.element;
      return {
        left: Math.max(0, o.offsetLeft + (o.offsetWidth - width) / 2),
        top: Math.max(0, o.offsetTop + Math.min(80, (o.offsetHeight - height) / 2)),
      };
    }
    const n = this.placed++ % 12;
    let left = 12 + step * n;
    let top = 12 + step * n;
    if (left + width > room) left = Math.max(0, room - width - 4);
    if (top + height > roomY) top = Math.max(0, roomY - height - 4);
    return { left, top };
  }

  bringToFront(win) {
    win.element.style.zIndex = String(++this.top);
    if (win.modal) this.bringToFront(win.modal);
    else this.activate(win);
  }

  activate(win) {
    if (this.active === win) return;
    this.active?.element.classList.remove('active');
    this.active = win;
    win.element.classList.add('active');
  }

  closeAll() {
    for (const win of [...this.windows]) win.close({ force: true });
  }
}

class Window {
  constructor(desktop, options) {
    this.desktop = desktop;
    this.owner = options.owner ?? null;
    this.modal = null;
    this.onClose = options.onClose;
    this.closed = false;
    this.returnFocus = null;

    const element = document.createElement('section');
    element.className = `window ${options.className ?? ''}`;
    if (options.frameless) element.classList.add('frameless');
    if (options.resizable) element.classList.add('resizable');
    element.tabIndex = -1;
    if (options.role) element.setAttribute('role', options.role);
    if (this.owner) element.setAttribute('aria-modal', 'true');
    this.element = element;

    const titleId = `title-${Math.random().toString(36).slice(2)}`;
    this.heading = document.createElement('h2');
    this.heading.id = titleId;
    this.heading.textContent = options.title ?? '';
    element.setAttribute('aria-labelledby', titleId);
    if (!options.frameless) {
      const bar = document.createElement('div');
      bar.className = 'titlebar';
      const close = button('×', () => this.close(), { className: 'close' });
      close.setAttribute('aria-label', CLOSE_LABEL);
      close.title = CLOSE_LABEL;
      bar.append(this.heading, close);
      element.append(bar);
      this.titleBar = bar;
      this.dragBy(bar);
    } else {
      this.heading.className = 'visually-hidden';
      element.append(this.heading);
    }

    this.client = document.createElement('div');
    this.client.className = 'client';
    this.resize(options.width, options.height);
    const shield = document.createElement('div');
    shield.className = 'shield';
    shield.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      desktop.bringToFront(this);
      this.modal?.focusFirst();
    });
    element.append(this.client, shield);

    element.addEventListener('pointerdown', () => desktop.bringToFront(this), true);
    element.addEventListener('focusin', () => {
      if (!this.modal) desktop.bringToFront(this);
    });
  }

  get title() {
    return this.heading.textContent;
  }

  set title(text) {
    this.heading.textContent = text;
  }

  // The client area in CSS pixels; without a size the window fits what it holds.
  resize(width, height) {
    this.client.style.width = width === undefined ? '' : `${width}px`;
    this.client.style.height = height === undefined ? '' : `${height}px`;
  }

  place({ left, top }) {
    this.element.style.left = `${Math.round(left)}px`;
    this.element.style.top = `${Math.round(top)}px`;
  }

  // Shows the window again in front, as a menu button does for a window already open.
  raise() {
    this.desktop.bringToFront(this);
    if (this.modal) this.modal.focusFirst();
    else if (!this.element.contains(document.activeElement)) this.focusFirst();
  }

  focusFirst() {
    const target = this.element.querySelector('[data-autofocus]') ?? this.element;
    target.focus({ preventScroll: false });
  }

  // The owner of a modal window takes no input (keyboard, pointer, assistive technology)
  // until the modal window closes; a click on it brings the modal window forward.
  block(modal) {
    this.modal = modal;
    this.returnFocus = document.activeElement;
    this.element.classList.add('blocked');
    for (const part of [this.titleBar, this.client]) if (part) part.inert = true;
  }

  unblock() {
    this.modal = null;
    this.element.classList.remove('blocked');
    for (const part of [this.titleBar, this.client]) if (part) part.inert = false;
    if (this.closed) return;
    this.desktop.bringToFront(this);
    const back = this.returnFocus;
    this.returnFocus = null;
    if (back && this.element.contains(back) && back.isConnected) back.focus();
    else this.focusFirst();
  }

  // Closes the window; one with a modal window open stays until that one is closed,
  // unless `force` (the program ends). `onClose` runs once, after the window is gone.
  close({ force = false } = {}) {
    if (this.closed) return;
    if (this.modal) {
      if (!force) {
        this.raise();
        return;
      }
      this.modal.close({ force });
    }
    this.closed = true;
    this.element.remove();
    this.desktop.windows.delete(this);
    if (this.desktop.active === this) this.desktop.active = null;
    if (this.owner) this.owner.unblock();
    this.onClose?.();
  }

  dragBy(handle) {
    handle.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || event.target.closest('button')) return;
      const startX = event.clientX - this.element.offsetLeft;
      const startY = event.clientY - this.element.offsetTop;
      handle.setPointerCapture(event.pointerId);
      // The title bar stays within reach: never above the desktop, never all out at the left.
      const move = (e) =>
        this.place({
          left: Math.max(80 - this.element.offsetWidth, e.clientX - startX),
          top: Math.max(0, e.clientY - startY),
        });
      const end = () => {
        handle.removeEventListener('pointermove', move);
        handle.removeEventListener('pointerup', end);
        handle.removeEventListener('pointercancel', end);
      };
      handle.addEventListener('pointermove', move);
      handle.addEventListener('pointerup', end);
      handle.addEventListener('pointercancel', end);
    });
  }
}
