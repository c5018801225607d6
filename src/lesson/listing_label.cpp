#include "listing_label.h"

#include "mark_painter.h"
#include "window_zoom.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

LineLabel::LineLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(true);
}

void LineLabel::setBackground(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void LineLabel::setColours(const QColor& background, const QColor& text)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}

void LineLabel::setMark(mark_shapes::Shape shape)
{
    if (shape == mark_)
        return;
    mark_ = shape;
    update();
}

void LineLabel::setCaption(const QString& text)
{
    QLabel::setText(text);
    caption_ = text;
    update();
}

QString LineLabel::spokenName() const
{
    return caption_.trimmed().isEmpty() ? emptyName_ : caption_;
}

void LineLabel::makeActivatable(QAccessible::Role role)
{
    role_ = role;
    activatable_ = true;
}

QStaticText& LineLabel::layoutOf(const QString& text)
{
    const auto found = layouts_.find(text);
    if (found != layouts_.end())
        return *found;
    if (layouts_.size() >= 64)
        layouts_.clear();
    QString lines = text;
    lines.replace(QChar(u'\n'), QChar::LineSeparator);
    QStaticText layout(lines);
    layout.setTextFormat(Qt::PlainText);
    layout.setPerformanceHint(QStaticText::AggressiveCaching);
    layout.setTextWidth(wordWrap() ? contentsRect().width() : -1);
    layout.prepare(QTransform(), font());
    return *layouts_.insert(text, layout);
}

void LineLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LineLabel::keyPressEvent(QKeyEvent* event)
{
    if (activatable_ && event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: emit clicked(); return;
        case Qt::Key_Up: emit moveRequested(-1); return;
        case Qt::Key_Down: emit moveRequested(1); return;
        default: break;
        }
    }
    QLabel::keyPressEvent(event);
}

void LineLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    update();
}

void LineLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    update();
}

void LineLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layouts_.clear();
}

void LineLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    layouts_.clear();
}

void LineLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    const QStaticText& layout = layoutOf(caption_);
    const QSizeF size = layout.size();
    const Qt::Alignment align = alignment();
    qreal x = area.left();
    if (align & Qt::AlignHCenter)
        x += (area.width() - size.width()) / 2;
    else if (align & Qt::AlignRight)
        x += area.width() - size.width();
    qreal y = area.top();
    if (align & Qt::AlignVCenter)
        y += (area.height() - size.height()) / 2;
    else if (align & Qt::AlignBottom)
        y += area.height() - size.height();
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawStaticText(QPointF(x, y), layout);
    mark_painter::paint(painter, area, mark_, painter.pen().color(), window_zoom::factor(this));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
