#include "free_place.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace free_place
{

namespace
{

Rect plain(const QRect& r)
{
    return Rect{r.left(), r.top(), r.width(), r.height()};
}

} // namespace

added_buttons::Places places(const QWidget* window, const QWidget* step,
                             std::initializer_list<const QWidget*> placing)
{
    std::vector<Rect> taken;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && std::find(placing.begin(), placing.end(), child) == placing.end())
            taken.push_back(plain(child->geometry()));
    }
    return added_buttons::place(plain(window->rect()), taken, plain(step->geometry()));
}

} // namespace free_place
