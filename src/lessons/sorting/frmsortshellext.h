#pragma once

#include "shell_passes.h"
#include "sort_lesson.h"

// The improved Shell sort on twenty values: the first increment is the first of 1, 4, 13,
// ... that is not less than Data.Length/9, and each pass divides it by 3.
class frmSortShellExt final : public SortLesson<ShellVariables>
{
public:
    frmSortShellExt();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
