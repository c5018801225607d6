#pragma once

// Step helpers of the recursion lessons' model tests.
#include "support/lesson_driver.h"

// Presses "進む" `times` times and records, after each press, the current line and the texts
// of the boxes Text1(0) to Text1(boxes - 1): "3: 48 18 0 1".
inline std::vector<std::string> trace(LessonDriver& lesson, int times, int boxes)
{
    std::vector<std::string> rows;
    for (int k = 0; k < times; ++k) {
        lesson.step();
        std::string row = std::to_string(lesson.line()) + ":";
        for (const std::string& text : lesson.texts(0, boxes))
            row += " " + text;
        rows.push_back(row);
    }
    return rows;
}

// A step refused after an edit: `steps` presses of "進む", then `text` typed into
// Text1(box), then one more press.
struct RefusedEdit {
    int steps;
    int box;
    const char* text;
    const char* message;
};

// Runs `edit` on `lesson` and checks that the last press was refused with its message and
// left the current line where it was.
inline void expectRefused(LessonDriver& lesson, const RefusedEdit& edit)
{
    SCOPED_TRACE(edit.message);
    lesson.step(edit.steps);
    const int line = lesson.line();
    lesson.set(edit.box, edit.text);
    lesson.step();
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.lastMessage(), edit.message);
    EXPECT_EQ(lesson.line(), line);
}
