#include "zoom_style.h"

#include "lesson/window_zoom.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace
{

// The style's sizes that are lengths on the screen (not counts, flags or times).
bool isLength(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_ButtonMargin:
    case QStyle::PM_ButtonDefaultIndicator:
    case QStyle::PM_DefaultFrameWidth:
    case QStyle::PM_SpinBoxFrameWidth:
    case QStyle::PM_ComboBoxFrameWidth:
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_ScrollBarSliderMin:
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_CheckBoxLabelSpacing:
    case QStyle::PM_RadioButtonLabelSpacing:
    case QStyle::PM_FocusFrameVMargin:
    case QStyle::PM_FocusFrameHMargin:
    case QStyle::PM_HeaderMargin:
    case QStyle::PM_HeaderGripMargin:
    case QStyle::PM_LayoutLeftMargin:
    case QStyle::PM_LayoutTopMargin:
    case QStyle::PM_LayoutRightMargin:
    case QStyle::PM_LayoutBottomMargin:
    case QStyle::PM_LayoutHorizontalSpacing:
    case QStyle::PM_LayoutVerticalSpacing:
    case QStyle::PM_MenuPanelWidth:
    case QStyle::PM_MenuHMargin:
    case QStyle::PM_MenuVMargin:
    case QStyle::PM_SmallIconSize:
    case QStyle::PM_ButtonIconSize:
    case QStyle::PM_MessageBoxIconSize: return true;
    default: return false;
    }
}

// The primitives drawn at 100 % sizes, scaled as a whole: the marks of check boxes and
// option buttons, frames, button faces and the focus frame.
bool drawnScaled(QStyle::PrimitiveElement element)
{
    switch (element) {
    case QStyle::PE_IndicatorCheckBox:
    case QStyle::PE_IndicatorRadioButton:
    case QStyle::PE_Frame:
    case QStyle::PE_FrameLineEdit:
    case QStyle::PE_PanelLineEdit:
    case QStyle::PE_FrameGroupBox:
    case QStyle::PE_FrameButtonBevel:
    case QStyle::PE_PanelButtonCommand:
    case QStyle::PE_PanelButtonBevel:
    case QStyle::PE_FrameDefaultButton:
    case QStyle::PE_FrameFocusRect: return true;
    default: return false;
    }
}

// While a primitive is drawn at its 100 % size under a scaled painter, what the style asks
// of itself on the way is answered at 100 % too.
int drawingScaled = 0;

int unscaled(int length, double zoom)
{
    return static_cast<int>(std::lround(length / zoom));
}

// A copy of `option`, of its own kind, at 100 %: its rectangle `rect`, a frame's widths
// taken back from the zoom; drawn with it.
template <class Option>
bool drawAs(const QStyle* base, QStyle::PrimitiveElement element, const QStyleOption* option,
            const QRect& rect, double zoom, QPainter* painter, const QWidget* widget)
{
    const auto* own = qstyleoption_cast<const Option*>(option);
    if (!own)
        return false;
    Option copy(*own);
    copy.rect = rect;
    if constexpr (std::is_same_v<Option, QStyleOptionFrame>) {
        // Widths from the style's scaled sizes go back; a line is never thinned away.
        const auto back = [zoom](int width) {
            return width > 0 ? std::max(1, unscaled(width, zoom)) : 0;
        };
        copy.lineWidth = back(copy.lineWidth);
        copy.midLineWidth = back(copy.midLineWidth);
    }
    base->drawPrimitive(element, &copy, painter, widget);
    return true;
}

} // namespace

ZoomStyle::ZoomStyle(const QString& key) : QProxyStyle(key) {}

void ZoomStyle::install()
{
    if (!qobject_cast<ZoomStyle*>(QApplication::style()))
        QApplication::setStyle(new ZoomStyle(QApplication::style()->name()));
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const
{
    const int length = QProxyStyle::pixelMetric(metric, option, widget);
    const double zoom = window_zoom::factor(widget);
    if (zoom == 1 || drawingScaled > 0 || !isLength(metric))
        return length;
    return static_cast<int>(std::lround(length * zoom));
}

void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const
{
    const double zoom = window_zoom::factor(widget);
    if (zoom == 1 || drawingScaled > 0 || !option || !drawnScaled(element)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect full = option->rect;
    const QRect small(0, 0, unscaled(full.width(), zoom), unscaled(full.height(), zoom));
    painter->save();
    painter->translate(full.topLeft());
    painter->scale(static_cast<double>(full.width()) / std::max(1, small.width()),
                   static_cast<double>(full.height()) / std::max(1, small.height()));
    // Curved marks smooth; the straight lines of frames and faces stay crisp.
    painter->setRenderHint(QPainter::Antialiasing,
                           element == PE_IndicatorRadioButton || element == PE_IndicatorCheckBox);
    const QStyle* base = baseStyle();
    ++drawingScaled;
    drawAs<QStyleOptionButton>(base, element, option, small, zoom, painter, widget) ||
        drawAs<QStyleOptionFrame>(base, element, option, small, zoom, painter, widget) ||
        drawAs<QStyleOptionFocusRect>(base, element, option, small, zoom, painter, widget) ||
        drawAs<QStyleOption>(base, element, option, small, zoom, painter, widget);
    --drawingScaled;
    painter->restore();
}
