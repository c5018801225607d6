#pragma once

#include "call_stack.h"
#include "lesson/lesson_model.h"

// The (A, B) pair of each pending activation; the 101 saved entries hold 50 whole pairs.
using GcdStack = CallStack<2, 50>;

struct GcdVariables {
    int a = 0;
    int b = 0;
    int value = 0; // the function value, 32 bits
    GcdStack stack{};
};

// Euclid's algorithm as a recursive function: GCD(A, B) calls GCD(B, A % B) until B is 0,
// and the value travels back unchanged through the return steps.
class frmGCD final : public Lesson<GcdVariables>
{
public:
    frmGCD();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
};
