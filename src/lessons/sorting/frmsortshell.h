#pragma once

#include "shell_sort_lesson.h"

// The Shell sort with halving increments: h starts at half the length and is halved down
// to 0; for each h an insertion sort runs over the elements h apart.
class frmSortShell final : public ShellSortLesson
{
public:
    frmSortShell();

private:
    int runHead(int line) override;
};
