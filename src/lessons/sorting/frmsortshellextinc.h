#pragma once

#include "lesson/lesson_model.h"

struct IncrementVariables {
    int n = 0;
    int h = 0;
    int value = 0; // the function value
};

// The first increment of the improved Shell sort: h runs through 1, 4, 13, 40, ... while it
// is less than N/9, and the first term that is not is the function value.
class frmSortShellExtInc final : public Lesson<IncrementVariables>
{
public:
    frmSortShellExtInc();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    bool below() const; // h < N/9
};
