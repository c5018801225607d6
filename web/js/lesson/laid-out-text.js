// A label that keeps the texts it has shown laid out, one child element each, and shows one at
// a time: showing a text again costs no new text layout, only a repaint. The note and the
// condition of a lesson go through a few dozen texts over and over.

const KEPT = 64; // texts kept before the label starts afresh

export class LaidOutText {
  constructor(element) {
    this.element = element;
    this.texts = new Map();
    this.shown = null;
    this.text = element.textContent;
    element.textContent = '';
    this.show(this.text);
  }

  show(text) {
    this.text = text;
    let child = this.texts.get(text);
    if (!child) {
      if (this.texts.size >= KEPT) {
        this.element.replaceChildren();
        this.texts.clear();
        this.shown = null;
      }
      child = document.createElement('span');
      child.className = 'text';
      child.textContent = text;
      this.element.append(child);
      this.texts.set(text, child);
    }
    if (child === this.shown) return;
    this.shown?.classList.remove('shown');
    child.classList.add('shown');
    this.shown = child;
  }
}

// Writes `text` into the text node `element` already has rather than replacing it (as
// textContent does): the text is laid out again, but no new layout object is made.
export function writeText(element, text) {
  const node = element.firstChild;
  if (node?.nodeType === Node.TEXT_NODE && !node.nextSibling) node.data = text;
  else element.textContent = text;
}
