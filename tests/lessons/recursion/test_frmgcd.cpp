#include "trace.h"

namespace
{

constexpr int levelBox = 3;

TEST(frmGCD, WorkedRunOf48And18)
{
    LessonDriver lesson("frmGCD");
    lesson.set(0, "48");
    lesson.set(1, "18");
    EXPECT_EQ(trace(lesson, 15, 4),
              (std::vector<std::string>{
                  "2: 48 18 0 ", "3: 48 18 0 ", "0: 18 12 0 1", "2: 18 12 0 1", "3: 18 12 0 1",
                  "0: 12 6 0 2", "2: 12 6 0 2", "3: 12 6 0 2", "0: 6 0 0 3", "2: 6 0 0 3",
                  "4: 6 0 6 3", "4: 12 6 6 2", "4: 18 12 6 1", "4: 48 18 6 0", "0: 48 18 6 0"}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"関数実行終わり 関数値=6"});
}

TEST(frmGCD, OtherArguments)
{
    const struct {
        const char* a;
        const char* b;
        int steps;
        const char* value;
    } cases[] = {
        {"5", "0", 3, "5"}, {"18", "48", 19, "6"}, {"-12", "8", 11, "-4"}, {"7", "-3", 11, "1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        LessonDriver lesson("frmGCD");
        lesson.set(0, c.a);
        lesson.set(1, c.b);
        EXPECT_EQ(lesson.stepUntilMessage(100), c.steps);
        EXPECT_EQ(lesson.lastMessage(), std::string("関数実行終わり 関数値=") + c.value);
    }
    LessonDriver lesson("frmGCD"); // the remainder takes the sign of the dividend
    lesson.set(0, "-12");
    lesson.set(1, "8");
    EXPECT_EQ(trace(lesson, 6, 2)[5], "0: -4 0");
}

TEST(frmGCD, BEditedToZeroOnTheCallLineIsRefused)
{
    LessonDriver lesson("frmGCD");
    lesson.set(1, "3");
    expectRefused(lesson, {2, 1, "0", "A % B は 0 で割ることになるため計算できません。"});
    EXPECT_EQ(lesson.text(levelBox), "");
}

TEST(frmGCD, FiftyPairsFillTheStack)
{
    LessonDriver lesson("frmGCD");
    for (int level = 0; level <= 50; ++level) {
        lesson.set(1, "1"); // GCD(5, 1) would call GCD(1, 0): keep it calling
        lesson.step(3);
    }
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックオーバ"});
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"1", "1", "0", "50"}));
    EXPECT_EQ(lesson.stepUntilMessage(100), 51);
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"5", "1"}));
}

TEST(frmGCD, BackToStartLeavesTheAbandonedPairsPending)
{
    LessonDriver lesson("frmGCD");
    lesson.set(0, "48");
    lesson.set(1, "18");
    lesson.step(3);
    lesson.back();
    lesson.set(0, "9");
    lesson.set(1, "6");
    EXPECT_EQ(lesson.stepUntilMessage(100), 2 * 3 + 2 + 3 + 1);
    EXPECT_EQ(lesson.lastMessage(), "関数実行終わり 関数値=3");
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"48", "18"}));
}

} // namespace
