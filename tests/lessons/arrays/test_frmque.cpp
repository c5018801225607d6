#include "arrays_support.h"

namespace
{

void enque(LessonDriver& lesson, const std::string& value)
{
    lesson.option(1);
    lesson.set(14, value);
    finishCall(lesson, {17, 23});
}

std::string deque(LessonDriver& lesson)
{
    lesson.option(2);
    finishCall(lesson, {17, 23});
    return lesson.text(13);
}

TEST(frmQue, OpensOnEnqueWithSlotZeroRed)
{
    LessonDriver lesson("frmQue");
    EXPECT_EQ(lesson.line(), 18);
    EXPECT_EQ(lesson.panel().option, 1);
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::red}}));
    EXPECT_EQ(lesson.texts(10, 5), (std::vector<std::string>{"0", "", "0", "", "aaaaa"}));
}

TEST(frmQue, ADequeShiftsTheRestForward)
{
    LessonDriver lesson("frmQue");
    for (const char* value : {"A", "B", "C"})
        enque(lesson, value);
    EXPECT_EQ(lesson.text(10), "3");
    EXPECT_EQ(lesson.marked(), (MarkList{{3, colours::red}}));

    lesson.option(2);
    EXPECT_EQ(lesson.line(), 2);
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  QuePointer == 0 : False");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{9, 11, 12}));
    EXPECT_EQ(lesson.text(11), "A");
    lesson.step(); // i := 0, QuePointer := 2
    EXPECT_EQ(lesson.text(12), "0");
    EXPECT_EQ(lesson.text(10), "2");
    const char* truths[] = {"True", "True", "False"};
    for (const char* truth : truths) {
        EXPECT_EQ(lesson.line(), 13);
        EXPECT_EQ(lesson.condition(), std::string("  i< QuePointer : ") + truth);
        lesson.step(2);
    }
    EXPECT_EQ(lesson.line(), 17);
    EXPECT_EQ(lesson.text(13), "A");
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"B", "C", "C"}));
    EXPECT_EQ(lesson.marked(), (MarkList{{2, colours::red}}));
    lesson.step();
    EXPECT_EQ(lesson.line(), 4); // a later Deque starts at line 4
}

TEST(frmQue, TheEleventhEnqueFindsTheQueueFull)
{
    LessonDriver lesson("frmQue");
    for (int k = 0; k < 10; ++k)
        enque(lesson, std::to_string(k));
    EXPECT_EQ(lesson.text(10), "10");
    EXPECT_TRUE(lesson.marked().empty());
    lesson.set(14, "X");
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  QuePointer>=Que.Length : True");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{21, 23, 18}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"キューが満杯です．"});
    EXPECT_EQ(lesson.texts(0, 10), textsOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(lesson.text(10), "10");

    // Taking the head of the full queue moves slots 1 to 9 forward and leaves slot 9.
    EXPECT_EQ(deque(lesson), "0");
    EXPECT_EQ(lesson.texts(0, 10), textsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 9}));
    EXPECT_EQ(lesson.marked(), (MarkList{{9, colours::red}}));
}

TEST(frmQue, DequeOnAnEmptyQueueShowsTheMessage)
{
    LessonDriver lesson("frmQue");
    enque(lesson, "A");
    EXPECT_EQ(deque(lesson), "A");
    lesson.option(2);
    EXPECT_EQ(lesson.step(4), (std::vector<int>{4, 6, 7, 17}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"キューが空です."});
    EXPECT_EQ(lesson.text(13), "");
    EXPECT_EQ(lesson.text(11), "A"); // R keeps its value
    EXPECT_EQ(lesson.text(10), "0");
}

TEST(frmQue, AutoRunStopsAtTheEndOfEachRoutine)
{
    LessonDriver lesson("frmQue");
    lesson.autoRun("500");
    lesson.tick(10);
    EXPECT_EQ(lesson.line(), 18);
    EXPECT_FALSE(lesson.panel().timer.enabled);
    EXPECT_EQ(lesson.text(10), "1");
    lesson.option(2);
    lesson.autoRun("500");
    lesson.tick(20);
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_FALSE(lesson.panel().timer.enabled);
    EXPECT_EQ(lesson.text(10), "0");
}

TEST(frmQue, IndicesOutsideTheStorageAreRefused)
{
    const struct {
        int option;
        int box;
        const char* text;
        int steps; // to the refused step
        int line;
        const char* message;
    } cases[] = {
        {1, 10, "-1", 3, 22, "Que[-1] は配列の範囲 (0～10) の外です。"},
        // Pointer 12 shifts up to slot 11.
        {2, 10, "12", 5 + 2 * 10 + 2, 14, "Que[11] は配列の範囲 (0～10) の外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frmQue");
        lesson.option(c.option);
        lesson.set(c.box, c.text);
        lesson.step(c.steps);
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), c.line);
        EXPECT_EQ(lesson.colour(10), Colour::window());
    }
    { // an i typed below 0 in the shifting loop
        LessonDriver lesson("frmQue");
        enque(lesson, "A");
        enque(lesson, "B");
        lesson.option(2);
        lesson.step(5); // line 13
        lesson.set(12, "-1");
        lesson.step(2);
        EXPECT_EQ(lesson.lastMessage(), "Que[-1] は配列の範囲 (0～10) の外です。");
        EXPECT_EQ(lesson.line(), 14);
        EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"A", "B"}));
    }
}

TEST(frmQue, PointerElevenShiftsTheHiddenSlotIn)
{
    LessonDriver lesson("frmQue");
    lesson.option(2);
    lesson.set(10, "11");
    lesson.step(5 + 2 * 10 + 2);
    EXPECT_EQ(lesson.line(), 17);
    EXPECT_EQ(lesson.text(10), "10");
    EXPECT_TRUE(lesson.marked().empty());
}

} // namespace
