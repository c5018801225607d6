// Where a window the program adds beside a lesson window goes: beside it where the screen
// has room, else over it but clear of the listing, the note and "進む".
#include "lesson/added_buttons.h"
#include "lesson/added_window.h"
#include "lesson/lesson_model.h"
#include "lesson/lesson_registry.h"

#include <gtest/gtest.h>

namespace
{

using added_window::Request;

const added_window::Frame frame{4, 30, 4, 4};

Request traceAt(const LessonDescription& d, int left, int top, int screenWidth, int screenHeight)
{
    Request r = added_window::traceRequest(d, 300);
    r.lesson = Rect{left + frame.left, top + frame.top, added_buttons::pixels(d.width),
                    added_buttons::pixels(d.height)};
    r.frame = frame;
    r.area = Rect{0, 0, screenWidth, screenHeight};
    return r;
}

bool overlaps(const Rect& a, const Rect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

Rect outer(const Rect& client)
{
    return Rect{client.left - frame.left, client.top - frame.top,
                client.width + frame.left + frame.right, client.height + frame.top + frame.bottom};
}

TEST(AddedWindow, GoesRightOfTheLessonThenBelowLeftOrAbove)
{
    lesson_registry::registerAll();
    const auto total = lesson_registry::create("frmTotal"); // 782 × 408 pixels
    const LessonDescription& d = total->description();
    const struct {
        int left, top, screenWidth, screenHeight;
        Rect expected;
    } cases[] = {
        // Room on the right: beside it, at its top, as tall as the lesson or 440.
        {0, 0, 1600, 1000, Rect{790 + 8 + 4, 30, 480, 440}},
        // A 1024 × 768 projector: below it, at its left edge, down to the screen's bottom.
        {0, 0, 1024, 768, Rect{4, 442 + 8 + 30, 480, 768 - 450 - 34}},
        // The lesson at the right edge of a wide, low screen: left of it.
        {1400 - 790, 0, 1400, 600, Rect{610 - 8 - 488 + 4, 30, 480, 440}},
        // The lesson at the bottom: above it.
        {100, 1000 - 442, 1024, 1000, Rect{104, 558 - 8 - 474 + 30, 480, 440}},
    };
    for (const auto& c : cases) {
        const Rect placed =
            added_window::place(traceAt(d, c.left, c.top, c.screenWidth, c.screenHeight));
        EXPECT_EQ(placed.left, c.expected.left) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(placed.top, c.expected.top) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(placed.width, c.expected.width) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(placed.height, c.expected.height) << c.screenWidth << "x" << c.screenHeight;
    }
}

// Every lesson, on a projector and on smaller screens, wherever the lesson window stands: the
// added window stays on the screen, and where it cannot go beside the lesson it leaves the
// listing, the note and "進む" in view.
TEST(AddedWindow, NeverCoversTheListingTheNoteOrTheStepButton)
{
    lesson_registry::registerAll();
    for (const std::string& form : lesson_registry::forms()) {
        const auto lesson = lesson_registry::create(form);
        const LessonDescription& d = lesson->description();
        for (const auto& [screenWidth, screenHeight] :
             {std::pair{1024, 768}, std::pair{1280, 720}, std::pair{1366, 768},
              std::pair{800, 600}}) {
            for (const auto& [left, top] : {std::pair{0, 0}, std::pair{120, 60}}) {
                const Request r = traceAt(d, left, top, screenWidth, screenHeight);
                const Rect placed = added_window::place(r);
                const Rect shell = outer(placed);
                const std::string where = form + " " + std::to_string(screenWidth) + "x" +
                                          std::to_string(screenHeight) + " at " +
                                          std::to_string(left) + "," + std::to_string(top);
                EXPECT_GE(shell.left, 0) << where;
                EXPECT_GE(shell.top, 0) << where;
                EXPECT_LE(shell.left + shell.width, screenWidth) << where;
                EXPECT_LE(shell.top + shell.height, screenHeight) << where;
                if (screenWidth < 1024)
                    continue; // a screen that small may leave no room clear of them
                EXPECT_GE(placed.width, r.leastWidth / 2) << where;
                EXPECT_GE(placed.height, r.leastHeight / 2) << where;
                for (const Rect& k : added_window::keepClear(d)) {
                    const Rect onScreen{r.lesson.left + k.left, r.lesson.top + k.top, k.width,
                                        k.height};
                    EXPECT_FALSE(overlaps(shell, onScreen)) << where;
                }
            }
        }
    }
}

TEST(AddedWindow, AScreenWithNoRoomGetsTheLeastSizeInItsCorner)
{
    lesson_registry::registerAll();
    const auto total = lesson_registry::create("frmTotal");
    const Rect placed = added_window::place(traceAt(total->description(), 0, 0, 500, 300));
    EXPECT_EQ(placed.width, 480);
    EXPECT_EQ(placed.height, 240);
    EXPECT_EQ(placed.left + placed.width + frame.right, 500);
    EXPECT_EQ(placed.top + placed.height + frame.bottom, 300);
}

// The question window and the trace window, both beside one lesson: whichever opens second
// keeps clear of the first where the screen has room for both (a 1024 x 768 projector has
// none beside the tallest lessons), and neither covers what the student needs of the lesson.
TEST(AddedWindow, TheQuestionAndTraceWindowsKeepClearOfEachOther)
{
    lesson_registry::registerAll();
    for (const std::string& form : lesson_registry::forms()) {
        const auto lesson = lesson_registry::create(form);
        const LessonDescription& d = lesson->description();
        for (const auto& [screenWidth, screenHeight] :
             {std::pair{1920, 1080}, std::pair{1366, 768}, std::pair{1024, 768}}) {
            for (const bool traceFirst : {true, false}) {
                Request trace = traceAt(d, 0, 0, screenWidth, screenHeight);
                Request question = added_window::questionRequest(d);
                question.lesson = trace.lesson;
                question.frame = trace.frame;
                question.area = trace.area;
                Request& first = traceFirst ? trace : question;
                Request& second = traceFirst ? question : trace;
                const Rect one = outer(added_window::place(first));
                second.avoid.push_back(one);
                const Rect two = outer(added_window::place(second));
                const std::string where = form + " " + std::to_string(screenWidth) + "x" +
                                          std::to_string(screenHeight) +
                                          (traceFirst ? " trace first" : " question first");
                if (screenWidth > 1024) {
                    EXPECT_FALSE(overlaps(one, two)) << where;
                }
                for (const Rect& k : added_window::keepClear(d)) {
                    const Rect onScreen{trace.lesson.left + k.left, trace.lesson.top + k.top,
                                        k.width, k.height};
                    EXPECT_FALSE(overlaps(one, onScreen)) << where;
                    EXPECT_FALSE(overlaps(two, onScreen)) << where;
                }
            }
        }
    }
    // On a wide screen both stand right of the lesson window, one above the other.
    const auto total = lesson_registry::create("frmTotal");
    Request trace = traceAt(total->description(), 0, 0, 1920, 1080);
    const Rect first = outer(added_window::place(trace));
    Request question = added_window::questionRequest(total->description());
    question.lesson = trace.lesson;
    question.frame = trace.frame;
    question.area = trace.area;
    question.avoid = {first};
    const Rect placed = added_window::place(question);
    EXPECT_EQ(placed.width, 400);
    EXPECT_EQ(placed.height, 210);
    EXPECT_EQ(placed.left, first.left + frame.left);
    EXPECT_GE(placed.top, first.top + first.height + added_window::gap);
}

} // namespace
