#pragma once

#include "counter_panel.h"

// The sum of the integers 1 to N with a while loop and an explicit counter.
class frmWhileSum final : public CounterLesson<SumVariables>
{
public:
    frmWhileSum();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
};
