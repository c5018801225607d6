#include "listing_label.h"

#include "mark_painter.h"
#include "window_zoom.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionFocusRect>

LineLabel::LineLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(true);
}

LineLabel::~LineLabel()
{
    forgetLayouts();
}

void LineLabel::forgetLayouts()
{
    for (const Laid& laid : std::as_const(layouts_)) {
        for (const Picture& picture : laid.pictures)
            QPixmapCache::remove(picture.key);
    }
    layouts_.clear();
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

LineLabel::Laid& LineLabel::layoutOf(const QString& text)
{
    // Word wrap switched on or off lays every caption out again.
    const qreal width = wordWrap() ? contentsRect().width() : -1;
    const auto found = layouts_.find(text);
    if (found != layouts_.end() && found->width == width)
        return *found;
    if (layouts_.size() >= 64 || found != layouts_.end())
        forgetLayouts();
    QString lines = text;
    lines.replace(QChar(u'\n'), QChar::LineSeparator);
    QStaticText layout(lines);
    layout.setTextFormat(Qt::PlainText);
    layout.setPerformanceHint(QStaticText::AggressiveCaching);
    layout.setTextWidth(width);
    layout.prepare(QTransform(), font());
    return *layouts_.insert(text, Laid{layout, width, false, {}});
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
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        forgetLayouts();
}

void LineLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    forgetLayouts();
}

void LineLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Laid& laid = layoutOf(caption_);
    // A picture only where it covers all the label would show: an opaque plain background
    // that Qt fills first (as the picture is filled).
    const QBrush& background = palette().brush(backgroundRole());
    if (laid.shown && autoFillBackground() && background.style() == Qt::SolidPattern &&
        background.color().alpha() == 255)
        painter.drawPixmap(0, 0, picture(laid, background.color()));
    else
        paintContents(painter, laid.text);
    laid.shown = true;
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

LineLabel::Look LineLabel::look(const QColor& background) const
{
    const QColor pen =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    const int flags = int(alignment()) | (wordWrap() ? 0x10000 : 0) | (isEnabled() ? 0x20000 : 0) |
                      (hasFocus() ? 0x40000 : 0) | (isActiveWindow() ? 0x80000 : 0);
    return Look{background.rgba(), pen.rgba(), devicePixelRatio(),       flags, frameStyle(),
                contentsRect(),    mark_,      window_zoom::factor(this)};
}

QPixmap LineLabel::picture(Laid& laid, const QColor& background)
{
    const Look now = look(background);
    QPixmap kept;
    for (const Picture& p : laid.pictures) {
        if (p.look == now && QPixmapCache::find(p.key, &kept))
            return kept;
    }
    QPixmap drawn(size() * now.ratio);
    drawn.setDevicePixelRatio(now.ratio);
    drawn.fill(background);
    {
        QPainter painter(&drawn);
        paintContents(painter, laid.text);
    }
    // In the place of the one with this look (the cache dropped its picture), else of the
    // older one; the newer comes first.
    Picture& slot = laid.pictures[0].look == now ? laid.pictures[0] : laid.pictures[1];
    QPixmapCache::remove(slot.key);
    slot = Picture{now, QPixmapCache::insert(drawn)};
    if (&slot != &laid.pictures[0])
        std::swap(laid.pictures[0], laid.pictures[1]);
    return drawn;
}

void LineLabel::paintContents(QPainter& painter, const QStaticText& layout)
{
    drawFrame(&painter);
    const QRect area = contentsRect();
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
}
