#pragma once

#include "lesson/lesson_model.h"

struct SwapVariables {
    int c = 0;
    int d = 0;
    int a = 0; // refers to c while swap runs
    int b = 0; // refers to d
    int x = 0;
};

// The exchange of two values: a caller sets C and D and passes them by reference to swap,
// whose assignments to A and B reach C and D.
class frmSwap final : public Lesson<SwapVariables>
{
public:
    frmSwap();

private:
    int run(int line, StepEffects& effects) override;
};
