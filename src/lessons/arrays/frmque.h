#pragma once

#include "lesson/lesson_model.h"

#include <array>
#include <string>

struct QueVariables {
    std::array<std::string, 11> que{}; // slot 10 has no box
    int pointer = 0;                   // QuePointer
    std::string r;
    int i = 0;
    std::string value; // the function value of Deque
    std::string v;     // the argument of Enque
};

// The queue lesson: Enque and Deque on ten string slots, where taking the head out moves
// the rest one slot forward; the routine is chosen by the option buttons.
class frmQue final : public Lesson<QueVariables>
{
public:
    frmQue();

private:
    int startLine() const override;
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void paintMarks(int line, Marks& marks) const override;

    ArrayBoxes slots_;
};
