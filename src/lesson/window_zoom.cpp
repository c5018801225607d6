#include "window_zoom.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLayout>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace window_zoom
{
namespace
{

// What a widget had at 100 %, kept as dynamic properties of the widget itself: they go
// with it, and a widget made after the window was zoomed has none until it is first scaled.
constexpr const char* geometryKey = "trevisk_zoom_geometry";
constexpr const char* fontKey = "trevisk_zoom_font";
constexpr const char* inheritsFontKey = "trevisk_zoom_inherits_font";
constexpr const char* lineKey = "trevisk_zoom_line";
constexpr const char* sizeKey = "trevisk_zoom_size";
constexpr const char* watchedKey = "trevisk_zoom_watched";

// The windows shown at a factor other than 1: the style asks for the factor of every
// widget it draws, and with no window zoomed the answer must cost nothing.
QHash<const QWidget*, double>& zoomed()
{
    static QHash<const QWidget*, double> windows;
    return windows;
}

void setFactor(QWidget* window, double zoom)
{
    if (zoom == 1) {
        zoomed().remove(window);
        return;
    }
    if (!zoomed().contains(window) && !window->property(watchedKey).toBool()) {
        window->setProperty(watchedKey, true);
        QObject::connect(window, &QObject::destroyed, [window] { zoomed().remove(window); });
    }
    zoomed().insert(window, zoom);
}

// How the program decides a window's factor (the shell's), and which lesson window each
// window shown beside one follows.
Rule& rule()
{
    static Rule r;
    return r;
}

QHash<const QWidget*, QPointer<const QWidget>>& leaders()
{
    static QHash<const QWidget*, QPointer<const QWidget>> followed;
    return followed;
}

// The value kept under `key`, or `now` kept there as the value at 100 %.
template <class T> T kept(QWidget* widget, const char* key, const T& now)
{
    const QVariant value = widget->property(key);
    if (value.isValid())
        return value.value<T>();
    widget->setProperty(key, QVariant::fromValue(now));
    return now;
}

int scaledLength(int length, double factor)
{
    return static_cast<int>(std::lround(length * factor));
}

QFont scaledFont(QFont font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, scaledLength(font.pixelSize(), factor)));
    return font;
}

// Whether `parent` places its children itself, from its code (the window, its frames),
// rather than through a layout or as parts of a control of its own (a scroll area's bars).
bool placesByHand(const QWidget* parent)
{
    if (parent->layout())
        return false;
    if (parent->isWindow() || qobject_cast<const QGroupBox*>(parent))
        return true;
    const QMetaObject* kind = parent->metaObject();
    return kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject;
}

// A frame the widget draws itself with its line widths (a picture's border, a cell's box);
// the style's own frames are scaled with the style.
bool drawsOwnFrame(const QFrame* frame)
{
    switch (frame->frameShape()) {
    case QFrame::Box:
    case QFrame::Panel:
    case QFrame::WinPanel:
    case QFrame::HLine:
    case QFrame::VLine: return true;
    case QFrame::NoFrame:
    case QFrame::StyledPanel: return false;
    }
    return false;
}

void scaleFont(QWidget* widget, double factor)
{
    if (!widget->property(fontKey).isValid() &&
        (!widget->testAttribute(Qt::WA_SetFont) ||
         !(widget->font().resolveMask() & QFont::SizeResolved)))
        return; // it takes its parent's size, scaled there
    widget->setFont(scaledFont(kept(widget, fontKey, widget->font()), factor));
}

void scaleFrame(QWidget* widget, double factor)
{
    auto* frame = qobject_cast<QFrame*>(widget);
    if (!frame || !drawsOwnFrame(frame))
        return;
    const QPoint base = kept(widget, lineKey, QPoint(frame->lineWidth(), frame->midLineWidth()));
    frame->setLineWidth(scaledLength(base.x(), factor));
    frame->setMidLineWidth(scaledLength(base.y(), factor));
}

void scaleChildren(QWidget* parent, double factor)
{
    const bool byHand = placesByHand(parent);
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow())
            continue; // a window of its own is scaled when it is shown
        scaleFont(child, factor);
        scaleFrame(child, factor);
        if (byHand)
            child->setGeometry(scaled(kept(child, geometryKey, child->geometry()), factor));
        scaleChildren(child, factor);
    }
}

void scaleWindowFont(QWidget* window, double factor)
{
    const bool inherits = kept(window, inheritsFontKey, !window->testAttribute(Qt::WA_SetFont));
    if (!inherits)
        scaleFont(window, factor);
    else if (factor == 1)
        window->setFont(QFont()); // the application's font again, as before any zoom
    else
        window->setFont(scaledFont(QApplication::font(window), factor));
}

bool fixedSize(const QWidget* window)
{
    return window->minimumSize() == window->maximumSize();
}

} // namespace

double factor(const QWidget* widget)
{
    if (zoomed().isEmpty() || !widget)
        return 1;
    return zoomed().value(widget->window(), 1.0);
}

void setRule(Rule r)
{
    rule() = std::move(r);
}

void prepare(QWidget* window)
{
    if (rule())
        apply(window, rule()(window));
}

void follow(QWidget* window, const QWidget* lesson)
{
    if (!leaders().contains(window))
        QObject::connect(window, &QObject::destroyed, [window] { leaders().remove(window); });
    leaders().insert(window, lesson);
}

const QWidget* leader(const QWidget* window)
{
    return leaders().value(window).data();
}

QSize baseSize(const QWidget* window)
{
    const QVariant kept = window->property(sizeKey);
    if (kept.isValid())
        return kept.toSize();
    const double now = factor(window);
    return QSize(scaledLength(window->width(), 1 / now), scaledLength(window->height(), 1 / now));
}

void apply(QWidget* window, double zoom)
{
    const double was = factor(window);
    if (was == zoom)
        return;
    setFactor(window, zoom); // widgets that measure by it read it as they change
    scaleChildren(window, zoom);
    scaleWindowFont(window, zoom);
    if (fixedSize(window)) {
        const QSize base = kept(window, sizeKey, window->size());
        window->setFixedSize(scaledLength(base.width(), zoom), scaledLength(base.height(), zoom));
    } else {
        // The student may have resized it: its size now, taken from the factor it had.
        window->resize(scaledLength(window->width(), zoom / was),
                       scaledLength(window->height(), zoom / was));
    }
}

QRect scaled(const QRect& rect, double factor)
{
    const int left = scaledLength(rect.left(), factor);
    const int top = scaledLength(rect.top(), factor);
    return QRect(left, top, scaledLength(rect.left() + rect.width(), factor) - left,
                 scaledLength(rect.top() + rect.height(), factor) - top);
}

} // namespace window_zoom
