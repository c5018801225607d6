#pragma once

#include "call_stack.h"
#include "lesson/lesson_model.h"

using FactStack = CallStack<1>; // the n of each pending activation

struct FactVariables {
    int n = 0;
    int value = 0; // the function value, 32 bits
    FactStack stack{};
};

// The recursive factorial lesson: fact(n) calls itself down to fact(0), and the
// multiplications happen on the way back, one return step per activation.
class frmFact final : public Lesson<FactVariables>
{
public:
    frmFact();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
};
