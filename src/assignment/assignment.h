#pragma once

#include "lesson/lesson_model.h"
#include "lesson/work.h"

#include <memory>
#include <optional>
#include <string>
#include <variant>

// A teacher's exercise (課題): a lesson, a title and instructions in plain text, the texts,
// check boxes and option the lesson window starts from, the prediction mode, and whether
// auto-run and one step back may be used. Plain data; assignment_json writes and reads it.
struct Assignment {
    std::string lesson; // the form: "frmSortBubble"
    std::string title;
    std::string instructions;
    StartState start;
    prediction::Mode mode = prediction::Mode::Off;
    bool autoRun = true;
    bool stepBack = true;
};

namespace assignment
{

// The longest texts an assignment may hold, in characters.
inline constexpr size_t titleLimit = 200;
inline constexpr size_t instructionsLimit = 4000;
inline constexpr size_t boxTextLimit = 1000;

// The lesson window as it stands, as an assignment: every box's text, the check boxes, the
// option and the prediction mode it shows now.
Assignment fromLesson(const LessonModel& model, std::string title, std::string instructions);

// A lesson window opened from an assignment: loaded from its start, its mode set, what it
// forbids forbidden. Nothing else changes when it cannot be opened.
struct Opened {
    std::unique_ptr<LessonModel> model;
    Outcome outcome; // of the load
};
// The model, or a message naming what is wrong (an unknown lesson, a box the lesson does not
// have, a start the lesson refuses). `redoing`: the model is left between startRedo and
// finishRedo, for kept work to be done again on it.
std::variant<Opened, std::string> open(const Assignment& assignment, bool redoing = false);

// What is wrong with the assignment for its lesson, or nothing.
std::optional<std::string> check(const Assignment& assignment, const LessonModel& lesson);

// The number of characters (code points) of a UTF-8 text.
size_t characters(std::string_view text);

} // namespace assignment
