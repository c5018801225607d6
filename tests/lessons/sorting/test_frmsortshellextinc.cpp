#include "support/lesson_driver.h"

namespace
{

TEST(frmSortShellExtInc, TheFirstIncrementForEachSize)
{
    const struct {
        const char* n;
        const char* value;
    } cases[] = {{"30", "4"}, {"100", "13"}, {"1000", "121"},
                 {"8", "1"},  {"40", "4"},   {"32767", "9841"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        LessonDriver lesson("frmSortShellExtInc");
        lesson.set(0, c.n);
        EXPECT_GT(lesson.stepUntilMessage(20), 0);
        EXPECT_EQ(lesson.text(2), c.value);
        EXPECT_EQ(lesson.lastMessage(), "関数終わり");
    }
}

TEST(frmSortShellExtInc, TheLoopIsSteppedOnItsOwnLine)
{
    LessonDriver lesson("frmSortShellExtInc");
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"30", "0", "0"}));
    lesson.step(2);
    EXPECT_EQ(lesson.condition(), "  h < N/9 : True");
    lesson.step();
    EXPECT_EQ(lesson.line(), 3);
    EXPECT_EQ(lesson.condition(), "  h < N/9 : False");
    lesson.set(1, "-20000"); // h*3 leaves 16 bits
    lesson.step();
    EXPECT_EQ(lesson.lastMessage(), "h*3 の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(lesson.line(), 3);
}

} // namespace
