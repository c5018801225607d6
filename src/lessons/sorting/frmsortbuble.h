#pragma once

#include "sort_lesson.h"

#include <array>

struct BubbleVariables {
    std::array<int, 9> data{};
    int i = 0;
    int j = 0;
};

// The bubble sort: the inner loop runs j down from the last index to i + 1 and exchanges
// neighbours out of order, so that the smallest remaining value rises to position i.
class frmSortBuble final : public SortLesson<BubbleVariables>
{
public:
    frmSortBuble();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
    bool outOfOrder() const; // Data[j-1]>Data[j]
};
