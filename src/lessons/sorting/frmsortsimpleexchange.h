#pragma once

#include "sort_lesson.h"

#include <array>

struct SelectionVariables {
    std::array<int, 9> data{};
    int i = 0;
    int j = 0;
    int minData = 0; // minDATA
    int id = 0;      // ID
};

// The simple selection sort: the smallest value from Data[i] on is searched (its value in
// minDATA, its index in ID) and exchanged with Data[i] unless it already stands there.
class frmSortSimpleExchange final : public SortLesson<SelectionVariables>
{
public:
    frmSortSimpleExchange();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
