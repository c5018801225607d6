#pragma once

#include "lesson/lesson_model.h"

#include <array>
#include <string>

struct StackVariables {
    std::array<std::string, 11> stack{}; // slot 10 has no box
    int pointer = 0;                     // SPointer
    std::string value;                   // the function value of Pop
    std::string v;                       // the argument of Push
};

// The stack lesson: Push and Pop on ten string slots with a stack pointer, the routine
// chosen by the option buttons.
class frmStack final : public Lesson<StackVariables>
{
public:
    frmStack();

private:
    int startLine() const override;
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;

    ArrayBoxes slots_;
};
