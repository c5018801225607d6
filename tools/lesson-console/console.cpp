#include "console.h"

#include "lesson/lesson_registry.h"
#include "lesson/trace_table.h"
#include "string_literal.h"
#include "json/lesson_json.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <ostream>

namespace
{

std::string_view trim(std::string_view text)
{
    const size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    const size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

// Splits off the first blank-separated word of `text`.
std::string_view firstWord(std::string_view& text)
{
    text = trim(text);
    const size_t end = text.find_first_of(" \t");
    const std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : trim(text.substr(end));
    return word;
}

std::optional<long long> integer(std::string_view word)
{
    long long value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || result.ec != std::errc{} || result.ptr != word.data() + word.size())
        return std::nullopt;
    return value;
}

} // namespace

LessonConsole::LessonConsole(std::ostream& out) : out_(out)
{
    lesson_registry::registerAll();
}

LessonConsole::~LessonConsole() = default;

void LessonConsole::run(std::istream& in)
{
    std::string line;
    while (std::getline(in, line))
        execute(line);
    out_.flush();
}

LessonModel* LessonConsole::current()
{
    return open_.empty() ? nullptr : open_.back().model.get();
}

void LessonConsole::print(const json::Json& object)
{
    out_ << json::text(object) << '\n';
}

void LessonConsole::error(std::string_view text)
{
    print(json::Json{{"error", text}});
}

void LessonConsole::report(const Outcome& outcome)
{
    for (const std::string& message : outcome.messages)
        print(json::Json{{"message", message}});
}

void LessonConsole::execute(std::string_view line)
{
    std::string_view rest = trim(line);
    if (rest.empty() || rest.front() == '#')
        return;
    const std::string_view command = firstWord(rest);
    if (command == "open") {
        open(rest);
        return;
    }
    if (command == "assignment") {
        assignment(rest);
        return;
    }
    if (command == "results") {
        results(rest);
        return;
    }
    const bool known = command == "close" || command == "set" || command == "set2" ||
                       command == "check" || command == "option" || command == "step" ||
                       command == "back" || command == "fill" || command == "note" ||
                       command == "autorun" || command == "stop" || command == "tick" ||
                       command == "view" || command == "describe" || command == "trace" ||
                       command == "predict" || command == "question" || command == "answer" ||
                       command == "dontknow" || command == "result";
    if (!known) {
        error("unknown command: " + std::string(command));
        return;
    }
    LessonModel* model = current();
    if (!model) {
        error("no lesson window is open");
        return;
    }
    if (command == "close") {
        close();
    } else if (command == "set") {
        setText(BoxGroup::Text1, rest);
    } else if (command == "set2") {
        setText(BoxGroup::Text2, rest);
    } else if (command == "check") {
        setCheck(rest);
    } else if (command == "option") {
        const std::optional<long long> k = integer(rest);
        if (!k || (*k != 1 && *k != 2) || !model->description().has("Option1"))
            error("no such option button: " + std::string(rest));
        else
            report(model->clickOption(static_cast<int>(*k)));
    } else if (command == "step") {
        repeat(rest, &LessonModel::step);
    } else if (command == "back") {
        report(model->backToStart());
    } else if (command == "fill") {
        if (!model->description().has("Command5"))
            error("this window has no button 配列値設定");
        else
            report(model->fillArray());
    } else if (command == "note") {
        const std::optional<long long> k = integer(rest);
        const auto& listing = model->description().listing;
        const bool exists = k && std::any_of(listing.begin(), listing.end(),
                                             [&](const auto& l) { return l.index == *k; });
        if (!exists)
            error("no such listing line: " + std::string(rest));
        else
            report(Outcome{{model->noteOf(static_cast<int>(*k))}, false});
    } else if (command == "autorun") {
        const std::optional<std::string> text = json::parseString(rest);
        if (!text) {
            error("malformed TEXT: " + std::string(rest));
        } else {
            model->setTimerText(*text);
            report(model->startAutoRun());
        }
    } else if (command == "stop") {
        model->stopAutoRun();
    } else if (command == "tick") {
        repeat(rest, &LessonModel::tick);
    } else if (command == "view") {
        view();
    } else if (command == "describe") {
        describe();
    } else if (command == "trace") {
        trace(rest);
    } else if (command == "predict") {
        predict(rest);
    } else if (command == "question") {
        print(json::Json{{"question", lesson_json::question(*model)}});
    } else if (command == "answer" || command == "dontknow") {
        answer(rest, command == "dontknow");
    } else if (command == "result") {
        result(rest);
    }
}

