#include "trace_table.h"

#include "prediction_texts.h"
#include "trace_texts.h"
#include "typed_text.h"

#include <charconv>

namespace
{

constexpr std::string_view ideographicSpace = "\u3000";

bool blankAt(std::string_view text, size_t at, size_t& length)
{
    if (text[at] == ' ' || text[at] == '\t') {
        length = 1;
        return true;
    }
    if (text.substr(at, ideographicSpace.size()) == ideographicSpace) {
        length = ideographicSpace.size();
        return true;
    }
    return false;
}

// A listing line or condition as a table cell shows it: without the blanks of its
// indentation, a label of two text lines joined by one blank.
std::string tidy(std::string_view text)
{
    std::string out;
    bool pendingBlank = false;
    for (size_t k = 0; k < text.size();) {
        size_t length = 0;
        if (text[k] == '\r' || text[k] == '\n' || blankAt(text, k, length)) {
            pendingBlank = !out.empty();
            k += length ? length : 1;
            continue;
        }
        if (pendingBlank)
            out += ' ';
        pendingBlank = false;
        out += text[k++];
    }
    return out;
}

void appendNumber(long long value, std::string& out)
{
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    out.append(digits, end);
}

// Each item of `items` as `append` writes it, with `separator` between two.
template <class Items, class Append>
void appendJoined(const Items& items, std::string_view separator, std::string& out, Append append)
{
    bool first = true;
    for (const auto& item : items) {
        if (!first)
            out += separator;
        first = false;
        append(item, out);
    }
}

} // namespace

TraceTable::TraceTable(const LessonModel& model)
    : description_(model.description()), trace_(model.trace()), model_(model),
      cursor_(model.trace())
{
    for (const ListingLabel& label : description_.listing) {
        if (label.index < 0)
            continue;
        if (statements_.size() <= static_cast<size_t>(label.index))
            statements_.resize(static_cast<size_t>(label.index) + 1);
        statements_[static_cast<size_t>(label.index)] = tidy(label.text);
    }
    for (const std::string& condition : description_.conditions)
        conditions_.push_back(tidy(condition));
}

TraceTable::Column TraceTable::kind(size_t column) const
{
    switch (column) {
    case 0: return Column::Step;
    case 1: return Column::Line;
    case 2: return Column::Statement;
    case 3: return Column::Next;
    case 4: return Column::Condition;
    }
    const size_t fixed = fixedColumns();
    if (column < fixed)
        return column == 5 ? Column::Prediction : Column::Judgement;
    const size_t variables = trace_.columns().size();
    if (column < fixed + variables)
        return Column::Variable;
    return column == fixed + variables ? Column::Messages : Column::Typed;
}

std::string TraceTable::header(size_t column) const
{
    switch (kind(column)) {
    case Column::Step: return "手順";
    case Column::Line: return "行";
    case Column::Statement: return "実行した文";
    case Column::Next: return "次の行";
    case Column::Condition: return "条件";
    case Column::Prediction: return std::string(prediction_texts::predictionHeader);
    case Column::Judgement: return std::string(prediction_texts::judgementHeader);
    case Column::Variable: return trace_.columns()[variable(column)].name;
    case Column::Messages: return "メッセージ";
    case Column::Typed: return "入力した値";
    }
    return {};
}

std::string TraceTable::headerHint(size_t column) const
{
    switch (kind(column)) {
    case Column::Step: return "区切りからの手順の番号";
    case Column::Line: return "このステップで実行した行の番号";
    case Column::Statement: return "このステップで実行した文";
    case Column::Next: return "このステップのあとに実行する行の番号";
    case Column::Condition: return "このステップのあとの条件と、その真偽";
    case Column::Prediction: return std::string(prediction_texts::predictionHeaderHint);
    case Column::Judgement: return std::string(prediction_texts::judgementHeaderHint);
    case Column::Variable: return "このステップのあとの " + header(column) + " の値";
    case Column::Messages: return "このステップが表示したメッセージ";
    case Column::Typed: return "このステップの前に入力した値";
    }
    return {};
}

void TraceTable::appendTidy(const std::vector<std::string>& texts, int line, std::string& out)
{
    if (line >= 0 && static_cast<size_t>(line) < texts.size())
        out += texts[static_cast<size_t>(line)];
}

void TraceTable::appendValue(size_t variable, Trace::Value value, std::string& out) const
{
    switch (trace_.columns()[variable].kind) {
    case Trace::Kind::Integer: appendNumber(value, out); return;
    case Trace::Kind::Check: out += value ? "True" : "False"; return;
    case Trace::Kind::Text: out += trace_.text(value); return;
    }
}

