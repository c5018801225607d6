#pragma once

#include "json_text.h"

class LessonModel;
struct LessonDescription;
namespace prediction
{
struct Attempt;
}
struct Outcome;
struct Picture;
class TraceTable;

// The lesson windows as JSON documents: what lesson-console prints and what the browser
// page is built from and repaints from. One serialisation for both.
namespace lesson_json
{

using json::Json;

// The state of a lesson window as it is shown: line, note, condition, boxes, timer, and
// the displays the window has (option, text2, checks, list, label6, lblTable, cells,
// board), and "prediction" {"mode", "asked", "correct"} (the score of the current section)
// while a prediction mode is on.
Json view(const LessonModel& model);
// The members of `view`, written into the object `out` is writing: for a front end that
// adds its own beside them, at every step.
void writeViewMembers(json::Writer& out, const LessonModel& model);

// What a lesson window is built from: caption, size, listing, notes, conditions and its
// controls, positions in twips.
Json description(const LessonDescription& d);

// Where the listing labels stand (inside Frame1) and their font: what a front end needs
// beyond `description` to place them.
Json listingLayout(const LessonDescription& d);

// What a front end needs beyond `description` to name and shape the value boxes: the name
// each box and check box has for screen readers ("Text1(2)": "a[2]": its variable's, or its
// caption's), and the controls that show several lines ("Text1(4)", "Label3").
Json boxesLayout(const LessonModel& model);

// The buttons the program adds to the window and the trace window's texts: {"added":
// {"stepBack", "trace"}, "traceWindow"}. Each added button {"left", "top", "width",
// "height", "caption"} in the window's pixels (twips ÷ 15, as the desktop window places
// it), the trace button with its "name" and "hint"; none when the window has no "進む".
Json addedLayout(const LessonDescription& d);

// The drawing of a picture area: its revision and its primitives in order.
Json picture(const Picture& picture);
void writePicture(json::Writer& out, const Picture& picture);

// Row `row` of a lesson's trace (0: the oldest kept) with its values as the variables held
// them: {"row", "event", "step", "ran", "statement", "line", "condition", "values",
// "changed", "typed", "messages"}, and "prediction" and "judgement" (the 予想 and 正誤
// cells, or null) once the prediction mode was on.
Json traceRow(const TraceTable& table, size_t row);

// Rows `first` to `first + count - 1` of the trace as the trace window shows them: the
// headers, every cell's text and its marks, and what the window says of the whole.
Json traceCells(const TraceTable& table, size_t first, size_t count);

// The question waiting, or null: {"kind", "text", "box", "name"} (box and name of the
// variable a value question asks for; null for the other kinds and a variable without a
// Text1 box).
Json question(const LessonModel& model);
// An answer judged: {"kind", "correct", "expected", "given"} (given: null for わからない).
Json judgement(const prediction::Attempt& attempt);
// The question window of a lesson window: its description (caption, size, controls in
// twips) with the names, descriptions and hints of its controls for screen readers, and
// the modes of its options.
Json questionWindow(const LessonDescription& lesson);
// What the question window shows now: {"mode", "question", "asking", "form", "typed",
// "answer", "truth", "chosen", "verdict", "score"}.
Json questionView(const LessonModel& model);
void writeQuestionView(json::Writer& out, const LessonModel& model);

// {"messages": [...], "refused": bool}
Json outcome(const Outcome& outcome);
void writeOutcome(json::Writer& out, const Outcome& outcome);

// The menus with their buttons placed, the lessons, the code listings with their window,
// and the texts of the opening screen.
Json catalog();

} // namespace lesson_json
