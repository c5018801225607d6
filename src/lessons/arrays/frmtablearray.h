#pragma once

#include "lesson/lesson_model.h"

#include <array>

struct TableVariables {
    // 経過日数(Y, M, D)
    int y = 0;
    int m = 0;
    int d = 0;
    int i = 0;
    int x = 0;    // the table row: 1 in a leap year
    int days = 0; // 日数
    int value = 0;
    // うるう年判定(Y)
    int leapY = 0;
    int u = 0;
    int leapValue = 0;
};

// The table lesson: the day of the year of a date, summed from a table of the days of
// each month, one row for a common and one for a leap year, chosen by a call of the
// leap-year routine.
class frmTableArray final : public Lesson<TableVariables>
{
public:
    frmTableArray();

private:
    void beforeLoad() override;
    int run(int line, StepEffects& effects) override;
    std::optional<bool> test(int line) const override;

    // 月日数[row, column]; refuses an element outside the 3 x 13 table.
    int monthDays(int row, int column) const;

    std::array<std::array<int, 13>, 3> table_{}; // built at load, never changed
};
