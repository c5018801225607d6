#include "mark_painter.h"

#include <QColor>
#include <QMargins>
#include <QPainter>
#include <QPolygon>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace mark_painter
{
namespace
{

int scaled(int pixels, double zoom)
{
    return std::max(1, static_cast<int>(std::lround(pixels * zoom)));
}

} // namespace

void paint(QPainter& painter, const QRect& area, mark_shapes::Shape shape, const QColor& ink,
           double zoom)
{
    using mark_shapes::Shape;
    const mark_shapes::Metrics& m = mark_shapes::metrics;
    const int corner = std::min(scaled(m.corner, zoom), area.height());
    const int gap = scaled(m.gap, zoom);
    switch (shape) {
    case Shape::None: return;
    case Shape::Frame: {
        const int w = scaled(m.frame, zoom);
        painter.fillRect(QRect(area.left(), area.top(), area.width(), w), ink);
        painter.fillRect(QRect(area.left(), area.bottom() + 1 - w, area.width(), w), ink);
        painter.fillRect(QRect(area.left(), area.top(), w, area.height()), ink);
        painter.fillRect(QRect(area.right() + 1 - w, area.top(), w, area.height()), ink);
        return;
    }
    // Bars stand a little inside the edge, with the mark's colour on both sides: a stripe,
    // not a border that runs into the window's background.
    case Shape::LeftBar:
        painter.fillRect(QRect(area.left() + gap, area.top() + gap, scaled(m.bar, zoom),
                               area.height() - 2 * gap),
                         ink);
        return;
    case Shape::RightBar: {
        const int w = scaled(m.bar, zoom);
        painter.fillRect(
            QRect(area.right() + 1 - gap - w, area.top() + gap, w, area.height() - 2 * gap), ink);
        return;
    }
    case Shape::Underline: {
        const int h = scaled(m.underline, zoom);
        painter.fillRect(
            QRect(area.left() + gap, area.bottom() + 1 - gap - h, area.width() - 2 * gap, h), ink);
        return;
    }
    case Shape::CornerLeft:
    case Shape::CornerRight: {
        const bool left = shape == Shape::CornerLeft;
        const int x = left ? area.left() : area.right() + 1;
        const int dx = left ? corner : -corner;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPolygon(QPolygon(
            {QPoint(x, area.top()), QPoint(x + dx, area.top()), QPoint(x, area.top() + corner)}));
        painter.restore();
        return;
    }
    }
}

QMargins room(mark_shapes::Shape shape, double zoom)
{
    using mark_shapes::Shape;
    const mark_shapes::Metrics& m = mark_shapes::metrics;
    switch (shape) {
    case Shape::None:
    case Shape::Underline: return {};
    case Shape::Frame: return QMargins(1, 0, 1, 0) * scaled(m.frame, zoom);
    case Shape::LeftBar: return QMargins(scaled(m.gap + m.bar + 1, zoom), 0, 0, 0);
    case Shape::RightBar: return QMargins(0, 0, scaled(m.gap + m.bar + 1, zoom), 0);
    case Shape::CornerLeft: return QMargins(scaled(m.corner / 2, zoom), 0, 0, 0);
    case Shape::CornerRight: return QMargins(0, 0, scaled(m.corner / 2, zoom), 0);
    }
    return {};
}

} // namespace mark_painter
