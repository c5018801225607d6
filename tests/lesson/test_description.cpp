#include "lesson/description.h"

#include <gtest/gtest.h>

namespace
{

bool same(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TEST(TallerLayout, PanelsGrowAndTheControlsBelowThemMoveDown)
{
    const CommonLayout reference;
    const CommonLayout taller = tallerLayout(1080);
    EXPECT_TRUE(same(taller.frame1, Rect{120, 120, 6615, 5295}));
    EXPECT_TRUE(same(taller.frame3, Rect{6840, 1680, 4815, 4335}));
    EXPECT_TRUE(same(taller.label2, Rect{120, 5520, 6615, 1575}));
    EXPECT_TRUE(same(taller.command3, Rect{6840, 6120, 1095, 375}));
    EXPECT_TRUE(same(taller.command4, Rect{8040, 6120, 1575, 375}));
    EXPECT_TRUE(same(taller.label5, Rect{7440, 6600, 1095, 255}));
    EXPECT_TRUE(same(taller.txtTime, Rect{8400, 6600, 975, 270}));
    // What stands above the panels' bottoms stays where it was.
    EXPECT_TRUE(same(taller.command1, reference.command1));
    EXPECT_TRUE(same(taller.command2, reference.command2));
    EXPECT_TRUE(same(taller.frame2, reference.frame2));
    EXPECT_EQ(taller.listingStep, reference.listingStep);
    EXPECT_TRUE(same(tallerLayout(0).frame1, reference.frame1));
}

TEST(CaptionedColumn, BoxesGoDownByTheStepWithTheirCaptionsOnTheirRows)
{
    LessonDescription d;
    addCaptionedColumn(d, {{0, "N", 0, "10"}, {8, "i", 2, ""}}, 1440, Rect{2400, 480, 1335, 375},
                       480);
    const Control* n = d.find("Text1", 0);
    const Control* i = d.find("Text1", 2);
    ASSERT_TRUE(n && i);
    EXPECT_TRUE(same(n->rect, Rect{2400, 480, 1335, 375}));
    EXPECT_TRUE(same(i->rect, Rect{2400, 960, 1335, 375}));
    EXPECT_EQ(n->caption, "10");
    const Control* caption = d.find("Label4", 8);
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->caption, "i");
    EXPECT_EQ(caption->rect.left, 1440);
    EXPECT_EQ(caption->container, "Frame3");
    EXPECT_TRUE(caption->rect.top >= 960 && caption->rect.top < 960 + 375);
}

} // namespace
