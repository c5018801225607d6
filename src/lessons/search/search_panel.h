#pragma once

#include "lesson/description.h"

#include <string>

// The variables panels of the search lessons: an array column under its heading, and
// scalar boxes, every caption on its box's row (its top is the box's top).

// The heading (a Label4 element) at (600, 360) and the array boxes Text1(0 ...) of
// `column`, whose index captions stand on the boxes' rows.
void addSearchArray(LessonDescription& d, int headingLabel, const std::string& heading,
                    int headingWidth, ArrayColumn column);

// A scalar box with its caption (a Label4 element) at `labelLeft` on the box's row.
struct SearchScalar {
    int label;
    std::string caption;
    int labelLeft;
    int box;
    Rect rect;        // the box
    std::string text; // initial text
};
void addSearchScalar(LessonDescription& d, const SearchScalar& scalar);
