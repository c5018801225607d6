#pragma once

#include "call_stack.h"
#include "lesson/lesson_model.h"

#include <array>

// The i and j of each pending Queen activation.
using QueenStack = CallStack<2>;

struct QueenVariables {
    int i = 0;
    int j = 0;
    int solutions = 0;           // 解番号
    std::array<int, 9> column{}; // 列位置: the row chosen for each column (8 shown)
    std::array<int, 9> row{};    // 行配置済み (8 shown)
    std::array<int, 16> sum{};   // 対角配置済みA, by i + j (15 shown)
    std::array<int, 16> diff{};  // 対角配置済みB, by i - j + 7 (15 shown)
    QueenStack stack{};
};

// The eight queens by backtracking: Queen(i) tries the rows of column i, marks the row and
// the two diagonals of a free square, calls itself for the next column and frees them again;
// each solution is drawn in Label6 as a board of "□" and "●".
class frm8Queen final : public Lesson<QueenVariables>
{
public:
    frm8Queen();

private:
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;
    void afterLoad(StepEffects& effects) override;
    void restart(StepEffects& effects) override;

    // The empty board at call level 0, with i, j and the solution number 0.
    void reset();
    // Whether the row and both diagonals through (i, j) are free.
    bool squareIsFree() const;
    // Marks (1) or frees (0) the row and both diagonals through (i, j).
    void place(int value);
    // 表示(): counts the solution and draws it in Label6.
    void showSolution(StepEffects& effects);
};
