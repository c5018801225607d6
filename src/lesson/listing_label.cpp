#include "listing_label.h"

#include <QMouseEvent>
#include <QPainter>

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

void LineLabel::setCaption(const QString& text)
{
    QLabel::setText(text);
    caption_ = text;
    update();
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
}
