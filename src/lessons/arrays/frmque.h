#pragma once

#include "slot_lesson.h"

struct QueVariables {
    Slots que{};
    int pointer = 0; // QuePointer
    std::string r;
    int i = 0;
    std::string value; // the function value of Deque
    std::string v;     // the argument of Enque
};

// The queue lesson: Enque and Deque on ten string slots, where taking the head out moves
// the rest one slot forward; the routine is chosen by the option buttons.
class frmQue final : public SlotLesson<QueVariables>
{
public:
    frmQue();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
