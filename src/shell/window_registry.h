#pragma once

#include <QString>

#include <functional>

class QWidget;

// One instance per window class, by form name ("frmMain", "frmBasicAlgo", "frmTotal"):
// the instance is created on first use and shown without blocking; an open one is shown
// again with its state; a closed one is destroyed, so its next showing loads it afresh.
namespace window_registry
{

// Whether `form` names a window the program can open (a menu, the opening screen, or a
// lesson that is built).
bool canOpen(const QString& form);

// Shows the window of `form` and returns it (nullptr for a form the program cannot open).
QWidget* show(const QString& form);

// Makes `window` the instance of `form` (a lesson window made from an assignment), in place
// of the one open, which closes; shows it.
void adopt(const QString& form, QWidget* window);

// The open window of `form`, or nullptr.
QWidget* find(const QString& form);

// Ends the program at once, with every window (what closing frmMain does).
void quitProgram();
// Tests put their own ending in place of the real one; an empty function restores it.
void setQuitHandler(std::function<void()> handler);

} // namespace window_registry
