#pragma once

#include "sort_lesson.h"

#include <array>

// The variables of one call of Quick.
struct QuickCall {
    int left = 0;
    int right = 0;
    int pleft = 0;
    int pright = 0;
    int x = 0;
};

// What a call saves of its caller: the caller's variables and the line it goes on with.
struct QuickFrame {
    QuickCall call;
    int returnLine = 0;
};

struct QuickVariables {
    std::array<int, 21> data{}; // a; slot 20 has no box
    QuickCall call;             // the call being stepped
    // The call stack, never shown: the number of pending calls and their saved frames.
    int level = 0;
    std::array<QuickFrame, 21> frames{};
};

// The recursive quicksort, stepped with an explicit stack of call frames so that every
// line of every call, and every call and return, is one step.
class frmSortQuick final : public SortLesson<QuickVariables>
{
public:
    frmSortQuick();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
    void afterLoad(StepEffects&) override { v.level = 0; }

    // Saves the caller, enters the callee with the bounds given; returns its first line.
    int call(int returnLine, int left, int right);
    // Back into the caller; returns the line it goes on with.
    int leave();
    // The end of the whole sort: the message, then the next random array.
    int finish(StepEffects& effects);
};
