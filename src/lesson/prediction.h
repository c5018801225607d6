#pragma once

#include "checked.h"

#include <optional>
#include <string>
#include <string_view>

// What the prediction mode of a lesson window asks and keeps: the modes, the kinds of
// question, how each is answered, and one attempt at a question. Plain data; the lesson
// works out the questions, prediction_reading reads and judges the answers.
namespace prediction
{

// Off, or which questions are asked: the next line, the condition's truth, the new value,
// or the condition where the step has one, else the value, else the line.
enum class Mode : unsigned char { Off, Line, Condition, Value, Auto };
enum class Kind : unsigned char { Line, Condition, Value };
// How a question is answered: a line of the listing, True or False, an integer of the
// variable's width, or a text compared as it is.
enum class Form : unsigned char { Line, Truth, Number, Text };
enum class Judgement : unsigned char { Correct, Wrong, DontKnow };

inline constexpr Mode modes[] = {Mode::Off, Mode::Line, Mode::Condition, Mode::Value, Mode::Auto};

// "off", "line", "condition", "value", "auto": the names lesson-console and the page use.
std::string_view modeName(Mode mode);
std::optional<Mode> modeNamed(std::string_view name);
// "line", "condition", "value".
std::string_view kindName(Kind kind);
// "correct", "wrong", "dontknow".
std::string_view judgementName(Judgement judgement);

// The question about the step that runs from the current line.
struct Question {
    Kind kind = Kind::Line;
    Form form = Form::Line;
    Width width = Width::Bits16; // of a number
    int line = 0;                // the current line, which the step runs
    int lines = 0;               // the listing's lines: a line answer is 0 to lines - 1
    std::string text;            // the question as shown
    std::string expected;        // "5" (a line), "True", "12", a text
    std::string name;            // of a value question: the variable as the trace names it
    std::optional<int> box;      // of a value question: the Text1 box that shows it
};

// One answer given: to which step of which section, the question, what the student gave
// (empty for わからない) and what was right, the judgement, and when (milliseconds since
// the epoch). Every answer is kept, also those that stepping back took away again.
struct Attempt {
    int section = 0;
    int step = 0; // the step's number within its section, 1 for the first
    Kind kind = Kind::Line;
    Form form = Form::Line;
    std::string question;
    std::string given;
    std::string expected;
    Judgement judgement = Judgement::Wrong;
    long long time = 0;
};

} // namespace prediction
