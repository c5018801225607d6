#pragma once

#include "lesson/description.h"
#include "lesson/lesson_model.h"

#include <string>

// The variables panel of the sum and digit count lessons: N, i, the running value (sum or
// NN) and the function value in one column, top to bottom, in the boxes Text1(0),
// Text1(2), Text1(3) and Text1(1), each with its caption to its left.
void addCounterPanel(LessonDescription& d, const std::string& running, const std::string& nText);

// A lesson shown in the counter panel: binds N, the function value, i and `running`.
// V has the members n, value and i.
template <class V> class CounterLesson : public Lesson<V>
{
protected:
    CounterLesson(const LessonDescription& d, int V::*running, std::string runningName)
        : Lesson<V>(d)
    {
        this->bind(0, this->v.n, "N");
        this->bind(1, this->v.value, "関数値");
        this->bind(2, this->v.i, "i");
        this->bind(3, this->v.*running, std::move(runningName));
    }
};

// The variables of the two sum lessons (for and while).
struct SumVariables {
    int n = 0; // N
    int i = 0;
    int sum = 0;
    int value = 0; // the function value
};
