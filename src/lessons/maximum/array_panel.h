#pragma once

#include "lesson/description.h"
#include "lesson/lesson_model.h"

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

// A lesson shown in the five-element panel: binds a[0..4] to Text1(0..4), which every
// refresh sets back to the window colour, `scalar` (total or max) to Text1(5), the
// function value to Text1(6) and i to Text1(7). V has the members a, value and i.
template <class V> class FiveElementLesson : public Lesson<V>
{
protected:
    // The loop bound is the shown length 5, not the number of slots.
    static constexpr int length = 5;

    FiveElementLesson(const LessonDescription& d, int V::*scalar, std::string scalarName)
        : Lesson<V>(d)
    {
        aBoxes_ = this->bindArray(BoxRef{}, this->v.a.data(), length, "a");
        this->bind(5, this->v.*scalar, std::move(scalarName));
        this->bind(6, this->v.value, "関数値");
        this->bind(7, this->v.i, "i");
        this->resetOnRefresh(aBoxes_);
    }

    ArrayBoxes aBoxes_;
};
