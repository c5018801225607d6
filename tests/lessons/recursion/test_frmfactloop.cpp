#include "support/lesson_driver.h"

namespace
{

TEST(frmFactLoop, OneRunMultipliesOneToFive)
{
    LessonDriver lesson("frmFactLoop");
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"5", "0", "0", "0"}));
    EXPECT_EQ(lesson.step(14), (std::vector<int>{2, 3, 4, 3, 4, 3, 4, 3, 4, 3, 4, 3, 5, 6}));
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"5", "120", "6", "120"}));
    EXPECT_EQ(lesson.step(), std::vector<int>{0});
    EXPECT_TRUE(lesson.messages().empty());
}

TEST(frmFactLoop, ProductAfterEachVisitOfTheLoopBody)
{
    LessonDriver lesson("frmFactLoop");
    lesson.step(2);
    EXPECT_EQ(lesson.condition(), " i <= n : True");
    EXPECT_EQ(lesson.texts(2, 2), (std::vector<std::string>{"1", "1"}));
    const int products[] = {1, 2, 6, 24, 120};
    for (int k = 0; k < 5; ++k) {
        lesson.step(2);
        EXPECT_EQ(lesson.texts(2, 2), textsOf({k + 2, products[k]}));
    }
    EXPECT_EQ(lesson.condition(), " i <= n : False");
}

TEST(frmFactLoop, ResultsForSmallAndLargeN)
{
    const struct {
        const char* n;
        const char* value;
        const char* i;
    } cases[] = {{"0", "1", "1"}, {"1", "1", "2"}, {"-4", "1", "1"}, {"12", "479001600", "13"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        LessonDriver lesson("frmFactLoop");
        lesson.set(0, c.n);
        lesson.step(2);
        if (std::string(c.n) == "0") {
            EXPECT_EQ(lesson.condition(), " i <= n : False");
        }
        while (lesson.line() != 6)
            lesson.step();
        EXPECT_EQ(lesson.text(1), c.value);
        EXPECT_EQ(lesson.text(2), c.i);
    }
}

TEST(frmFactLoop, OverflowsAreRefused)
{
    { // 13! leaves the 32 bits of r
        LessonDriver lesson("frmFactLoop");
        lesson.set(0, "13");
        lesson.step(2 + 2 * 12 + 1); // on line 4 with r = 12! and i = 13
        EXPECT_EQ(lesson.texts(2, 2), (std::vector<std::string>{"13", "479001600"}));
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(),
                  "r * i の結果が -2147483648～2147483647 の範囲を超えます。");
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_EQ(lesson.texts(2, 2), (std::vector<std::string>{"13", "479001600"}));
    }
    { // i + 1 beyond 16 bits
        LessonDriver lesson("frmFactLoop");
        lesson.set(0, "32767");
        lesson.step(3);
        lesson.set(2, "32767");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
        EXPECT_EQ(lesson.text(3), "1");
    }
}

} // namespace
