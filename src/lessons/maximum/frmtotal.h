#pragma once

#include "array_panel.h"

#include <array>

struct TotalVariables {
    std::array<int, 6> a{}; // slot 5 has no box
    int total = 0;
    int value = 0; // the function value
    int i = 0;
};

// The array total lesson: a for loop adds the five elements of a into total.
class frmTotal final : public FiveElementLesson<TotalVariables>
{
public:
    frmTotal();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
