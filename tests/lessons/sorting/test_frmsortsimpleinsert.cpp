#include "sort_data.h"
#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

TEST(frmSortSimpleInsert, LineSixShowsTheShortCircuitTestAndMarks)
{
    LessonDriver lesson("frmSortSimpleInsert");
    lesson.setAll(0, nineValues);
    lesson.step(4); // the first visit of line 6: j = i = 1, a single blue box
    EXPECT_EQ(lesson.marked(), (Marks{{1, colours::blue}}));
    EXPECT_EQ(lesson.condition(), "  j>0 && Data[j-1]>Tmp : True");
    lesson.step(2); // line 6 with j 0
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::blue}, {1, colours::red}}));
    EXPECT_EQ(lesson.condition(), "  j>0 && Data[j-1]>Tmp : False");
    lesson.step();
    EXPECT_EQ(lesson.line(), 8);
    EXPECT_TRUE(lesson.marked().empty());
}

TEST(frmSortSimpleInsert, EqualValuesAreNotShiftedAndBadIndicesAreRefused)
{
    LessonDriver lesson("frmSortSimpleInsert");
    lesson.setAll(0, {3, 3, 1, 1, 1, 1, 1, 1, 1});
    lesson.step(4); // line 6, i 1: 3 > 3 fails, no shift
    EXPECT_EQ(lesson.condition(), "  j>0 && Data[j-1]>Tmp : False");
    lesson.step(4); // line 5 with i 2
    lesson.set(9, "9");
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "Data[9] は配列の範囲 (0～8) の外です。");
    EXPECT_EQ(lesson.line(), 5);
}

} // namespace
