#include "arrays_support.h"

namespace
{

const std::vector<std::string> ascending = {"13", "22", "24", "34", "38",
                                            "44", "57", "63", "68", "84"};
const std::vector<std::string> descending(ascending.rbegin(), ascending.rend());

TEST(frmReverseArray, OpensOnLineZeroWithTheBoxTexts)
{
    LessonDriver lesson("frmReverseArray");
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.texts(0, 10), ascending);
    EXPECT_EQ(lesson.texts(10, 5), (std::vector<std::string>{"24", "0", "0", "0", "0"}));
    EXPECT_TRUE(lesson.marked().empty());
    EXPECT_EQ(lesson.condition(), "");
}

TEST(frmReverseArray, FirstExchangeFollowsTheCallIntoSwapAndBack)
{
    LessonDriver lesson("frmReverseArray");
    EXPECT_EQ(lesson.step(2), (std::vector<int>{2, 3}));
    EXPECT_EQ(lesson.text(10), "10");
    EXPECT_EQ(lesson.condition(), "　i < n/2 : True");
    EXPECT_EQ(lesson.panel().note,
              "\r\n  iの初期値を0として i < n/2 の間，\r\n以下を繰り返します。");
    lesson.step(); // line 4: the call
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::red}, {9, colours::blue}}));
    lesson.step();
    EXPECT_EQ(lesson.line(), 7);
    EXPECT_EQ(lesson.text(13), "13"); // X
    EXPECT_EQ(lesson.text(14), "84"); // Y
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::red}, {9, colours::blue}}));
    lesson.step(2); // 9, then D := X
    EXPECT_EQ(lesson.text(12), "13");
    lesson.step(); // X := Y writes through to a[0]
    EXPECT_EQ(lesson.text(0), "84");
    EXPECT_EQ(lesson.text(13), "84");
    lesson.step(); // Y := D writes through to a[9]
    EXPECT_EQ(lesson.text(9), "13");
    EXPECT_EQ(lesson.line(), 12);
    lesson.step(); // the return increments i
    EXPECT_EQ(lesson.line(), 3);
    EXPECT_EQ(lesson.text(11), "1");
    EXPECT_TRUE(lesson.marked().empty());
}

TEST(frmReverseArray, APassReversesTheArrayAndTheNextReversesItBack)
{
    LessonDriver lesson("frmReverseArray");
    lesson.step(2 + 5 * 7); // to line 3 after five exchanges
    EXPECT_EQ(lesson.line(), 3);
    EXPECT_EQ(lesson.text(11), "5");
    EXPECT_EQ(lesson.condition(), "　i < n/2 : False");
    EXPECT_EQ(lesson.step(2), (std::vector<int>{5, 0}));
    EXPECT_EQ(lesson.texts(0, 10), descending);
    lesson.step(2 + 5 * 7 + 1);
    EXPECT_EQ(lesson.line(), 5);
    EXPECT_EQ(lesson.texts(0, 10), ascending);
    EXPECT_TRUE(lesson.messages().empty());
}

TEST(frmReverseArray, AnOddLengthStopsAtTheRealHalf)
{
    LessonDriver lesson("frmReverseArray");
    lesson.step(2);
    lesson.set(10, "9"); // the bound is 4.5: i runs from 0 to 4
    lesson.step(4 * 7);
    EXPECT_EQ(lesson.line(), 3);
    EXPECT_EQ(lesson.condition(), "　i < n/2 : True");
    lesson.step(); // the last call exchanges a[4] with itself: blue is painted last
    EXPECT_EQ(lesson.marked(), (MarkList{{4, colours::blue}}));
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
        {"10", "-1", "a[-1] は配列の範囲 (0～10) の外です。"},
        {"0", "0", "a[-1] は配列の範囲 (0～10) の外です。"},
        {"30", "5", "a[24] は配列の範囲 (0～10) の外です。"},
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
        EXPECT_EQ(lesson.text(13), "0");
    }
}

TEST(frmReverseArray, TheHiddenSlotIsStorageButNeverMarked)
{
    LessonDriver lesson("frmReverseArray");
    lesson.step(2);
    lesson.set(10, "21");
    lesson.set(11, "10"); // a[10] with itself: 10 < 10.5
    lesson.step(2);
    EXPECT_EQ(lesson.line(), 7);
    EXPECT_TRUE(lesson.marked().empty()); // not the n box, Text1(10)
    EXPECT_EQ(lesson.text(13), "0");
}

TEST(frmReverseArray, TheIncrementIsChecked)
{
    LessonDriver lesson("frmReverseArray");
    lesson.step(8); // line 12
    lesson.set(11, "32767");
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "i + 1 の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(lesson.line(), 12);
}

} // namespace
