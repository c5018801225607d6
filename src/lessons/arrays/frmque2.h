#pragma once

#include "slot_lesson.h"

struct CyclicQueVariables {
    Slots que{};   // QUE
    int start = 0; // StartPointer
    int end = 0;   // EndPointer
    std::string sr;
    std::string value; // the function value of Deque
    std::string v;     // the argument of Enque
    int p = 0;         // the advanced end pointer of Enque
};

// The cyclic queue lesson: Enque and Deque on ten string slots whose start and end
// pointers both advance through CountP and wrap from slot 9 to slot 0.
class frmQue2 final : public SlotLesson<CyclicQueVariables>
{
public:
    frmQue2();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
