#include "arrays_support.h"

namespace
{

const SlotRoutines ring{14, 12, {13, 22}};

// StartPointer, EndPointer.
std::vector<std::string> pointers(const LessonDriver& lesson)
{
    return lesson.texts(10, 2);
}

TEST(frmQue2, OneEnqueStoresAndAdvancesTheEnd)
{
    LessonDriver lesson("frmQue2");
    EXPECT_EQ(lesson.line(), 14);
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::blue}}));
    EXPECT_EQ(lesson.step(2), (std::vector<int>{16, 17}));
    EXPECT_EQ(lesson.text(15), "1");
    EXPECT_EQ(lesson.condition(), "  P!=StartPointer : True");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{18, 19, 22}));
    EXPECT_EQ(lesson.text(0), "aaaa");
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::blue}, {1, colours::red}}));
}

TEST(frmQue2, NineValuesFillTheRingAndTheEndWraps)
{
    LessonDriver lesson("frmQue2");
    for (int k = 0; k < 9; ++k)
        ring.store(lesson, std::to_string(k));
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "9"}));
    lesson.step(2);
    EXPECT_EQ(lesson.text(15), "0");
    EXPECT_EQ(lesson.condition(), "  P!=StartPointer : False");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{21, 22, 14}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"キューが満杯です．"});
    EXPECT_EQ(lesson.text(9), "");
    EXPECT_EQ(ring.take(lesson), "0");
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"1", "9"}));
    ring.store(lesson, "Y");
    EXPECT_EQ(lesson.text(9), "Y");
    EXPECT_EQ(lesson.text(0), "0"); // a value taken out stays in its slot
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::red}, {1, colours::blue}}));
}

TEST(frmQue2, TheStartWrapsAndAnEmptyQueueShowsTheMessage)
{
    LessonDriver lesson("frmQue2");
    lesson.option(2);
    lesson.set(9, "last");
    lesson.setAll(10, {9, 0});
    finishCall(lesson, ring.closingLines);
    EXPECT_EQ(lesson.text(12), "last");
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "0"}));
    lesson.step(2);
    EXPECT_EQ(lesson.condition(), "  StartPointer!=EndPointer : False");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{11, 12, 13}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"キューが空です."});
    EXPECT_EQ(lesson.text(12), "");
}

TEST(frmQue2, PointersOutsideTheRing)
{
    const struct {
        int option;
        int start, end;
        int steps;           // to the refused step
        const char* message; // empty: not refused
    } cases[] = {
        {1, 5, 10, 5, ""}, // the hidden slot 10 takes the value, and the end wraps to 0
        {1, 5, 11, 4, "QUE[11] は配列の範囲 (0～10) の外です。"},
        {2, -1, 0, 4, "QUE[-1] は配列の範囲 (0～10) の外です。"},
        {1, 0, 32767, 2, "EndPointer + 1 の結果が -32768～32767 の範囲を超えます。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frmQue2");
        lesson.option(c.option);
        lesson.setAll(10, {c.start, c.end});
        lesson.step(c.steps);
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.colour(10), Colour::window()); // never the pointer boxes
        EXPECT_EQ(lesson.colour(11), Colour::window());
    }
}

} // namespace
