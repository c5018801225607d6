#include "support/lesson_driver.h"

namespace
{

TEST(frmKetaSum, TwelveThousandThreeHundredFortyFiveHasFiveDigits)
{
    LessonDriver lesson("frmKetaSum");
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"12345", "0", "0", "0"}));
    std::vector<std::string> copies;
    std::vector<std::string> tests;
    for (const int line : {2, 3, 4, 6, 7, 4, 6, 7, 4, 6, 7, 4, 6, 7, 4, 9, 10, 0}) {
        lesson.step();
        ASSERT_EQ(lesson.line(), line);
        if (line == 7)
            copies.push_back(lesson.text(3));
        if (line == 4)
            tests.push_back(lesson.condition());
    }
    EXPECT_EQ(copies, (std::vector<std::string>{"1234", "123", "12", "1"}));
    EXPECT_EQ(tests,
              (std::vector<std::string>{"  NN>=10 : True", "  NN>=10 : True", "  NN>=10 : True",
                                        "  NN>=10 : True", "  NN>=10 : False"}));
    EXPECT_EQ(lesson.text(1), "5");
}

TEST(frmKetaSum, DigitsOfOtherNumbers)
{
    const struct {
        const char* n;
        const char* digits;
        int divisions;
    } cases[] = {
        {"0", "1", 0},  {"9", "1", 0},  {"-7", "1", 0},   {"-32768", "1", 0}, {"10", "2", 1},
        {"95", "2", 1}, {"99", "2", 1}, {"9999", "4", 3}, {"32767", "5", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        LessonDriver lesson("frmKetaSum");
        lesson.set(0, c.n);
        const std::vector<int> lines = lesson.stepTo(0);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), 6), c.divisions);
        EXPECT_EQ(lesson.text(1), c.digits);
    }
}

TEST(frmKetaSum, TypedValuesAreDividedOrRefused)
{
    LessonDriver lesson("frmKetaSum");
    lesson.stepTo(6);
    lesson.set(3, "-987");
    lesson.step();
    EXPECT_EQ(lesson.text(3), "-98"); // toward zero
    lesson.set(0, "123456");
    lesson.step();
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.lastMessage(), "N の値 123456 は -32768～32767 の範囲外です。");
    EXPECT_EQ(lesson.line(), 7);
}

} // namespace
