#pragma once

#include "lesson/lesson_model.h"

struct CounterVariables {
    int p = 0;
    int value = 0; // the function value of CountP
};

// The cyclic counter lesson: CountP advances P through the ten cells lblP(0) to lblP(9)
// and wraps from 9 back to 0; each step reads the boxes strictly.
class frmQue2CountP final : public Lesson<CounterVariables>
{
public:
    frmQue2CountP();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
