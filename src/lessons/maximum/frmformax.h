#pragma once

#include "array_max.h"

// The maximum of an array with a for loop: max starts with a[0] and takes every later
// element that is larger.
class frmForMax final : public FiveElementLesson<ArrayMaxVariables>
{
public:
    frmForMax();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
