#pragma once

#include "shell_sort_lesson.h"

// The improved Shell sort on twenty values: the first increment is the first of 1, 4, 13,
// ... that is not less than Data.Length/9, and each pass divides it by 3.
class frmSortShellExt final : public ShellSortLesson
{
public:
    frmSortShellExt();

private:
    int runHead(int line) override;
    std::optional<bool> testHead(int line) const override;
};
