#pragma once

#include "lesson/lesson_model.h"

struct ThreeValueVariables {
    int a = 0;
    int b = 0;
    int c = 0;
    int max = 0;
    int value = 0; // the function value
};

// The maximum of three values with two if statements. Each step reads the boxes strictly:
// an empty box or text that is not a number refuses the step.
class frm3ValueMax final : public Lesson<ThreeValueVariables>
{
public:
    frm3ValueMax();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
};
