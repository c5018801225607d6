#pragma once

#include "added_buttons.h"
#include "added_window.h"

#include <QRect>
#include <QWidget>

#include <initializer_list>

// The buttons the program adds to a lesson window, placed among the window's widgets as
// added_buttons places them among a lesson's controls, and the windows it adds beside a
// lesson window, placed on its screen as added_window places them.
namespace free_place
{

// The places of "◀" and the trace button in `window`, beside `step` ("進む"): its direct
// children count as taken, except the buttons being placed (`placing`).
added_buttons::Places places(const QWidget* window, const QWidget* step,
                             std::initializer_list<const QWidget*> placing);

// A rectangle of whole pixels as Qt's, and back.
inline QRect rect(const Rect& pixels)
{
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}
inline Rect plain(const QRect& r)
{
    return Rect{r.left(), r.top(), r.width(), r.height()};
}

// Places `window` beside the top-level window `lesson`, on its screen, as added_window
// places it (the lesson window's frame taken for the added window's too).
void placeBesideLesson(QWidget* window, const QWidget* lesson, added_window::Request request);

// Shows an added window in front, placed by `place` the first time it is shown.
template <class Place> void showInFront(QWidget* window, bool& placed, Place place)
{
    if (!placed) {
        place();
        placed = true;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace free_place
