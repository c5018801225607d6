#include "support/lesson_driver.h"

namespace
{

// The cells lblP(0) to lblP(9) that are red.
std::vector<int> redCells(const LessonDriver& lesson)
{
    std::vector<int> cells;
    for (size_t k = 0; k < lesson.panel().cells.size(); ++k) {
        if (lesson.panel().cells[k] == colours::red)
            cells.push_back(static_cast<int>(k));
        else
            EXPECT_EQ(lesson.panel().cells[k], Colour::buttonFace());
    }
    return cells;
}

TEST(frmQue2CountP, OpensOnTheHeaderWithCellZeroRed)
{
    LessonDriver lesson("frmQue2CountP");
    EXPECT_EQ(lesson.line(), 1);
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(lesson.panel().cells.size(), 10u);
    EXPECT_EQ(redCells(lesson), std::vector<int>{0});
    EXPECT_TRUE(lesson.marked().empty());
}

TEST(frmQue2CountP, OneCallAdvancesTheCounter)
{
    LessonDriver lesson("frmQue2CountP");
    lesson.step();
    EXPECT_EQ(lesson.line(), 3);
    lesson.step();
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.text(0), "1");
    EXPECT_EQ(redCells(lesson), std::vector<int>{1});
    EXPECT_EQ(lesson.condition(), " P>=MAXQUE : False");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{5, 6, 1}));
    EXPECT_EQ(lesson.text(1), "1");
    lesson.step(5 * 8); // eight more calls: the counter stands at 9
    EXPECT_EQ(lesson.text(0), "9");
    EXPECT_EQ(redCells(lesson), std::vector<int>{9});
}

TEST(frmQue2CountP, NineWrapsToZero)
{
    LessonDriver lesson("frmQue2CountP");
    lesson.set(0, "9");
    lesson.step(2);
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.text(0), "10");
    EXPECT_TRUE(redCells(lesson).empty());
    EXPECT_EQ(lesson.condition(), " P>=MAXQUE : True");
    lesson.step();
    EXPECT_EQ(lesson.text(0), "0");
    EXPECT_EQ(redCells(lesson), std::vector<int>{0});
    lesson.step();
    EXPECT_EQ(lesson.text(1), "0");
}

TEST(frmQue2CountP, ValuesTypedBeyondTheRowMarkNoCell)
{
    LessonDriver lesson("frmQue2CountP");
    lesson.step(3); // line 5
    lesson.set(0, "12");
    lesson.step();
    EXPECT_EQ(lesson.text(1), "12");
    EXPECT_TRUE(redCells(lesson).empty());
    lesson.step(3); // the next call increments to 13
    EXPECT_EQ(lesson.text(0), "13");
    lesson.step();
    EXPECT_EQ(lesson.text(0), "0");
    lesson.set(0, "-3");
    lesson.step();
    EXPECT_TRUE(redCells(lesson).empty());
}

TEST(frmQue2CountP, EachStepReadsTheBoxesStrictly)
{
    const struct {
        const char* typed;
        const char* shown; // nullptr: refused
        const char* message;
    } cases[] = {
        {"3.5", "4", ""},
        {"2.5", "2", ""},
        {" 7 ", "7", ""},
        {"", nullptr, "P の値が空です。-32768～32767 の数値を入力してください。"},
        {"abc", nullptr,
         "P の値「abc」は数値ではありません。-32768～32767 の数値を入力してください。"},
        {"12abc", nullptr,
         "P の値「12abc」は数値ではありません。-32768～32767 の数値を入力してください。"},
        {"40000", nullptr, "P の値 40000 は -32768～32767 の範囲外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        LessonDriver lesson("frmQue2CountP");
        lesson.set(0, c.typed);
        lesson.step();
        if (c.shown) {
            EXPECT_FALSE(lesson.lastRefused());
            EXPECT_EQ(lesson.text(0), c.shown);
            EXPECT_EQ(lesson.line(), 3);
        } else {
            EXPECT_TRUE(lesson.lastRefused());
            EXPECT_EQ(lesson.lastMessage(), c.message);
            EXPECT_EQ(lesson.text(0), c.typed);
            EXPECT_EQ(lesson.line(), 1);
        }
    }
    LessonDriver lesson("frmQue2CountP");
    lesson.set(1, "x"); // the function value box is read strictly too
    lesson.step();
    EXPECT_TRUE(lesson.lastRefused());
}

TEST(frmQue2CountP, BackToStartAndAutoRunKeepTheCounter)
{
    LessonDriver lesson("frmQue2CountP");
    lesson.autoRun("500");
    lesson.tick(5 * 12 + 2);
    EXPECT_TRUE(lesson.panel().timer.enabled); // the routine never stops auto-run
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.text(0), "3");
    lesson.back();
    EXPECT_EQ(lesson.line(), 1);
    EXPECT_EQ(lesson.text(0), "3");
    EXPECT_EQ(lesson.text(1), "2");
}

TEST(frmQue2CountP, TheIncrementIsChecked)
{
    LessonDriver lesson("frmQue2CountP");
    lesson.set(0, "32767");
    lesson.step(2);
    EXPECT_EQ(lesson.lastMessage(), "P + 1 の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(lesson.line(), 3);
}

} // namespace
