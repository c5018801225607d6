#include "support/lesson_driver.h"

namespace
{

const std::string triangle5 = "*\r\n**\r\n***\r\n****\r\n*****\r\n";

TEST(frmMultiLoop, FiveRowsTakeFiftySevenSteps)
{
    LessonDriver lesson("frmMultiLoop");
    EXPECT_EQ(lesson.texts(0, 6), (std::vector<std::string>{"5", "0", "0", "", "", ""}));
    EXPECT_EQ(lesson.model().noteOf(6), "");
    EXPECT_EQ(lesson.model().noteOf(8), "\r\n  Sに\"*\"を連結します。");
    const std::vector<int> lines = lesson.stepTo(0);
    EXPECT_EQ(lines.size(), 57u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), 8), 15);
    EXPECT_EQ(lesson.texts(1, 5),
              (std::vector<std::string>{"6", "6", "\"\\r\\n\"", triangle5, triangle5}));
}

TEST(frmMultiLoop, TheFirstRow)
{
    LessonDriver lesson("frmMultiLoop");
    const struct {
        int line;
        const char* condition;
        const char* s;
    } visits[] = {
        {2, "", ""},
        {3, "", ""},
        {4, "", ""},
        {5, "  i <= N : True", ""},
        {7, "  j <= i : True", ""},
        {8, "", ""},
        {7, "  j <= i : False", "*"},
        {9, "", "*"},
        {10, "", "*\r\n"}, // a real line break, not the text of CRLF
        {5, "  i <= N : True", "*\r\n"},
    };
    for (const auto& visit : visits) {
        lesson.step();
        ASSERT_EQ(lesson.line(), visit.line);
        EXPECT_EQ(lesson.condition(), visit.condition);
        EXPECT_EQ(lesson.text(4), visit.s);
    }
    EXPECT_EQ(lesson.text(3), "\"\\r\\n\""); // the literal, quotes and backslashes included
    EXPECT_EQ(lesson.text(5), "");           // the function value only at line 11
}

TEST(frmMultiLoop, OtherRowCountsAndEdits)
{
    const struct {
        const char* n;
        const char* value;
        size_t steps;
    } cases[] = {{"0", "", 7}, {"-3", "", 7}, {"1", "*\r\n", 13}, {"2", "*\r\n**\r\n", 21}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        LessonDriver lesson("frmMultiLoop");
        lesson.set(0, c.n);
        EXPECT_EQ(lesson.stepTo(0).size(), c.steps);
        EXPECT_EQ(lesson.text(5), c.value);
    }
    { // text typed into S after line 4 stays; the rows are appended to it
        LessonDriver lesson("frmMultiLoop");
        lesson.set(0, "2");
        lesson.stepTo(5);
        lesson.set(4, "ab\r\ncd");
        lesson.stepTo(0);
        EXPECT_EQ(lesson.text(5), "ab\r\ncd*\r\n**\r\n");
    }
    { // back to start clears nothing; the step from line 0 clears strings and counters
        LessonDriver lesson("frmMultiLoop");
        lesson.stepTo(12);
        lesson.back();
        EXPECT_EQ(lesson.text(5), triangle5);
        lesson.step();
        EXPECT_EQ(lesson.texts(0, 6), (std::vector<std::string>{"5", "0", "0", "", "", ""}));
    }
}

TEST(frmMultiLoop, CountersAtTheirLimitsAreRefused)
{
    LessonDriver lesson("frmMultiLoop");
    lesson.stepTo(8);
    lesson.set(1, "32767");
    lesson.set(2, "32767");
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "j + 1 の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(lesson.text(4), ""); // the asterisk of the refused step is not appended
    LessonDriver outer("frmMultiLoop");
    outer.stepTo(10);
    outer.set(1, "32767");
    outer.step();
    EXPECT_EQ(outer.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(outer.line(), 10);
}

} // namespace
