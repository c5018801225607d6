#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

TEST(frmForSearch, OpensWithTheInitialValuesReadBack)
{
    LessonDriver lesson("frmForSearch");
    EXPECT_EQ(lesson.texts(0, 9),
              (std::vector<std::string>{"13", "35", "22", "44", "12", "0", "0", "0", "0"}));
    EXPECT_EQ(lesson.model().noteOf(10), "\r\n　forブロックの最後です。");
    EXPECT_EQ(lesson.model().noteOf(6), "");
    EXPECT_EQ(lesson.model().noteOf(13), "");
}

TEST(frmForSearch, FindingFortyFourReturnsThree)
{
    LessonDriver lesson("frmForSearch");
    lesson.set(5, "44");
    EXPECT_EQ(lesson.stepTo(0),
              (std::vector<int>{2, 3, 5, 10, 3, 5, 10, 3, 5, 10, 3, 5, 7, 8, 11, 12, 0}));
    EXPECT_EQ(lesson.text(8), "3");
    EXPECT_EQ(lesson.text(6), "3");
}

TEST(frmForSearch, ConditionsAndMarksAlongTheSearch)
{
    LessonDriver lesson("frmForSearch");
    lesson.set(5, "44");
    lesson.step(2);
    EXPECT_EQ(lesson.condition(), "  i < a.Length : True");
    EXPECT_TRUE(lesson.marked().empty());
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  a[i]==data : False");
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::yellow}}));
    lesson.step(); // line 10
    EXPECT_EQ(lesson.condition(), "");
    EXPECT_TRUE(lesson.marked().empty());
    lesson.step(8); // line 5 with i = 3
    EXPECT_EQ(lesson.condition(), "  a[i]==data : True");
    for (const int line : {7, 8}) {
        lesson.step();
        EXPECT_EQ(lesson.line(), line);
        EXPECT_EQ(lesson.marked(), (Marks{{3, colours::yellow}}));
    }
    lesson.step();
    EXPECT_TRUE(lesson.marked().empty());
}

TEST(frmForSearch, ResultsForOtherData)
{
    const struct {
        std::vector<int> a;
        const char* data;
        const char* value;
        size_t steps;
    } cases[] = {
        {{13, 35, 22, 44, 12}, "0", "-999", 20}, // not found: five rounds
        {{13, 35, 22, 44, 12}, "13", "0", 8},    // the first element
        {{13, 35, 22, 44, 12}, "12", "4", 20},   // the last element
        {{5, 7, 5, 7, 5}, "7", "1", 11},         // the first of two equal elements
        {{-3, -2, -1, 0, 1}, "-1", "2", 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        LessonDriver lesson("frmForSearch");
        lesson.setAll(0, c.a);
        lesson.set(5, c.data);
        EXPECT_EQ(lesson.stepTo(0).size(), c.steps);
        EXPECT_EQ(lesson.text(6), c.value);
    }
    { // not found: the last test of line 3 shows False and leads to line 11
        LessonDriver lesson("frmForSearch");
        lesson.step(17);
        EXPECT_EQ(lesson.line(), 3);
        EXPECT_EQ(lesson.condition(), "  i < a.Length : False");
        lesson.step();
        EXPECT_EQ(lesson.line(), 11);
    }
    { // the first element: yellow on lines 5, 7 and 8
        LessonDriver lesson("frmForSearch");
        lesson.set(5, "13");
        lesson.step(2);
        for (const int line : {5, 7, 8}) {
            lesson.step();
            EXPECT_EQ(lesson.line(), line);
            EXPECT_EQ(lesson.marked(), (Marks{{0, colours::yellow}}));
        }
    }
}

TEST(frmForSearch, EditsAndBackToStart)
{
    { // i = 4 on line 3 compares a[4] next
        LessonDriver lesson("frmForSearch");
        lesson.step(2);
        lesson.set(7, "4");
        lesson.step();
        EXPECT_EQ(lesson.marked(), (Marks{{4, colours::yellow}}));
        lesson.set(5, "12");
        lesson.step();
        EXPECT_EQ(lesson.line(), 7);
    }
    { // back to start keeps i, ID and the function value; line 2 sets them afresh
        LessonDriver lesson("frmForSearch");
        lesson.set(5, "22");
        lesson.stepTo(0);
        lesson.step(6); // line 5 with i = 1, ID = -999
        lesson.back();
        EXPECT_EQ(lesson.line(), 0);
        EXPECT_EQ(lesson.texts(6, 3), (std::vector<std::string>{"2", "1", "-999"}));
        lesson.step();
        EXPECT_EQ(lesson.line(), 2);
        lesson.step();
        EXPECT_EQ(lesson.texts(6, 3), (std::vector<std::string>{"2", "0", "-999"}));
    }
}

TEST(frmForSearch, IndicesOutsideTheArrayAndOverflowAreRefused)
{
    { // i = 5 compares the hidden slot 5 (0) and marks nothing
        LessonDriver lesson("frmForSearch");
        lesson.step(3);
        lesson.set(7, "5");
        lesson.step();
        EXPECT_FALSE(lesson.lastRefused());
        EXPECT_EQ(lesson.line(), 7); // data 0 equals the hidden 0
        EXPECT_TRUE(lesson.marked().empty());
    }
    { // a negative i typed on line 3 refuses the step to line 5
        LessonDriver lesson("frmForSearch");
        lesson.step(2);
        lesson.set(7, "-1");
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), "a[-1] は配列の範囲 (0～5) の外です。");
        EXPECT_EQ(lesson.line(), 3);
    }
    { // i beyond the slots on line 5
        LessonDriver lesson("frmForSearch");
        lesson.step(3);
        lesson.set(7, "6");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "a[6] は配列の範囲 (0～5) の外です。");
        EXPECT_EQ(lesson.line(), 5);
        EXPECT_EQ(lesson.text(7), "6");
    }
    { // the counter at its limit
        LessonDriver lesson("frmForSearch");
        lesson.step(4); // line 10
        lesson.set(7, "32767");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
        EXPECT_EQ(lesson.line(), 10);
    }
}

} // namespace
