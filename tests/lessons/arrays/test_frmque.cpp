#include "arrays_support.h"

namespace
{

const SlotRoutines que{14, 13, {17, 23}};

TEST(frmQue, ADequeShiftsTheRestForward)
{
    LessonDriver lesson("frmQue");
    EXPECT_EQ(lesson.line(), 18);
    for (const char* value : {"A", "B", "C"})
        que.store(lesson, value);
    EXPECT_EQ(lesson.marked(), (MarkList{{3, colours::red}}));
    lesson.option(2);
    EXPECT_EQ(lesson.step(), std::vector<int>{4});
    EXPECT_EQ(lesson.condition(), "  QuePointer == 0 : False");
    EXPECT_EQ(lesson.step(4), (std::vector<int>{9, 11, 12, 13}));
    EXPECT_EQ(lesson.texts(10, 3), (std::vector<std::string>{"2", "A", "0"}));
    for (const char* truth : {"True", "True", "False"}) {
        EXPECT_EQ(lesson.condition(), std::string("  i< QuePointer : ") + truth);
        lesson.step(2);
    }
    EXPECT_EQ(lesson.line(), 17);
    EXPECT_EQ(lesson.text(13), "A");
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"B", "C", "C"}));
    EXPECT_EQ(lesson.marked(), (MarkList{{2, colours::red}}));
}

TEST(frmQue, AFullQueueRefusesTheEleventhAndShiftsNineOnDeque)
{
    LessonDriver lesson("frmQue");
    for (int k = 0; k < 10; ++k)
        que.store(lesson, std::to_string(k));
    EXPECT_TRUE(lesson.marked().empty());
    lesson.step();
    EXPECT_EQ(lesson.condition(), "  QuePointer>=Que.Length : True");
    EXPECT_EQ(lesson.step(3), (std::vector<int>{21, 23, 18}));
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"キューが満杯です．"});
    EXPECT_EQ(que.take(lesson), "0");
    EXPECT_EQ(lesson.texts(0, 11), textsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9}));
}

TEST(frmQue, DequeOnAnEmptyQueueShowsTheMessage)
{
    LessonDriver lesson("frmQue");
    que.store(lesson, "A");
    EXPECT_EQ(que.take(lesson), "A");
    lesson.autoRun("500");
    lesson.tick(6);
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"キューが空です."});
    EXPECT_EQ(lesson.line(), 4);
    EXPECT_FALSE(lesson.panel().timer.enabled); // the closing brace stopped auto-run
    EXPECT_EQ(lesson.text(13), "");
    EXPECT_EQ(lesson.text(11), "A"); // R keeps its value
}

TEST(frmQue, IndicesOutsideTheStorageAreRefused)
{
    LessonDriver lesson("frmQue");
    lesson.option(2);
    lesson.set(10, "12"); // the shift reaches slot 11
    lesson.step(5 + 2 * 10 + 2);
    EXPECT_EQ(lesson.lastMessage(), "Que[11] は配列の範囲 (0～10) の外です。");
    EXPECT_EQ(lesson.line(), 14);
    lesson.set(12, "-1");
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "Que[-1] は配列の範囲 (0～10) の外です。");
    lesson.option(1);
    lesson.set(10, "-1");
    lesson.step(3);
    EXPECT_EQ(lesson.lastMessage(), "Que[-1] は配列の範囲 (0～10) の外です。");
    EXPECT_EQ(lesson.line(), 22);
    EXPECT_TRUE(lesson.marked().empty());
}

} // namespace
