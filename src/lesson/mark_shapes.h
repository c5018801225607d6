#pragma once

#include "colour.h"

#include <array>
#include <string_view>

// The shapes that go with the lessons' marks when they are shown without relying on colour:
// each colour a lesson marks a box, a cell or the current line with carries a shape of its
// own, so that every pair of marks a lesson shows at once differs in form, in greyscale and
// to a red-green colour-blind eye alike. The colours stay as they are; the shapes are drawn
// over them in the colour of the mark's text. Both front ends draw them from this table.
namespace mark_shapes
{

enum class Shape {
    None,
    Frame,       // a frame all round: yellow, the one box in view or the current line
    LeftBar,     // a bar down the left edge: red (i, left, p1, the next free slot)
    RightBar,    // a bar down the right edge: blue (j, right, p2, the start of a queue)
    Underline,   // a bar along the bottom: cyan (j-1, the middle of the range)
    CornerLeft,  // a triangle in the upper left corner: orange (pleft)
    CornerRight, // a triangle in the upper right corner: RGB(0,128,255) (pright)
};

// The shape of a mark in `colour`; None for the system colours and anything not a mark.
Shape of(Colour colour);

// The shape's name as the page's style sheet knows it ("frame", "left", ...; "" for None).
std::string_view name(Shape shape);

// Sizes at 100 %, in pixels: the frame's and the bars' widths, the bars' distance from the
// edge, the triangle's legs. Both front ends scale them with the window.
struct Metrics {
    int frame = 2;
    int bar = 4;
    int underline = 3;
    int gap = 1;
    int corner = 9;
};
inline constexpr Metrics metrics{};

// Every colour that carries a shape, with it.
struct Entry {
    Colour colour;
    Shape shape;
};
const std::array<Entry, 6>& table();

} // namespace mark_shapes
