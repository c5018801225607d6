#include "support/lesson_driver.h"

// The two array maximum lessons share their panel, data and body; they differ in the
// lines of the loop. Each case says where its routine rests.
namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

struct ArrayMax {
    const char* form;
    std::vector<int> pass; // the lines one pass from line 0 rests on
    int loopTest;          // "i < a.Length"
    int compare;           // "max < a[i]"
    int advance;           // i := i + 1
};

// Names the lesson in the test runner's output.
void PrintTo(const ArrayMax& c, std::ostream* os)
{
    *os << c.form;
}

class ArrayMaxTest : public testing::TestWithParam<ArrayMax>
{
};

TEST_P(ArrayMaxTest, OnePassReturns44WithItsConditionsAndMarks)
{
    const ArrayMax& c = GetParam();
    LessonDriver lesson(c.form);
    EXPECT_EQ(lesson.texts(0, 8),
              (std::vector<std::string>{"13", "35", "22", "44", "12", "0", "0", "0"}));
    std::vector<std::string> comparisons;
    for (const int line : c.pass) {
        lesson.step();
        ASSERT_EQ(lesson.line(), line);
        const int i = std::stoi(lesson.text(7));
        if (line == c.compare)
            comparisons.push_back(lesson.condition());
        // a[0] before the loop, a[i] on the comparison (and on the while lesson's i++)
        Marks expected;
        if (line == c.compare || (line == c.advance && c.advance == 7))
            expected = {{i, colours::yellow}};
        else if (line == 2 || (line == 3 && c.loopTest == 4))
            expected = {{0, colours::yellow}};
        EXPECT_EQ(lesson.marked(), expected) << line;
        if (line == c.loopTest) {
            EXPECT_EQ(lesson.condition(),
                      i < 5 ? "  i < a.Length : True" : "  i < a.Length : False");
        }
    }
    EXPECT_EQ(comparisons,
              (std::vector<std::string>{"  max < a[i] : True", "  max < a[i] : False",
                                        "  max < a[i] : True", "  max < a[i] : False"}));
    EXPECT_EQ(lesson.texts(5, 3), (std::vector<std::string>{"44", "44", "5"}));
}

TEST_P(ArrayMaxTest, FunctionValueForOtherData)
{
    const struct {
        std::vector<int> a;
        const char* value;
    } cases[] = {
        {{7, 7, 7, 7, 7}, "7"},
        {{50, 35, 22, 44, 12}, "50"},
        {{-9, -4, -30, -5, -12}, "-4"},
        {{1, 2, 3, 4, 32767}, "32767"},
    };
    for (const auto& data : cases) {
        SCOPED_TRACE(data.value);
        LessonDriver lesson(GetParam().form);
        lesson.setAll(0, data.a);
        lesson.stepTo(0);
        EXPECT_EQ(lesson.text(6), data.value);
    }
}

TEST_P(ArrayMaxTest, IndicesOutsideTheArrayAndOverflowsAreRefused)
{
    const ArrayMax& c = GetParam();
    const struct {
        int line;
        int box;
        const char* typed;
        const char* message;
    } cases[] = {
        {c.loopTest, 7, "-1", "a[-1] は配列の範囲 (0～5) の外です。"}, // the landing test
        {c.compare, 7, "6", "a[6] は配列の範囲 (0～5) の外です。"},
        {c.advance, 7, "32767", "i + 1 の結果が -32768～32767 の範囲を超えます。"},
        {0, 3, "40000", "a[3] の値 40000 は -32768～32767 の範囲外です。"},
    };
    for (const auto& f : cases) {
        SCOPED_TRACE(f.message);
        LessonDriver lesson(c.form);
        if (f.line != 0)
            lesson.stepTo(f.line);
        lesson.set(f.box, f.typed);
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), f.message);
        EXPECT_EQ(lesson.line(), f.line);
        EXPECT_EQ(lesson.text(f.box), f.typed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, ArrayMaxTest,
    testing::Values(
        ArrayMax{"frmForMax", {2, 3, 5, 6, 3, 5, 6, 3, 5, 6, 3, 5, 6, 3, 7, 8, 0}, 3, 5, 6},
        ArrayMax{"frmWhileMax", {2, 3, 4, 6, 7, 4, 6, 7, 4, 6, 7, 4, 6, 7, 4, 9, 10, 0}, 4, 6, 7}),
    [](const testing::TestParamInfo<ArrayMax>& info) { return std::string(info.param.form); });

} // namespace
