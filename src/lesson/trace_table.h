#pragma once

#include "lesson_model.h"
#include "trace.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A lesson's trace as a table of texts, the same for the trace window, the CSV file and the
// console: the columns 手順, 行, 実行した文, 次の行 and 条件 (with 予想 and 正誤 after them
// once the prediction mode was on), one column per variable named as the lesson names it,
// then メッセージ and 入力した値. It reads the trace one row at a time and leaves how a cell
// looks (colours, marks) to whoever shows it.
class TraceTable
{
public:
    enum class Column {
        Step,
        Line,
        Statement,
        Next,
        Condition,
        Prediction,
        Judgement,
        Variable,
        Messages,
        Typed
    };

    explicit TraceTable(const LessonModel& model);

    const Trace& trace() const { return trace_; }
    const LessonDescription& description() const { return description_; }
    size_t rowCount() const { return trace_.size(); }
    // The columns before the variables': five, or seven with the predictions'.
    size_t fixedColumns() const { return trace_.showsPredictions() ? 7 : 5; }
    size_t columnCount() const { return fixedColumns() + trace_.columns().size() + 2; }
    Column kind(size_t column) const;
    // The trace column of a variable column.
    size_t variable(size_t column) const { return column - fixedColumns(); }
    std::string header(size_t column) const;
    // What a column holds, for a header's tooltip.
    std::string headerHint(size_t column) const;

    // Goes to a row (0: the oldest kept); going to the next row is cheap.
    void seek(size_t row) const { cursor_.seek(row); }
    const Trace::Cursor& cursor() const { return cursor_; }
    // Whether the current row shows the truth of its condition: where it has one, except in
    // the newest row while the student predicts that truth.
    bool truthShown() const;
    // Whether the current row starts a section (the load, "先頭に戻る", ...).
    bool section() const { return cursor_.row().event != Trace::Event::Step; }
    // The text of a cell of the current row, appended to `out`. Line breaks inside a value
    // or between messages stay (CR LF).
    void appendCell(size_t column, std::string& out) const;
    std::string cell(size_t column) const;
    // Whether the current row changed the variable of a variable column, and the text the
    // student typed into its box before the row's step.
    bool changed(size_t column) const;
    const std::string* typed(size_t column) const;

    // How a table shows a cell of the current row: on one line (the messages joined by
    // " / ", other line breaks as "↵"), numbers to the right; and its hint: the text the
    // student typed, the whole text of a cell of several lines, or that the value changed.
    std::string shown(size_t column) const;
    bool rightAligned(size_t column) const;
    std::string hint(size_t column) const;

    // What marks a cell of the current row, in words joined by "、" ("入力した値",
    // "前の行から変わった値", "区切り"), or empty: for screen readers, since the marks are
    // otherwise colours and type faces.
    std::string marks(size_t column) const;

    // The note on the rows that went to stay within the limit, or empty when none did.
    std::string droppedNote() const;
    // The text on one line: each line break becomes `lineBreak`.
    static std::string oneLine(std::string_view text, std::string_view lineBreak = "↵");

private:
    void appendValue(size_t variable, Trace::Value value, std::string& out) const;
    static void appendTidy(const std::vector<std::string>& texts, int line, std::string& out);

    const LessonDescription& description_;
    std::vector<std::string> statements_; // by line, as a cell shows them
    std::vector<std::string> conditions_;
    const Trace& trace_;
    const LessonModel& model_;
    mutable Trace::Cursor cursor_;
};
