#include "mark_shapes.h"

namespace mark_shapes
{

const std::array<Entry, 6>& table()
{
    // Red and blue, the two ends a routine works from, stand at the two sides; the marks
    // between them (cyan, orange, RGB(0,128,255)) at the bottom and in the corners.
    static const std::array<Entry, 6> entries{{
        {colours::yellow, Shape::Frame},
        {colours::red, Shape::LeftBar},
        {colours::blue, Shape::RightBar},
        {colours::cyan, Shape::Underline},
        {colours::orange, Shape::CornerLeft},
        {colours::skyBlue, Shape::CornerRight},
    }};
    return entries;
}

Shape of(Colour colour)
{
    for (const Entry& entry : table()) {
        if (entry.colour == colour)
            return entry.shape;
    }
    return Shape::None;
}

std::string_view name(Shape shape)
{
    switch (shape) {
    case Shape::None: return "";
    case Shape::Frame: return "frame";
    case Shape::LeftBar: return "left";
    case Shape::RightBar: return "right";
    case Shape::Underline: return "under";
    case Shape::CornerLeft: return "corner-left";
    case Shape::CornerRight: return "corner-right";
    }
    return "";
}

} // namespace mark_shapes
