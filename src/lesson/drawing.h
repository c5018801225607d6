#pragma once

#include "colour.h"

#include <array>
#include <vector>

// One drawing primitive of a picture area, in the picture's user coordinates.
struct DrawOp {
    enum class Kind {
        Scale,   // set the coordinate system: corner (x1, y1) upper left, (x2, y2) lower right
        Fill,    // filled rectangle between (x1, y1) and (x2, y2)
        Outline, // outlined rectangle
    };
    Kind kind = Kind::Fill;
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    Colour colour = colours::black;

    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

// A picture area's user coordinate system: the upper left corner and the extent (negative
// where an axis runs the other way), as single-precision numbers.
struct PictureScale {
    float left = 0;
    float top = 0;
    float width = 1;
    float height = 1;

    // The system whose upper left corner is (x1, y1) and lower right corner (x2, y2).
    static PictureScale fromCorners(float x1, float y1, float x2, float y2)
    {
        return PictureScale{x1, y1, x2 - x1, y2 - y1};
    }
};

// What a picture area shows since it was last cleared: the primitives in order, and the
// Tower of Hanoi board they depict (disk numbers on pegs 1 to 3, bottom up).
struct Picture {
    std::vector<DrawOp> ops;
    std::array<std::vector<int>, 3> pegs;
    unsigned revision = 0; // counts the drawings, so a window redraws only what is new
};
