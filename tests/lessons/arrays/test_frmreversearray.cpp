#include "arrays_support.h"

namespace
{

const std::vector<std::string> ascending = {"13", "22", "24", "34", "38",
                                            "44", "57", "63", "68", "84"};

TEST(frmReverseArray, FirstExchangeFollowsTheCallIntoSwapAndBack)
{
    LessonDriver lesson("frmReverseArray");
    EXPECT_EQ(lesson.texts(10, 5), (std::vector<std::string>{"24", "0", "0", "0", "0"}));
    EXPECT_EQ(lesson.step(9), (std::vector<int>{2, 3, 4, 7, 9, 10, 11, 12, 3}));
    EXPECT_EQ(lesson.condition(), "　i < n/2 : True");
    EXPECT_EQ(lesson.texts(10, 5), (std::vector<std::string>{"10", "1", "13", "84", "13"}));
    EXPECT_EQ(lesson.text(0), "84");
    EXPECT_EQ(lesson.text(9), "13");
    EXPECT_TRUE(lesson.marked().empty());
    lesson.step(); // the second call marks a[1] red and a[8] blue
    EXPECT_EQ(lesson.marked(), (MarkList{{1, colours::red}, {8, colours::blue}}));
}

TEST(frmReverseArray, APassReversesTheArrayAndTheNextReversesItBack)
{
    LessonDriver lesson("frmReverseArray");
    lesson.step(2 + 5 * 7); // line 3 after five exchanges
    EXPECT_EQ(lesson.condition(), "　i < n/2 : False");
    EXPECT_EQ(lesson.step(2), (std::vector<int>{5, 0}));
    EXPECT_EQ(lesson.texts(0, 10), std::vector<std::string>(ascending.rbegin(), ascending.rend()));
    lesson.step(2 + 5 * 7 + 2);
    EXPECT_EQ(lesson.texts(0, 10), ascending);
}

TEST(frmReverseArray, AnOddLengthStopsAtTheRealHalf)
{
    LessonDriver lesson("frmReverseArray");
    lesson.step(2);
    lesson.set(10, "9"); // the bound is 4.5: i runs from 0 to 4
    lesson.step(4 * 7 + 1);
    EXPECT_EQ(lesson.marked(), (MarkList{{4, colours::blue}})); // a[4] with itself: blue last
    lesson.step(6);
    EXPECT_EQ(lesson.condition(), "　i < n/2 : False");
    EXPECT_EQ(lesson.texts(0, 10), (std::vector<std::string>{"68", "63", "57", "44", "38", "34",
                                                             "24", "22", "13", "84"}));
}

TEST(frmReverseArray, IndicesOutsideTheStorageAreRefused)
{
    const struct {
        const char* n;
        const char* i;
        const char* message;
    } cases[] = {
        {"10", "11", "a[11] は配列の範囲 (0～10) の外です。"},
        {"0", "0", "a[-1] は配列の範囲 (0～10) の外です。"},
        {"10", "32767", "a[32767] は配列の範囲 (0～10) の外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frmReverseArray");
        lesson.step(3); // line 4
        lesson.set(10, c.n);
        lesson.set(11, c.i);
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_EQ(lesson.text(11), c.i); // what the student typed stays
    }
    // The hidden slot 10 is storage, but no box shows it: nothing is marked, the n box least.
    LessonDriver lesson("frmReverseArray");
    lesson.step(2);
    lesson.setAll(10, {21, 10});
    EXPECT_EQ(lesson.step(2), (std::vector<int>{4, 7}));
    EXPECT_TRUE(lesson.marked().empty());
}

} // namespace
