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
};

// What a picture area shows since it was last cleared: the primitives in order, and the
// Tower of Hanoi board they depict (disk numbers on pegs 1 to 3, bottom up).
struct Picture {
    std::vector<DrawOp> ops;
    std::array<std::vector<int>, 3> pegs;
    unsigned revision = 0; // counts the drawings, so a window redraws only what is new
};
