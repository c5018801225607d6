#include "support/lesson_driver.h"

// The two array maximum lessons share their panel, data and body; they differ in the
// lines of the loop. Each case says where the routine rests.
namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

struct ArrayMax {
    const char* form;
    std::vector<int> pass;        // the lines one pass from line 0 rests on
    int loopTest;                 // "i < a.Length"
    int compare;                  // "max < a[i]"
    int advance;                  // i := i + 1
    int returnLine;               // function value := max
    std::vector<int> firstMarked; // lines that mark a[0] before the loop
};

const ArrayMax forMax{"frmForMax", {2, 3, 5, 6, 3, 5, 6, 3, 5, 6, 3, 5, 6, 3, 7, 8, 0}, 3, 5, 6, 7,
                      {2}};
const ArrayMax whileMax{
    "frmWhileMax", {2, 3, 4, 6, 7, 4, 6, 7, 4, 6, 7, 4, 6, 7, 4, 9, 10, 0}, 4, 6, 7, 9, {2, 3}};

// Names the lesson in the test runner's output.
void PrintTo(const ArrayMax& c, std::ostream* os)
{
    *os << c.form;
}

class ArrayMaxTest : public testing::TestWithParam<ArrayMax>
{
};

TEST_P(ArrayMaxTest, OnePassFromTheInitialDataReturns44)
{
    const ArrayMax& c = GetParam();
    LessonDriver lesson(c.form);
    EXPECT_EQ(lesson.texts(0, 8),
              (std::vector<std::string>{"13", "35", "22", "44", "12", "0", "0", "0"}));
    EXPECT_EQ(lesson.step(static_cast<int>(c.pass.size())), c.pass);
    EXPECT_EQ(lesson.text(6), "44");
    EXPECT_EQ(lesson.text(5), "44");
    EXPECT_EQ(lesson.text(7), "5");
    EXPECT_TRUE(lesson.messages().empty());
}

TEST_P(ArrayMaxTest, ConditionsAndMarksAlongThePass)
{
    const ArrayMax& c = GetParam();
    LessonDriver lesson(c.form);
    std::vector<std::string> comparisons;
    for (const int line : c.pass) {
        lesson.step();
        ASSERT_EQ(lesson.line(), line);
        const Marks element{{std::stoi(lesson.text(7)), colours::yellow}};
        if (line == c.compare) {
            comparisons.push_back(lesson.condition());
            EXPECT_EQ(lesson.marked(), element);
        } else if (line == c.advance && c.advance == 7) {
            EXPECT_EQ(lesson.marked(), element); // the while lesson keeps the mark on i++
        } else if (std::count(c.firstMarked.begin(), c.firstMarked.end(), line)) {
            EXPECT_EQ(lesson.marked(), (Marks{{0, colours::yellow}}));
        } else {
            EXPECT_TRUE(lesson.marked().empty()) << "line " << line;
        }
        if (line == c.loopTest) {
            EXPECT_EQ(lesson.condition(),
                      lesson.text(7) == "5" ? "  i < a.Length : False" : "  i < a.Length : True");
        } else if (line != c.compare) {
            EXPECT_EQ(lesson.condition(), "");
        }
    }
    EXPECT_EQ(comparisons,
              (std::vector<std::string>{"  max < a[i] : True", "  max < a[i] : False",
                                        "  max < a[i] : True", "  max < a[i] : False"}));
}

TEST_P(ArrayMaxTest, FunctionValueForOtherData)
{
    const struct {
        std::vector<int> a;
        const char* value;
    } cases[] = {
        {{7, 7, 7, 7, 7}, "7"},         // all equal: every comparison is False
        {{50, 35, 22, 44, 12}, "50"},   // the largest first
        {{-9, -4, -30, -5, -12}, "-4"}, // all negative: the least negative
        {{1, 2, 3, 4, 32767}, "32767"}, // the largest last
        {{-32768, -32768, -32768, -32768, -32768}, "-32768"},
    };
    const ArrayMax& c = GetParam();
    for (const auto& data : cases) {
        SCOPED_TRACE(data.value);
        LessonDriver lesson(c.form);
        lesson.setAll(0, data.a);
        int trueCount = 0;
        for (size_t k = 0; k < c.pass.size(); ++k) {
            lesson.step();
            trueCount += lesson.condition() == "  max < a[i] : True";
        }
        EXPECT_EQ(lesson.line(), 0);
        EXPECT_EQ(lesson.text(6), data.value);
        if (data.a[0] == data.a[1] && data.a[1] == data.a[4]) {
            EXPECT_EQ(trueCount, 0);
        }
    }
}

