#include "arrays_support.h"

namespace
{

// The one red cell, or -1 when none is.
int redCell(const LessonDriver& lesson)
{
    const std::vector<Colour>& cells = lesson.panel().cells;
    const auto red = std::find(cells.begin(), cells.end(), colours::red);
    EXPECT_EQ(std::count(cells.begin(), cells.end(), Colour::buttonFace()),
              static_cast<long>(cells.size()) - (red == cells.end() ? 0 : 1));
    return red == cells.end() ? -1 : static_cast<int>(red - cells.begin());
}

TEST(frmQue2CountP, TheCounterMovesAlongTheRowAndWraps)
{
    LessonDriver lesson("frmQue2CountP");
    EXPECT_EQ(lesson.line(), 1);
    EXPECT_EQ(redCell(lesson), 0);
    EXPECT_EQ(lesson.step(2), (std::vector<int>{3, 4}));
    EXPECT_EQ(redCell(lesson), 1);
    EXPECT_EQ(lesson.condition(), " P>=MAXQUE : False");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{5, 6, 1}));
    EXPECT_EQ(lesson.text(1), "1");
    lesson.step(5 * 8 + 2); // nine calls: 10 on line 4
    EXPECT_EQ(lesson.text(0), "10");
    EXPECT_EQ(redCell(lesson), -1);
    EXPECT_EQ(lesson.condition(), " P>=MAXQUE : True");
    lesson.step(2);
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(redCell(lesson), 0);
    lesson.back();
    EXPECT_EQ(lesson.line(), 1);
}

TEST(frmQue2CountP, ValuesTypedBeyondTheRowMarkNoCell)
{
    LessonDriver lesson("frmQue2CountP");
    lesson.step(3); // line 5
    lesson.set(0, "12");
    lesson.step();
    EXPECT_EQ(lesson.text(1), "12");
    EXPECT_EQ(redCell(lesson), -1);
    lesson.step(3);
    EXPECT_EQ(lesson.text(0), "13");
    lesson.set(0, "-3");
    lesson.step();
    EXPECT_EQ(redCell(lesson), -1);
    lesson.step(3); // line 3
    lesson.set(0, "32767");
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "P + 1 の結果が -32768～32767 の範囲を超えます。");
}

TEST(frmQue2CountP, EachStepReadsTheBoxesStrictly)
{
    const struct {
        const char* typed;
        const char* result; // the box after the step, or the refusal
    } cases[] = {
        {"3.5", "4"},
        {"2.5", "2"},
        {" 7 ", "7"},
        {"", "P の値が空です。-32768～32767 の数値を入力してください。"},
        {"12abc", "P の値「12abc」は数値ではありません。-32768～32767 の数値を入力してください。"},
        {"40000", "P の値 40000 は -32768～32767 の範囲外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        LessonDriver lesson("frmQue2CountP");
        lesson.set(0, c.typed);
        lesson.step();
        EXPECT_EQ(lesson.lastRefused() ? lesson.lastMessage() : lesson.text(0), c.result);
        EXPECT_EQ(lesson.line(), lesson.lastRefused() ? 1 : 3);
    }
}

} // namespace
