#include "support/lesson_driver.h"

namespace
{

TEST(frm3ValueMax, OnePassTakesSixStepsAndReturns35)
{
    LessonDriver lesson("frm3ValueMax");
    EXPECT_EQ(lesson.texts(0, 5), (std::vector<std::string>{"13", "35", "22", "0", "0"}));
    std::vector<std::string> conditions;
    for (const int line : {2, 3, 4, 5, 6, 0}) {
        lesson.step();
        EXPECT_EQ(lesson.line(), line);
        conditions.push_back(lesson.condition());
        EXPECT_TRUE(lesson.marked().empty());
    }
    EXPECT_EQ(conditions,
              (std::vector<std::string>{"", "  max < b : True", "  max < c : False", "", "", ""}));
    EXPECT_EQ(lesson.texts(3, 2), (std::vector<std::string>{"35", "35"}));
    EXPECT_EQ(lesson.panel().note, "\r\n  関数の宣言です。");
}

TEST(frm3ValueMax, ConditionsAndResultForOtherValues)
{
    const struct {
        std::vector<int> abc;
        const char* line3;
        const char* line4;
        const char* value;
    } cases[] = {
        {{50, 35, 22}, "  max < b : False", "  max < c : False", "50"},
        {{13, 35, 40}, "  max < b : True", "  max < c : True", "40"},
        {{13, 5, 40}, "  max < b : False", "  max < c : True", "40"},
        {{9, 9, 9}, "  max < b : False", "  max < c : False", "9"},
        {{-5, -7, -6}, "  max < b : False", "  max < c : False", "-5"},
        {{-32768, 32767, 0}, "  max < b : True", "  max < c : False", "32767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        LessonDriver lesson("frm3ValueMax");
        lesson.setAll(0, c.abc);
        lesson.step(2);
        EXPECT_EQ(lesson.condition(), c.line3);
        lesson.step();
        EXPECT_EQ(lesson.condition(), c.line4);
        lesson.step(2);
        EXPECT_EQ(lesson.text(4), c.value);
    }
}

TEST(frm3ValueMax, StepsReadTheBoxesStrictly)
{
    const struct {
        const char* typed;
        const char* shown;
    } accepted[] = {{"2.5", "2"},  {"3.5", "4"},  {" 7 ", "7"},          {"-0.5", "0"},
                    {"+12", "12"}, {"　８", "8"}, {"-32768.5", "-32768"}};
    for (const auto& c : accepted) {
        SCOPED_TRACE(c.typed);
        LessonDriver lesson("frm3ValueMax");
        lesson.set(0, c.typed);
        lesson.step();
        EXPECT_FALSE(lesson.lastRefused());
        EXPECT_EQ(lesson.text(0), c.shown);
    }
}

TEST(frm3ValueMax, EmptyNonNumericAndOutOfRangeBoxesRefuseTheStep)
{
    const struct {
        int box;
        const char* typed;
        const char* message;
    } refused[] = {
        {3, "", "max の値が空です。-32768～32767 の数値を入力してください。"},
        {3, "  ", "max の値が空です。-32768～32767 の数値を入力してください。"},
        {0, "abc", "a の値「abc」は数値ではありません。-32768～32767 の数値を入力してください。"},
        {1, "12abc",
         "b の値「12abc」は数値ではありません。-32768～32767 の数値を入力してください。"},
        {4, "1 2",
         "関数値 の値「1 2」は数値ではありません。-32768～32767 の数値を入力してください。"},
        {2, "40000", "c の値 40000 は -32768～32767 の範囲外です。"},
        {2, "-32769", "c の値 -32769 は -32768～32767 の範囲外です。"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.typed);
        LessonDriver lesson("frm3ValueMax");
        lesson.step(2); // line 3, max = 13
        lesson.autoRun("500");
        lesson.set(c.box, c.typed);
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), 3);
        EXPECT_EQ(lesson.text(c.box), c.typed); // what the student typed stays
        EXPECT_EQ(lesson.condition(), "  max < b : True");
        EXPECT_FALSE(lesson.panel().timer.enabled);
    }
    { // with the box holding 0 the step runs
        LessonDriver lesson("frm3ValueMax");
        lesson.set(3, "");
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        lesson.set(3, "0");
        lesson.step();
        EXPECT_FALSE(lesson.lastRefused());
        EXPECT_EQ(lesson.line(), 2);
    }
}

TEST(frm3ValueMax, BackToStartDoesNotReadTheBoxes)
{
    LessonDriver lesson("frm3ValueMax");
    lesson.step(5); // line 6
    lesson.set(0, "xyz");
    lesson.back();
    EXPECT_FALSE(lesson.lastRefused());
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.text(0), "13");
    EXPECT_EQ(lesson.text(4), "35");
}

} // namespace
