// The desktop of in-page windows: each window has a title bar with a close box, can be
// dragged by its title and comes to the front when used. A window may be modal over one
// owner window (a message box over its lesson, the listing window over its menu): the
// owner then takes no input until the modal one is closed, and the rest of the desktop
// stays usable. Tab goes through the windows front to back; a window that closes gives the
// focus to the one in front after it. It leaves what a window shows to the code that opens it.

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
    this.round = null; // the windows front to back as Tab began going through them
    root.addEventListener('keydown', (event) => this.tab(event));
    root.addEventListener('pointerdown', () => (this.round = null), true);
  }

  // The windows front to back.
  stack() {
    return [...this.windows].filter((w) => !w.closed).sort((a, b) => Number(b.element.style.zIndex) - Number(a.element.style.zIndex));
  }

  windowOf(element) {
    return this.stack().find((w) => w.element.contains(element)) ?? null;
  }

  // Tab on a window's last control goes on to the next window behind it (Shift+Tab on its
  // first, to the one in front), round the windows in the order they stood when Tab began
  // going through them: a window that takes the focus comes to the front, which must not send
  // the next Tab back.
  tab(event) {
    if (event.key !== 'Tab' || event.defaultPrevented || event.ctrlKey || event.altKey || event.metaKey) return;
    const win = this.windowOf(event.target);
    if (!win) return;
    const stops = win.tabStops();
    const back = event.shiftKey;
    const edge = back ? stops[0] : stops[stops.length - 1];
    if (stops.length && event.target !== edge && event.target !== win.element) return;
    if (!this.round || !this.round.includes(win)) this.round = this.stack();
    const round = this.round.filter((w) => !w.closed && !w.modal);
    const at = round.indexOf(win);
    if (at < 0) return;
    const next = round[(at + (back ? round.length - 1 : 1)) % round.length];
    const nextStops = next.tabStops();
    event.preventDefault();
    ((back ? nextStops[nextStops.length - 1] : nextStops[0]) ?? next.element).focus();
  }

  // After a window closed with the focus in it: the window in front takes it back, where it
  // last was.
  focusFront() {
    const front = this.stack().find((w) => !w.modal);
    if (!front) return;
    this.bringToFront(front);
    front.focusBack();
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
    element.addEventListener('focusin', (event) => {
      this.lastFocus = event.target;
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

  // The focus back where it last was in this window, or on its first control.
  focusBack() {
    const last = this.lastFocus;
    if (last?.isConnected && this.element.contains(last) && !last.closest('[inert]') && !last.disabled) last.focus();
    else this.focusFirst();
  }

  // What Tab stops at in this window, in order: of a group of option buttons only the chosen
  // one, as the browser does.
  tabStops() {
    return [...this.element.querySelectorAll('button, input, textarea, select, [tabindex]')].filter(
      (e) =>
        e.tabIndex >= 0 &&
        !e.disabled &&
        !e.closest('[inert]') &&
        e.getClientRects().length > 0 &&
        !(e.type === 'radio' && !e.checked && e.name && this.element.querySelector(`input[type=radio][name="${e.name}"]:checked`)),
    );
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
    const hadFocus = this.element.contains(document.activeElement);
    this.element.remove();
    this.desktop.windows.delete(this);
    if (this.desktop.active === this) this.desktop.active = null;
    if (this.owner) this.owner.unblock();
    this.onClose?.();
    // The focus goes back to a window, not to the page.
    const now = document.activeElement;
    if ((hadFocus || !now || now === document.body) && !this.desktop.root.contains(now)) this.desktop.focusFront();
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