TEST_P(ArrayMaxTest, EditsBetweenStepsTakeEffect)
{
    const ArrayMax& c = GetParam();
    { // a larger max typed on the comparison line makes it False
        LessonDriver lesson(c.form);
        lesson.stepTo(c.compare);
        EXPECT_EQ(lesson.condition(), "  max < a[i] : True");
        lesson.set(5, "100");
        lesson.step();
        EXPECT_EQ(lesson.text(5), "100");
        lesson.stepTo(0);
        EXPECT_EQ(lesson.text(6), "100");
    }
    { // i = 5 on the loop test leaves the loop
        LessonDriver lesson(c.form);
        lesson.stepTo(c.loopTest);
        lesson.set(7, "5");
        lesson.step();
        EXPECT_EQ(lesson.line(), c.returnLine);
    }
    { // i = 4 on the loop test compares a[4] next
        LessonDriver lesson(c.form);
        lesson.stepTo(c.loopTest);
        lesson.set(7, "4");
        lesson.step();
        EXPECT_EQ(lesson.line(), c.compare);
        EXPECT_EQ(lesson.marked(), (Marks{{4, colours::yellow}}));
        EXPECT_EQ(lesson.condition(), "  max < a[i] : False");
    }
}

TEST_P(ArrayMaxTest, IndicesOutsideTheArrayAndOverflowsAreRefused)
{
    const ArrayMax& c = GetParam();
    { // i = 5 compares the hidden slot 5 (0) and marks nothing
        LessonDriver lesson(c.form);
        lesson.stepTo(c.compare);
        lesson.set(7, "5");
        lesson.set(5, "-1");
        lesson.step();
        EXPECT_FALSE(lesson.lastRefused());
        EXPECT_EQ(lesson.text(5), "0");
        if (c.advance == 7) {
            EXPECT_TRUE(lesson.marked().empty());
        }
    }
    { // a negative i typed on the loop test: the step to the comparison is refused
        LessonDriver lesson(c.form);
        lesson.stepTo(c.loopTest);
        lesson.set(7, "-1");
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), "a[-1] は配列の範囲 (0～5) の外です。");
        EXPECT_EQ(lesson.line(), c.loopTest);
        EXPECT_EQ(lesson.text(7), "-1");
        EXPECT_FALSE(lesson.panel().timer.enabled);
    }
    { // an i typed beyond the slots on the comparison line
        LessonDriver lesson(c.form);
        lesson.stepTo(c.compare);
        lesson.set(7, "6");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "a[6] は配列の範囲 (0～5) の外です。");
        EXPECT_EQ(lesson.line(), c.compare);
    }
    { // the counter at its limit
        LessonDriver lesson(c.form);
        lesson.stepTo(c.advance);
        lesson.set(7, "32767");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
        EXPECT_EQ(lesson.line(), c.advance);
    }
    { // a value outside 16 bits typed into an element
        LessonDriver lesson(c.form);
        lesson.set(3, "40000");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "a[3] の値 40000 は -32768～32767 の範囲外です。");
        EXPECT_EQ(lesson.line(), 0);
        EXPECT_EQ(lesson.text(3), "40000");
    }
}

TEST_P(ArrayMaxTest, BackToStartKeepsTheValuesAndTheNextPassSetsThemAfresh)
{
    const ArrayMax& c = GetParam();
    LessonDriver lesson(c.form);
    lesson.stepTo(c.returnLine);
    lesson.back();
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.text(5), "44");
    EXPECT_EQ(lesson.text(7), "5");
    EXPECT_TRUE(lesson.marked().empty());
    lesson.stepTo(c.loopTest);
    EXPECT_EQ(lesson.text(5), "13");
    EXPECT_EQ(lesson.text(7), "1");
}

INSTANTIATE_TEST_SUITE_P(Lessons, ArrayMaxTest, testing::Values(forMax, whileMax),
                         [](const testing::TestParamInfo<ArrayMax>& info) {
                             return std::string(info.param.form);
                         });

TEST(ArrayMax, TheWhileLessonTakesOneStepMorePerPassForTheSameValue)
{
    LessonDriver forLesson("frmForMax");
    LessonDriver whileLesson("frmWhileMax");
    forLesson.setAll(0, {3, 9, -2, 9, 8});
    whileLesson.setAll(0, {3, 9, -2, 9, 8});
    EXPECT_EQ(forLesson.step(17).back(), 0);
    EXPECT_EQ(whileLesson.step(18).back(), 0);
    EXPECT_EQ(forLesson.text(6), "9");
    EXPECT_EQ(whileLesson.text(6), "9");
}

} // namespace
