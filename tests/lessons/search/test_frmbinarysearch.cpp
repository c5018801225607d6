#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

const Colour red = colours::red;
const Colour blue = colours::blue;
const Colour yellow = colours::yellow;

// One pass with `data`: the probed indices, the function value, and the marks shown on
// each visit of line 5.
struct Search {
    std::vector<int> probes;
    std::string value;
    std::vector<Marks> line5Marks;
    size_t steps = 0;
};

Search search(const std::string& data)
{
    LessonDriver lesson("frmBinarySearch");
    lesson.set(10, data);
    Search result;
    do {
        lesson.step();
        ++result.steps;
        if (lesson.line() == 8)
            result.probes.push_back(std::stoi(lesson.text(12)));
        if (lesson.line() == 5)
            result.line5Marks.push_back(lesson.marked());
    } while (lesson.line() != 0 && result.steps < 100);
    result.value = lesson.text(11);
    return result;
}

TEST(frmBinarySearch, FindingTwentyFourTakesThreeProbes)
{
    LessonDriver lesson("frmBinarySearch");
    EXPECT_EQ(lesson.texts(0, 15),
              (std::vector<std::string>{"13", "22", "24", "34", "38", "44", "57", "63", "68", "84",
                                        "24", "0", "0", "0", "0"}));
    EXPECT_EQ(lesson.stepTo(0),
              (std::vector<int>{2, 3, 4, 5, 7, 8, 9, 10, 5, 7, 8, 9, 5, 7, 8, 13, 0}));
    EXPECT_EQ(lesson.text(11), "2");
    EXPECT_EQ(lesson.texts(12, 3), (std::vector<std::string>{"2", "2", "3"}));
}

TEST(frmBinarySearch, ProbesAndResults)
{
    const struct {
        const char* data;
        std::vector<int> probes;
        const char* value;
    } cases[] = {
        {"24", {4, 1, 2}, "2"},    {"5", {4, 1, 0}, "-1"}, {"100", {4, 7, 8, 9}, "-1"},
        {"84", {4, 7, 8, 9}, "9"}, {"13", {4, 1, 0}, "0"}, {"38", {4}, "4"},
        {"40", {4, 7, 5}, "-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        const Search s = search(c.data);
        EXPECT_EQ(s.probes, c.probes);
        EXPECT_EQ(s.value, c.value);
    }
}

TEST(frmBinarySearch, BoundsAreRedAndBlueAndTheProbeYellowOnTop)
{
    LessonDriver lesson("frmBinarySearch");
    lesson.step(3); // line 4: no marks yet
    EXPECT_TRUE(lesson.marked().empty());
    lesson.step(); // line 5 before the first probe
    EXPECT_EQ(lesson.condition(), "　p1 <= p2 : True");
    EXPECT_EQ(lesson.marked(), (Marks{{0, red}, {9, blue}}));
    lesson.step(); // line 7: p is computed by this line, not yet marked
    EXPECT_EQ(lesson.marked(), (Marks{{0, red}, {9, blue}}));
    lesson.step(); // line 8
    EXPECT_EQ(lesson.condition(), "  a[p]==data : False");
    EXPECT_EQ(lesson.marked(), (Marks{{0, red}, {4, yellow}, {9, blue}}));
    lesson.step(); // line 9
    EXPECT_EQ(lesson.condition(), "  a[p]<data : False");
    lesson.step(); // line 10
    EXPECT_EQ(lesson.condition(), "");
    EXPECT_EQ(lesson.marked(), (Marks{{0, red}, {4, yellow}, {9, blue}}));
    lesson.step(); // line 5, p2 = 3
    EXPECT_EQ(lesson.marked(), (Marks{{0, red}, {3, blue}}));
    lesson.step(2); // line 8 with p = 1
    lesson.step(2); // line 5, p1 = 2
    EXPECT_EQ(lesson.marked(), (Marks{{2, red}, {3, blue}}));
    lesson.step(2); // line 8 with p = 2 = p1: yellow covers red
    EXPECT_EQ(lesson.condition(), "  a[p]==data : True");
    EXPECT_EQ(lesson.marked(), (Marks{{2, yellow}, {3, blue}}));
    lesson.step(); // line 13: no marks
    EXPECT_EQ(lesson.line(), 13);
    EXPECT_TRUE(lesson.marked().empty());
}

TEST(frmBinarySearch, BoundsThatLeaveTheArrayShowNoMark)
{
    { // below every element: p2 = -1, no blue
        const Search s = search("5");
        EXPECT_EQ(s.line5Marks.back(), (Marks{{0, red}}));
    }
    { // above every element: p1 = 10, no red
        const Search s = search("100");
        EXPECT_EQ(s.line5Marks.back(), (Marks{{9, blue}}));
    }
    { // p1 = p2 shows blue
        const Search s = search("84");
        EXPECT_EQ(s.line5Marks.back(), (Marks{{9, blue}}));
    }
    LessonDriver lesson("frmBinarySearch");
    lesson.set(10, "5");
    lesson.stepTo(12);
    EXPECT_EQ(lesson.texts(12, 3), (std::vector<std::string>{"0", "0", "-1"}));
    EXPECT_EQ(lesson.marked(), (Marks{{0, yellow}})); // line 12 still marks p over p1
    lesson.step();
    EXPECT_EQ(lesson.text(11), "-1");
}

TEST(frmBinarySearch, EditedIndicesAreRefusedOrMarkNothing)
{
    { // p typed beyond the slots on line 8
        LessonDriver lesson("frmBinarySearch");
        lesson.stepTo(8);
        lesson.set(12, "11");
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), "a[11] は配列の範囲 (0～10) の外です。");
        EXPECT_EQ(lesson.line(), 8);
        EXPECT_EQ(lesson.text(12), "11");
    }
    { // p = 10 reads the slot without a box (0) and marks nothing
        LessonDriver lesson("frmBinarySearch");
        lesson.stepTo(8);
        lesson.set(12, "10");
        lesson.set(10, "0");
        lesson.step();
        EXPECT_FALSE(lesson.lastRefused());
        EXPECT_EQ(lesson.line(), 13);
        EXPECT_EQ(lesson.text(11), "10");
    }
    { // a negative midpoint: the division truncates toward zero, then a[-1] is refused
        LessonDriver lesson("frmBinarySearch");
        lesson.stepTo(7);
        lesson.set(13, "-3");
        lesson.set(14, "0");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "a[-1] は配列の範囲 (0～10) の外です。");
        EXPECT_EQ(lesson.line(), 7);
    }
    { // the sum of the bounds leaves 16 bits
        LessonDriver lesson("frmBinarySearch");
        lesson.stepTo(7);
        lesson.set(13, "32767");
        lesson.set(14, "1");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(), "p1 + p2 の結果が -32768～32767 の範囲を超えます。");
        EXPECT_EQ(lesson.line(), 7);
        EXPECT_EQ(lesson.text(12), "0");
    }
    { // bounds typed far outside the array mark nothing
        LessonDriver lesson("frmBinarySearch");
        lesson.stepTo(5);
        lesson.set(13, "-100");
        lesson.set(14, "300");
        lesson.back();
        lesson.set(13, "-100");
        lesson.set(14, "300");
        lesson.step(5); // back on line 5 after lines 2 and 3 set them afresh
        EXPECT_EQ(lesson.marked(), (Marks{{0, red}, {9, blue}}));
    }
}

} // namespace