void TraceTable::appendCell(size_t column, std::string& out) const
{
    const Trace::Row& row = cursor_.row();
    const bool step = row.event == Trace::Event::Step;
    switch (kind(column)) {
    case Column::Step:
        switch (row.event) {
        case Trace::Event::Step: appendNumber(row.step, out); break;
        case Trace::Event::Load: out += "初期状態"; break;
        case Trace::Event::BackToStart: out += "先頭に戻る"; break;
        case Trace::Event::Option1:
        case Trace::Event::Option2: {
            const Control* option =
                description_.find(row.event == Trace::Event::Option1 ? "Option1" : "Option2");
            out += "「" + (option ? option->caption : std::string()) + "」を選択";
            break;
        }
        case Trace::Event::Fill: out += "配列値設定"; break;
        }
        return;
    case Column::Line:
        if (step)
            appendNumber(row.ran, out);
        return;
    case Column::Statement:
        if (step)
            appendTidy(statements_, row.ran, out);
        return;
    case Column::Next: appendNumber(row.landed, out); return;
    case Column::Condition:
        appendTidy(conditions_, row.landed, out);
        if (truthShown())
            out += row.truth == Trace::Truth::True ? " : True" : " : False";
        return;
    case Column::Prediction:
        if (const Trace::Predicted* predicted = cursor_.predicted())
            out += predicted->text;
        return;
    case Column::Judgement:
        if (const Trace::Predicted* predicted = cursor_.predicted())
            out += prediction_texts::judgementMark(predicted->judgement);
        return;
    case Column::Variable: {
        const size_t v = variable(column);
        appendValue(v, cursor_.value(v), out);
        return;
    }
    case Column::Messages:
        appendJoined(cursor_.messages(), "\r\n", out,
                     [](const Trace::Message& m, std::string& to) { to += m.text; });
        return;
    case Column::Typed:
        appendJoined(cursor_.typed(), ", ", out, [this](const Trace::Typed& t, std::string& to) {
            to += trace_.columns()[t.column].name + "=" + t.text;
        });
        return;
    }
}

std::string TraceTable::cell(size_t column) const
{
    std::string text;
    appendCell(column, text);
    return text;
}

bool TraceTable::truthShown() const
{
    // While the student predicts the truth the newest row shows, it is not given away.
    return cursor_.row().truth != Trace::Truth::None &&
           !(model_.truthHidden() && cursor_.index() + 1 == trace_.size());
}

bool TraceTable::changed(size_t column) const
{
    return kind(column) == Column::Variable && cursor_.changed(variable(column));
}

const std::string* TraceTable::typed(size_t column) const
{
    return kind(column) == Column::Variable ? cursor_.typed(variable(column)) : nullptr;
}

std::string TraceTable::shown(size_t column) const
{
    switch (kind(column)) {
    case Column::Messages: return oneLine(cell(column), " / ");
    case Column::Variable: {
        // A text the student typed may be very long: the cell shows its start and length.
        const size_t v = variable(column);
        if (trace_.columns()[v].kind == Trace::Kind::Text)
            return typed_text::shortened(oneLine(cell(column)));
        return oneLine(cell(column));
    }
    case Column::Typed:
    case Column::Prediction: return typed_text::shortened(oneLine(cell(column)));
    default: return oneLine(cell(column));
    }
}

bool TraceTable::rightAligned(size_t column) const
{
    switch (kind(column)) {
    case Column::Line:
    case Column::Next: return true;
    case Column::Step: return !section();
    case Column::Variable: return trace_.columns()[variable(column)].kind != Trace::Kind::Text;
    default: return false;
    }
}

std::string TraceTable::hint(size_t column) const
{
    if (const std::string* text = typed(column))
        return trace_texts::typedHint(typed_text::shortened(oneLine(*text)));
    std::string text = cell(column);
    if (text.find('\n') != std::string::npos) {
        std::string lines;
        for (char c : text) {
            if (c != '\r')
                lines += c;
        }
        // A tooltip of a hundred thousand characters helps nobody.
        return typed_text::characters(lines) > 1000 ? typed_text::shortened(lines) : lines;
    }
    if (changed(column))
        return std::string(trace_texts::changedHint);
    return {};
}

std::string TraceTable::marks(size_t column) const
{
    std::string what;
    const auto add = [&what](std::string_view word) {
        if (!what.empty())
            what += "、";
        what += word;
    };
    if (typed(column))
        add("入力した値");
    if (changed(column))
        add("前の行から変わった値");
    if (section() && kind(column) == Column::Step)
        add("区切り");
    return what;
}

std::string TraceTable::droppedNote() const
{
    if (trace_.dropped() == 0)
        return {};
    return "表が長くなったため、古い " + std::to_string(trace_.dropped()) +
           " 行を削除しました（最新の " + std::to_string(trace_.limit()) +
           " 行を表示しています）。";
}

std::string TraceTable::oneLine(std::string_view text, std::string_view lineBreak)
{
    std::string out;
    out.reserve(text.size());
    for (size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '\r' || text[k] == '\n') {
            if (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n')
                ++k;
            out += lineBreak;
        } else {
            out += text[k];
        }
    }
    return out;
}
