#include "sort_data.h"
#include "support/lesson_driver.h"

namespace
{

using Marks = std::vector<std::pair<int, Colour>>;

// Steps until the current line is `line`; false when it is not reached within `limit`.
bool stepTo(LessonDriver& lesson, int line, int limit = 400)
{
    for (int k = 0; k < limit; ++k) {
        if (lesson.step().back() == line)
            return true;
    }
    return false;
}

TEST(frmSortQuick, TheWorkedRunEndsOnPress351WithANewRandomArray)
{
    LessonDriver lesson("frmSortQuick");
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::red}, {19, colours::blue}}));
    lesson.setAll(0, twentyValues);
    lesson.step(4);
    EXPECT_EQ(lesson.text(24), "71");
    FixedRandom random({0.5});
    std::vector<std::string> before;
    int presses = 4;
    while (lesson.messages().empty() && presses < 400) {
        before = lesson.texts(0, 20);
        lesson.step();
        ++presses;
    }
    EXPECT_EQ(presses, 351);
    EXPECT_EQ(before, textsOf(twentySorted));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"関数の終了です"});
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.texts(0, 20), std::vector<std::string>(20, "50"));
    EXPECT_EQ(lesson.texts(20, 2), (std::vector<std::string>{"0", "19"}));
}

TEST(frmSortQuick, CallsNarrowTheRangeAndReturnsRestoreTheCaller)
{
    LessonDriver lesson("frmSortQuick");
    lesson.setAll(0, twentyValues);
    ASSERT_TRUE(stepTo(lesson, 12));
    const std::vector<std::string> caller = lesson.texts(20, 5);
    EXPECT_EQ(lesson.condition(), "  left  < pright : True");
    lesson.step();
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.texts(20, 2), (std::vector<std::string>{"0", caller[3]}));
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::red}, {std::stoi(caller[3]), colours::blue}}));
    lesson.step(3); // line 3: pleft and pright paint over left and right, cyan the middle
    const int right = std::stoi(caller[3]);
    EXPECT_EQ(lesson.marked(),
              (Marks{{0, colours::orange}, {right / 2, colours::cyan}, {right, colours::skyBlue}}));
    lesson.back(); // inside the call: restarts it, the callers stay saved
    ASSERT_TRUE(stepTo(lesson, 14));
    while (lesson.texts(20, 2) != std::vector<std::string>{caller[0], caller[1]})
        lesson.step();
    EXPECT_EQ(lesson.line(), 13);
    EXPECT_EQ(lesson.texts(20, 5), caller);
}

TEST(frmSortQuick, AnOrderedPairPassesWithoutACallAndPointersOffTheArrayMarkNothing)
{
    LessonDriver lesson("frmSortQuick");
    lesson.setAll(0, {1, 2});
    lesson.set(21, "1");
    ASSERT_TRUE(stepTo(lesson, 10));
    EXPECT_EQ(lesson.texts(22, 2), (std::vector<std::string>{"1", "-1"}));
    EXPECT_EQ(lesson.marked(), (Marks{{0, colours::cyan}, {1, colours::orange}}));
    EXPECT_EQ(lesson.step(4), (std::vector<int>{11, 12, 13, 14}));
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "関数の終了です");
}

TEST(frmSortQuick, TheTwentySecondNestedCallIsRefused)
{
    LessonDriver lesson("frmSortQuick");
    lesson.setAll(0, std::vector<int>(20, 5));
    for (int level = 0; level <= 21; ++level) {
        ASSERT_TRUE(stepTo(lesson, 7));
        lesson.set(22, "20"); // pleft past pright: no exchange, and the loop ends
        lesson.set(23, "19");
        lesson.step(4); // lines 10, 11, 12, then the call of line 12
    }
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(lesson.lastMessage(),
              "Quick の呼び出しが深すぎます。呼び出しを保存するスタックは 21 段までです。");
    EXPECT_EQ(lesson.line(), 12);
    lesson.set(23, "0"); // no call: line 14 returns into the twenty-first caller
    EXPECT_EQ(lesson.step(3), (std::vector<int>{13, 14, 13}));
    EXPECT_EQ(lesson.messages().size(), 1u);
}

TEST(frmSortQuick, BoundsOutsideTheArrayAreRefused)
{
    LessonDriver lesson("frmSortQuick");
    lesson.set(21, "21");
    lesson.step(3); // line 3 reads a[10]
    lesson.step(2); // line 5 reads a[pleft] for the test of the landing line
    lesson.set(22, "21");
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "a[21] は配列の範囲 (0～20) の外です。");
    EXPECT_EQ(lesson.line(), 5);
}

} // namespace
