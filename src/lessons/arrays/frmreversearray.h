#pragma once

#include "lesson/lesson_model.h"

#include <array>

struct ReverseVariables {
    std::array<int, 11> a{}; // slot 10 has no box
    int n = 0;
    int i = 0;
    int d = 0; // the local variable of swap
    int x = 0; // the two reference parameters of swap
    int y = 0;
};

// The array reversal lesson: a loop over the first half of a exchanges a[i] with
// a[n-i-1] by calling swap, whose reference parameters write through to the array.
class frmReverseArray final : public Lesson<ReverseVariables>
{
public:
    frmReverseArray();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;

    // The loop test i < n/2, with n/2 a real quotient: for n = 9 the loop runs while i < 4.5.
    bool inFirstHalf() const { return 2LL * v.i < v.n; }
    // The element the second reference parameter designates.
    int mirror() const { return v.n - v.i - 1; }

    ArrayBoxes aBoxes_;
};
