#pragma once

#include "call_stack.h"
#include "hanoi_board.h"
#include "lesson/lesson_model.h"

#include <string>

// The n, x, y and return line of each pending Hanoi activation.
using HanoiStack = CallStack<4>;

struct HanoiVariables {
    int n = 0;
    int x = 0;
    int y = 0;
    std::string s;
    int returnLine = 0;     // where the current Hanoi activation goes on in its caller
    int moveReturnLine = 3; // where the caller of MoveTo goes on
    HanoiStack stack{};
    HanoiBoard board{};
};

// The Tower of Hanoi: Hanoi(n, x, y) calls itself twice around a MoveTo, which writes the
// move into the list; the board is drawn in the picture after every move.
class frmHanoi final : public Lesson<HanoiVariables>
{
public:
    frmHanoi();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void afterLoad(StepEffects& effects) override;
    void restart(StepEffects& effects) override;

    // A fresh board of n disks on peg 1, an empty list and call level 0. With `outermost`
    // (a run abandoned with calls pending), the n, x and y boxes the student has not edited
    // take the outermost call's arguments instead of those of the current activation.
    void prepare(StepEffects& effects, const HanoiStack::Frame* outermost = nullptr);
    // The recursive call of line 5 (coming back to line 6) or line 7 (back to line 8).
    int callHanoi(int returnTo, StepEffects& effects);
};
