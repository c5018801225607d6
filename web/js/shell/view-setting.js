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
  // browser's, to cut and paste; a finger held on a listing line shows the line's note).
  offer(event) {
    const target = event.target;
    if (!target.closest?.('.window') || target.closest('input, textarea')) return;
    if (this.pointer === 'touch' && target.closest('.line')) return;
    event.preventDefault();
    this.menu?.remove();
    const menu = document.createElement('div');
    menu.className = 'context-menu';
    menu.setAttribute('role', 'menu');
    const item = document.createElement('button');
    item.type = 'button';
    item.setAttribute('role', 'menuitemcheckbox');
    item.setAttribute('aria-checked', String(this.on));
    item.title = this.words.hint;
    const caption = document.createElement('span');
    caption.textContent = this.words.caption;
    const key = document.createElement('kbd');
    key.textContent = this.words.key;
    item.append(caption, key);
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
    item.focus();
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
