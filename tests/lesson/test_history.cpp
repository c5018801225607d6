// "One step back" through long histories: all the way back to the load, the bound on the
// states kept, and the memory they take.
#include "lesson/random_source.h"
#include "support/lesson_driver.h"

namespace
{

std::string view(const LessonModel& m)
{
    std::string text = std::to_string(m.line()) + m.panel().condition;
    for (const Box& box : m.panel().text1)
        text += "|" + box.text + "#" + std::to_string(box.colour.value());
    for (const std::string& item : m.panel().list)
        text += "/" + item;
    return text;
}

TEST(History, StepsBackAllTheWayToTheLoad)
{
    LessonDriver lesson("frmSortQuick"); // random data, redrawn at the end of each sort
    const std::string loaded = view(lesson.model());
    lesson.step(2000);
    EXPECT_EQ(lesson.model().history().states(), 2000u);
    int back = 0;
    while (lesson.model().canStepBack()) {
        lesson.model().stepBack();
        ++back;
    }
    EXPECT_EQ(back, 2000);
    EXPECT_EQ(view(lesson.model()), loaded);
    lesson.model().stepBack(); // nothing left: nothing changes
    EXPECT_EQ(view(lesson.model()), loaded);
}

TEST(History, TypedTextBeforeAStepComesBackWithIt)
{
    LessonDriver lesson("frmTotal");
    lesson.step(3);
    lesson.set(7, "2");
    lesson.set(2, "99");
    const std::string typed = view(lesson.model());
    lesson.step(); // adds the typed a[2]
    EXPECT_EQ(lesson.text(5), "99");
    lesson.model().stepBack();
    EXPECT_EQ(view(lesson.model()), typed);
    EXPECT_EQ(lesson.text(2), "99");
    lesson.set(2, "5");
    lesson.step(); // the boxes are read again
    EXPECT_EQ(lesson.text(5), "5");
}

TEST(History, BackToStartOptionsAndFillAreStepsToo)
{
    LessonDriver stack("frmStack");
    stack.step(4); // one push
    const std::string pushed = view(stack.model());
    stack.option(2);
    EXPECT_EQ(stack.line(), 2);
    stack.model().stepBack();
    EXPECT_EQ(view(stack.model()), pushed);

    LessonDriver sort("frmSortBuble");
    const std::string loaded = view(sort.model());
    sort.fill();
    EXPECT_NE(view(sort.model()), loaded);
    sort.model().stepBack();
    EXPECT_EQ(view(sort.model()), loaded);
}

TEST(History, StepBackStopsAutoRun)
{
    LessonDriver lesson("frmTotal");
    lesson.autoRun("10");
    lesson.tick(5);
    lesson.model().stepBack();
    EXPECT_FALSE(lesson.panel().timer.enabled);
    EXPECT_EQ(lesson.line(), 3);
}

TEST(History, KeepsAtMostItsLimitAndForgetsTheOldestStates)
{
    LessonDriver lesson("frm8Queen");
    lesson.model().setHistoryLimit(1000);
    lesson.step(5000);
    const size_t states = lesson.model().history().states();
    EXPECT_GE(states, 1000u);
    EXPECT_LE(states, 1000u + History::interval);
    std::vector<std::string> seen;
    for (size_t k = 0; k < states; ++k)
        lesson.model().stepBack();
    EXPECT_FALSE(lesson.model().canStepBack());
    EXPECT_NE(lesson.line(), 0); // the load itself was forgotten
}

TEST(History, AHundredThousandStatesTakeLittleMemory)
{
    LessonDriver lesson("frm8Queen");
    lesson.step(100000);
    const History& history = lesson.model().history();
    EXPECT_EQ(history.states(), 100000u);
    EXPECT_LT(history.bytes(), 40u * 1024 * 1024);
}

} // namespace
