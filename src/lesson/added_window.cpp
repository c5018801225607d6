#include "added_window.h"

#include "added_buttons.h"
#include "question_panel.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace added_window
{
namespace
{

// Edges as numbers: left, top, right (exclusive), bottom (exclusive).
struct Box {
    int left, top, right, bottom;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool overlaps(const Box& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

Box boxOf(const Rect& r)
{
    return Box{r.left, r.top, r.left + r.width, r.top + r.height};
}

// A client area of the wanted size at most, inside `room` (the outer frame's room), with
// its frame at `left`, `top` moved inside the room where it would stick out; nothing when the
// room cannot hold the least size.
std::optional<Rect> fit(const Request& r, const Box& room, int left, int top)
{
    const int frameWidth = r.frame.left + r.frame.right;
    const int frameHeight = r.frame.top + r.frame.bottom;
    const int width = std::min(r.wantedWidth, room.width() - frameWidth);
    const int height = std::min(r.wantedHeight, room.height() - frameHeight);
    if (width < r.leastWidth || height < r.leastHeight)
        return std::nullopt;
    left = std::clamp(left, room.left, room.right - width - frameWidth);
    top = std::clamp(top, room.top, room.bottom - height - frameHeight);
    return Rect{left + r.frame.left, top + r.frame.top, width, height};
}

// The largest rectangles of `area` that stay clear of every one of `taken` (and `gap` away
// from it), as candidates: every choice of edges from the area's and the taken ones'.
std::vector<Box> freeBoxes(const Box& area, const std::vector<Box>& taken)
{
    std::vector<int> lefts{area.left}, rights{area.right}, tops{area.top}, bottoms{area.bottom};
    for (const Box& t : taken) {
        lefts.push_back(t.right + gap);
        rights.push_back(t.left - gap);
        tops.push_back(t.bottom + gap);
        bottoms.push_back(t.top - gap);
    }
    std::vector<Box> boxes;
    for (const int l : lefts) {
        for (const int r : rights) {
            for (const int t : tops) {
                for (const int b : bottoms) {
                    const Box box{std::max(l, area.left), std::max(t, area.top),
                                  std::min(r, area.right), std::min(b, area.bottom)};
                    if (box.width() <= 0 || box.height() <= 0)
                        continue;
                    const Box grown{box.left - gap + 1, box.top - gap + 1, box.right + gap - 1,
                                    box.bottom + gap - 1};
                    if (std::none_of(taken.begin(), taken.end(),
                                     [&](const Box& t) { return grown.overlaps(t); }))
                        boxes.push_back(box);
                }
            }
        }
    }
    return boxes;
}

long long size(const Rect& r)
{
    return static_cast<long long>(r.width) * r.height;
}

// As fit(), in the part of `room` clear of the windows to avoid that lets the window stand
// nearest to where it would.
std::optional<Rect> fitAvoiding(const Request& r, const Box& room, int left, int top,
                                const std::vector<Box>& avoid)
{
    if (avoid.empty())
        return fit(r, room, left, top);
    std::optional<Rect> best;
    long long nearest = 0;
    for (const Box& part : freeBoxes(room, avoid)) {
        const std::optional<Rect> placed = fit(r, part, left, top);
        if (!placed)
            continue;
        const long long distance = std::abs(placed->left - r.frame.left - left) +
                                   std::abs(placed->top - r.frame.top - top);
        if (!best || distance < nearest) {
            best = placed;
            nearest = distance;
        }
    }
    return best;
}

} // namespace

Rect place(const Request& r)
{
    const Box area = boxOf(r.area);
    const Box lesson{r.lesson.left - r.frame.left, r.lesson.top - r.frame.top,
                     r.lesson.left + r.lesson.width + r.frame.right,
                     r.lesson.top + r.lesson.height + r.frame.bottom};
    const int outerWidth = std::min(r.wantedWidth + r.frame.left + r.frame.right, area.width());
    const int outerHeight = std::min(r.wantedHeight + r.frame.top + r.frame.bottom, area.height());
    std::vector<Box> avoid;
    for (const Rect& other : r.avoid)
        avoid.push_back(boxOf(other));
    // Beside the lesson window, on the first side with room.
    const std::optional<Rect> sides[] = {
        fitAvoiding(r, Box{lesson.right + gap, area.top, area.right, area.bottom},
                    lesson.right + gap, lesson.top, avoid),
        fitAvoiding(r, Box{area.left, lesson.bottom + gap, area.right, area.bottom}, lesson.left,
                    lesson.bottom + gap, avoid),
        fitAvoiding(r, Box{area.left, area.top, lesson.left - gap, area.bottom},
                    lesson.left - gap - outerWidth, lesson.top, avoid),
        fitAvoiding(r, Box{area.left, area.top, area.right, lesson.top - gap}, lesson.left,
                    lesson.top - gap - outerHeight, avoid),
    };
    for (const std::optional<Rect>& side : sides) {
        if (side)
            return *side;
    }
    // Over the lesson window, in the largest room that leaves what must be seen in view.
    std::vector<Box> taken = avoid;
    for (const Rect& k : r.keepClear)
        taken.push_back(
            boxOf(Rect{r.lesson.left + k.left, r.lesson.top + k.top, k.width, k.height}));
    // Where none is as large as the least size, the largest there is, if it is at least half
    // as large (a sliver of a window is of no use) and the window can be that small.
    const std::vector<Box> rooms = freeBoxes(area, taken);
    for (const bool least : {true, false}) {
        Request wanted = r;
        if (!least) {
            wanted.leastWidth = std::max(r.leastWidth / 2, r.smallestWidth);
            wanted.leastHeight = std::max(r.leastHeight / 2, r.smallestHeight);
        }
        std::optional<Rect> best;
        for (const Box& room : rooms) {
            const std::optional<Rect> placed = fit(wanted, room, room.left, room.top);
            if (placed && (!best || size(*placed) > size(*best)))
                best = placed;
        }
        if (best)
            return *best;
    }
    // No room at all: the screen's lower right corner, at the least size.
    const int width =
        std::min(r.leastWidth, std::max(0, area.width() - r.frame.left - r.frame.right));
    const int height =
        std::min(r.leastHeight, std::max(0, area.height() - r.frame.top - r.frame.bottom));
    return Rect{area.right - r.frame.right - width, area.bottom - r.frame.bottom - height, width,
                height};
}

std::vector<Rect> keepClear(const LessonDescription& description)
{
    std::vector<Rect> rects;
    for (const char* name : {"Frame1", "Label2", "Command1"}) {
        if (const Control* control = description.find(name))
            rects.push_back(added_buttons::pixels(description.inWindow(*control)));
    }
    return rects;
}

Request traceRequest(const LessonDescription& description, int columns)
{
    Request request;
    request.keepClear = keepClear(description);
    request.wantedWidth = std::clamp(columns + traceMargins, traceLeastWidth, traceWidest);
    request.wantedHeight = std::max(traceLowest, added_buttons::pixels(description.height));
    request.leastWidth = traceLeastWidth;
    request.leastHeight = traceLeastHeight;
    return request;
}

Request questionRequest(const LessonDescription& description)
{
    return panelRequest(description, question_panel::description(description));
}

Request panelRequest(const LessonDescription& description, const LessonDescription& panel)
{
    Request request;
    request.keepClear = keepClear(description);
    request.wantedWidth = added_buttons::pixels(panel.width);
    request.wantedHeight = added_buttons::pixels(panel.height);
    request.leastWidth = request.wantedWidth;
    request.leastHeight = request.wantedHeight;
    return request;
}

} // namespace added_window
