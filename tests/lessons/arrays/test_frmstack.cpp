#include "arrays_support.h"

namespace
{

const SlotRoutines stack{12, 11, {14, 20}};

TEST(frmStack, OnePushStoresAndMovesThePointer)
{
    LessonDriver lesson("frmStack");
    EXPECT_EQ(lesson.line(), 15);
    EXPECT_EQ(lesson.marked(), (MarkList{{0, colours::red}}));
    EXPECT_EQ(lesson.step(), std::vector<int>{17});
    EXPECT_EQ(lesson.condition(), "  SPointer>=Stack.Length : False");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{19, 20, 15}));
    EXPECT_EQ(lesson.texts(0, 1), std::vector<std::string>{"aaaaa"});
    EXPECT_EQ(lesson.text(10), "1");
    EXPECT_EQ(lesson.marked(), (MarkList{{1, colours::red}}));
}

TEST(frmStack, TheEleventhPushFindsTheStackFull)
{
    LessonDriver lesson("frmStack");
    for (int k = 0; k < 10; ++k)
        stack.store(lesson, std::to_string(k));
    EXPECT_EQ(lesson.texts(0, 11), textsOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(lesson.marked().empty()); // a full stack designates no slot
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  SPointer>=Stack.Length : True");
    EXPECT_EQ(lesson.step(2), (std::vector<int>{18, 20}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックが満杯です．"});
    EXPECT_EQ(lesson.text(10), "10");
}

TEST(frmStack, PopsReturnTheValuesInReverseAndThenFindTheStackEmpty)
{
    LessonDriver lesson("frmStack");
    stack.store(lesson, "A");
    stack.store(lesson, "B");
    EXPECT_EQ(stack.take(lesson), "B");
    EXPECT_EQ(stack.take(lesson), "A");
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"A", "B"})); // they stay in place
    EXPECT_EQ(lesson.text(10), "0");
    EXPECT_EQ(lesson.line(), 4); // a later Pop starts at line 4
    EXPECT_EQ(lesson.condition(), "  SPointer == 0 : True");
    EXPECT_EQ(lesson.step(4), (std::vector<int>{6, 7, 14, 4}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックが空です."});
    EXPECT_EQ(lesson.text(11), "");
}

TEST(frmStack, OptionsAndAutoRun)
{
    LessonDriver lesson("frmStack");
    lesson.autoRun("500");
    lesson.tick(2); // line 19
    lesson.option(2);
    EXPECT_EQ(lesson.line(), 2);
    lesson.back(); // selects the routine again; auto-run goes on
    EXPECT_EQ(lesson.line(), 2);
    lesson.option(1);
    lesson.tick(3);
    EXPECT_EQ(lesson.line(), 20);
    EXPECT_TRUE(lesson.panel().timer.enabled);
    lesson.tick(3); // the closing brace stops auto-run as it returns to the header
    EXPECT_EQ(lesson.line(), 15);
    EXPECT_FALSE(lesson.panel().timer.enabled);
    EXPECT_EQ(lesson.text(10), "1");
}

TEST(frmStack, TypedPointers)
{
    LessonDriver lesson("frmStack");
    for (const char* value : {"A", "B", "C", "D"})
        stack.store(lesson, value);
    lesson.option(2);
    lesson.step(3); // line 11
    lesson.set(10, "3");
    finishCall(lesson, stack.closingLines);
    EXPECT_EQ(lesson.text(11), "C");

    const struct {
        int option;
        const char* pointer;
        int steps; // to the refused step
        const char* message;
    } cases[] = {
        {1, "-1", 3, "Stack[-1] は配列の範囲 (0～10) の外です。"},
        {2, "12", 5, "Stack[11] は配列の範囲 (0～10) の外です。"},
        {1, "40000", 1, "SPointer の値 40000 は -32768～32767 の範囲外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver refused("frmStack");
        refused.option(c.option);
        refused.set(10, c.pointer);
        refused.step(c.steps);
        EXPECT_TRUE(refused.lastRefused());
        EXPECT_EQ(refused.lastMessage(), c.message);
        EXPECT_EQ(refused.colour(10), Colour::window()); // never the pointer box
    }
}

} // namespace
