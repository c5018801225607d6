#include "support/lesson_driver.h"

namespace
{

TEST(frmSwap, ARunExchangesCAndDThroughTheReferences)
{
    LessonDriver lesson("frmSwap");
    EXPECT_EQ(lesson.texts(0, 5), std::vector<std::string>(5, "0"));
    std::vector<std::string> conditions;
    std::vector<int> lines;
    for (int k = 0; k < 9; ++k) {
        lines.push_back(lesson.step().back());
        conditions.push_back(lesson.condition());
        EXPECT_TRUE(lesson.marked().empty());
    }
    EXPECT_EQ(lines, (std::vector<int>{2, 3, 5, 7, 8, 9, 10, 4, 0}));
    EXPECT_EQ(conditions, std::vector<std::string>(9, ""));
    EXPECT_EQ(lesson.texts(0, 5), (std::vector<std::string>{"20", "10", "20", "10", "10"}));
    EXPECT_TRUE(lesson.messages().empty());
}

TEST(frmSwap, TypedValuesMeetTheReferences)
{
    { // C typed before the call is what A receives
        LessonDriver lesson("frmSwap");
        lesson.step(2); // line 3
        lesson.set(0, "5");
        lesson.step(6);
        EXPECT_EQ(lesson.line(), 4);
        EXPECT_EQ(lesson.texts(0, 5), (std::vector<std::string>{"20", "5", "20", "5", "5"}));
    }
    { // C typed before A=B is overwritten through the reference
        LessonDriver lesson("frmSwap");
        lesson.step(5); // line 8
        lesson.set(0, "77");
        lesson.step();
        EXPECT_EQ(lesson.text(0), "20");
    }
}

} // namespace
