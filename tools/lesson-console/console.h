#pragma once

#include "lesson/lesson_model.h"
#include "json/assignment_session.h"
#include "json/json_text.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The headless lesson driver: takes the student's actions one command a line and answers
// in JSON Lines, driving the same lesson models as the windows do.
class LessonConsole
{
public:
    explicit LessonConsole(std::ostream& out);
    ~LessonConsole();

    // Runs every line of `in` until its end.
    void run(std::istream& in);
    // Handles one input line.
    void execute(std::string_view line);

private:
    struct OpenLesson {
        std::string form;
        std::unique_ptr<LessonModel> model;
        std::optional<AssignmentSession> session; // when opened from an assignment
    };

    LessonModel* current();
    void print(const json::Json& object);
    void error(std::string_view text);
    void report(const Outcome& outcome);
    void repeat(std::string_view argument, Outcome (LessonModel::*action)());
    void open(std::string_view form);
    void close();
    void setText(BoxGroup group, std::string_view arguments);
    void setCheck(std::string_view arguments);
    void view();
    void describe();
    void trace(std::string_view argument);
    void predict(std::string_view argument);
    void answer(std::string_view argument, bool dontKnow);
    // Assignments and results (console_assignment.cpp).
    void assignment(std::string_view arguments);
    void saveAssignment(std::string_view arguments);
    void openAssignment(std::string_view arguments);
    void result(std::string_view arguments);
    void results(std::string_view arguments);

    std::ostream& out_;
    std::vector<OpenLesson> open_; // the most recently opened last
};
