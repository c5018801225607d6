// The places of the buttons the program adds to a lesson window ("◀", トレース表), over plain
// rectangles: where a lesson leaves room and where it leaves none.
#include "lesson/added_buttons.h"
#include "lesson/lesson_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{

bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(AddedButtons, BesideTheAnchorWhereThereIsRoom)
{
    const Rect area{0, 0, 400, 300};
    const Rect step{200, 10, 50, 25};
    const struct {
        const char* what;
        std::vector<Rect> taken;
        Rect expected;
    } cases[] = {
        {"left of it", {step}, Rect{144, 10, 50, 25}},
        // A button on the left: right of the last button of the row, past a taller control.
        {"right of its row",
         {step, Rect{100, 10, 95, 25}, Rect{256, 10, 40, 25}, Rect{380, 0, 10, 80}},
         Rect{301, 10, 50, 25}},
        {"the bottom right corner",
         {step, Rect{0, 10, 195, 25}, Rect{256, 10, 144, 25}},
         Rect{343, 268, 50, 25}},
        // The corner is taken too: the first free place scanning up from the bottom right.
        {"scanning from the bottom right",
         {step, Rect{0, 10, 195, 25}, Rect{256, 10, 144, 25}, Rect{0, 200, 400, 100}},
         Rect{343, 172, 50, 25}},
    };
    for (const auto& c : cases) {
        const auto place = added_buttons::beside(area, c.taken, step, 50, 25);
        ASSERT_TRUE(place) << c.what;
        EXPECT_TRUE(*place == c.expected) << c.what << ": " << place->left << "," << place->top;
    }
    // No room anywhere: nothing, and the corner is what the caller falls back to.
    const std::vector<Rect> full{area};
    EXPECT_FALSE(added_buttons::beside(area, full, step, 50, 25));
    EXPECT_TRUE(added_buttons::corner(area, 50, 25) == (Rect{343, 268, 50, 25}));
}

TEST(AddedButtons, TheTraceButtonShrinksToItsShortCaptionWhenItsNameFindsNoRoom)
{
    const Rect step{10, 10, 50, 25};
    const Rect area{0, 0, 200, 45}; // one row: "◀" takes the room right of "進む"
    const std::vector<Rect> taken{step};
    const added_buttons::Places roomy = added_buttons::place(Rect{0, 0, 400, 45}, taken, step);
    ASSERT_TRUE(roomy.stepBack && roomy.trace);
    EXPECT_EQ(roomy.trace->caption, "トレース表");
    EXPECT_EQ(roomy.trace->rect.width, added_buttons::traceWidth);
    EXPECT_FALSE(overlap(roomy.trace->rect, roomy.stepBack->rect));

    const added_buttons::Places tight =
        added_buttons::place(area, std::vector<Rect>{step, Rect{100, 0, 100, 45}}, step);
    ASSERT_TRUE(tight.stepBack && tight.trace);
    EXPECT_EQ(tight.stepBack->caption, "◀");
    EXPECT_EQ(tight.trace->caption, "表");
    EXPECT_EQ(tight.trace->rect.width, added_buttons::smallWidth(25));
    EXPECT_FALSE(overlap(tight.trace->rect, tight.stepBack->rect));
}

// Every lesson with "進む" gets the three buttons inside its window, clear of the controls
// placed in it and of each other; a lesson's pixels are its twips ÷ 15 rounded to the nearest.
TEST(AddedButtons, EveryLessonHasRoomForAllThree)
{
    lesson_registry::registerAll();
    EXPECT_EQ(added_buttons::pixels(7), 0);
    EXPECT_EQ(added_buttons::pixels(8), 1);
    EXPECT_EQ(added_buttons::pixels(-8), -1);
    EXPECT_EQ(added_buttons::pixels(375), 25);
    int withName = 0;
    int predictWithName = 0;
    for (const std::string& form : lesson_registry::forms()) {
        const auto model = lesson_registry::create(form);
        const LessonDescription& d = model->description();
        const added_buttons::Places places = added_buttons::place(d);
        ASSERT_TRUE(places.stepBack && places.trace && places.predict) << form;
        const Rect area{0, 0, added_buttons::pixels(d.width), added_buttons::pixels(d.height)};
        for (const Rect& added :
             {places.stepBack->rect, places.trace->rect, places.predict->rect}) {
            EXPECT_TRUE(added.left >= 0 && added.top >= 0 &&
                        added.left + added.width <= area.width &&
                        added.top + added.height <= area.height)
                << form;
            for (const Control& c : d.controls) {
                if (c.container.empty() && c.kind != ControlKind::Timer) {
                    EXPECT_FALSE(overlap(added, added_buttons::pixels(c.rect)))
                        << form << " " << c.key();
                }
            }
        }
        EXPECT_FALSE(overlap(places.stepBack->rect, places.trace->rect)) << form;
        EXPECT_FALSE(overlap(places.predict->rect, places.trace->rect)) << form;
        EXPECT_FALSE(overlap(places.predict->rect, places.stepBack->rect)) << form;
        withName += places.trace->caption == "トレース表";
        predictWithName += places.predict->caption == "予想";
    }
    EXPECT_GT(withName, 0);
    EXPECT_GT(predictWithName, 0);
}

} // namespace
