#include "value_box.h"

#include "mark_painter.h"
#include "window_zoom.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) {}

void ValueBox::setMark(mark_shapes::Shape shape)
{
    if (shape == mark_)
        return;
    mark_ = shape;
    keepTextClear();
    update();
}

void ValueBox::keepTextClear()
{
    setTextMargins(mark_painter::room(mark_, window_zoom::factor(this)));
}

void ValueBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    // The window was zoomed (its fonts change with it): the shape grows with the window.
    if (event->type() == QEvent::FontChange && mark_ != mark_shapes::Shape::None)
        keepTextClear();
}

void ValueBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (mark_ == mark_shapes::Shape::None)
        return;
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    QPainter painter(this);
    mark_painter::paint(painter, rect().adjusted(edge, edge, -edge, -edge), mark_,
                        palette().color(QPalette::Text), window_zoom::factor(this));
}
