#include "trace.h"

namespace
{

using Pegs = std::array<std::vector<int>, 3>;

const std::vector<std::string> threeDiskMoves = {
    "第1盤を1軸から3軸に移動", "第2盤を1軸から2軸に移動", "第1盤を3軸から2軸に移動",
    "第3盤を1軸から3軸に移動", "第1盤を2軸から1軸に移動", "第2盤を2軸から3軸に移動",
    "第1盤を1軸から3軸に移動",
};

TEST(frmHanoi, ThreeDisksIn65Steps)
{
    LessonDriver lesson("frmHanoi");
    EXPECT_EQ(lesson.texts(0, 5), (std::vector<std::string>{"3", "1", "3", "0", ""}));
    EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{3, 2, 1}, {}, {}}}));
    // The level counts the nested calls; S is empty from line 10 until line 12 builds it;
    // the move shows in the list and the picture one step later, at line 15.
    EXPECT_EQ(trace(lesson, 20, 5),
              (std::vector<std::string>{"2: 3 1 3 0 ",
                                        "5: 3 1 3 0 ",
                                        "0: 2 1 2 1 ",
                                        "2: 2 1 2 1 ",
                                        "5: 2 1 2 1 ",
                                        "0: 1 1 3 2 ",
                                        "2: 1 1 3 2 ",
                                        "10: 1 1 3 2 ",
                                        "12: 1 1 3 2 ",
                                        "15: 1 1 3 2 第1盤を1軸から3軸に移動",
                                        "16: 1 1 3 2 第1盤を1軸から3軸に移動",
                                        "3: 1 1 3 2 第1盤を1軸から3軸に移動",
                                        "9: 1 1 3 2 第1盤を1軸から3軸に移動",
                                        "6: 2 1 2 1 第1盤を1軸から3軸に移動",
                                        "10: 2 1 2 1 ",
                                        "12: 2 1 2 1 ",
                                        "15: 2 1 2 1 第2盤を1軸から2軸に移動",
                                        "16: 2 1 2 1 第2盤を1軸から2軸に移動",
                                        "7: 2 1 2 1 第2盤を1軸から2軸に移動",
                                        "0: 1 3 2 2 第2盤を1軸から2軸に移動"}));
    EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{3}, {2}, {1}}}));
    EXPECT_EQ(lesson.stepUntilMessage(100), 45);
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"関数実行終わり"});
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.panel().list, threeDiskMoves);
    EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{}, {}, {3, 2, 1}}}));
    lesson.step(); // the next step from line 0 prepares a fresh board
    EXPECT_TRUE(lesson.panel().list.empty());
    EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{3, 2, 1}, {}, {}}}));
}

TEST(frmHanoi, OneAndTwoDisks)
{
    LessonDriver one("frmHanoi");
    one.set(0, "1");
    EXPECT_EQ(one.step(8), (std::vector<int>{2, 10, 12, 15, 16, 3, 9, 0}));
    EXPECT_EQ(one.messages(), std::vector<std::string>{"関数実行終わり"});
    EXPECT_EQ(one.panel().list, std::vector<std::string>{"第1盤を1軸から3軸に移動"});
    EXPECT_EQ(one.panel().picture.pegs, (Pegs{{{}, {}, {1}}}));
    LessonDriver two("frmHanoi");
    two.set(0, "2");
    two.set(2, "2");
    two.stepUntilMessage(100);
    EXPECT_EQ(two.panel().list,
              (std::vector<std::string>{"第1盤を1軸から3軸に移動", "第2盤を1軸から2軸に移動",
                                        "第1盤を3軸から2軸に移動"}));
}

