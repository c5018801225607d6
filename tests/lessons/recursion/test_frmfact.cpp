#include "support/lesson_driver.h"

namespace
{

constexpr int levelBox = 2;
const std::string overflow32 = " の結果が -2147483648～2147483647 の範囲を超えます。";

// Runs the factorial of `n` from line 0 to its final message; the number of steps.
int factorialRun(LessonDriver& lesson, int n)
{
    lesson.set(0, std::to_string(n));
    return lesson.stepUntilMessage(1000);
}

TEST(frmFact, OpensWithNFiveAndAnEmptyLevelBox)
{
    LessonDriver lesson("frmFact");
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.panel().note, "\r\n  関数の宣言です。");
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"5", "0", ""}));
    EXPECT_EQ(lesson.condition(), "");
}

TEST(frmFact, FiveCallsABaseCaseAndFiveReturnsGive120In23Steps)
{
    LessonDriver lesson("frmFact");
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(lesson.step(3), (std::vector<int>{2, 3, 0}));
        EXPECT_EQ(lesson.texts(0, 3), textsOf({5 - k, 0, k}));
    }
    EXPECT_EQ(lesson.step(), std::vector<int>{2});
    EXPECT_EQ(lesson.condition(), " n==0 : True");
    EXPECT_EQ(lesson.step(), std::vector<int>{4});
    EXPECT_EQ(lesson.text(1), "1");
    const int values[] = {1, 2, 6, 24, 120};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(lesson.step(), std::vector<int>{4});
        EXPECT_EQ(lesson.texts(0, 3), textsOf({k + 1, values[k], 4 - k}));
    }
    EXPECT_TRUE(lesson.messages().empty());
    EXPECT_EQ(lesson.step(), std::vector<int>{0});
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"関数実行終わり 関数値=120"});
    // n shows 5 again, so the next run repeats the computation.
    EXPECT_EQ(lesson.stepUntilMessage(100), 23);
    EXPECT_EQ(lesson.lastMessage(), "関数実行終わり 関数値=120");
}

TEST(frmFact, SmallArgumentsAndTheLargestFactorial)
{
    const struct {
        int n;
        int steps;
        const char* message;
    } cases[] = {{0, 3, "関数実行終わり 関数値=1"},
                 {1, 7, "関数実行終わり 関数値=1"},
                 {12, 51, "関数実行終わり 関数値=479001600"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        LessonDriver lesson("frmFact");
        EXPECT_EQ(factorialRun(lesson, c.n), c.steps);
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), 0);
        EXPECT_EQ(lesson.text(0), std::to_string(c.n));
    }
    LessonDriver zero("frmFact");
    factorialRun(zero, 0);
    EXPECT_EQ(zero.text(levelBox), ""); // the level never left 0
}

TEST(frmFact, ThirteenFactorialIsRefusedAtItsReturnStep)
{
    LessonDriver lesson("frmFact");
    lesson.set(0, "13");
    lesson.step(13 * 3 + 2 + 12); // the return steps up to 12! (level 1)
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"12", "479001600", "1"}));
    lesson.step();
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.lastMessage(), "n*fact(n-1)" + overflow32);
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"12", "479001600", "1"}));
    lesson.set(1, "1"); // a smaller product lets the run go on
    lesson.step();
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"13", "13", "0"}));
}

TEST(frmFact, DepthLimitOf101SavedLevels)
{
    { // 101 calls fill levels 0 to 100; the 102nd activation is the base case
        LessonDriver lesson("frmFact");
        lesson.set(0, "101");
        lesson.step(101 * 3 + 2);
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_EQ(lesson.text(levelBox), "101");
        EXPECT_TRUE(lesson.messages().empty());
    }
    const struct {
        const char* n;
        const char* value;
    } cases[] = {{"102", "0"}, {"-1", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        LessonDriver lesson("frmFact");
        lesson.set(0, c.n);
        lesson.step(101 * 3 + 2); // on line 3 at level 101
        EXPECT_EQ(lesson.line(), 3);
        const std::string n = lesson.text(0);
        lesson.step();
        EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックオーバ"});
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_EQ(lesson.text(0), n);
        EXPECT_EQ(lesson.text(levelBox), "101");
        lesson.step(); // the returns go on through the saved levels
        EXPECT_EQ(lesson.text(levelBox), "100");
        EXPECT_EQ(lesson.stepUntilMessage(200), 101);
        EXPECT_EQ(lesson.lastMessage(), std::string("関数実行終わり 関数値=") + c.value);
        EXPECT_EQ(lesson.text(0), c.n);
    }
}

TEST(frmFact, BackToStartLeavesTheAbandonedLevelsPending)
{
    LessonDriver lesson("frmFact");
    lesson.step(6); // two calls: level 2, n 3
    lesson.back();
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"3", "0", "2"}));
    // 3 more calls, the base case, then returns through 3, 2, 1 and the abandoned 4 and 5.
    EXPECT_EQ(lesson.stepUntilMessage(100), 3 * 3 + 2 + 5 + 1);
    EXPECT_EQ(lesson.lastMessage(), "関数実行終わり 関数値=120");
    EXPECT_EQ(lesson.text(0), "5");
}

TEST(frmFact, EditsDuringTheReturnPhase)
{
    LessonDriver lesson("frmFact");
    lesson.step(17);           // base case done: level 5, function value 1
    lesson.set(0, "99");       // n is replaced by the saved argument
    lesson.set(levelBox, "7"); // the level box is never read
    lesson.step();
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"1", "1", "4"}));
    lesson.set(1, "10"); // the function value is read: the product goes on from it
    lesson.step();
    EXPECT_EQ(lesson.text(1), "20");
    lesson.set(1, "2147483648");
    lesson.step();
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.lastMessage(),
              "関数値 の値 2147483648 は -2147483648～2147483647 の範囲外です。");
}

} // namespace
