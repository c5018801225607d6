#include "picture_box.h"

#include "qt_convert.h"
#include "window_zoom.h"

#include <QPainter>

#include <cmath>

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void PictureBox::show(const std::vector<DrawOp>& ops)
{
    placed_.clear();
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Scale)
            scale_ = PictureScale::fromCorners(op.x1, op.y1, op.x2, op.y2);
        else
            placed_.push_back(Placed{op, scale_});
    }
    update();
}

QRectF PictureBox::deviceRect(const Placed& p) const
{
    const QRectF area = contentsRect();
    const PictureScale& s = p.scale;
    const auto x = [&](float u) { return area.left() + (u - s.left) / s.width * area.width(); };
    const auto y = [&](float u) { return area.top() + (u - s.top) / s.height * area.height(); };
    return QRectF(QPointF(x(p.op.x1), y(p.op.y1)), QPointF(x(p.op.x2), y(p.op.y2))).normalized();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    // Outlines one pixel wide at 100 %, as wide as the window is zoomed, inside the disk.
    const int line = std::max(1, static_cast<int>(std::lround(window_zoom::factor(this))));
    for (const Placed& p : placed_) {
        if (p.scale.width == 0 || p.scale.height == 0)
            continue;
        const QRectF r = deviceRect(p);
        if (p.op.kind == DrawOp::Kind::Fill) {
            painter.fillRect(r, qt_convert::colour(p.op.colour));
        } else if (p.op.kind == DrawOp::Kind::Outline) {
            painter.setBrush(Qt::NoBrush);
            if (line == 1) {
                painter.setPen(QPen(qt_convert::colour(p.op.colour), 1));
                painter.drawRect(r.adjusted(0, 0, -1, -1));
            } else {
                painter.setPen(QPen(qt_convert::colour(p.op.colour), line, Qt::SolidLine,
                                    Qt::SquareCap, Qt::MiterJoin));
                const double half = line / 2.0;
                painter.drawRect(r.adjusted(half, half, -half, -half));
            }
        }
    }
}
