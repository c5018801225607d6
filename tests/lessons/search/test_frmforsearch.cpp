#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

TEST(frmForSearch, FindingFortyFourReturnsThreeWithItsConditionsAndMarks)
{
    LessonDriver lesson("frmForSearch");
    EXPECT_EQ(lesson.texts(0, 9),
              (std::vector<std::string>{"13", "35", "22", "44", "12", "0", "0", "0", "0"}));
    EXPECT_EQ(lesson.model().noteOf(10), "\r\n　forブロックの最後です。");
    lesson.set(5, "44");
    std::vector<std::string> conditions;
    for (const int line : {2, 3, 5, 10, 3, 5, 10, 3, 5, 10, 3, 5, 7, 8, 11, 12, 0}) {
        lesson.step();
        ASSERT_EQ(lesson.line(), line);
        conditions.push_back(lesson.condition());
        const bool marks = line == 5 || line == 7 || line == 8; // the element compared or found
        const Marks expected =
            marks ? Marks{{std::stoi(lesson.text(7)), colours::yellow}} : Marks{};
        EXPECT_EQ(lesson.marked(), expected);
    }
    EXPECT_EQ(conditions[1], "  i < a.Length : True");
    EXPECT_EQ(conditions[2], "  a[i]==data : False");
    EXPECT_EQ(conditions[11], "  a[i]==data : True");
    EXPECT_EQ(conditions[3], "");
    EXPECT_EQ(lesson.texts(6, 3), (std::vector<std::string>{"3", "3", "3"}));
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        LessonDriver lesson("frmForSearch");
        lesson.setAll(0, c.a);
        lesson.set(5, c.data);
        EXPECT_EQ(lesson.stepTo(0).size(), c.steps);
        EXPECT_EQ(lesson.text(6), c.value);
    }
    LessonDriver lesson("frmForSearch"); // not found: line 3 shows False before line 11
    lesson.step(17);
    EXPECT_EQ(lesson.condition(), "  i < a.Length : False");
    EXPECT_EQ(lesson.step(), (std::vector<int>{11}));
}

TEST(frmForSearch, IndicesOutsideTheArrayAndOverflowAreRefused)
{
    const struct {
        int line;
        const char* i;
        const char* message;
    } cases[] = {
        {3, "-1", "a[-1] は配列の範囲 (0～5) の外です。"}, // the test of the landing line
        {5, "6", "a[6] は配列の範囲 (0～5) の外です。"},
        {10, "32767", "i + 1 の結果が -32768～32767 の範囲を超えます。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frmForSearch");
        lesson.stepTo(c.line);
        lesson.set(7, c.i);
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), c.line);
        EXPECT_EQ(lesson.text(7), c.i);
    }
    LessonDriver lesson("frmForSearch"); // i = 5 compares the hidden 0 and marks no box
    lesson.stepTo(5);
    lesson.set(7, "5");
    EXPECT_EQ(lesson.step(), (std::vector<int>{7}));
    EXPECT_TRUE(lesson.marked().empty());
}

} // namespace
