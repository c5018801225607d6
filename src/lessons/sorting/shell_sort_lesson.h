#pragma once

#include "sort_lesson.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The variables of the Shell sort routines; `data` has room for the longer array.
struct ShellVariables {
    std::array<int, 21> data{};
    int i = 0;
    int j = 0;
    int tmp = 0;
    int h = 0;
};

// h*3+1: the next term of the increments 1, 4, 13, 40, ...
int nextIncrement(int h);

// The texts of a Shell sort routine: its listing, notes and conditions. Both routines begin
// with the same declarations and end with the same loops (from i=h to the closing brace);
// only the lines between, which start h, are their own.
struct ShellTexts {
    struct Line {
        std::string text;
        std::string note;
        std::string condition;
    };
    std::vector<std::string> listing;
    std::vector<std::string> notes;
    std::vector<std::string> conditions;
};
// `heading` (the routine's first line), its declarations, `own` and the shared loops; then
// `emptyLines` empty listing lines and `emptyRows` empty notes and conditions.
ShellTexts shellTexts(std::string heading, const std::vector<ShellTexts::Line>& own, int emptyLines,
                      int emptyRows);

// A Shell sort lesson. From the test h>0 of the increment loop to the end message both
// Shell sort routines are the same: for each increment h an insertion over the elements h
// apart, then h is divided. They differ in the lines before (how h starts), where the
// shared lines begin, the array length and storage, the divisor of h and how far down the
// marks go.
class ShellSortLesson : public SortLesson<ShellVariables>
{
public:
    struct Shape {
        int firstLine; // the line of h>0
        int length;    // Data.Length
        int storage;   // slots of Data
        int divisor;   // h /= divisor
        int lastMarkedLine;
        int firstScalar; // the boxes of i, j, Tmp, h follow the array's
    };

protected:
    ShellSortLesson(const LessonDescription& d, const Shape& shape);

    // The rows before the shared lines: the declarations and the first increment.
    virtual int runHead(int line) = 0;
    virtual std::optional<bool> testHead(int) const { return std::nullopt; }

private:
    // The shared rows, numbered from the line of h>0.
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

    int run(int line, StepEffects& effects) final;
    std::optional<bool> test(int line) const final;
    void paintMarks(int line, Marks& marks) const final;

    bool shared(int line) const;
    int& element(int index);
    int element(int index) const;
    // j>=0 && Data[j]>Tmp, the second test only when the first holds.
    bool shifting() const;

    Shape shape_;
};
