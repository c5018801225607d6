#pragma once

#include "description.h"

#include <optional>
#include <span>
#include <string>

// The buttons the program adds to a lesson window that has "進む" (Command1): "◀" (one step
// back), "トレース表" (the trace table) and "予想" (predicting each step), each where the
// lesson has no control, so that nothing the lesson places moves. Plain rectangles in whole pixels
// (a control's twips ÷ 15, as the desktop window rounds them), the left and top edges included and
// the right and bottom ones at left + width - 1: the desktop window applies them to its widgets and
// the browser page receives them in the lesson's description.
namespace added_buttons
{

// A free rectangle of width × height in `area` for a button that belongs beside `anchor`:
// left of it, right of the last rectangle of `taken` of the same top and height, in the
// area's bottom right corner, or else the first free place found scanning the area from
// the bottom right; nothing when no place that large is free.
std::optional<Rect> beside(const Rect& area, std::span<const Rect> taken, const Rect& anchor,
                           int width, int height);
// The area's bottom right corner, for a button that found no free place.
Rect corner(const Rect& area, int width, int height);

// The trace button's captions: its name where there is room, else "表", as small as "◀".
inline constexpr std::string_view traceCaption = "トレース表";
inline constexpr std::string_view traceShortCaption = "表";
inline constexpr std::string_view stepBackCaption = "◀";
// The trace button's width with its name: five full-width characters of 12 pixels (the
// page's and the desktop's 9 point face) and the button's margins.
inline constexpr int traceWidth = 76;
// The prediction button's captions: its name where there is room, else "予", as small as "◀".
inline constexpr std::string_view predictCaption = "予想";
inline constexpr std::string_view predictShortCaption = "予";
// Two full-width characters and the margins.
inline constexpr int predictWidth = 40;
// "◀", "表" and "予": a square a little wider than the step button is high.
int smallWidth(int stepHeight);

struct Placed {
    Rect rect;
    std::string caption;
};

struct Places {
    std::optional<Placed> stepBack; // none in a window without "進む"
    std::optional<Placed> trace;
    std::optional<Placed> predict;
};

// Where the three buttons go in a window of `area` with `taken` placed in it (the controls
// placed directly in the window) and "進む" at `step`: "◀" first, then the trace button
// clear of it, then the prediction button clear of both (placing it moves neither).
Places place(const Rect& area, std::span<const Rect> taken, const Rect& step);
// The same for a lesson as its description places it.
Places place(const LessonDescription& description);

// Twips to the desktop window's whole pixels (15 twips a pixel, rounded to the nearest).
inline constexpr int twipsPerPixel = 15;
inline int pixels(int twips)
{
    return (twips + (twips >= 0 ? twipsPerPixel / 2 : -twipsPerPixel / 2)) / twipsPerPixel;
}
Rect pixels(const Rect& twips);

} // namespace added_buttons
