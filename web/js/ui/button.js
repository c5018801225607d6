// A push button of the page: its caption, what a click does, and the name of the control it
// stands for (data-control), if any.
export function button(caption, onClick, { className = 'command', control } = {}) {
  const e = document.createElement('button');
  e.type = 'button';
  if (className) e.className = className;
  e.textContent = caption;
  if (control) e.dataset.control = control;
  if (onClick) e.addEventListener('click', onClick);
  return e;
}
