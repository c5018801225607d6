#include "support/lesson_driver.h"

namespace
{

// Runs one call of 経過日数 from line 4 with the date typed in, and returns its value.
std::string dayOfYear(LessonDriver& lesson, int y, int m, int d)
{
    lesson.setAll(0, {y, m, d});
    for (int k = 0; k < 100 && lesson.line() != 12; ++k)
        lesson.step();
    return lesson.text(9);
}

TEST(frmTableArray, OpensOnLineFourWithTheTableBuilt)
{
    LessonDriver lesson("frmTableArray");
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.texts(0, 10),
              (std::vector<std::string>{"2006", "4", "10", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(lesson.panel().lblTable, "31, 31,\r\n28, 29,\r\n31, 31,\r\n30, 30,\r\n31, 31,\r\n"
                                       "30, 30,\r\n31, 31,\r\n31, 31,\r\n30, 30,\r\n31, 31,\r\n"
                                       "30, 30,\r\n31, 31,\r\n");
    EXPECT_TRUE(lesson.marked().empty());
}

TEST(frmTableArray, TheTenthOfAprilIsDayOneHundred)
{
    LessonDriver lesson("frmTableArray");
    EXPECT_EQ(lesson.step(8), (std::vector<int>{6, 7, 8, 13, 15, 16, 17, 18}));
    lesson.back();
    lesson.step(2);
    lesson.step(); // line 7: 日数 := D
    EXPECT_EQ(lesson.text(5), "10");
    lesson.step(); // the call passes Y
    EXPECT_EQ(lesson.text(6), "2006");
    lesson.step(2);
    EXPECT_EQ(lesson.line(), 16);
    EXPECT_EQ(lesson.condition(), "  うるう年の判定  : False");
    lesson.step(3); // U, the function value, then the return sets X and i
    EXPECT_EQ(lesson.line(), 9);
    EXPECT_EQ(lesson.text(4), "0");
    EXPECT_EQ(lesson.text(3), "1");
    const int added[] = {31, 59, 90};
    for (int day : added) {
        EXPECT_EQ(lesson.condition(), "  i < M  : True");
        lesson.step(2);
        EXPECT_EQ(lesson.text(5), std::to_string(10 + day));
    }
    EXPECT_EQ(lesson.condition(), "  i < M  : False");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{11, 12, 4}));
    EXPECT_EQ(lesson.text(9), "100");
}

TEST(frmTableArray, DaysOfTheYear)
{
    const struct {
        int y, m, d;
        const char* day;
        const char* leap;
    } cases[] = {
        {2004, 3, 1, "61", "1"},    {2006, 3, 1, "60", "0"},  {1900, 3, 1, "60", "0"},
        {2000, 3, 1, "61", "1"},    {2006, 1, 15, "15", "0"}, {2006, 12, 31, "365", "0"},
        {2004, 12, 31, "366", "1"}, {-4, 3, 1, "61", "1"},    {2006, 13, 1, "366", "0"},
        {2006, 14, 1, "366", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
        LessonDriver lesson("frmTableArray");
        EXPECT_EQ(dayOfYear(lesson, c.y, c.m, c.d), c.day);
        EXPECT_EQ(lesson.text(8), c.leap);
        EXPECT_EQ(lesson.text(4), c.leap);
        EXPECT_TRUE(lesson.messages().empty());
    }
}

TEST(frmTableArray, BackToStartGoesToLineFourAndKeepsTheValues)
{
    LessonDriver lesson("frmTableArray");
    lesson.step(11); // on line 9 with 日数 41
    lesson.back();
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.text(5), "41");
    EXPECT_EQ(lesson.panel().note, "\r\n  「経過日数」関数宣言です。");
}

TEST(frmTableArray, TheLeapTestReadsTheParameterOfTheCall)
{
    LessonDriver lesson("frmTableArray");
    lesson.step(5); // line 15, inside うるう年判定
    lesson.set(6, "2004");
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  うるう年の判定  : True");
    lesson.step(3);
    EXPECT_EQ(lesson.text(4), "1");
    EXPECT_EQ(lesson.text(0), "2006");
}

TEST(frmTableArray, ElementsOutsideTheTableAreRefused)
{
    const struct {
        int box;
        const char* text;
        const char* message;
    } cases[] = {
        {4, "3", "月日数[3,0] は配列の範囲 (0～2, 0～12) の外です。"},
        {4, "-1", "月日数[-1,0] は配列の範囲 (0～2, 0～12) の外です。"},
        {3, "0", "月日数[0,-1] は配列の範囲 (0～2, 0～12) の外です。"},
        {3, "14", "月日数[0,13] は配列の範囲 (0～2, 0～12) の外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frmTableArray");
        lesson.set(1, "20");
        lesson.step(10); // line 10
        lesson.set(c.box, c.text);
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), 10);
        EXPECT_EQ(lesson.text(5), "10");
    }
}

TEST(frmTableArray, SumsBeyondSixteenBitsAreRefused)
{
    LessonDriver lesson("frmTableArray");
    lesson.set(2, "32767");
    lesson.step(11);
    EXPECT_EQ(lesson.lastMessage(),
              "日数 + 月日数[X,i-1] の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(lesson.line(), 10);
}

} // namespace
