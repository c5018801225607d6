#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

TEST(frmGuardSearch, SearchesStopAtTheFoundElementOrTheSentinel)
{
    const struct {
        std::vector<int> a;
        const char* data;
        std::vector<int> lines;
        const char* value;
    } cases[] = {
        {{13, 35, 22, 44, 12}, "44", {2, 3, 4, 5, 4, 5, 4, 5, 4, 6, 7, 0}, "3"},
        {{13, 35, 22, 44, 12}, "13", {2, 3, 4, 6, 7, 0}, "0"}, // no visit of line 5
        {{13, 35, 22, 44, 12}, "0", {2, 3, 4, 5, 4, 5, 4, 5, 4, 5, 4, 5, 4, 6, 7, 0}, "5"},
        {{4, 8, 4, 8, 4}, "8", {2, 3, 4, 5, 4, 6, 7, 0}, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        LessonDriver lesson("frmGuardSearch");
        lesson.setAll(0, c.a);
        lesson.set(6, c.data);
        EXPECT_EQ(lesson.stepTo(0), c.lines);
        EXPECT_EQ(lesson.text(7), c.value);
        EXPECT_EQ(lesson.text(5), c.data); // the sentinel keeps data, also after back
        lesson.back();
        EXPECT_EQ(lesson.text(5), c.data);
    }
}

TEST(frmGuardSearch, ConditionAndMarksFollowI)
{
    LessonDriver lesson("frmGuardSearch");
    lesson.set(6, "99");
    lesson.step(3);
    EXPECT_EQ(lesson.condition(), "  a[i]!=data : True");
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::yellow}}));
    lesson.step(); // line 5 still marks a[i] before i moves on
    EXPECT_EQ(lesson.condition(), "");
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::yellow}}));
    lesson.step(9); // line 4 with i = 5: the sentinel
    EXPECT_EQ(lesson.condition(), "  a[i]!=data : False");
    EXPECT_EQ(lesson.marked(), (Marks{{5, colours::yellow}}));
    lesson.step();
    EXPECT_TRUE(lesson.marked().empty());
}

TEST(frmGuardSearch, AnEditedSentinelLetsTheIndexRunPastTheArray)
{
    LessonDriver lesson("frmGuardSearch");
    lesson.set(6, "99");
    lesson.step(2);
    lesson.set(5, "1"); // the sentinel no longer holds data
    lesson.step(13);    // line 4 with i = 6: the slot without a box, no mark
    EXPECT_EQ(lesson.text(8), "6");
    EXPECT_EQ(lesson.condition(), "  a[i]!=data : True");
    EXPECT_TRUE(lesson.marked().empty());
    lesson.step();
    lesson.step(); // i = 7 would be read by the test of line 4
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.lastMessage(), "a[7] は配列の範囲 (0～6) の外です。");
    EXPECT_EQ(lesson.line(), 5);
    EXPECT_EQ(lesson.text(8), "6");

    LessonDriver overflow("frmGuardSearch");
    overflow.set(6, "35");
    overflow.stepTo(5);
    overflow.set(8, "32767");
    overflow.step();
    EXPECT_EQ(overflow.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
}

} // namespace
