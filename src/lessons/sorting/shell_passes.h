#pragma once

#include "lesson/lesson_model.h"

#include <array>
#include <optional>

// The variables of the Shell sort routines; `data` has room for the longer array.
struct ShellVariables {
    std::array<int, 21> data{};
    int i = 0;
    int j = 0;
    int tmp = 0;
    int h = 0;
};

// The passes of both Shell sort routines, from the test h>0 of the increment loop to the
// end message: for each increment h, an insertion over the elements h apart, then h is
// divided. The two routines differ only in where these lines start, the array length, the
// storage, the divisor of h and how far down the marks go.
class ShellPasses
{
public:
    struct Shape {
        int firstLine; // the line of h>0
        int length;    // Data.Length
        int storage;   // slots of Data
        int divisor;   // h /= divisor
        int lastMarkedLine;
    };
    explicit ShellPasses(Shape shape) : shape_(shape) {}

    // Whether `line` is one of the lines these passes step.
    bool has(int line) const;
    // Performs the row of `line`; returns the next line.
    int run(int line, ShellVariables& v, StepEffects& effects) const;
    std::optional<bool> test(int line, const ShellVariables& v) const;
    void paintMarks(int line, const ShellVariables& v, const ArrayBoxes& data, Marks& marks) const;

private:
    // The rows, numbered from the line of h>0.
    enum Row : int {
        IncrementTest,
        IndexTest,
        Brace,
        TakeAside,
        ShiftTest,
        Shift,
        Place,
        Next,
        End
    };

    int& element(ShellVariables& v, int index) const;
    int element(const ShellVariables& v, int index) const;
    // j>=0 && Data[j]>Tmp, the second test only when the first holds.
    bool shifting(const ShellVariables& v) const;

    Shape shape_;
};

// h*3+1: the next term of the increments 1, 4, 13, 40, ...
int nextIncrement(int h);
