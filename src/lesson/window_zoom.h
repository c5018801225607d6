#pragma once

#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// Scales one window and everything in it by a factor, as one: the places and sizes of the
// controls its code placed, every font, the line widths of drawn frames and the window's own
// size. What each widget had at 100 % is kept with the widget, so any factor is taken from
// there and 1 gives back exactly what the window had before it was ever zoomed. Controls set
// in layouts follow their fonts; controls placed by their parent widget (a scroll bar, a
// viewport) are left to it.
namespace window_zoom
{

// The factor the window of `widget` is shown at (1 for a window never zoomed). Widgets that
// draw or measure in pixels of their own multiply those by it.
double factor(const QWidget* widget);

// Shows `window` at `factor` of its size at 100 %. Its top left corner stays where it is;
// the caller keeps it on its screen.
void apply(QWidget* window, double factor);

// How the program decides the factor a window is shown at (its zoom, held to the window's
// screen): the shell sets it; until then every window is shown as it was built.
using Rule = std::function<double(const QWidget* window)>;
void setRule(Rule rule);
// Zooms `window` now as the program will show it: for a window that is placed before it is
// shown, so that it is placed at the size it will have.
void prepare(QWidget* window);

// A window the program adds beside a lesson window (the trace table) is shown at the
// lesson's factor: the two are one view, held to the screen alike.
void follow(QWidget* window, const QWidget* lesson);
// The lesson window `window` follows, if any.
const QWidget* leader(const QWidget* window);

// The size `window` has at 100 % (its frame not included).
QSize baseSize(const QWidget* window);

// A rectangle at `factor`: its edges scaled and rounded, so that controls that touch at
// 100 % still touch.
QRect scaled(const QRect& rect, double factor);

} // namespace window_zoom
