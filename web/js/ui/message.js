// The message box of the lessons: the engine's caption ("Project1"), the text as given (a
// leading line break makes an empty first line), one OK button, modal over the window that
// shows it. Enter, Space and Esc press OK, as does the close box.

import { button } from './button.js';

export function showMessage(desktop, owner, text, caption) {
  return new Promise((resolve) => {
    const win = desktop.open({
      title: caption,
      owner,
      role: 'alertdialog',
      className: 'message',
      onClose: () => resolve(),
    });
    const body = document.createElement('p');
    body.className = 'text';
    body.id = `${win.heading.id}-text`;
    body.textContent = text.replace(/\r\n/g, '\n');
    win.element.setAttribute('aria-describedby', body.id);
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const ok = button('OK', () => win.close());
    ok.dataset.autofocus = '';
    buttons.append(ok);
    win.client.append(body, buttons);
    win.element.addEventListener('keydown', (event) => {
      if (event.key === 'Escape' || event.key === 'Enter') {
        event.preventDefault();
        event.stopPropagation();
        win.close();
      } else if (event.key === 'Tab') {
        event.preventDefault(); // the one button keeps the focus
        ok.focus();
      }
    });
    win.place(desktop.nextPlace(win));
    ok.focus();
  });
}
