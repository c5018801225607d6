#include "arrays_support.h"

namespace
{

TEST(frmTableArray, TheTenthOfAprilIsDayOneHundred)
{
    LessonDriver lesson("frmTableArray");
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.panel().lblTable, "31, 31,\r\n28, 29,\r\n31, 31,\r\n30, 30,\r\n31, 31,\r\n"
                                       "30, 30,\r\n31, 31,\r\n31, 31,\r\n30, 30,\r\n31, 31,\r\n"
                                       "30, 30,\r\n31, 31,\r\n");
    EXPECT_EQ(lesson.step(6), (std::vector<int>{6, 7, 8, 13, 15, 16}));
    EXPECT_EQ(lesson.text(5), "10");   // 日数 := D
    EXPECT_EQ(lesson.text(6), "2006"); // the call passes Y
    EXPECT_EQ(lesson.condition(), "  うるう年の判定  : False");
    lesson.step(3); // U, the function value, then the return sets X and i
    EXPECT_EQ(lesson.texts(3, 2), (std::vector<std::string>{"1", "0"}));
    for (const int sum : {41, 69, 100}) {
        EXPECT_EQ(lesson.condition(), "  i < M  : True");
        lesson.step(2);
        EXPECT_EQ(lesson.text(5), std::to_string(sum));
    }
    EXPECT_EQ(lesson.condition(), "  i < M  : False");
    EXPECT_EQ(lesson.step(4), (std::vector<int>{11, 12, 4, 6}));
    EXPECT_EQ(lesson.text(9), "100");
    lesson.back(); // back to the header of 経過日数, not to line 0
    EXPECT_EQ(lesson.line(), 4);
}

TEST(frmTableArray, DaysOfTheYear)
{
    const struct {
        int y, m, d;
        const char* day;
        const char* leap;
    } cases[] = {
        {2004, 3, 1, "61", "1"},   {1900, 3, 1, "60", "0"},    {2000, 3, 1, "61", "1"},
        {2006, 1, 15, "15", "0"},  {2004, 12, 31, "366", "1"}, {-4, 3, 1, "61", "1"},
        {2006, 14, 1, "366", "0"}, // the empty column 12 adds nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
        LessonDriver lesson("frmTableArray");
        lesson.setAll(0, {c.y, c.m, c.d});
        for (int k = 0; k < 60 && lesson.line() != 12; ++k)
            lesson.step();
        EXPECT_EQ(lesson.text(9), c.day);
        EXPECT_EQ(lesson.text(8), c.leap);
    }
}

TEST(frmTableArray, TheLeapTestReadsTheParameterOfTheCall)
{
    LessonDriver lesson("frmTableArray");
    lesson.step(5); // line 15, inside うるう年判定
    lesson.set(6, "2004");
    lesson.step(4);
    EXPECT_EQ(lesson.text(4), "1");
}

TEST(frmTableArray, ElementsOutsideTheTableAreRefused)
{
    const struct {
        int box;
        const char* text;
        const char* message;
    } cases[] = {
        {4, "3", "月日数[3,0] は配列の範囲 (0～2, 0～12) の外です。"},
        {3, "0", "月日数[0,-1] は配列の範囲 (0～2, 0～12) の外です。"},
        {3, "14", "月日数[0,13] は配列の範囲 (0～2, 0～12) の外です。"},
        {5, "32767", "日数 + 月日数[X,i-1] の結果が -32768～32767 の範囲を超えます。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frmTableArray");
        lesson.step(10); // line 10
        lesson.set(c.box, c.text);
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), 10);
    }
}

} // namespace
