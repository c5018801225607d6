#include "support/lesson_driver.h"

// The two sum lessons compute the same value with a for and a while loop; each case says
// where its routine rests.
namespace
{

struct Sum {
    const char* form;
    int steps;       // one pass with N = 10
    int test;        // "i <= N"
    int addition;    // sum += i
    int returnLine;  // function value := sum
    int stepsForOne; // one pass with N = 1
};

// Names the lesson in the test runner's output.
void PrintTo(const Sum& c, std::ostream* os)
{
    *os << c.form;
}

class SumTest : public testing::TestWithParam<Sum>
{
};

TEST_P(SumTest, OnePassWithTenReturns55)
{
    const Sum& c = GetParam();
    LessonDriver lesson(c.form);
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"10", "0", "0", "0"}));
    const std::vector<int> lines = lesson.stepTo(0);
    EXPECT_EQ(static_cast<int>(lines.size()), c.steps);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), c.addition), 10);
    EXPECT_EQ(lines[lines.size() - 3], c.returnLine);
    EXPECT_EQ(lesson.texts(1, 3), (std::vector<std::string>{"55", "11", "55"}));
    lesson.stepTo(c.test); // i = 1
    EXPECT_EQ(lesson.condition(), "  i <= N : True");
    lesson.set(0, "0"); // a new N takes effect at this test
    EXPECT_EQ(lesson.step(), (std::vector<int>{c.returnLine}));
    lesson.stepTo(c.test);
    EXPECT_EQ(lesson.condition(), "  i <= N : False");
}

TEST_P(SumTest, OtherLimitsAndEdits)
{
    const Sum& c = GetParam();
    const struct {
        const char* n;
        const char* value;
    } cases[] = {{"0", "0"}, {"-5", "0"}, {"1", "1"}, {"255", "32640"}};
    for (const auto& limit : cases) {
        SCOPED_TRACE(limit.n);
        LessonDriver lesson(c.form);
        lesson.set(0, limit.n);
        const std::vector<int> lines = lesson.stepTo(0, 2000);
        EXPECT_EQ(lesson.text(1), limit.value);
        if (std::string(limit.n) == "1") {
            EXPECT_EQ(static_cast<int>(lines.size()), c.stepsForOne);
        }
    }
    // 100 typed into sum on the addition of i = 3: 100 + 3 + 4 + ... + 10
    LessonDriver lesson(c.form);
    do
        lesson.stepTo(c.addition);
    while (lesson.text(2) != "3");
    lesson.set(3, "100");
    lesson.stepTo(0);
    EXPECT_EQ(lesson.text(1), "152");
}

TEST_P(SumTest, ASumBeyondSixteenBitsIsRefusedAtTheAddition)
{
    const Sum& c = GetParam();
    LessonDriver lesson(c.form);
    lesson.set(0, "300");
    lesson.autoRun("1");
    for (int ticks = 0; !lesson.lastRefused() && ticks < 2000; ++ticks)
        lesson.tick();
    EXPECT_EQ(lesson.lastMessage(), "sum + i の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(lesson.line(), c.addition);
    EXPECT_EQ(lesson.texts(2, 2), (std::vector<std::string>{"256", "32640"})); // the last valid sum
    EXPECT_FALSE(lesson.panel().timer.enabled);
}

INSTANTIATE_TEST_SUITE_P(Lessons, SumTest,
                         testing::Values(Sum{"frmForSum", 25, 3, 4, 5, 7},
                                         Sum{"frmWhileSum", 36, 4, 6, 9, 9}),
                         [](const testing::TestParamInfo<Sum>& info) {
                             return std::string(info.param.form);
                         });

} // namespace
