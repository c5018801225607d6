#pragma once

#include "support/lesson_driver.h"

#include <algorithm>
#include <initializer_list>

// Helpers for the tests of the array lessons.

// The marked boxes as LessonDriver::marked() lists them: (box, colour).
using MarkList = std::vector<std::pair<int, Colour>>;

// Steps through the rest of the current call, up to and past its closing brace (one of
// `closingLines`).
inline void finishCall(LessonDriver& lesson, std::initializer_list<int> closingLines)
{
    for (int k = 0; k < 40; ++k) {
        const int line = lesson.line();
        lesson.step();
        if (std::find(closingLines.begin(), closingLines.end(), line) != closingLines.end())
            return;
    }
    ADD_FAILURE() << "the routine did not reach its closing brace";
}
