#pragma once

#include "lesson/lesson_model.h"

#include <array>

struct GuardSearchVariables {
    std::array<int, 7> a{}; // slot 5 is the sentinel; slot 6 has no box
    int data = 0;
    int value = 0; // the function value
    int i = 0;
};

// Linear search with a sentinel: data is stored in the last element first, so the while
// loop needs no bounds test; the last index means "not found".
class frmGuardSearch final : public Lesson<GuardSearchVariables>
{
public:
    frmGuardSearch();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;

    ArrayBoxes aBoxes_;
};