void LessonConsole::repeat(std::string_view argument, Outcome (LessonModel::*action)())
{
    long long times = 1;
    if (!argument.empty()) {
        const std::optional<long long> n = integer(argument);
        if (!n || *n < 0) {
            error("malformed count: " + std::string(argument));
            return;
        }
        times = *n;
    }
    for (long long k = 0; k < times; ++k)
        report((current()->*action)());
}

void LessonConsole::open(std::string_view form)
{
    const auto found = std::find_if(open_.begin(), open_.end(),
                                    [&](const OpenLesson& lesson) { return lesson.form == form; });
    if (found != open_.end()) {
        std::rotate(found, found + 1, open_.end()); // shown again, with its state
        return;
    }
    std::unique_ptr<LessonModel> model = lesson_registry::create(form);
    if (!model) {
        error("unknown form: " + std::string(form));
        return;
    }
    const Outcome outcome = model->load();
    open_.push_back(OpenLesson{std::string(form), std::move(model), std::nullopt});
    report(outcome);
}

void LessonConsole::close()
{
    open_.pop_back();
}

void LessonConsole::setText(BoxGroup group, std::string_view arguments)
{
    std::string_view rest = arguments;
    const std::optional<long long> k = integer(firstWord(rest));
    const std::optional<std::string> text = json::parseString(rest);
    if (!k) {
        error("malformed index: " + std::string(arguments));
    } else if (!text) {
        error("malformed TEXT: " + std::string(rest));
    } else if (*k < 0 || *k > 1000000 || !current()->setText(group, static_cast<int>(*k), *text)) {
        error("no such box: " + std::to_string(*k));
    }
}

void LessonConsole::setCheck(std::string_view arguments)
{
    std::string_view rest = arguments;
    const std::string_view name = firstWord(rest);
    const std::optional<long long> k = integer(firstWord(rest));
    const std::optional<long long> value = integer(rest);
    const BoxGroup group = name == "Check1"   ? BoxGroup::Check1
                           : name == "Check2" ? BoxGroup::Check2
                                              : BoxGroup::Check3;
    if (name != "Check1" && name != "Check2" && name != "Check3")
        error("no such check box: " + std::string(name));
    else if (!k || !value || (*value != 0 && *value != 1))
        error("malformed check command: " + std::string(arguments));
    else if (*k < 0 || *k > 1000000 ||
             !current()->setCheck(group, static_cast<int>(*k), static_cast<int>(*value)))
        error("no such check box: " + std::string(name) + "(" + std::to_string(*k) + ")");
}

void LessonConsole::view()
{
    print(lesson_json::view(*current()));
}

void LessonConsole::trace(std::string_view argument)
{
    const TraceTable table(*current());
    size_t count = table.rowCount();
    if (!argument.empty()) {
        const std::optional<long long> n = integer(argument);
        if (!n || *n < 0) {
            error("malformed count: " + std::string(argument));
            return;
        }
        count = std::min(count, static_cast<size_t>(*n));
    }
    for (size_t row = table.rowCount() - count; row < table.rowCount(); ++row)
        print(lesson_json::traceRow(table, row));
}

void LessonConsole::predict(std::string_view argument)
{
    const std::optional<std::string> text = json::parseString(argument);
    const std::optional<prediction::Mode> mode = text ? prediction::modeNamed(*text) : std::nullopt;
    if (!text)
        error("malformed TEXT: " + std::string(argument));
    else if (!mode)
        error("no such prediction mode: " + *text);
    else
        current()->setPredictionMode(*mode);
}

// `answer TEXT` judges TEXT, `dontknow` (no argument) presses "わからない"; either prints the
// judgement and then what the step prints.
void LessonConsole::answer(std::string_view argument, bool dontKnow)
{
    LessonModel& model = *current();
    const std::optional<std::string> text =
        dontKnow ? std::optional<std::string>("") : json::parseString(argument);
    if (!text) {
        error("malformed TEXT: " + std::string(argument));
        return;
    }
    if (!model.question()) {
        error("no question is waiting");
        return;
    }
    model.setDraft(*text);
    const size_t before = model.attempts().all().size();
    const Outcome outcome = dontKnow ? model.dontKnow() : model.answer();
    if (model.attempts().all().size() > before)
        print(json::Json{{"judgement", lesson_json::judgement(model.attempts().all().back())}});
    report(outcome);
}

void LessonConsole::describe()
{
    print(lesson_json::description(current()->description()));
}
