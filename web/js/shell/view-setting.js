// The setting of the marks beyond colour in the page: each mark also carries the shape of its
// colour (the style sheet draws it, from the engine's table). Switched by F9 or from the
// context menu of any of the program's windows, remembered by the browser (localStorage),
// and on by itself while the system forces its colours or asks for more contrast. The page's
// zoom is the browser's (Ctrl and +, Ctrl and -, Ctrl and 0).

const STORED = 'trevisk.marksBeyondColour';
const forced = matchMedia('(forced-colors: active)');
const contrast = matchMedia('(prefers-contrast: more)');

export class ViewSetting {
  // `marks`: the catalog's lessonWindow.marks ({shapes, metrics, setting}).
  constructor(root, marks) {
    this.root = root;
    this.words = marks.setting;
    this.on = readStored();
    const style = document.documentElement.style;
    for (const [name, pixels] of Object.entries(marks.metrics)) style.setProperty(`--mark-${name}`, `${pixels}px`);
    const show = () => this.show();
    forced.addEventListener('change', show);
    contrast.addEventListener('change', show);
    this.show();
    // Anywhere in the page, the focus in a window or not.
    document.addEventListener('keydown', (event) => {
      if (event.key !== this.words.key || event.ctrlKey || event.altKey || event.metaKey || event.shiftKey) return;
      event.preventDefault();
      this.switch();
    });
    root.addEventListener('pointerdown', (event) => (this.pointer = event.pointerType), true);
    root.addEventListener('contextmenu', (event) => this.offer(event));
  }

  switch() {
    this.on = !this.on;
    try {
      localStorage.setItem(STORED, this.on ? '1' : '0');
    } catch {
      // A browser that keeps nothing (private mode, storage off): on for this visit only.
    }
    this.show();
  }

  show() {
    document.documentElement.classList.toggle('shapes', this.on || forced.matches || contrast.matches);
  }

  // The context menu of a window, where no control has one of its own (a text box keeps the
  // browser's, to cut and paste; a finger held on a listing line shows the line's note): the
  // commands the window put on the event (`menuItems`: caption, hint, action), then the setting.
  offer(event) {
    const target = event.target;
    if (!target.closest?.('.window') || target.closest('input, textarea')) return;
    if (this.pointer === 'touch' && target.closest('.line')) return;
    event.preventDefault();
    this.menu?.remove();
    const menu = document.createElement('div');
    menu.className = 'context-menu';
    menu.setAttribute('role', 'menu');
    const button = (caption, hint, role) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.setAttribute('role', role);
      b.title = hint;
      const text = document.createElement('span');
      text.textContent = caption;
      b.append(text);
      return b;
    };
    for (const { caption, hint, action } of event.menuItems ?? []) {
      const own = button(caption, hint, 'menuitem');
      own.addEventListener('click', () => {
        close(false);
        action();
      });
      menu.append(own);
    }
    if (menu.childElementCount) menu.append(document.createElement('hr'));
    const item = button(this.words.caption, this.words.hint, 'menuitemcheckbox');
    item.setAttribute('aria-checked', String(this.on));
    const key = document.createElement('kbd');
    key.textContent = this.words.key;
    item.append(key);
    menu.append(item);
    const close = (focusBack) => {
      if (this.menu !== menu) return; // closed already (the focus leaving it as it goes)
      this.menu = null;
      menu.remove();
      if (focusBack) target.focus?.();
    };
    item.addEventListener('click', () => {
      this.switch();
      close(true);
    });
    menu.addEventListener('keydown', (e) => {
      if (e.key === 'Escape' || e.key === 'Tab') {
        e.preventDefault();
        close(true);
      } else if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        e.preventDefault();
        const items = [...menu.querySelectorAll('button')];
        const at = items.indexOf(document.activeElement);
        items[(at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
      }
    });
    menu.addEventListener('focusout', (e) => {
      if (!menu.contains(e.relatedTarget)) close(false);
    });
    // Where the pointer is, or below the focused control when the keyboard asked.
    const at = event.clientX || event.clientY ? { x: event.clientX, y: event.clientY } : below(target);
    menu.style.left = `${at.x + window.scrollX}px`;
    menu.style.top = `${at.y + window.scrollY}px`;
    this.root.append(menu);
    this.menu = menu;
    menu.querySelector('button').focus();
  }
}

function readStored() {
  try {
    return localStorage.getItem(STORED) === '1';
  } catch {
    return false;
  }
}

function below(element) {
  const r = element.getBoundingClientRect();
  return { x: r.left, y: r.bottom };
}
