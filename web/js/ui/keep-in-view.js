// The box a student types into stays in view when an on-screen keyboard takes the lower part
// of a tablet's screen: when the visible area shrinks, a focused box that it no longer shows
// is scrolled into view (the desktop scrolls; the windows keep their places on it).

export function keepTypingInView(view = window.visualViewport) {
  if (!view) return;
  view.addEventListener('resize', () => {
    const box = document.activeElement;
    if (!box?.matches?.('input, textarea')) return;
    const r = box.getBoundingClientRect();
    if (r.top >= view.offsetTop && r.bottom <= view.offsetTop + view.height) return;
    box.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  });
}
