#pragma once

#include "assignment/assignment.h"
#include "assignment/result.h"
#include "kept_work.h"

#include <functional>
#include <memory>
#include <string>
#include <variant>

// An assignment as a student works it, the same in the desktop program, the browser page and
// lesson-console: the lesson window opened from it, with every action kept as a line of the
// kept work the moment it is done (the front end appends the line where it keeps it), and
// the same window made again from kept work.
class AssignmentSession
{
public:
    // Where the lines of the kept work go, one at a time, without their line break.
    using Sink = std::function<void(const std::string& line)>;

    // A lesson window opened from `assignment` at `now` (milliseconds since the epoch); the
    // first line of its kept work goes to `sink` before anything else.
    static std::variant<AssignmentSession, std::string> start(const Assignment& assignment,
                                                              long long now, Sink sink);
    // The lesson window of `kept` made again, every kept action done again; what is done next
    // goes to `sink`.
    static std::variant<AssignmentSession, std::string> resume(const kept_work::Kept& kept,
                                                               Sink sink);

    const Assignment& assignment() const { return assignment_; }
    const std::string& digest() const { return digest_; }
    long long started() const { return started_; }
    // The lesson window's model; the session hands it to its window, which owns it from then on.
    std::unique_ptr<LessonModel> takeModel() { return std::move(model_); }
    // The load's outcome (its message boxes).
    const Outcome& outcome() const { return outcome_; }

    // What the student hands in now, from the window's model.
    Result result(const LessonModel& model, std::string name, long long now) const;

private:
    AssignmentSession() = default;

    Assignment assignment_;
    std::string digest_;
    long long started_ = 0;
    std::unique_ptr<LessonModel> model_;
    Outcome outcome_;
};
