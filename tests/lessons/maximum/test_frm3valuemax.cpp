#include "support/lesson_driver.h"

namespace
{

TEST(frm3ValueMax, ConditionsAndResults)
{
    const struct {
        std::vector<int> abc;
        const char* line3;
        const char* line4;
        const char* value;
    } cases[] = {
        {{13, 35, 22}, "  max < b : True", "  max < c : False", "35"}, // the initial data
        {{50, 35, 22}, "  max < b : False", "  max < c : False", "50"},
        {{13, 5, 40}, "  max < b : False", "  max < c : True", "40"},
        {{9, 9, 9}, "  max < b : False", "  max < c : False", "9"},
        {{-32768, 32767, 0}, "  max < b : True", "  max < c : False", "32767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        LessonDriver lesson("frm3ValueMax");
        EXPECT_EQ(lesson.texts(3, 2), (std::vector<std::string>{"0", "0"}));
        lesson.setAll(0, c.abc);
        for (const int line : lesson.step(6))
            EXPECT_TRUE(lesson.marked().empty()) << line;
        EXPECT_EQ(lesson.line(), 0);
        EXPECT_EQ(lesson.text(4), c.value);
        lesson.stepTo(3);
        EXPECT_EQ(lesson.condition(), c.line3);
        lesson.step();
        EXPECT_EQ(lesson.condition(), c.line4);
    }
}

TEST(frm3ValueMax, StepsReadTheBoxesStrictly)
{
    const struct {
        const char* typed;
        const char* shown; // empty: refused with `message`
        const char* message;
    } cases[] = {
        {"2.5", "2", ""},
        {"3.5", "4", ""},
        {" 7 ", "7", ""},
        {"　８", "8", ""},
        {"-32768.5", "-32768", ""},
        {"", "", "関数値 の値が空です。-32768～32767 の数値を入力してください。"},
        {"  ", "", "関数値 の値が空です。-32768～32767 の数値を入力してください。"},
        {"12abc", "",
         "関数値 の値「12abc」は数値ではありません。-32768～32767 の数値を入力してください。"},
        {"1 2", "",
         "関数値 の値「1 2」は数値ではありません。-32768～32767 の数値を入力してください。"},
        {"40000", "", "関数値 の値 40000 は -32768～32767 の範囲外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        LessonDriver lesson("frm3ValueMax");
        lesson.step(2); // line 3
        lesson.autoRun("500");
        lesson.set(4, c.typed);
        lesson.step();
        if (*c.shown) {
            EXPECT_FALSE(lesson.lastRefused());
            EXPECT_EQ(lesson.text(4), c.shown);
            continue;
        }
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), 3);
        EXPECT_EQ(lesson.text(4), c.typed); // what the student typed stays
        EXPECT_EQ(lesson.condition(), "  max < b : True");
        EXPECT_FALSE(lesson.panel().timer.enabled);
    }
}

} // namespace
