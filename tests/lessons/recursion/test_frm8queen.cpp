#include "support/lesson_driver.h"

#include <chrono>
#include <cstdio>

namespace
{

constexpr int levelBox = 3;

std::vector<int> checks(const LessonDriver& lesson, int group)
{
    return lesson.panel().checks[static_cast<size_t>(group)];
}

std::vector<std::string> columns(const LessonDriver& lesson)
{
    std::vector<std::string> texts;
    for (const Box& box : lesson.panel().text2)
        texts.push_back(box.text);
    return texts;
}

// A check row with the boxes `on` checked.
std::vector<int> checked(size_t count, std::initializer_list<int> on)
{
    std::vector<int> values(count, 0);
    for (const int k : on)
        values[static_cast<size_t>(k)] = 1;
    return values;
}

TEST(frm8Queen, OpensOnAnEmptyBoard)
{
    LessonDriver lesson("frm8Queen");
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"0", "0", "0", ""}));
    EXPECT_EQ(columns(lesson), std::vector<std::string>(8, "0"));
    EXPECT_EQ(checks(lesson, 0), std::vector<int>(8, 0));
    EXPECT_EQ(checks(lesson, 1), std::vector<int>(15, 0));
    EXPECT_EQ(checks(lesson, 2), std::vector<int>(15, 0));
    EXPECT_EQ(lesson.panel().label6, "");
}

TEST(frm8Queen, FirstStepsPlaceTheFirstQueenAndCall)
{
    LessonDriver lesson("frm8Queen");
    lesson.step();
    EXPECT_EQ(lesson.line(), 2);
    EXPECT_EQ(lesson.condition(), " j<8 : True");
    lesson.step();
    EXPECT_EQ(lesson.condition(), " 配置済みでないかどうかの判定 : True");
    EXPECT_EQ(lesson.step(4), (std::vector<int>{6, 7, 10, 11}));
    EXPECT_EQ(lesson.condition(), "");
    EXPECT_EQ(checks(lesson, 0), checked(8, {0}));
    EXPECT_EQ(checks(lesson, 1), checked(15, {0}));
    EXPECT_EQ(checks(lesson, 2), checked(15, {7}));
    EXPECT_EQ(lesson.panel().text2[0].text, "0");
    EXPECT_EQ(lesson.text(levelBox), "");
    lesson.step();
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.text(levelBox), "1");
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(lesson.step(14), (std::vector<int>{2, 4, 15, 2, 4, 15, 2, 4, 6, 7, 10, 11, 0, 2}));
    EXPECT_EQ(lesson.texts(0, 2), (std::vector<std::string>{"2", "0"}));
}

TEST(frm8Queen, HandCheckedBoxesAreReadBeforeTheStep)
{
    { // checked on line 2: the test of line 4 is false when the step lands there
        LessonDriver lesson("frm8Queen");
        lesson.step();
        lesson.check(BoxGroup::Check1, 0, 1);
        lesson.step();
        EXPECT_EQ(lesson.condition(), " 配置済みでないかどうかの判定 : False");
        EXPECT_EQ(lesson.step(), std::vector<int>{15});
    }
    { // checked on line 4 after it showed true: the step still goes to line 15
        LessonDriver lesson("frm8Queen");
        lesson.step(2);
        lesson.check(BoxGroup::Check3, 7, 1);
        EXPECT_EQ(lesson.step(), std::vector<int>{15});
        EXPECT_EQ(checks(lesson, 2), checked(15, {7}));
    }
}

TEST(frm8Queen, CompleteRunFinds92SolutionsIn65115Steps)
{
    LessonDriver lesson("frm8Queen");
    std::vector<std::vector<std::string>> solutions;
    int firstSolutionStep = 0;
    int steps = 0;
    const auto started = std::chrono::steady_clock::now();
    while (steps < 70000) {
        const size_t before = lesson.messages().size();
        lesson.step();
        ++steps;
        if (lesson.messages().size() == before)
            continue;
        if (lesson.lastMessage() != "解番号")
            break;
        if (solutions.empty())
            firstSolutionStep = steps;
        solutions.push_back(columns(lesson));
    }
    const auto elapsed = std::chrono::steady_clock::now() - started;
    std::printf("[ timing   ] the complete eight queens run took %.1f ms\n",
                std::chrono::duration<double, std::milli>(elapsed).count());

    EXPECT_EQ(steps, 65115);
    EXPECT_EQ(lesson.lastMessage(), "関数実行終わり");
    EXPECT_EQ(lesson.line(), 0);
    ASSERT_EQ(solutions.size(), 92u);
    EXPECT_EQ(firstSolutionStep, 3603);
    EXPECT_EQ(solutions[0], textsOf({0, 4, 7, 5, 2, 6, 1, 3}));
    EXPECT_EQ(solutions[1], textsOf({0, 5, 7, 2, 6, 3, 1, 4}));
    EXPECT_EQ(solutions[91], textsOf({7, 3, 0, 2, 5, 1, 6, 4}));
    EXPECT_EQ(lesson.text(2), "92");
    EXPECT_EQ(lesson.text(levelBox), "0");
    EXPECT_EQ(lesson.panel().label6, "\r\n□□□□□□□●\r\n□□□●□□□□\r\n●□□□□□□□\r\n□□●□□□□□"
                                     "\r\n□□□□□●□□\r\n□●□□□□□□\r\n□□□□□□●□\r\n□□□□●□□□");
    // The next run starts again from an empty board and counts from 1.
    lesson.step();
    EXPECT_EQ(lesson.text(2), "0");
    EXPECT_EQ(lesson.panel().label6.size(), 8 * (2 + 8 * 3)); // the last board stays
}

