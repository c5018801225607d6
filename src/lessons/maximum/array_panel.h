#pragma once

#include "lesson/description.h"

#include <string>

// The variables panel shared by the array total and array maximum lessons: the five
// boxes of a[0..4] in a column headed "a( a.Length=5)", and three scalar boxes
// Text1(5), Text1(7), Text1(6) beside them, top to bottom.
struct ScalarCaption {
    std::string caption;
    int labelIndex;
};
void addFiveElementPanel(LessonDescription& d, const ScalarCaption& box5, const ScalarCaption& box7,
                         const ScalarCaption& box6);
