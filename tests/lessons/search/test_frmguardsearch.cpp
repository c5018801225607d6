#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

TEST(frmGuardSearch, FindingFortyFourReturnsThree)
{
    LessonDriver lesson("frmGuardSearch");
    EXPECT_EQ(lesson.texts(0, 9),
              (std::vector<std::string>{"13", "35", "22", "44", "12", "0", "0", "0", "0"}));
    lesson.set(6, "44");
    EXPECT_EQ(lesson.stepTo(0), (std::vector<int>{2, 3, 4, 5, 4, 5, 4, 5, 4, 6, 7, 0}));
    EXPECT_EQ(lesson.text(7), "3");
    EXPECT_EQ(lesson.text(5), "44"); // the sentinel keeps data
}

TEST(frmGuardSearch, TheSentinelStopsTheLoopWhenDataIsAbsent)
{
    LessonDriver lesson("frmGuardSearch");
    lesson.set(6, "99");
    lesson.step();
    EXPECT_EQ(lesson.text(5), "0");
    lesson.step(); // line 2 stores data into the sentinel
    EXPECT_EQ(lesson.text(5), "99");
    lesson.step(11); // line 4 with i = 5
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.text(8), "5");
    EXPECT_EQ(lesson.condition(), "  a[i]!=data : False");
    EXPECT_EQ(lesson.marked(), (Marks{{5, colours::yellow}}));
    lesson.stepTo(0);
    EXPECT_EQ(lesson.text(7), "5");
    lesson.back(); // the sentinel box keeps the last data
    EXPECT_EQ(lesson.text(5), "99");
}

TEST(frmGuardSearch, ConditionsAndMarks)
{
    LessonDriver lesson("frmGuardSearch");
    lesson.set(6, "13"); // a[0]: no visit of line 5
    lesson.step(3);
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.condition(), "  a[i]!=data : False");
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::yellow}}));
    EXPECT_EQ(lesson.stepTo(0), (std::vector<int>{6, 7, 0}));
    EXPECT_EQ(lesson.text(7), "0");

    lesson.set(6, "22");
    lesson.step(3);
    EXPECT_EQ(lesson.condition(), "  a[i]!=data : True");
    lesson.step(); // line 5 still marks a[i] before i moves on
    EXPECT_EQ(lesson.line(), 5);
    EXPECT_EQ(lesson.condition(), "");
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::yellow}}));
    lesson.step();
    EXPECT_EQ(lesson.marked(), (Marks{{1, colours::yellow}}));
    lesson.stepTo(6);
    EXPECT_TRUE(lesson.marked().empty());
}

TEST(frmGuardSearch, EqualElementsReturnTheFirst)
{
    LessonDriver lesson("frmGuardSearch");
    lesson.setAll(0, {4, 8, 4, 8, 4});
    lesson.set(6, "8");
    lesson.stepTo(0);
    EXPECT_EQ(lesson.text(7), "1");
}

TEST(frmGuardSearch, AnEditedSentinelLetsTheIndexRunPastTheArray)
{
    LessonDriver lesson("frmGuardSearch");
    lesson.set(6, "99");
    lesson.step(2); // the sentinel holds 99
    lesson.set(5, "1");
    lesson.step(13); // line 4 with i = 6: the slot without a box, no mark
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.text(8), "6");
    EXPECT_EQ(lesson.condition(), "  a[i]!=data : True");
    EXPECT_TRUE(lesson.marked().empty());
    lesson.step();
    EXPECT_EQ(lesson.line(), 5);
    lesson.step(); // i = 7 would be read by the test of line 4
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.lastMessage(), "a[7] は配列の範囲 (0～6) の外です。");
    EXPECT_EQ(lesson.line(), 5);
    EXPECT_EQ(lesson.text(8), "6");
}

TEST(frmGuardSearch, TypedFaultsAreRefused)
{
    { // a negative i typed before the test
        LessonDriver lesson("frmGuardSearch");
        lesson.step(3);
        lesson.set(8, "-2");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "a[-2] は配列の範囲 (0～6) の外です。");
        EXPECT_EQ(lesson.line(), 4);
    }
    { // the counter at its limit
        LessonDriver lesson("frmGuardSearch");
        lesson.set(6, "35");
        lesson.step(4); // line 5
        lesson.set(8, "32767");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
        EXPECT_EQ(lesson.line(), 5);
    }
    { // data outside 16 bits
        LessonDriver lesson("frmGuardSearch");
        lesson.set(6, "-40000");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "data の値 -40000 は -32768～32767 の範囲外です。");
    }
}

} // namespace
