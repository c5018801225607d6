#include "trace.h"

#include <chrono>
#include <cstdio>

namespace
{

constexpr int levelBox = 3;

std::vector<std::string> columns(const LessonDriver& lesson)
{
    std::vector<std::string> texts;
    for (const Box& box : lesson.panel().text2)
        texts.push_back(box.text);
    return texts;
}

// The checked boxes of Check1, Check2 and Check3.
std::vector<std::string> checkedBoxes(const LessonDriver& lesson)
{
    std::vector<std::string> on;
    for (size_t g = 0; g < 3; ++g) {
        for (size_t k = 0; k < lesson.panel().checks[g].size(); ++k) {
            if (lesson.panel().checks[g][k])
                on.push_back("Check" + std::to_string(g + 1) + "(" + std::to_string(k) + ")");
        }
    }
    return on;
}

TEST(frm8Queen, FirstStepsPlaceTheFirstQueenAndCall)
{
    LessonDriver lesson("frm8Queen");
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"0", "0", "0", ""}));
    lesson.step();
    EXPECT_EQ(lesson.condition(), " j<8 : True");
    lesson.step();
    EXPECT_EQ(lesson.condition(), " 配置済みでないかどうかの判定 : True");
    EXPECT_EQ(trace(lesson, 5, 4), (std::vector<std::string>{"6: 0 0 0 ", "7: 0 0 0 ", "10: 0 0 0 ",
                                                             "11: 0 0 0 ", "0: 1 0 0 1"}));
    EXPECT_EQ(checkedBoxes(lesson),
              (std::vector<std::string>{"Check1(0)", "Check2(0)", "Check3(7)"}));
    EXPECT_EQ(lesson.step(14), (std::vector<int>{2, 4, 15, 2, 4, 15, 2, 4, 6, 7, 10, 11, 0, 2}));
}

TEST(frm8Queen, HandCheckedBoxesAreReadBeforeTheStep)
{
    LessonDriver lesson("frm8Queen");
    lesson.step();
    lesson.check(BoxGroup::Check1, 0, 1);
    lesson.step();
    EXPECT_EQ(lesson.condition(), " 配置済みでないかどうかの判定 : False");
    lesson.check(BoxGroup::Check1, 0, 0);
    EXPECT_EQ(lesson.step(), std::vector<int>{6}); // read again: now free
}

TEST(frm8Queen, CompleteRunFinds92SolutionsIn65115Steps)
{
    LessonDriver lesson("frm8Queen");
    std::vector<std::vector<std::string>> solutions;
    std::vector<int> solutionSteps;
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
        solutionSteps.push_back(steps);
        solutions.push_back(columns(lesson));
    }
    const auto elapsed = std::chrono::steady_clock::now() - started;
    std::printf("[ timing   ] the complete eight queens run took %.1f ms\n",
                std::chrono::duration<double, std::milli>(elapsed).count());

    EXPECT_EQ(steps, 65115);
    EXPECT_EQ(lesson.lastMessage(), "関数実行終わり");
    EXPECT_EQ(lesson.line(), 0);
    ASSERT_EQ(solutions.size(), 92u);
    EXPECT_EQ(solutionSteps[0], 3603);
    EXPECT_EQ(solutions[0], textsOf({0, 4, 7, 5, 2, 6, 1, 3}));
    EXPECT_EQ(solutions[1], textsOf({0, 5, 7, 2, 6, 3, 1, 4}));
    EXPECT_EQ(solutions[91], textsOf({7, 3, 0, 2, 5, 1, 6, 4}));
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"0", "8", "92", "0"}));
    EXPECT_EQ(lesson.panel().label6, "\r\n□□□□□□□●\r\n□□□●□□□□\r\n●□□□□□□□\r\n□□●□□□□□"
                                     "\r\n□□□□□●□□\r\n□●□□□□□□\r\n□□□□□□●□\r\n□□□□●□□□");
    lesson.step(); // the next run starts from an empty board and counts from 1
    EXPECT_EQ(lesson.text(2), "0");
}

TEST(frm8Queen, FirstSolutionAndBackToStart)
{
    LessonDriver lesson("frm8Queen");
    EXPECT_EQ(lesson.stepUntilMessage(4000), 3603);
    EXPECT_EQ(lesson.line(), 14);
    EXPECT_EQ(lesson.text(2), "1");
    const std::string board = "\r\n●□□□□□□□\r\n□□□□●□□□\r\n□□□□□□□●\r\n□□□□□●□□"
                              "\r\n□□●□□□□□\r\n□□□□□□●□\r\n□●□□□□□□\r\n□□□●□□□□";
    EXPECT_EQ(lesson.panel().label6, board);
    lesson.back(); // an empty board; Label6 and the level box keep what they show
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"0", "0", "0", "7"}));
    EXPECT_EQ(columns(lesson), std::vector<std::string>(8, "0"));
    EXPECT_TRUE(checkedBoxes(lesson).empty());
    EXPECT_EQ(lesson.panel().label6, board);
    EXPECT_EQ(lesson.stepUntilMessage(4000), 3603);
}

TEST(frm8Queen, IndicesEditedOutsideTheArraysAreRefused)
{
    const RefusedEdit cases[] = {
        {2, 1, "9", "行配置済み[9] は配列の範囲 (0～8) の外です。"},
        {2, 1, "-1", "対角配置済みA[-1] は配列の範囲 (0～15) の外です。"},
        {2, 0, "9", "対角配置済みB[16] は配列の範囲 (0～15) の外です。"},
        {3, 0, "9", "列位置[9] は配列の範囲 (0～8) の外です。"},
        {5, 1, "-8", "行配置済み[-8] は配列の範囲 (0～8) の外です。"},
        // the test of line 4, where the step would land, reads outside
        {1, 0, "20", "対角配置済みA[20] は配列の範囲 (0～15) の外です。"},
    };
    for (const RefusedEdit& c : cases) {
        LessonDriver lesson("frm8Queen");
        expectRefused(lesson, c);
    }
}

TEST(frm8Queen, CallsBeyondLevel100OverflowTheStack)
{
    LessonDriver lesson("frm8Queen");
    for (int level = 0; level <= 101; ++level) {
        lesson.set(0, "0"); // column 0 again and again, on a board cleared by hand
        lesson.check(BoxGroup::Check1, 0, 0);
        lesson.check(BoxGroup::Check2, 0, 0);
        lesson.check(BoxGroup::Check3, 7, 0);
        lesson.step(7);
    }
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックオーバ"});
    EXPECT_EQ(lesson.line(), 16);
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"0", "0", "0", "101"}));
    EXPECT_EQ(trace(lesson, 1, 4), std::vector<std::string>{"12: 0 0 0 100"});
}

} // namespace
