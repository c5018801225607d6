#pragma once

#include "lesson/lesson_model.h"

#include <array>

struct ForSearchVariables {
    std::array<int, 6> a{}; // slot 5 has no box
    int data = 0;
    int value = 0; // the function value
    int i = 0;
    int id = 0; // ID
};

// Linear search with a for loop and break: the index of the first element equal to data,
// or -999.
class frmForSearch final : public Lesson<ForSearchVariables>
{
public:
    frmForSearch();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;

    ArrayBoxes aBoxes_;
};
