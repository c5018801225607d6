#pragma once

// The program's own accessibility interfaces, put before Qt's:
// - one-line text boxes (the value boxes, タイマ間隔): a text interface that answers every
//   question about characters, words, sentences and lines at every offset, including the
//   end of the text and an empty text (Qt 6.4's own loops for ever on some of them);
// - the labels of a lesson window (LineLabel): named by their caption, or by what they are
//   while empty; a listing line also has an action that shows its note;
// - the announcer: a notification that a screen reader speaks when it appears.
class QMessageBox;

namespace accessibility
{

// Installs them, once. Call it before the first window is built.
void install();

// A message box is read when it becomes the active window, but a screen reader busy with
// the window it covers can miss that; the focus on its OK button is never missed. So the
// text is told with the button (as its description) and taken out of what the window
// reads (as the button's label), and is heard once either way.
void labelMessageBox(QMessageBox& box);

} // namespace accessibility
