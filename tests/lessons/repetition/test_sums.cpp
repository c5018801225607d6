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

const Sum forSum{"frmForSum", 25, 3, 4, 5, 7};
const Sum whileSum{"frmWhileSum", 36, 4, 6, 9, 9};

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
    EXPECT_EQ(lesson.text(1), "55");
    EXPECT_EQ(lesson.text(3), "55");
    EXPECT_EQ(lesson.text(2), "11");
    EXPECT_TRUE(lesson.marked().empty());
}

TEST_P(SumTest, TheTestShowsTrueUntilIPassesN)
{
    const Sum& c = GetParam();
    LessonDriver lesson(c.form);
    std::vector<std::string> shown;
    do {
        lesson.step();
        if (lesson.line() == c.test)
            shown.push_back(lesson.condition());
        else
            EXPECT_EQ(lesson.condition(), "");
    } while (lesson.line() != 0);
    std::vector<std::string> expected(10, "  i <= N : True");
    expected.push_back("  i <= N : False");
    EXPECT_EQ(shown, expected);
}

TEST_P(SumTest, OtherLimits)
{
    const Sum& c = GetParam();
    const struct {
        const char* n;
        const char* value;
    } cases[] = {{"0", "0"}, {"-5", "0"}, {"1", "1"}, {"2", "3"}, {"255", "32640"}};
    for (const auto& limit : cases) {
        SCOPED_TRACE(limit.n);
        LessonDriver lesson(c.form);
        lesson.set(0, limit.n);
        const std::vector<int> lines = lesson.stepTo(0, 2000);
        EXPECT_EQ(lesson.text(1), limit.value);
        EXPECT_FALSE(lesson.lastRefused());
        if (std::string(limit.n) == "1") {
            EXPECT_EQ(static_cast<int>(lines.size()), c.stepsForOne);
        }
    }
    LessonDriver lesson(c.form);
    lesson.set(0, "-5");
    lesson.stepTo(c.test);
    EXPECT_EQ(lesson.condition(), "  i <= N : False");
    lesson.step();
    EXPECT_EQ(lesson.line(), c.returnLine);
}

TEST_P(SumTest, EditsBetweenStepsTakeEffect)
{
    const Sum& c = GetParam();
    { // 100 typed into sum on the addition with i = 3: 100 + 3 + 4 + ... + 10
        LessonDriver lesson(c.form);
        do
            lesson.stepTo(c.addition);
        while (lesson.text(2) != "3");
        lesson.set(3, "100");
        lesson.stepTo(0);
        EXPECT_EQ(lesson.text(1), "152");
    }
    { // a new N takes effect at the next test
        LessonDriver lesson(c.form);
        lesson.stepTo(c.addition);
        lesson.set(0, "3");
        lesson.stepTo(0);
        EXPECT_EQ(lesson.text(1), "6");
    }
    { // back to start keeps i and sum; the next pass resets them
        LessonDriver lesson(c.form);
        lesson.stepTo(c.addition);
        lesson.stepTo(c.addition);
        lesson.back();
        EXPECT_EQ(lesson.line(), 0);
        EXPECT_NE(lesson.text(3), "0");
        lesson.stepTo(c.test);
        EXPECT_EQ(lesson.text(3), "0");
        EXPECT_EQ(lesson.text(2), "1");
    }
}

TEST_P(SumTest, ASumBeyondSixteenBitsIsRefusedAtTheAddition)
{
    const Sum& c = GetParam();
    LessonDriver lesson(c.form);
    lesson.set(0, "300");
    lesson.autoRun("1");
    int ticks = 0;
    while (!lesson.lastRefused() && ticks < 2000) {
        lesson.tick();
        ++ticks;
    }
    EXPECT_EQ(lesson.lastMessage(), "sum + i の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(lesson.line(), c.addition);
    EXPECT_EQ(lesson.text(3), "32640"); // the last valid sum
    EXPECT_EQ(lesson.text(2), "256");
    EXPECT_FALSE(lesson.panel().timer.enabled);
    lesson.tick(); // auto-run has stopped
    EXPECT_EQ(lesson.line(), c.addition);
}

INSTANTIATE_TEST_SUITE_P(Lessons, SumTest, testing::Values(forSum, whileSum),
                         [](const testing::TestParamInfo<Sum>& info) {
                             return std::string(info.param.form);
                         });

TEST(frmWhileSum, ANewITypedOnTheAdditionChangesTheValueAdded)
{
    LessonDriver lesson("frmWhileSum");
    lesson.stepTo(6);
    lesson.set(2, "7");
    lesson.step();
    EXPECT_EQ(lesson.text(3), "7");
    EXPECT_EQ(lesson.text(2), "7");
    lesson.step();
    EXPECT_EQ(lesson.text(2), "8");
}

TEST(frmForSum, TheCounterAtItsLimitIsRefused)
{
    LessonDriver lesson("frmForSum");
    lesson.stepTo(4);
    lesson.set(2, "32767");
    lesson.set(3, "0");
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(lesson.text(3), "0"); // the whole line is refused, the addition too
}

} // namespace