TEST(frm8Queen, FirstSolutionIsDrawnInLabel6)
{
    LessonDriver lesson("frm8Queen");
    EXPECT_EQ(lesson.stepUntilMessage(4000), 3603);
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"解番号"});
    EXPECT_EQ(lesson.line(), 14);
    EXPECT_EQ(lesson.text(2), "1");
    EXPECT_EQ(lesson.panel().label6, "\r\n●□□□□□□□\r\n□□□□●□□□\r\n□□□□□□□●\r\n□□□□□●□□"
                                     "\r\n□□●□□□□□\r\n□□□□□□●□\r\n□●□□□□□□\r\n□□□●□□□□");
}

TEST(frm8Queen, BackToStartResetsTheBoardButKeepsLabel6)
{
    LessonDriver lesson("frm8Queen");
    lesson.stepUntilMessage(4000);
    const std::string board = lesson.panel().label6;
    lesson.back();
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"0", "0", "0", "7"}));
    EXPECT_EQ(columns(lesson), std::vector<std::string>(8, "0"));
    EXPECT_EQ(checks(lesson, 1), std::vector<int>(15, 0));
    EXPECT_EQ(lesson.panel().label6, board);
    EXPECT_EQ(lesson.stepUntilMessage(4000), 3603); // a whole new run
}

TEST(frm8Queen, IndicesEditedOutsideTheArraysAreRefused)
{
    const struct {
        int steps; // to the line where the edit is made
        int box;
        const char* text;
        const char* message;
    } cases[] = {
        {2, 1, "9", "行配置済み[9] は配列の範囲 (0～8) の外です。"},
        {2, 1, "-1", "対角配置済みA[-1] は配列の範囲 (0～15) の外です。"},
        {2, 0, "9", "対角配置済みB[16] は配列の範囲 (0～15) の外です。"},
        {3, 0, "9", "列位置[9] は配列の範囲 (0～8) の外です。"},
        {5, 1, "-8", "行配置済み[-8] は配列の範囲 (0～8) の外です。"},
        // the test of line 4, where the step would land, reads outside
        {1, 0, "20", "対角配置済みA[20] は配列の範囲 (0～15) の外です。"},
        {1, 2, "40000", "解番号 の値 40000 は -32768～32767 の範囲外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        LessonDriver lesson("frm8Queen");
        lesson.step(c.steps);
        const int line = lesson.line();
        lesson.set(c.box, c.text);
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), line);
        EXPECT_EQ(lesson.text(c.box), c.text);
    }
    LessonDriver edge("frm8Queen"); // slot 8 of 列位置 exists without a box
    edge.step(3);
    edge.set(0, "8");
    edge.step();
    EXPECT_FALSE(edge.lastRefused());
    EXPECT_EQ(columns(edge), std::vector<std::string>(8, "0"));
}

TEST(frm8Queen, CallsBeyondLevel100OverflowTheStack)
{
    LessonDriver lesson("frm8Queen");
    for (int level = 0; level < 101; ++level) {
        lesson.set(0, "0"); // column 0 again and again, on a board cleared by hand
        lesson.check(BoxGroup::Check1, 0, 0);
        lesson.check(BoxGroup::Check2, 0, 0);
        lesson.check(BoxGroup::Check3, 7, 0);
        EXPECT_EQ(lesson.step(7), (std::vector<int>{2, 4, 6, 7, 10, 11, 0}));
    }
    EXPECT_EQ(lesson.text(levelBox), "101");
    lesson.set(0, "0");
    lesson.check(BoxGroup::Check1, 0, 0);
    lesson.check(BoxGroup::Check2, 0, 0);
    lesson.check(BoxGroup::Check3, 7, 0);
    lesson.step(7);
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックオーバ"});
    EXPECT_EQ(lesson.line(), 16);
    EXPECT_EQ(lesson.text(0), "0");
    EXPECT_EQ(lesson.text(levelBox), "101");
    lesson.step(); // the return goes on to line 12 of the caller
    EXPECT_EQ(lesson.line(), 12);
    EXPECT_EQ(lesson.text(levelBox), "100");
}

} // namespace
