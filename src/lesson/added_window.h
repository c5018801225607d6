#pragma once

#include "description.h"

#include <vector>

// Where a window the program adds beside a lesson window (the trace table, the question
// window) goes on the screen, the same in the desktop program and in the page: right of the
// lesson window where there is room, else below it, left of it or above it, clear of the
// other windows added beside it; on a screen too small for any of these, over the lesson
// window but never over its listing, its note or "進む", which the student needs while the
// added window is open. Rectangles in pixels, the screen's
// coordinates; a rectangle's right edge is left + width.
namespace added_window
{

// The width of a window's frame on each side: its borders, and its title bar at the top.
struct Frame {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Request {
    Rect lesson;                 // the lesson window's client area
    Frame frame;                 // the frame around a client area (the same for both windows)
    std::vector<Rect> keepClear; // parts of the lesson's client area, in its coordinates
    int wantedWidth = 0;         // the client size the added window would like
    int wantedHeight = 0;
    int leastWidth = 0; // the smallest client size it is placed at by choice
    int leastHeight = 0;
    int smallestWidth = 0; // the smallest client size the window can take at all
    int smallestHeight = 0;
    Rect area; // the part of the screen windows may take
    // The other windows added beside the lesson and open (their frames included): the added
    // window stays clear of them.
    std::vector<Rect> avoid;
};

// The added window's client area.
Rect place(const Request& request);

// Between the lesson window's frame and the added window's.
inline constexpr int gap = 8;

// What the student must still see of a lesson while a window covers part of it: the
// listing's frame, the note and "進む", in the client area's pixels.
std::vector<Rect> keepClear(const LessonDescription& description);

// The trace window: as wide as its columns and their margins need (`columns`: the columns'
// widths added up), as tall as the lesson window's client area, within bounds.
Request traceRequest(const LessonDescription& description, int columns);
inline constexpr int traceMargins = 60; // the vertical scroll bar, the borders, the padding
inline constexpr int traceLeastWidth = 480;
inline constexpr int traceLeastHeight = 240;
inline constexpr int traceWidest = 1100;
inline constexpr int traceLowest = 440;

// The question window: the size its description gives it.
Request questionRequest(const LessonDescription& description);
// Any window described in twips as a lesson window is (`panel`): the size it gives.
Request panelRequest(const LessonDescription& description, const LessonDescription& panel);

} // namespace added_window
