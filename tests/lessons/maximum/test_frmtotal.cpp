#include "support/lesson_driver.h"

namespace
{

const Colour window = Colour::window();

TEST(frmTotal, OpensOnTheFirstLineWithTheInitialValuesReadBack)
{
    LessonDriver lesson("frmTotal");
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.panel().note, "\r\n  関数の宣言です。");
    EXPECT_EQ(lesson.condition(), "");
    EXPECT_EQ(lesson.texts(0, 8),
              (std::vector<std::string>{"13", "35", "22", "44", "12", "0", "0", "0"}));
    EXPECT_TRUE(lesson.marked().empty());
    EXPECT_FALSE(lesson.panel().timer.enabled);
}

TEST(frmTotal, OnePassTakesFifteenStepsAndReturns126)
{
    LessonDriver lesson("frmTotal");
    EXPECT_EQ(lesson.step(15), (std::vector<int>{2, 3, 4, 3, 4, 3, 4, 3, 4, 3, 4, 3, 5, 6, 0}));
    EXPECT_EQ(lesson.text(6), "126");
    EXPECT_EQ(lesson.text(5), "126");
    EXPECT_EQ(lesson.text(7), "5");
    EXPECT_TRUE(lesson.messages().empty());
}

TEST(frmTotal, ConditionAndMarksAlongTheLoop)
{
    LessonDriver lesson("frmTotal");
    lesson.step(2);
    EXPECT_EQ(lesson.condition(), "  i < a.Length : True");
    EXPECT_EQ(lesson.panel().note,
              "\r\n  最初 i=0 として i< aの配列サイズのあいだ，\r\n  次を繰り返します。");
    for (int k = 0; k < 5; ++k) {
        lesson.step(); // line 4: the element the next step adds is yellow
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_EQ(lesson.marked(), (std::vector<std::pair<int, Colour>>{{k, colours::yellow}}));
        EXPECT_EQ(lesson.condition(), "");
        lesson.step();
        EXPECT_TRUE(lesson.marked().empty());
    }
    EXPECT_EQ(lesson.condition(), "  i < a.Length : False");
    lesson.step();
    EXPECT_EQ(lesson.line(), 5);
}

TEST(frmTotal, EditsBetweenStepsTakeEffect)
{
    { // a[2] set to 0 before its addition
        LessonDriver lesson("frmTotal");
        lesson.step(3);
        lesson.set(2, "0");
        lesson.step(12);
        EXPECT_EQ(lesson.text(6), "104");
    }
    { // i = 4 on line 3 goes on to add a[4]
        LessonDriver lesson("frmTotal");
        lesson.step(2);
        lesson.set(7, "4");
        lesson.step();
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_EQ(lesson.marked(), (std::vector<std::pair<int, Colour>>{{4, colours::yellow}}));
    }
    { // i = 5 on line 3 leaves the loop
        LessonDriver lesson("frmTotal");
        lesson.step(2);
        lesson.set(7, "5");
        lesson.step();
        EXPECT_EQ(lesson.line(), 5);
    }
    { // i = 5 on line 4 adds the hidden slot 5 (0) and marks nothing
        LessonDriver lesson("frmTotal");
        lesson.step(3);
        lesson.set(7, "5");
        lesson.set(5, "7");
        lesson.step();
        EXPECT_EQ(lesson.line(), 3);
        EXPECT_EQ(lesson.text(5), "7");
        EXPECT_EQ(lesson.text(7), "6");
        EXPECT_EQ(lesson.condition(), "  i < a.Length : False");
    }
}

TEST(frmTotal, TypedValuesAreRoundedHalfToEven)
{
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"2.5", "2"}, {"3.5", "4"}, {" 7 ", "7"}, {"1e2", "100"}, {"x12", "0"}, {"", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        LessonDriver lesson("frmTotal");
        lesson.set(0, c.typed);
        lesson.step();
        EXPECT_EQ(lesson.text(0), c.shown);
    }
}

TEST(frmTotal, BackToStartKeepsTheVariablesAndRestoresTypedText)
{
    LessonDriver lesson("frmTotal");
    lesson.step(4); // line 3 with total 13, i 1
    lesson.step();  // line 4
    lesson.set(1, "99");
    lesson.back();
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.text(1), "35"); // the typed text is replaced by the stored value
    EXPECT_EQ(lesson.text(5), "13");
    EXPECT_EQ(lesson.text(7), "1");
    EXPECT_TRUE(lesson.marked().empty());
    lesson.step(2);
    EXPECT_EQ(lesson.text(5), "0");
    EXPECT_EQ(lesson.text(7), "0");
}

TEST(frmTotal, FaultsAreRefusedAndLeaveEverythingAsItWas)
{
    { // a sum beyond 16 bits
        LessonDriver lesson("frmTotal");
        lesson.setAll(0, {32767, 1, 0, 0, 0});
        lesson.step(3); // line 4 adds 32767
        lesson.step(3); // line 4 would add 1 more
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), "total + a[i] の結果が -32768～32767 の範囲を超えます。");
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_EQ(lesson.text(5), "32767");
    }
    { // an index typed outside the array
        LessonDriver lesson("frmTotal");
        lesson.step(3);
        lesson.set(7, "9");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "a[9] は配列の範囲 (0～5) の外です。");
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_EQ(lesson.text(7), "9");
        lesson.set(7, "-1");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "a[-1] は配列の範囲 (0～5) の外です。");
    }
    { // a negative i on line 3 marks nothing on the way to line 4
        LessonDriver lesson("frmTotal");
        lesson.step(2);
        lesson.set(7, "-3");
        lesson.step();
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_TRUE(lesson.marked().empty());
    }
}

TEST(frmTotal, AutoRunStepsOnTicksUntilStopped)
{
    LessonDriver lesson("frmTotal");
    lesson.autoRun("500");
    EXPECT_TRUE(lesson.panel().timer.enabled);
    EXPECT_EQ(lesson.panel().timer.interval, 500);
    lesson.tick(15);
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.text(6), "126");
    lesson.back(); // does not stop auto-run
    EXPECT_TRUE(lesson.panel().timer.enabled);
    lesson.model().stopAutoRun();
    lesson.tick(3);
    EXPECT_EQ(lesson.line(), 0);
}

} // namespace
