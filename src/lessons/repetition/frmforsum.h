#pragma once

#include "counter_panel.h"

// The sum of the integers 1 to N with a counted for loop.
class frmForSum final : public CounterLesson<SumVariables>
{
public:
    frmForSum();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
};
