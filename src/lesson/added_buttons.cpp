#include "added_buttons.h"

#include <algorithm>
#include <array>
#include <vector>

namespace added_buttons
{

namespace
{

constexpr int gap = 6;

int right(const Rect& r)
{
    return r.left + r.width - 1;
}

int bottom(const Rect& r)
{
    return r.top + r.height - 1;
}

bool intersects(const Rect& a, const Rect& b)
{
    return a.width > 0 && a.height > 0 && b.width > 0 && b.height > 0 && a.left <= right(b) &&
           b.left <= right(a) && a.top <= bottom(b) && b.top <= bottom(a);
}

bool contains(const Rect& area, const Rect& r)
{
    return r.left >= area.left && r.top >= area.top && right(r) <= right(area) &&
           bottom(r) <= bottom(area);
}

} // namespace

Rect corner(const Rect& area, int width, int height)
{
    return Rect{right(area) - gap - width, bottom(area) - gap - height, width, height};
}

std::optional<Rect> beside(const Rect& area, std::span<const Rect> taken, const Rect& anchor,
                           int width, int height)
{
    int rowEnd = right(anchor);
    for (const Rect& r : taken) {
        if (r.top == anchor.top && r.height == anchor.height)
            rowEnd = std::max(rowEnd, right(r));
    }
    const auto free = [&](const Rect& place) {
        return contains(area, place) &&
               std::none_of(taken.begin(), taken.end(),
                            [&](const Rect& r) { return intersects(r, place); });
    };
    const std::array<Rect, 3> candidates = {
        Rect{anchor.left - gap - width, anchor.top, width, height},
        Rect{rowEnd + gap, anchor.top, width, height},
        corner(area, width, height),
    };
    for (const Rect& place : candidates) {
        if (free(place))
            return place;
    }
    for (int top = bottom(area) - gap - height; top >= gap; top -= 4) {
        for (int left = right(area) - gap - width; left >= gap; left -= 4) {
            const Rect place{left, top, width, height};
            if (free(place))
                return place;
        }
    }
    return std::nullopt;
}

int smallWidth(int stepHeight)
{
    return std::max(28, stepHeight + 6);
}

Places place(const Rect& area, std::span<const Rect> taken, const Rect& step)
{
    Places places;
    const int small = smallWidth(step.height);
    const Rect back =
        beside(area, taken, step, small, step.height).value_or(corner(area, small, step.height));
    places.stepBack = Placed{back, std::string(stepBackCaption)};

    std::vector<Rect> placed(taken.begin(), taken.end());
    placed.push_back(back);
    // With its name where there is room, else as small as "◀".
    const auto named = [&](int width, std::string_view caption, std::string_view shortCaption) {
        if (const auto roomy = beside(area, placed, step, width, step.height))
            return Placed{*roomy, std::string(caption)};
        return Placed{beside(area, placed, step, small, step.height)
                          .value_or(corner(area, small, step.height)),
                      std::string(shortCaption)};
    };
    places.trace = named(traceWidth, traceCaption, traceShortCaption);
    placed.push_back(places.trace->rect);
    places.predict = named(predictWidth, predictCaption, predictShortCaption);
    return places;
}

Rect pixels(const Rect& twips)
{
    return Rect{pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

Places place(const LessonDescription& description)
{
    const Control* step = description.find("Command1");
    if (!step)
        return {};
    std::vector<Rect> taken;
    for (const Control& control : description.controls) {
        if (control.container.empty() && control.kind != ControlKind::Timer)
            taken.push_back(pixels(control.rect));
    }
    const Rect area{0, 0, pixels(description.width), pixels(description.height)};
    return place(area, taken, pixels(step->rect));
}

} // namespace added_buttons
