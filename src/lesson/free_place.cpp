#include "free_place.h"

#include <QList>
#include <QWidget>

#include <algorithm>

namespace free_place
{

namespace
{

constexpr int gap = 6;

} // namespace

QRect corner(const QWidget* window, QSize size)
{
    const QRect area = window->rect();
    return QRect(QPoint(area.right() - gap - size.width(), area.bottom() - gap - size.height()),
                 size);
}

std::optional<QRect> beside(const QWidget* window, const QWidget* anchor, QSize size,
                            const QWidget* placing)
{
    const QRect button = anchor->geometry();
    QList<QRect> taken;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != placing && !child->isWindow())
            taken << child->geometry();
    }
    int rowEnd = button.right();
    for (const QRect& r : taken) {
        if (r.top() == button.top() && r.height() == button.height())
            rowEnd = std::max(rowEnd, r.right());
    }
    const QRect area = window->rect();
    const auto free = [&](const QRect& place) {
        return area.contains(place) &&
               std::none_of(taken.begin(), taken.end(),
                            [&](const QRect& r) { return r.intersects(place); });
    };
    const QList<QRect> candidates = {
        QRect(QPoint(button.left() - gap - size.width(), button.top()), size),
        QRect(QPoint(rowEnd + gap, button.top()), size),
        QRect(QPoint(area.right() - gap - size.width(), area.bottom() - gap - size.height()), size),
    };
    for (const QRect& place : candidates) {
        if (free(place))
            return place;
    }
    for (int top = area.bottom() - gap - size.height(); top >= gap; top -= 4) {
        for (int left = area.right() - gap - size.width(); left >= gap; left -= 4) {
            const QRect place(QPoint(left, top), size);
            if (free(place))
                return place;
        }
    }
    return std::nullopt;
}

} // namespace free_place
