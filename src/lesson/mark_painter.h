#pragma once

#include "mark_shapes.h"

class QColor;
class QMargins;
class QPainter;
class QRect;

// Draws the shape of a mark (mark_shapes) over a box, a cell or a listing line, in the ink
// of the mark's text, at the window's zoom.
namespace mark_painter
{

void paint(QPainter& painter, const QRect& area, mark_shapes::Shape shape, const QColor& ink,
           double zoom);

// The room a text keeps from the shape's bars and corners, so that no digit is covered.
QMargins room(mark_shapes::Shape shape, double zoom);

} // namespace mark_painter
