#include "sort_data.h"
#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

// The increments of a run, as line `incrementLine` (h>0) sees them.
std::vector<int> increments(LessonDriver& lesson, int incrementLine, int endLine)
{
    std::vector<int> seen;
    while (lesson.line() != endLine && seen.size() < 10) {
        if (lesson.step().back() == incrementLine)
            seen.push_back(std::stoi(lesson.text(incrementLine == 3 ? 12 : 23)));
    }
    return seen;
}

TEST(ShellSorts, IncrementsHalveOrDivideByThree)
{
    LessonDriver shell("frmSortShell");
    EXPECT_EQ(increments(shell, 3, 11), (std::vector<int>{4, 2, 1, 0}));
    LessonDriver improved("frmSortShellExt");
    EXPECT_EQ(increments(improved, 4, 12), (std::vector<int>{4, 1, 0}));
}

TEST(ShellSorts, ANegativeJStopsTheShiftAndMarksOnlyI)
{
    LessonDriver lesson("frmSortShell");
    lesson.setAll(0, {9, 1, 1, 1, 1, 1, 1, 1, 1});
    lesson.step(5); // line 7, i 4, j 0
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::blue}, {4, colours::red}}));
    lesson.step(2); // shifted: line 7 with j -4
    EXPECT_EQ(lesson.text(10), "-4");
    EXPECT_EQ(lesson.condition(), "  j>=0 && Data[j]>Tmp : False");
    EXPECT_EQ(lesson.marked(), (Marks{{4, colours::red}}));
    lesson.step();
    EXPECT_EQ(lesson.line(), 9);
    lesson.step(2); // line 4: i typed 9 ends the pass, h typed 3 halves to 1
    lesson.set(9, "9");
    lesson.set(12, "3");
    lesson.step();
    EXPECT_EQ(lesson.texts(12, 1), std::vector<std::string>{"1"});
}

TEST(ShellSorts, TheImprovedIncrementLoopAndItsBounds)
{
    LessonDriver lesson("frmSortShellExt");
    lesson.step(2);
    lesson.set(23, "2"); // 2 is not less than 20/9
    lesson.step();
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.text(23), "2");
    LessonDriver run("frmSortShellExt");
    run.setAll(0, twentyValues);
    int visits = 0;
    while (run.step().back() != 12) {
        if (run.line() == 5) {
            const bool inside = std::stoi(run.text(20)) < 20;
            EXPECT_EQ(run.condition(),
                      inside ? "  i<Data.Length : True" : "  i<Data.Length : False");
            ++visits;
        }
    }
    EXPECT_EQ(visits, 16 + 1 + 19 + 1);
    LessonDriver fresh("frmSortShellExt");
    fresh.setAll(0, twentySorted);
    fresh.step(6); // line 7 with i 4
    fresh.set(20, "21");
    fresh.step();
    EXPECT_EQ(fresh.lastMessage(), "Data[21] は配列の範囲 (0～20) の外です。");
    fresh.set(20, "20"); // the slot without a box reads as 0
    fresh.step();
    EXPECT_FALSE(fresh.lastRefused());
    EXPECT_EQ(fresh.text(22), "0");
}

} // namespace