TEST(frmHanoi, BackToStartPreparesANewBoard)
{
    LessonDriver lesson("frmHanoi");
    lesson.step(11);
    lesson.set(0, "4");
    lesson.back();
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_TRUE(lesson.panel().list.empty());
    EXPECT_EQ(lesson.text(3), "0");
    const Picture& picture = lesson.panel().picture;
    EXPECT_EQ(picture.pegs, (Pegs{{{4, 3, 2, 1}, {}, {}}}));
    EXPECT_EQ(picture.ops[0].kind, DrawOp::Kind::Scale);
    EXPECT_EQ((std::array<float, 4>{picture.ops[0].x1, picture.ops[0].y1, picture.ops[0].x2,
                                    picture.ops[0].y2}),
              (std::array<float, 4>{0, 6, 4, -0.1f}));
    EXPECT_FLOAT_EQ(picture.ops.back().x2 - picture.ops.back().x1, 2 * 0.49f / 4); // disk 1
    // Each disk more takes twice the steps of the one below, and 11 of its own.
    EXPECT_EQ(lesson.stepUntilMessage(200), 2 * 65 + 11);
    EXPECT_EQ(lesson.panel().list.size(), 15u);
}

TEST(frmHanoi, BackToStartDuringARunSetsUpTheSameProblemAgain)
{
    // After 5 steps the current activation is Hanoi(2, 1, 2); after 20, Hanoi(1, 3, 2).
    for (const int steps : {5, 8, 20, 25}) {
        SCOPED_TRACE(steps);
        LessonDriver lesson("frmHanoi");
        lesson.step(steps);
        ASSERT_NE(lesson.text(3), "0"); // calls are pending
        lesson.back();
        EXPECT_FALSE(lesson.lastRefused());
        EXPECT_EQ(lesson.line(), 0);
        EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"3", "1", "3", "0"}));
        EXPECT_TRUE(lesson.panel().list.empty());
        EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{3, 2, 1}, {}, {}}}));
        EXPECT_EQ(lesson.stepUntilMessage(100), 65);
        EXPECT_EQ(lesson.panel().list, threeDiskMoves);
    }
    // A box the student edited keeps the edit: n typed as 4 sets up four disks, from the
    // outermost call's pegs.
    LessonDriver four("frmHanoi");
    four.step(20);
    four.set(0, "4");
    four.back();
    EXPECT_EQ(four.texts(0, 4), (std::vector<std::string>{"4", "1", "3", "0"}));
    EXPECT_EQ(four.panel().picture.pegs, (Pegs{{{4, 3, 2, 1}, {}, {}}}));
    EXPECT_EQ(four.stepUntilMessage(200), 2 * 65 + 11);
    // With no call pending the boxes are read as they are.
    LessonDriver two("frmHanoi");
    two.step(1);
    two.set(2, "2");
    two.back();
    EXPECT_EQ(two.texts(0, 3), (std::vector<std::string>{"3", "1", "2"}));
}

TEST(frmHanoi, InputTheBoardCannotTakeIsRefused)
{
    // 0 steps: refused at the preparation; 9: at the move of line 12
    const RefusedEdit cases[] = {
        {0, 0, "0", "n の値 0 は 1～100 の範囲外です。"},
        {0, 0, "101", "n の値 101 は 1～100 の範囲外です。"},
        {0, 1, "2",
         "x の値 2 では始められません。盤は 1 軸に置かれるため、x は 1 にしてください。"},
        {0, 2, "1", "y の値 1 は x と同じ軸です。2 か 3 にしてください。"},
        {0, 2, "4", "y の値 4 は 1～3 の範囲外です。"},
        {9, 1, "5", "x の値 5 は 1～3 の範囲外です。"},
        {9, 2, "1", "x と y が同じ軸 1 です。"},
        {9, 1, "2", "2軸には盤がありません。"},
        {9, 0, "4", "n の値 4 は盤の番号 1～3 の範囲外です。"},
    };
    for (const RefusedEdit& c : cases) {
        LessonDriver lesson("frmHanoi");
        expectRefused(lesson, c);
        EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{3, 2, 1}, {}, {}}}));
        if (c.steps == 0) { // "先頭に戻る" prepares with the same boxes
            lesson.back();
            EXPECT_TRUE(lesson.lastRefused());
            EXPECT_EQ(lesson.text(c.box), c.text);
        }
    }
}

TEST(frmHanoi, RecursionThatNeverMeetsOneDiskOverflowsTheStack)
{
    LessonDriver lesson("frmHanoi");
    lesson.step(3);
    lesson.set(0, "0");
    lesson.step(100 * 3 + 3);
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックオーバ"});
    EXPECT_EQ(trace(lesson, 1, 4), std::vector<std::string>{"6: -99 1 3 100"});
}

} // namespace
