#pragma once

#include "description.h"
#include "prediction.h"

#include <optional>
#include <string>

class LessonModel;

// The question window of a lesson window (予想 - <caption>), the same in the desktop window
// and the browser page: built from a description in twips as the lesson windows are, and
// painted from one view of the model's prediction state. Its controls:
//   Frame "Modes" with the options Mode(0) ... Mode(4) (しない, 次の行, 条件, 値, おまかせ),
//   the label "Question", the label "AnswerCaption" and the box "Answer", the buttons "True",
//   "False", "Judge" (答えて進む) and "DontKnow" (わからない), the labels "Score" and
//   "Verdict".
namespace question_panel
{

// The window's description: its caption, size and controls (positions in twips).
LessonDescription description(const LessonDescription& lesson);

// What the window shows now.
struct View {
    int mode = 0;         // the option chosen: an index into prediction::modes
    std::string question; // the question waiting, or what the window says while none waits
    bool asking = false;  // a question waits: "Judge" and "DontKnow" are enabled
    prediction::Form form = prediction::Form::Line;
    bool typed = false;        // the answer is typed into "Answer" (a line, a number, a text)
    std::string answer;        // the text of "Answer" (the answer being made)
    std::optional<bool> truth; // True or False chosen
    std::string chosen;        // the answer chosen, as the narration says it ("予想 5行目")
    std::string verdict;       // the answer just judged ("○ 正解です（5行目）"), or empty
    std::string score;         // "予想 12問中 9問正解"; empty while the mode is off
};
View view(const LessonModel& model);

} // namespace question_panel
