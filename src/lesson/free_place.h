#pragma once

#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// Where a button that the program adds to a lesson window can go without covering or
// moving anything the lesson places.
namespace free_place
{

// A free rectangle of `size` for a button that belongs beside `anchor` (a button of the
// window): left of it, right of the last control of the same height on its row, in the
// window's bottom right corner, or else the first free place found scanning the window
// from the bottom right; nothing when the window has no free place that large. The
// window's direct children count as taken, except `placing`.
std::optional<QRect> beside(const QWidget* window, const QWidget* anchor, QSize size,
                            const QWidget* placing);
// The window's bottom right corner, for a button that found no free place.
QRect corner(const QWidget* window, QSize size);

} // namespace free_place
