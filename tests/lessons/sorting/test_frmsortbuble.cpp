#include "sort_data.h"
#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

TEST(frmSortBuble, MarksFollowIAndJFromLineFive)
{
    LessonDriver lesson("frmSortBuble");
    lesson.setAll(0, nineValues);
    for (int k = 0; k < 2; ++k) {
        lesson.step();
        EXPECT_TRUE(lesson.marked().empty());
    }
    lesson.step(); // the first visit of line 5
    EXPECT_EQ(lesson.condition(), "  j>i : True");
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::red}, {7, colours::cyan}, {8, colours::blue}}));
    lesson.step(); // line 6: 76 > 81 fails
    EXPECT_EQ(lesson.condition(), "  Data[j-1]>Data[j] : False");
    while (lesson.line() != 8)
        lesson.step();
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::blue}})); // j = i: the box is blue
    EXPECT_EQ(lesson.text(0), "2");
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  i < Data.Length-1 : True");
}

TEST(frmSortBuble, IndicesAndSumsOutOfRangeAreRefused)
{
    LessonDriver lesson("frmSortBuble");
    lesson.setAll(0, nineValues);
    lesson.step(3); // line 5
    lesson.set(10, "9");
    lesson.step(); // j > i lands on line 6, whose test reads Data[9]
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.lastMessage(), "Data[9] は配列の範囲 (0～8) の外です。");
    EXPECT_EQ(lesson.line(), 5);
    EXPECT_EQ(lesson.text(10), "9");
    lesson.set(10, "0");
    lesson.set(9, "-5"); // j > i on a negative i: Data[-1] on line 6
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "Data[-1] は配列の範囲 (0～8) の外です。");
    lesson.set(9, "32767");
    lesson.set(10, "0");
    lesson.step(2); // line 8 with i 32767
    EXPECT_EQ(lesson.line(), 8);
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(lesson.line(), 8);
    EXPECT_FALSE(lesson.panel().timer.enabled);
}

} // namespace
