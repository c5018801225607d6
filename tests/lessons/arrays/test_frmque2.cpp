#include "arrays_support.h"

namespace
{

void enque(LessonDriver& lesson, const std::string& value)
{
    lesson.option(1);
    lesson.set(14, value);
    finishCall(lesson, {13, 22});
}

std::string deque(LessonDriver& lesson)
{
    lesson.option(2);
    finishCall(lesson, {13, 22});
    return lesson.text(12);
}

// StartPointer and EndPointer as the boxes show them.
std::vector<std::string> pointers(const LessonDriver& lesson)
{
    return lesson.texts(10, 2);
}

TEST(frmQue2, OpensOnEnqueWithTheEmptyQueueBlue)
{
    LessonDriver lesson("frmQue2");
    EXPECT_EQ(lesson.line(), 14);
    EXPECT_EQ(lesson.panel().option, 1);
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::blue}}));
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(lesson.text(14), "aaaa");
    EXPECT_EQ(lesson.text(15), "0");
}

TEST(frmQue2, OneEnqueStoresAndAdvancesTheEnd)
{
    LessonDriver lesson("frmQue2");
    lesson.step(2);
    EXPECT_EQ(lesson.text(15), "1");
    EXPECT_EQ(lesson.condition(), "  P!=StartPointer : True");
    lesson.step(); // line 18
    lesson.step();
    EXPECT_EQ(lesson.text(0), "aaaa");
    EXPECT_EQ(lesson.line(), 19);
    lesson.step();
    EXPECT_EQ(lesson.line(), 22);
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::blue}, {1, colours::red}}));
    lesson.step();
    EXPECT_EQ(lesson.line(), 14);
}

TEST(frmQue2, NineValuesFillTheRing)
{
    LessonDriver lesson("frmQue2");
    for (int k = 0; k < 9; ++k)
        enque(lesson, std::to_string(k));
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "9"}));
    lesson.set(14, "X");
    lesson.step(2);
    EXPECT_EQ(lesson.text(15), "0");
    EXPECT_EQ(lesson.condition(), "  P!=StartPointer : False");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{21, 22, 14}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"キューが満杯です．"});
    EXPECT_EQ(lesson.text(9), "");
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "9"}));
    EXPECT_EQ(lesson.text(15), "0"); // P keeps what line 16 computed

    // Taking one out makes room; the next value goes into slot 9 and the end wraps.
    EXPECT_EQ(deque(lesson), "0");
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"1", "9"}));
    EXPECT_EQ(lesson.text(0), "0"); // a value taken out stays in its slot
    enque(lesson, "Y");
    EXPECT_EQ(lesson.text(9), "Y");
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::red}, {1, colours::blue}}));
}

TEST(frmQue2, TheStartWrapsFromNineToZero)
{
    LessonDriver lesson("frmQue2");
    lesson.option(2);
    lesson.setAll(0, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    lesson.setAll(10, {9, 2});
    EXPECT_EQ(lesson.step(5), (std::vector<int>{6, 7, 8, 9, 12}));
    EXPECT_EQ(lesson.text(13), "19");
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "2"}));
    lesson.step();
    EXPECT_EQ(lesson.text(12), "19");
}

TEST(frmQue2, DequeOnAnEmptyQueueShowsTheMessage)
{
    LessonDriver lesson("frmQue2");
    lesson.set(12, "old");
    lesson.option(2);
    EXPECT_EQ(lesson.line(), 4);
    lesson.step(2);
    EXPECT_EQ(lesson.condition(), "  StartPointer!=EndPointer : False");
    EXPECT_EQ(lesson.step(4), (std::vector<int>{11, 12, 13, 4}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"キューが空です."});
    EXPECT_EQ(lesson.text(12), "");
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "0"}));
}

TEST(frmQue2, AutoRunPerformsOneCall)
{
    LessonDriver lesson("frmQue2");
    lesson.autoRun("500");
    lesson.tick(10);
    EXPECT_EQ(lesson.line(), 14);
    EXPECT_FALSE(lesson.panel().timer.enabled);
    EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"0", "1"}));
    lesson.option(2);
    lesson.autoRun("500");
    lesson.tick(10);
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_EQ(lesson.text(12), "aaaa");
}

TEST(frmQue2, PointersOutsideTheRing)
{
    { // end 10: the hidden slot 10 takes the value; no box is marked red for it
        LessonDriver lesson("frmQue2");
        lesson.setAll(10, {5, 10});
        lesson.step(5);
        EXPECT_EQ(lesson.line(), 22);
        EXPECT_EQ(pointers(lesson), (std::vector<std::string>{"5", "0"}));
        lesson.set(11, "10");
        lesson.step();
        EXPECT_EQ(lesson.marked(), (MarkList{{5, colours::blue}}));
    }
    const struct {
        int option;
        int start, end;
        int steps; // to the refused step
        int line;
        const char* message;
    } cases[] = {
        {1, 5, 11, 4, 18, "QUE[11] は配列の範囲 (0～10) の外です。"},
        {2, -1, 0, 4, 8, "QUE[-1] は配列の範囲 (0～10) の外です。"},
        {1, 0, 32767, 2, 16, "EndPointer + 1 の結果が -32768～32767 の範囲を超えます。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frmQue2");
        lesson.option(c.option);
        lesson.setAll(10, {c.start, c.end});
        lesson.step(c.steps);
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), c.line);
        EXPECT_EQ(lesson.colour(10), Colour::window()); // never the pointer boxes
        EXPECT_EQ(lesson.colour(11), Colour::window());
    }
    { // a start typed at 32767 just before it is advanced
        LessonDriver lesson("frmQue2");
        lesson.option(2);
        lesson.set(11, "3");
        lesson.step(4); // line 9
        lesson.set(10, "32767");
        lesson.step();
        EXPECT_EQ(lesson.lastMessage(),
                  "StartPointer + 1 の結果が -32768～32767 の範囲を超えます。");
        EXPECT_EQ(lesson.line(), 9);
    }
}

} // namespace
