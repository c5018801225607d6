#include "support/lesson_driver.h"

#include "lessons/recursion/hanoi_board.h"

namespace
{

using Pegs = std::array<std::vector<int>, 3>;
using Kind = DrawOp::Kind;

const std::vector<std::string> threeDiskMoves = {
    "第1盤を1軸から3軸に移動", "第2盤を1軸から2軸に移動", "第1盤を3軸から2軸に移動",
    "第3盤を1軸から3軸に移動", "第1盤を2軸から1軸に移動", "第2盤を2軸から3軸に移動",
    "第1盤を1軸から3軸に移動",
};

TEST(frmHanoi, OpensWithThreeDisksOnPegOne)
{
    LessonDriver lesson("frmHanoi");
    EXPECT_EQ(lesson.texts(0, 5), (std::vector<std::string>{"3", "1", "3", "0", ""}));
    EXPECT_TRUE(lesson.panel().list.empty());
    EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{3, 2, 1}, {}, {}}}));
    EXPECT_EQ(lesson.panel().picture.revision, 1u);
}

TEST(frmHanoi, PictureOfTheBoard)
{
    LessonDriver lesson("frmHanoi");
    const std::vector<DrawOp>& ops = lesson.panel().picture.ops;
    ASSERT_EQ(ops.size(), 5u + 2 * 3);
    EXPECT_EQ(ops[0].kind, Kind::Scale);
    EXPECT_EQ((std::array<float, 4>{ops[0].x1, ops[0].y1, ops[0].x2, ops[0].y2}),
              (std::array<float, 4>{0, 5, 4, -0.1f}));
    for (int p = 1; p <= 3; ++p) { // the pegs, black, N + 1 high
        const DrawOp& peg = ops[static_cast<size_t>(p)];
        EXPECT_EQ(peg.kind, Kind::Fill);
        EXPECT_FLOAT_EQ(peg.x1, p - 0.01f);
        EXPECT_FLOAT_EQ(peg.x2, p + 0.01f);
        EXPECT_EQ(peg.y2, 4);
        EXPECT_EQ(peg.colour, colours::black);
    }
    EXPECT_EQ((std::array<float, 4>{ops[4].x1, ops[4].y1, ops[4].x2, ops[4].y2}),
              (std::array<float, 4>{0, 0, 4, -1}));
    const Colour colour[] = {colours::red, colours::yellow, colours::green}; // disks 3, 2, 1
    for (int j = 0; j < 3; ++j) {
        const DrawOp& fill = ops[5 + 2 * static_cast<size_t>(j)];
        const DrawOp& outline = ops[6 + 2 * static_cast<size_t>(j)];
        const float w = static_cast<float>(0.49 * (3 - j) / 3);
        EXPECT_EQ(fill.kind, Kind::Fill);
        EXPECT_EQ(fill.colour, colour[j]);
        EXPECT_FLOAT_EQ(fill.x1, 1 - w);
        EXPECT_FLOAT_EQ(fill.x2, 1 + w);
        EXPECT_EQ(fill.y1, static_cast<float>(j));
        EXPECT_EQ(fill.y2, static_cast<float>(j + 1));
        EXPECT_EQ(outline.kind, Kind::Outline);
        EXPECT_EQ(outline.colour, colours::black);
        EXPECT_EQ(outline.x1, fill.x1);
        EXPECT_EQ(outline.y2, fill.y2);
    }
    EXPECT_EQ(diskColour(4), colours::blue);
    EXPECT_EQ(diskColour(5), colours::green);
}

TEST(frmHanoi, ThreeDisksIn65Steps)
{
    LessonDriver lesson("frmHanoi");
    EXPECT_EQ(lesson.step(20), (std::vector<int>{2,  5, 0, 2, 5,  0,  2,  10, 12, 15,
                                                 16, 3, 9, 6, 10, 12, 15, 16, 7,  0}));
    EXPECT_EQ(lesson.stepUntilMessage(100), 45);
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"関数実行終わり"});
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_EQ(lesson.panel().list, threeDiskMoves);
    EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{}, {}, {3, 2, 1}}}));
    EXPECT_EQ(lesson.texts(0, 4), (std::vector<std::string>{"3", "1", "3", "0"}));
    // The next step from line 0 prepares a fresh board.
    lesson.step();
    EXPECT_TRUE(lesson.panel().list.empty());
    EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{3, 2, 1}, {}, {}}}));
}

TEST(frmHanoi, LevelMoveSentenceAndDrawingAlongTheRun)
{
    LessonDriver lesson("frmHanoi");
    std::vector<std::string> levels;
    for (int k = 0; k < 9; ++k) {
        lesson.step();
        levels.push_back(lesson.text(3));
    }
    EXPECT_EQ(levels, (std::vector<std::string>{"0", "0", "1", "1", "1", "2", "2", "2", "2"}));
    EXPECT_EQ(lesson.line(), 12); // S was emptied by line 10
    EXPECT_EQ(lesson.text(4), "");
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"1", "1", "3"}));
    const unsigned drawn = lesson.panel().picture.revision;
    lesson.step(); // line 12 builds the sentence and moves the disk on the board
    EXPECT_EQ(lesson.text(4), "第1盤を1軸から3軸に移動");
    EXPECT_EQ(lesson.panel().picture.revision, drawn);
    EXPECT_TRUE(lesson.panel().list.empty());
    lesson.step(); // line 15 lists and draws it
    EXPECT_EQ(lesson.panel().list, std::vector<std::string>{threeDiskMoves[0]});
    EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{3, 2}, {}, {1}}}));
    EXPECT_EQ(lesson.step(3), (std::vector<int>{3, 9, 6})); // the return from level 2
    EXPECT_EQ(lesson.text(3), "1");
    EXPECT_EQ(lesson.texts(0, 3), (std::vector<std::string>{"2", "1", "2"}));
}

