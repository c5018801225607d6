#include "trace.h"

namespace
{

constexpr int levelBox = 2;

TEST(frmFact, FiveCallsABaseCaseAndFiveReturnsGive120In23Steps)
{
    LessonDriver lesson("frmFact");
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"5", "0", ""}));
    EXPECT_EQ(trace(lesson, 17, 3),
              (std::vector<std::string>{"2: 5 0 ", "3: 5 0 ", "0: 4 0 1", "2: 4 0 1", "3: 4 0 1",
                                        "0: 3 0 2", "2: 3 0 2", "3: 3 0 2", "0: 2 0 3", "2: 2 0 3",
                                        "3: 2 0 3", "0: 1 0 4", "2: 1 0 4", "3: 1 0 4", "0: 0 0 5",
                                        "2: 0 0 5", "4: 0 1 5"}));
    EXPECT_EQ(trace(lesson, 5, 3), (std::vector<std::string>{"4: 1 1 4", "4: 2 2 3", "4: 3 6 2",
                                                             "4: 4 24 1", "4: 5 120 0"}));
    EXPECT_TRUE(lesson.messages().empty());
    EXPECT_EQ(lesson.step(), std::vector<int>{0});
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"関数実行終わり 関数値=120"});
    EXPECT_EQ(lesson.stepUntilMessage(100), 23); // n shows 5 again: the same run
}

TEST(frmFact, RunsForOtherArguments)
{
    const struct {
        const char* n;
        int steps;
        const char* message;
        const char* level; // the level box afterwards
    } cases[] = {
        {"0", 3, "関数実行終わり 関数値=1", ""}, // the level never leaves 0
        {"1", 7, "関数実行終わり 関数値=1", "0"},
        {"12", 51, "関数実行終わり 関数値=479001600", "0"},
        // 101 calls fill levels 0 to 100 and the 102nd activation is the base case, but
        // 101! overflows on the way back
        {"101", 101 * 3 + 2 + 13, "n*fact(n-1) の結果が -2147483648～2147483647 の範囲を超えます。",
         "89"},
        // the call from level 101 overflows the stack; the returns then multiply 0
        {"102", 101 * 3 + 3, "スタックオーバ", "101"},
        {"-1", 101 * 3 + 3, "スタックオーバ", "101"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        LessonDriver lesson("frmFact");
        lesson.set(0, c.n);
        EXPECT_EQ(lesson.stepUntilMessage(1000), c.steps);
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.text(levelBox), c.level);
    }
    LessonDriver over("frmFact");
    over.set(0, "102");
    over.stepUntilMessage(1000);
    EXPECT_EQ(over.line(), 4);
    EXPECT_EQ(over.text(0), "1"); // n unchanged by the refused call
    EXPECT_EQ(over.stepUntilMessage(1000), 102);
    EXPECT_EQ(over.lastMessage(), "関数実行終わり 関数値=0");
    EXPECT_EQ(over.text(0), "102");
}

TEST(frmFact, ThirteenFactorialIsRefusedAtItsReturnStep)
{
    LessonDriver lesson("frmFact");
    lesson.set(0, "13");
    lesson.step(13 * 3 + 2 + 12);
    lesson.step();
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"12", "479001600", "1"}));
    lesson.set(1, "1"); // the function value is read: a smaller product goes on
    EXPECT_EQ(trace(lesson, 1, 3), std::vector<std::string>{"4: 13 13 0"});
}

TEST(frmFact, BackToStartLeavesTheAbandonedLevelsPending)
{
    LessonDriver lesson("frmFact");
    lesson.step(6); // two calls: level 2, n 3
    lesson.back();
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"3", "0", "2"}));
    // 3 more calls, the base case, then returns through 3, 2, 1 and the abandoned 4 and 5.
    EXPECT_EQ(lesson.stepUntilMessage(100), 3 * 3 + 2 + 5 + 1);
    EXPECT_EQ(lesson.lastMessage(), "関数実行終わり 関数値=120");
}

TEST(frmFact, EditsDuringTheReturnPhase)
{
    LessonDriver lesson("frmFact");
    lesson.step(17);
    lesson.set(0, "99");       // n is replaced by the saved argument
    lesson.set(levelBox, "7"); // the level box is never read
    EXPECT_EQ(trace(lesson, 1, 3), std::vector<std::string>{"4: 1 1 4"});
}

} // namespace
