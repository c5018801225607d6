#pragma once

#include "sort_lesson.h"

#include <array>

struct InsertVariables {
    std::array<int, 9> data{};
    int i = 0;
    int j = 0;
    int tmp = 0;
};

// The simple insertion sort: Data[i] is taken aside into Tmp, the larger values to its
// left move one place right, and Tmp goes into the gap.
class frmSortSimpleInsert final : public SortLesson<InsertVariables>
{
public:
    frmSortSimpleInsert();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
    // j>0 && Data[j-1]>Tmp, the second test only when the first holds.
    bool shifting() const;
};