TEST(frmHanoi, OneAndTwoDisks)
{
    {
        LessonDriver lesson("frmHanoi");
        lesson.set(0, "1");
        EXPECT_EQ(lesson.step(8), (std::vector<int>{2, 10, 12, 15, 16, 3, 9, 0}));
        EXPECT_EQ(lesson.messages(), std::vector<std::string>{"関数実行終わり"});
        EXPECT_EQ(lesson.line(), 0);
        EXPECT_EQ(lesson.panel().list, std::vector<std::string>{"第1盤を1軸から3軸に移動"});
        EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{}, {}, {1}}}));
    }
    {
        LessonDriver lesson("frmHanoi");
        lesson.set(0, "2");
        lesson.set(2, "2");
        lesson.stepUntilMessage(100);
        EXPECT_EQ(lesson.panel().list,
                  (std::vector<std::string>{"第1盤を1軸から3軸に移動", "第2盤を1軸から2軸に移動",
                                            "第1盤を3軸から2軸に移動"}));
        EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{}, {2, 1}, {}}}));
    }
}

TEST(frmHanoi, BackToStartPreparesANewBoard)
{
    LessonDriver lesson("frmHanoi");
    lesson.step(11); // one move made, level 2
    lesson.set(0, "4");
    lesson.back();
    EXPECT_EQ(lesson.line(), 0);
    EXPECT_TRUE(lesson.panel().list.empty());
    EXPECT_EQ(lesson.text(3), "0");
    const Picture& picture = lesson.panel().picture;
    EXPECT_EQ(picture.pegs, (Pegs{{{4, 3, 2, 1}, {}, {}}}));
    EXPECT_EQ(picture.ops[0].y1, 6);
    EXPECT_EQ(picture.ops[5].colour, colours::blue); // disk 4 at the bottom
    EXPECT_FLOAT_EQ(picture.ops[5].x2 - picture.ops[5].x1, 0.98f);
    EXPECT_FLOAT_EQ(picture.ops[11].x2 - picture.ops[11].x1, 2 * 0.49f / 4); // disk 1
    // Each level of disks takes twice the steps of the one below, and 11 of its own.
    EXPECT_EQ(lesson.stepUntilMessage(200), 2 * 65 + 11);
    EXPECT_EQ(lesson.panel().list.size(), 15u);
}

TEST(frmHanoi, InputTheBoardCannotTakeIsRefusedAtThePreparation)
{
    const struct {
        int box;
        const char* text;
        const char* message;
    } cases[] = {
        {0, "0", "n の値 0 は 1～100 の範囲外です。"},
        {0, "101", "n の値 101 は 1～100 の範囲外です。"},
        {1, "2", "x の値 2 では始められません。盤は 1 軸に置かれるため、x は 1 にしてください。"},
        {2, "1", "y の値 1 は x と同じ軸です。2 か 3 にしてください。"},
        {2, "4", "y の値 4 は 1～3 の範囲外です。"},
        {2, "40000", "y の値 40000 は -32768～32767 の範囲外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        LessonDriver lesson("frmHanoi");
        lesson.set(c.box, c.text);
        lesson.step(); // the step from line 0 prepares
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), 0);
        lesson.back();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.text(c.box), c.text);
        EXPECT_EQ(lesson.panel().picture.pegs, (Pegs{{{3, 2, 1}, {}, {}}}));
        EXPECT_EQ(lesson.panel().picture.revision, 1u);
    }
    LessonDriver hundred("frmHanoi");
    hundred.set(0, "100");
    hundred.back();
    EXPECT_EQ(hundred.panel().picture.pegs[0].size(), 100u);
}

TEST(frmHanoi, MovesEditedOffTheBoardAreRefused)
{
    const struct {
        int box;
        const char* text;
        const char* message;
    } cases[] = {
        {1, "5", "x の値 5 は 1～3 の範囲外です。"},
        {2, "0", "y の値 0 は 1～3 の範囲外です。"},
        {2, "1", "x と y が同じ軸 1 です。"},
        {1, "2", "2軸には盤がありません。"},
        {0, "0", "n の値 0 は盤の番号 1～3 の範囲外です。"},
        {0, "4", "n の値 4 は盤の番号 1～3 の範囲外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        LessonDriver lesson("frmHanoi");
        lesson.step(9); // on line 12, about to move disk 1 from peg 1 to peg 3
        lesson.set(c.box, c.text);
        lesson.step();
        EXPECT_TRUE(lesson.lastRefused());
        EXPECT_EQ(lesson.lastMessage(), c.message);
        EXPECT_EQ(lesson.line(), 12);
        EXPECT_EQ(lesson.text(4), "");
    }
}

TEST(frmHanoi, RecursionThatNeverMeetsOneDiskOverflowsTheStack)
{
    LessonDriver lesson("frmHanoi");
    lesson.step(3); // line 0 at level 1
    lesson.set(0, "0");
    lesson.step(100 * 3 + 2); // down to line 5 at level 101
    EXPECT_EQ(lesson.line(), 5);
    EXPECT_EQ(lesson.text(3), "101");
    EXPECT_TRUE(lesson.messages().empty());
    lesson.step();
    EXPECT_EQ(lesson.messages(), std::vector<std::string>{"スタックオーバ"});
    EXPECT_EQ(lesson.line(), 9);
    EXPECT_EQ(lesson.text(3), "101");
    EXPECT_EQ(lesson.text(0), "-100");
    lesson.step(); // back in the caller, which calls MoveTo with n = -99
    EXPECT_EQ(lesson.line(), 6);
    EXPECT_EQ(lesson.text(3), "100");
}

} // namespace
