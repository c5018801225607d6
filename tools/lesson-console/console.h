#pragma once

#include "lesson/lesson_model.h"
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

    std::ostream& out_;
    std::vector<OpenLesson> open_; // the most recently opened last
};
