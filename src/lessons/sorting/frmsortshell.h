#pragma once

#include "shell_passes.h"
#include "sort_lesson.h"

// The Shell sort with halving increments: h starts at half the length and is halved down
// to 0; for each h an insertion sort runs over the elements h apart.
class frmSortShell final : public SortLesson<ShellVariables>
{
public:
    frmSortShell();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
