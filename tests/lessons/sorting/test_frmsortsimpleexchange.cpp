#include "sort_data.h"
#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

TEST(frmSortSimpleExchange, TheInnerLoopEndsWithJOnNoBox)
{
    LessonDriver lesson("frmSortSimpleExchange");
    lesson.setAll(0, {1, 5, 4, 3, 2, 9, 8, 7, 6});
    for (int k = 0; k < 4; ++k) {
        lesson.step();
        EXPECT_TRUE(lesson.marked().empty()); // lines 0 to 6
    }
    lesson.step(); // line 8
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::red}, {1, colours::blue}}));
    while (lesson.line() != 11)
        lesson.step();
    EXPECT_EQ(lesson.text(10), "9");
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::red}}));
    EXPECT_EQ(lesson.condition(), " ID!=i : False"); // the smallest already stands at 0
    lesson.step();
    EXPECT_EQ(lesson.line(), 13);
}

TEST(frmSortSimpleExchange, TheFirstOfEqualSmallestValuesIsChosen)
{
    LessonDriver lesson("frmSortSimpleExchange");
    lesson.setAll(0, {9, 2, 7, 2, 8, 8, 8, 8, 8});
    while (lesson.line() != 11)
        lesson.step();
    EXPECT_EQ(lesson.texts(11, 2), (std::vector<std::string>{"2", "1"}));
    lesson.set(12, "9"); // ID typed outside the array
    lesson.step(2);
    EXPECT_EQ(lesson.lastMessage(), "Data[9] は配列の範囲 (0～8) の外です。");
    EXPECT_EQ(lesson.line(), 12);
}

} // namespace
