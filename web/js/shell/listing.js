// The code listing window: one scrollable text box showing a listing from the catalog, modal
// over the menu that opened it. The window can be resized; the box keeps a margin at the right
// and bottom, and keeps its size when the window is made very small.

import { applyFont, twips } from '../lesson/geometry.js';

export function showListing(app, listing, opener) {
  const frame = app.catalog.listingWindow;
  const win = app.desktop.open({
    title: frame.caption,
    width: twips(frame.width),
    height: twips(frame.height),
    owner: opener,
    role: 'dialog',
    className: 'listing',
    resizable: true,
  });
  win.element.dataset.form = 'frmText';
  const text = document.createElement('textarea');
  text.className = 'box';
  text.dataset.control = 'Text1';
  text.wrap = 'off';
  text.spellcheck = false;
  text.style.left = '0px';
  text.style.top = '0px';
  applyFont(text, listing.font);
  text.value = listing.text.replace(/\r\n/g, '\n');
  text.setAttribute('aria-label', listing.caption);
  text.dataset.autofocus = '';
  win.client.append(text);
  win.title = listing.caption;

  // Below the smallest size, either way, the box keeps its size.
  const fit = () => {
    const width = win.client.clientWidth;
    const height = win.client.clientHeight;
    if (width > twips(frame.smallest) && height > twips(frame.smallest)) {
      text.style.width = `${width - twips(frame.margin)}px`;
      text.style.height = `${height - twips(frame.margin)}px`;
    }
  };
  fit();
  new ResizeObserver(fit).observe(win.client);
  win.element.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') {
      event.preventDefault();
      win.close();
    }
  });
  win.place(app.desktop.nextPlace(win));
  text.focus();
  text.setSelectionRange(0, 0);
  text.scrollTop = 0;
  return win;
}
