#pragma once

#include "support/lesson_driver.h"

#include <algorithm>
#include <string>
#include <vector>

// Helpers for the tests of the array lessons.

// The marked boxes as LessonDriver::marked() lists them: (box, colour).
using MarkList = std::vector<std::pair<int, Colour>>;

// Steps through the rest of the current call, up to and past its closing brace (one of
// `closingLines`).
inline void finishCall(LessonDriver& lesson, const std::vector<int>& closingLines)
{
    for (int k = 0; k < 40; ++k) {
        const int line = lesson.line();
        lesson.step();
        if (std::find(closingLines.begin(), closingLines.end(), line) != closingLines.end())
            return;
    }
    ADD_FAILURE() << "the routine did not reach its closing brace";
}

// The two routines of a stack or queue lesson: Option1 stores the value typed into
// `valueBox`, Option2 takes one out into `resultBox`; each call ends past one of the
// `closingLines`.
struct SlotRoutines {
    int valueBox;
    int resultBox;
    std::vector<int> closingLines;

    void store(LessonDriver& lesson, const std::string& value) const
    {
        lesson.option(1);
        lesson.set(valueBox, value);
        finishCall(lesson, closingLines);
    }
    std::string take(LessonDriver& lesson) const
    {
        lesson.option(2);
        finishCall(lesson, closingLines);
        return lesson.text(resultBox);
    }
};
