#include "trace.h"

namespace
{

TEST(frmFactLoop, OneRunMultipliesOneToFive)
{
    LessonDriver lesson("frmFactLoop");
    lesson.step(2);
    EXPECT_EQ(lesson.condition(), " i <= n : True");
    EXPECT_EQ(trace(lesson, 13, 4),
              (std::vector<std::string>{"4: 5 0 1 1", "3: 5 0 2 1", "4: 5 0 2 1", "3: 5 0 3 2",
                                        "4: 5 0 3 2", "3: 5 0 4 6", "4: 5 0 4 6", "3: 5 0 5 24",
                                        "4: 5 0 5 24", "3: 5 0 6 120", "5: 5 0 6 120",
                                        "6: 5 120 6 120", "0: 5 120 6 120"}));
}

TEST(frmFactLoop, OtherArgumentsAndOverflows)
{
    const struct {
        const char* n;
        int steps; // to line 6, or to the refused step
        const char* result;
    } cases[] = {
        {"0", 4, "6: 0 1 1 1"},
        {"1", 6, "6: 1 1 2 1"},
        {"-4", 4, "6: -4 1 1 1"},
        {"12", 28, "6: 12 479001600 13 479001600"},
        {"13", 28, "4: 13 0 13 479001600"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        LessonDriver lesson("frmFactLoop");
        lesson.set(0, c.n);
        EXPECT_EQ(trace(lesson, c.steps, 4).back(), c.result);
    }
    LessonDriver lesson("frmFactLoop");
    lesson.set(0, "13");
    lesson.step(28);
    EXPECT_EQ(lesson.lastMessage(), "r * i の結果が -2147483648～2147483647 の範囲を超えます。");
    lesson.set(3, "1");
    lesson.set(2, "32767");
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
}

} // namespace
