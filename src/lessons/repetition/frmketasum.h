#pragma once

#include "counter_panel.h"

struct DigitCountVariables {
    int n = 0;     // N
    int i = 0;     // the digit counter
    int nn = 0;    // NN, the working copy of N
    int value = 0; // the function value
};

// Counts the decimal digits of N by dividing a copy of it by 10 until it is below 10.
class frmKetaSum final : public CounterLesson<DigitCountVariables>
{
public:
    frmKetaSum();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
};
