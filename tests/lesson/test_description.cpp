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

} // namespace
