#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

const Colour red = colours::red;
const Colour blue = colours::blue;
const Colour yellow = colours::yellow;

TEST(frmBinarySearch, ProbesResultsAndTheBoundsShownOnTheLastTest)
{
    const struct {
        const char* data;
        std::vector<int> probes;
        const char* value;
        Marks lastTest; // the marks of the last visit of line 5
    } cases[] = {
        {"5", {4, 1, 0}, "-1", {{0, red}}},             // p2 = -1: no blue
        {"100", {4, 7, 8, 9}, "-1", {{9, blue}}},       // p1 = 10: no red
        {"84", {4, 7, 8, 9}, "9", {{9, blue}}},         // p1 = p2: blue covers red
        {"38", {4}, "4", {{0, red}, {9, blue}}},        // found at the first probe
        {"40", {4, 7, 5}, "-1", {{4, blue}, {5, red}}}, // the bounds crossed inside
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        LessonDriver lesson("frmBinarySearch");
        lesson.set(10, c.data);
        std::vector<int> probes;
        Marks lastTest;
        do {
            lesson.step();
            if (lesson.line() == 8)
                probes.push_back(std::stoi(lesson.text(12)));
            if (lesson.line() == 5)
                lastTest = lesson.marked();
        } while (lesson.line() != 0);
        EXPECT_EQ(probes, c.probes);
        EXPECT_EQ(lesson.text(11), c.value);
        EXPECT_EQ(lastTest, c.lastTest);
    }
}

// Finding the initial data 24: three probes, 4, 1 and 2.
TEST(frmBinarySearch, RedThenBlueThenYellowOnTop)
{
    LessonDriver lesson("frmBinarySearch");
    const struct {
        int line;
        const char* condition;
        Marks marks;
    } visits[] = {
        {2, "", {}},
        {3, "", {}},
        {4, "", {}},
        {5, "　p1 <= p2 : True", {{0, red}, {9, blue}}},
        {7, "", {{0, red}, {9, blue}}}, // p is computed by this line, not yet marked
        {8, "  a[p]==data : False", {{0, red}, {4, yellow}, {9, blue}}},
        {9, "  a[p]<data : False", {{0, red}, {4, yellow}, {9, blue}}},
        {10, "", {{0, red}, {4, yellow}, {9, blue}}},
        {5, "　p1 <= p2 : True", {{0, red}, {3, blue}}},
        {7, "", {{0, red}, {3, blue}}},
        {8, "  a[p]==data : False", {{0, red}, {1, yellow}, {3, blue}}},
        {9, "  a[p]<data : True", {{0, red}, {1, yellow}, {3, blue}}},
        {5, "　p1 <= p2 : True", {{2, red}, {3, blue}}},
        {7, "", {{2, red}, {3, blue}}},
        {8, "  a[p]==data : True", {{2, yellow}, {3, blue}}}, // yellow covers red
        {13, "", {}},
        {0, "", {}},
    };
    for (const auto& visit : visits) {
        lesson.step();
        ASSERT_EQ(lesson.line(), visit.line);
        EXPECT_EQ(lesson.condition(), visit.condition);
        EXPECT_EQ(lesson.marked(), visit.marks) << visit.line;
    }
    EXPECT_EQ(lesson.texts(11, 4), (std::vector<std::string>{"2", "2", "2", "3"}));
}

TEST(frmBinarySearch, EditedIndicesAreRefusedOrMarkNothing)
{
    const struct {
        int line;
        std::vector<std::pair<int, const char*>> typed; // box, text
        const char* message;
    } cases[] = {
        {8, {{12, "11"}}, "a[11] は配列の範囲 (0～10) の外です。"},
        // the division truncates toward zero: (-3 + 0) / 2 = -1
        {7, {{13, "-3"}, {14, "0"}}, "a[-1] は配列の範囲 (0～10) の外です。"},
        {7, {{13, "32767"}, {14, "1"}}, "p1 + p2 の結果が -32768～32767 の範囲を超えます。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frmBinarySearch");
        lesson.stepTo(c.line);
        for (const auto& [box, text] : c.typed)
            lesson.set(box, text);
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), c.line);
        EXPECT_EQ(lesson.text(c.typed[0].first), c.typed[0].second);
    }
    LessonDriver far("frmBinarySearch"); // bounds far outside the array mark nothing
    far.stepTo(4);
    far.set(13, "-100");
    far.set(14, "300");
    EXPECT_EQ(far.step(2), (std::vector<int>{5, 7}));
    EXPECT_TRUE(far.marked().empty());
    far.step(); // p = 100
    EXPECT_EQ(far.lastMessage(), "a[100] は配列の範囲 (0～10) の外です。");
}

} // namespace
