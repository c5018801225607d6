#pragma once

#include "lesson/lesson_model.h"

#include <array>

struct BinarySearchVariables {
    std::array<int, 11> a{}; // slot 10 has no box
    int data = 0;
    int value = 0; // the function value
    int p = 0;
    int p1 = 0;
    int p2 = 0;
};

// Binary search in an ascending array: p1 and p2 close in on data by halving the range;
// the lower bound is marked red, the upper blue and the probed middle yellow.
class frmBinarySearch final : public Lesson<BinarySearchVariables>
{
public:
    frmBinarySearch();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;

    ArrayBoxes aBoxes_;
};
