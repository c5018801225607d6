#include "free_place.h"

#include "window_zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace free_place
{

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

void placeBesideLesson(QWidget* window, const QWidget* lesson, added_window::Request request)
{
    // Zoomed now as it will be shown, as its lesson is, and placed at that size: the size it
    // would like grows with it, what it keeps clear of the lesson with the lesson. The least
    // size it is placed at by choice stays: a zoomed window made smaller (and scrolled) is
    // better than one over the listing. The smallest size it can take is its own, measured.
    if (lesson)
        window_zoom::follow(window, lesson);
    window_zoom::prepare(window);
    const double own = window_zoom::factor(window);
    const auto grown = [own](int pixels) { return static_cast<int>(std::lround(pixels * own)); };
    request.wantedWidth = grown(request.wantedWidth);
    request.wantedHeight = grown(request.wantedHeight);
    for (Rect& clear : request.keepClear)
        clear = plain(window_zoom::scaled(rect(clear), window_zoom::factor(lesson)));
    const QScreen* screen = lesson ? lesson->screen() : QGuiApplication::primaryScreen();
    request.area = screen ? plain(screen->availableGeometry()) : Rect{0, 0, 1024, 768};
    if (lesson) {
        const QRect client = lesson->geometry();
        const QRect outer = lesson->frameGeometry();
        request.lesson = plain(client);
        request.frame =
            added_window::Frame{client.left() - outer.left(), client.top() - outer.top(),
                                outer.right() - client.right(), outer.bottom() - client.bottom()};
    }
    const Rect placed = added_window::place(request);
    window->resize(placed.width, placed.height);
    // move() places the frame, whose corner is the frame's width from the client area's.
    window->move(placed.left - request.frame.left, placed.top - request.frame.top);
}

} // namespace free_place
