#pragma once

#include "slot_lesson.h"

struct StackVariables {
    Slots stack{};
    int pointer = 0;   // SPointer
    std::string value; // the function value of Pop
    std::string v;     // the argument of Push
};

// The stack lesson: Push and Pop on ten string slots with a stack pointer, the routine
// chosen by the option buttons.
class frmStack final : public SlotLesson<StackVariables>
{
public:
    frmStack();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;
};
