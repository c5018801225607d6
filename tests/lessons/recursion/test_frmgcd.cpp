#include "support/lesson_driver.h"

namespace
{

constexpr int levelBox = 3;

// A, B, function value and level box after one step.
struct Row {
    int line;
    std::vector<std::string> boxes;
};

TEST(frmGCD, InitialStateReturnsA)
{
    LessonDriver lesson("frmGCD");
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"5", "0", "0", ""}));
    lesson.step();
    EXPECT_EQ(lesson.condition(), " B==0 : True");
    EXPECT_EQ(lesson.step(), std::vector<int>{4});
    EXPECT_EQ(lesson.text(2), "5");
    EXPECT_EQ(lesson.step(), std::vector<int>{0});
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"関数実行終わり 関数値=5"});
    EXPECT_EQ(lesson.text(levelBox), "");
}

TEST(frmGCD, WorkedRunOf48And18)
{
    LessonDriver lesson("frmGCD");
    lesson.set(0, "48");
    lesson.set(1, "18");
    const std::vector<Row> rows = {
        {2, {"48", "18", "0", ""}},  {3, {"48", "18", "0", ""}},  {0, {"18", "12", "0", "1"}},
        {2, {"18", "12", "0", "1"}}, {3, {"18", "12", "0", "1"}}, {0, {"12", "6", "0", "2"}},
        {2, {"12", "6", "0", "2"}},  {3, {"12", "6", "0", "2"}},  {0, {"6", "0", "0", "3"}},
        {2, {"6", "0", "0", "3"}},   {4, {"6", "0", "6", "3"}},   {4, {"12", "6", "6", "2"}},
        {4, {"18", "12", "6", "1"}}, {4, {"48", "18", "6", "0"}},
    };
    for (size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE(k + 1);
        lesson.step();
        EXPECT_EQ(lesson.line(), rows[k].line);
        EXPECT_EQ(lesson.texts(0, 4), rows[k].boxes);
    }
    EXPECT_TRUE(lesson.messages().empty());
    lesson.step();
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"関数実行終わり 関数値=6"});
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"48", "18"}));
}

TEST(frmGCD, SwappedAndNegativeArguments)
{
    const struct {
        const char* a;
        const char* b;
        int steps;
        const char* value;
    } cases[] = {{"18", "48", 19, "6"}, {"-12", "8", 11, "-4"}, {"7", "-3", 11, "1"}};
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
    lesson.step(3);
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"8", "-4"}));
    lesson.step(3);
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"-4", "0"}));
}

TEST(frmGCD, BEditedToZeroOnTheCallLineIsRefused)
{
    LessonDriver lesson("frmGCD");
    lesson.set(1, "3");
    lesson.step(2);
    lesson.set(1, "0");
    lesson.step();
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.lastMessage(), "A % B は 0 で割ることになるため計算できません。");
    EXPECT_EQ(lesson.line(), 3);
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"5", "0", "0", ""}));
    lesson.set(1, "2");
    lesson.step();
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"2", "1", "0", "1"}));
}

TEST(frmGCD, FiftyPairsFillTheStack)
{
    LessonDriver lesson("frmGCD");
    for (int level = 0; level < 50; ++level) {
        lesson.set(1, "1"); // GCD(5, 1) calls GCD(1, 0): keep it calling
        lesson.step(3);
        ASSERT_EQ(lesson.line(), 0);
    }
    EXPECT_EQ(lesson.text(levelBox), "50");
    lesson.set(1, "1");
    lesson.step(3);
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックオーバ"});
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(lesson.text(levelBox), "50");
    EXPECT_EQ(lesson.stepUntilMessage(100), 51);
    EXPECT_EQ(lesson.lastMessage(), "関数実行終わり 関数値=0");
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"5", "1"}));
}

TEST(frmGCD, BackToStartLeavesTheAbandonedPairsPending)
{
    LessonDriver lesson("frmGCD");
    lesson.set(0, "48");
    lesson.set(1, "18");
    lesson.step(3); // level 1 with (18, 12)
    lesson.back();
    lesson.set(0, "9");
    lesson.set(1, "6");
    // (9, 6) calls (6, 3) and (3, 0); the returns restore them and then (48, 18).
    EXPECT_EQ(lesson.stepUntilMessage(100), 2 * 3 + 2 + 3 + 1);
    EXPECT_EQ(lesson.lastMessage(), "関数実行終わり 関数値=3");
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"48", "18"}));
}

} // namespace
