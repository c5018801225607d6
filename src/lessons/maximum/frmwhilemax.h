#pragma once

#include "array_max.h"

// The maximum of an array with a while loop and an explicit counter i.
class frmWhileMax final : public FiveElementLesson<ArrayMaxVariables>
{
public:
    frmWhileMax();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
