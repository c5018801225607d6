#pragma once

#include "array_layout.h"

#include <string>
#include <vector>

// A window of the stack and queue lessons: a listing of two routines, the ten string
// slots under `heading` with the pointer rows below them in Frame3, and to the right the
// routine choice Frame6 "関数" (Option1, Option2) above Frame4 (the values of the routine
// of Option2) and Frame5 (those of the routine of Option1), each frame captioned with its
// routine's name.
struct SlotWindow {
    std::string form;
    std::string caption;
    std::vector<std::string> listing; // 24 lines
    std::vector<std::string> notes;
    std::vector<std::string> conditions;
    std::string heading;
    std::vector<BoxRow> pointers; // in Frame3
    std::string option1;          // "Push", "EnQue"
    std::string option2;          // "Pop", "DeQue"
    std::vector<BoxRow> frame4;
    std::vector<BoxRow> frame5;
};
LessonDescription slotWindow(const SlotWindow& w);
