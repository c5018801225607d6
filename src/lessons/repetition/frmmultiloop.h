#pragma once

#include "lesson/lesson_model.h"

#include <string>

struct MultiLoopVariables {
    int n = 0; // N, the number of rows
    int i = 0;
    int j = 0;
    std::string crlf;  // CRLF: shows the C# literal only
    std::string s;     // S
    std::string value; // the function value
};

// Nested loops: builds a triangle of asterisks, one more on each of N rows, in a string.
class frmMultiLoop final : public Lesson<MultiLoopVariables>
{
public:
    frmMultiLoop();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
};
