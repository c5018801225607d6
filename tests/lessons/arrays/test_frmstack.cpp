#include "arrays_support.h"

namespace
{

void push(LessonDriver& lesson, const std::string& value)
{
    lesson.option(1);
    lesson.set(12, value);
    finishCall(lesson, {14, 20});
}

std::string pop(LessonDriver& lesson)
{
    lesson.option(2);
    finishCall(lesson, {14, 20});
    return lesson.text(11);
}

TEST(frmStack, OpensOnPushWithSlotZeroRed)
{
    LessonDriver lesson("frmStack");
    EXPECT_EQ(lesson.panel().option, 1);
    EXPECT_EQ(lesson.line(), 15);
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::red}}));
    EXPECT_EQ(lesson.text(10), "0");
    EXPECT_EQ(lesson.text(12), "aaaaa");
    EXPECT_EQ(lesson.condition(), "");
}

TEST(frmStack, OnePushStoresAndMovesThePointer)
{
    LessonDriver lesson("frmStack");
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  SPointer>=Stack.Length : False");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{19, 20, 15}));
    EXPECT_EQ(lesson.text(0), "aaaaa");
    EXPECT_EQ(lesson.text(10), "1");
    EXPECT_EQ(lesson.marked(), (MarkList{{1, colours::red}}));
}

TEST(frmStack, TheEleventhPushFindsTheStackFull)
{
    LessonDriver lesson("frmStack");
    for (int k = 0; k < 10; ++k)
        push(lesson, std::string(1, static_cast<char>('A' + k)));
    EXPECT_EQ(lesson.texts(0, 10),
              (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}));
    EXPECT_EQ(lesson.text(10), "10");
    EXPECT_TRUE(lesson.marked().empty()); // a full stack designates no slot
    lesson.set(12, "K");
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  SPointer>=Stack.Length : True");
    EXPECT_EQ(lesson.step(2), (std::vector<int>{18, 20}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックが満杯です．"});
    EXPECT_EQ(lesson.text(10), "10");
    EXPECT_EQ(lesson.text(9), "J");
}

TEST(frmStack, PopOnAnEmptyStackShowsTheMessage)
{
    LessonDriver lesson("frmStack");
    lesson.set(11, "old");
    lesson.option(2);
    EXPECT_EQ(lesson.line(), 2);
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  SPointer == 0 : True");
    EXPECT_EQ(lesson.step(2), (std::vector<int>{6, 7}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックが空です."});
    EXPECT_EQ(lesson.step(2), (std::vector<int>{14, 4})); // a later Pop starts at line 4
    EXPECT_EQ(lesson.text(11), "");
    EXPECT_EQ(lesson.text(10), "0");
}

TEST(frmStack, PopsReturnTheValuesInReverseAndLeaveThemInTheirSlots)
{
    LessonDriver lesson("frmStack");
    push(lesson, "A");
    push(lesson, "B");
    EXPECT_EQ(pop(lesson), "B");
    EXPECT_EQ(lesson.marked(), (MarkList{{1, colours::red}}));
    EXPECT_EQ(pop(lesson), "A");
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(lesson.text(10), "0");
}

TEST(frmStack, ATypedPointerIsUsedByTheNextStep)
{
    LessonDriver lesson("frmStack");
    for (const char* value : {"A", "B", "C", "D"})
        push(lesson, value);
    lesson.option(2);
    lesson.step(3); // line 11
    lesson.set(10, "3");
    lesson.step(2);
    EXPECT_EQ(lesson.text(11), "C");
    // Pointer 10 pops the last shown slot; pointer 11 the hidden slot 10, which is empty.
    lesson.set(10, "11");
    lesson.step(5);
    EXPECT_EQ(lesson.line(), 14);
    EXPECT_EQ(lesson.text(11), "");
    EXPECT_EQ(lesson.text(10), "10");
}

TEST(frmStack, OptionsAndBackToStartSelectTheRoutineAndKeepTheValues)
{
    LessonDriver lesson("frmStack");
    lesson.autoRun("500");
    lesson.step(2); // line 19
    lesson.option(2);
    EXPECT_EQ(lesson.line(), 2);
    EXPECT_EQ(lesson.text(10), "0");
    lesson.option(1);
    EXPECT_EQ(lesson.line(), 15);
    lesson.step();
    lesson.back();
    EXPECT_EQ(lesson.line(), 15);
    EXPECT_TRUE(lesson.panel().timer.enabled);
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::red}}));
}

TEST(frmStack, AutoRunStopsOnTheClosingBrace)
{
    LessonDriver lesson("frmStack");
    lesson.autoRun("500");
    lesson.tick(3);
    EXPECT_EQ(lesson.line(), 20);
    EXPECT_TRUE(lesson.panel().timer.enabled);
    lesson.tick(); // the closing brace stops auto-run as it returns to the header
    EXPECT_EQ(lesson.line(), 15);
    EXPECT_FALSE(lesson.panel().timer.enabled);
    EXPECT_EQ(lesson.panel().timer.interval, 100);
    lesson.tick(5);
    EXPECT_EQ(lesson.line(), 15);
    EXPECT_EQ(lesson.text(10), "1");
    lesson.option(2);
    lesson.autoRun("500");
    lesson.tick(10);
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_FALSE(lesson.panel().timer.enabled);
    EXPECT_EQ(lesson.text(11), "aaaaa");
    EXPECT_EQ(lesson.text(10), "0");
}

TEST(frmStack, PointersOutsideTheStorageAreRefused)
{
    const struct {
        int option;
        const char* pointer;
        int steps; // to the refused step
        int line;  // where it stays
        const char* message;
    } cases[] = {
        {1, "-1", 3, 19, "Stack[-1] は配列の範囲 (0～10) の外です。"},
        {2, "12", 5, 12, "Stack[11] は配列の範囲 (0～10) の外です。"},
        {2, "-5", 5, 12, "Stack[-6] は配列の範囲 (0～10) の外です。"},
        {1, "40000", 1, 15, "SPointer の値 40000 は -32768～32767 の範囲外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frmStack");
        lesson.option(c.option);
        lesson.set(10, c.pointer);
        lesson.step(c.steps);
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), c.line);
        EXPECT_EQ(lesson.colour(10), Colour::window()); // never the pointer box
    }
}

TEST(frmStack, APointerAboveTheLengthIsFull)
{
    LessonDriver lesson("frmStack");
    lesson.set(10, "11");
    lesson.step(3);
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックが満杯です．"});
    EXPECT_EQ(lesson.text(10), "11");
    EXPECT_TRUE(lesson.marked().empty());
}

} // namespace
