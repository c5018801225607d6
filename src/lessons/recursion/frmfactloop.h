#pragma once

#include "lesson/lesson_model.h"

struct FactLoopVariables {
    int n = 0;
    int value = 0; // the function value, 32 bits
    int i = 0;
    int r = 0; // the running product, 32 bits
};

// The factorial by a for loop, the counterpart of the recursive lesson: r is multiplied
// by i = 1, 2, ..., n.
class frmFactLoop final : public Lesson<FactLoopVariables>
{
public:
    frmFactLoop();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
};
