// The part of lesson-console that makes and opens assignments, hands in results and sums
// them up: `assignment save PATH [TITLE [INSTRUCTIONS]]`, `assignment open PATH`,
// `result save PATH NAME` and `results PATH...`, PATH, NAME, TITLE and INSTRUCTIONS being
// JSON strings.
#include "console.h"

#include "assignment/assignment_texts.h"
#include "string_literal.h"
#include "json/assignment_json.h"
#include "json/result_json.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>

namespace
{

namespace texts = assignment_texts;

long long now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The bytes of a file, at most `limit` + 1 of them (enough to tell that it is too large), or
// the reason it cannot be read.
std::variant<std::string, std::string> readFile(const std::string& path, size_t limit)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::variant<std::string, std::string>(std::in_place_index<1>, std::strerror(errno));
    std::string bytes(limit + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(bytes));
}

// Writes `bytes` to `path`; the reason when it cannot.
std::optional<std::string> writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        return std::string(std::strerror(errno));
    return std::nullopt;
}

} // namespace

void LessonConsole::assignment(std::string_view arguments)
{
    std::string_view rest = arguments;
    const size_t blank = rest.find_first_of(" \t");
    const std::string_view what = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
    if (what == "save")
        saveAssignment(rest);
    else if (what == "open")
        openAssignment(rest);
    else
        error("unknown command: assignment " + std::string(what));
}

void LessonConsole::saveAssignment(std::string_view arguments)
{
    const std::optional<std::vector<std::string>> strings = json::parseStrings(arguments);
    if (!strings || strings->empty() || strings->size() > 3) {
        error("malformed PATH, TITLE or INSTRUCTIONS: " + std::string(arguments));
        return;
    }
    LessonModel* model = current();
    if (!model) {
        error("no lesson window is open");
        return;
    }
    const std::string title = strings->size() > 1 ? (*strings)[1] : model->description().caption;
    const std::string instructions = strings->size() > 2 ? (*strings)[2] : std::string();
    ::Assignment made = assignment::fromLesson(*model, title, instructions);
    // What a teacher's window keeps of an assignment it was opened from.
    if (const std::optional<AssignmentSession>& session = open_.back().session) {
        made.autoRun = session->assignment().autoRun;
        made.stepBack = session->assignment().stepBack;
    }
    for (const auto& [text, limit] :
         {std::pair{&made.title, assignment::titleLimit},
          std::pair{&made.instructions, assignment::instructionsLimit}}) {
        if (assignment::characters(*text) > limit) {
            error(texts::tooLong(texts::assignmentFile,
                                 text == &made.title ? "title" : "instructions",
                                 assignment::characters(*text), limit));
            return;
        }
    }
    if (std::optional<std::string> failed = writeFile((*strings)[0], assignment_json::text(made)))
        error(texts::cannotWrite(texts::assignmentSaveFailed, (*strings)[0], *failed));
}

void LessonConsole::openAssignment(std::string_view arguments)
{
    const std::optional<std::string> path = json::parseString(arguments);
    if (!path) {
        error("malformed PATH: " + std::string(arguments));
        return;
    }
    std::variant<std::string, std::string> bytes = readFile(*path, assignment_json::byteLimit);
    if (bytes.index() == 1) {
        error(texts::cannotRead(texts::assignmentFile, *path, std::get<1>(bytes)));
        return;
    }
    std::variant<::Assignment, std::string> read = assignment_json::read(std::get<0>(bytes));
    if (std::string* wrong = std::get_if<std::string>(&read)) {
        error(*wrong);
        return;
    }
    const ::Assignment& a = std::get<::Assignment>(read);
    std::variant<AssignmentSession, std::string> started =
        AssignmentSession::start(a, now(), nullptr);
    if (std::string* wrong = std::get_if<std::string>(&started)) {
        error(*wrong);
        return;
    }
    AssignmentSession& session = std::get<AssignmentSession>(started);
    // The lesson's window, if it is open, is loaded again from the assignment.
    open_.erase(std::remove_if(open_.begin(), open_.end(),
                               [&](const OpenLesson& l) { return l.form == a.lesson; }),
                open_.end());
    std::unique_ptr<LessonModel> model = session.takeModel();
    const Outcome outcome = session.outcome();
    print(json::Json{{"assignment", json::Json{{"lesson", a.lesson},
                                               {"title", a.title},
                                               {"instructions", a.instructions},
                                               {"digest", session.digest()}}}});
    open_.push_back(OpenLesson{a.lesson, std::move(model), std::move(session)});
    report(outcome);
}

void LessonConsole::result(std::string_view arguments)
{
    std::string_view rest = arguments;
    const size_t blank = rest.find_first_of(" \t");
    if (rest.substr(0, blank) != "save") {
        error("unknown command: result " + std::string(rest.substr(0, blank)));
        return;
    }
    rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
    const std::optional<std::vector<std::string>> strings = json::parseStrings(rest);
    if (!strings || strings->size() != 2) {
        error("malformed PATH or NAME: " + std::string(rest));
        return;
    }
    const OpenLesson& lesson = open_.back();
    if (!lesson.session) {
        error(std::string(texts::notAssignment));
        return;
    }
    const std::string& name = (*strings)[1];
    if (name.find_first_not_of(" \t\r\n\xE3\x80\x80") == std::string::npos ||
        assignment::characters(name) > 200) {
        error(std::string(texts::noName));
        return;
    }
    const Result r = lesson.session->result(*lesson.model, name, now());
    if (std::optional<std::string> failed = writeFile((*strings)[0], result_json::text(r)))
        error(texts::cannotWrite(texts::resultSaveFailed, (*strings)[0], *failed));
}

void LessonConsole::results(std::string_view arguments)
{
    const std::optional<std::vector<std::string>> paths = json::parseStrings(arguments);
    if (!paths || paths->empty()) {
        error("malformed PATH: " + std::string(arguments));
        return;
    }
    std::vector<summary::File> files;
    for (const std::string& path : *paths) {
        std::variant<std::string, std::string> bytes = readFile(path, result_json::byteLimit);
        if (bytes.index() == 1)
            files.push_back(summary::File{
                path, texts::cannotRead(texts::resultFile, path, std::get<1>(bytes)), {}});
        else
            files.push_back(result_json::file(path, std::get<0>(bytes)));
    }
    print(json::Json{{"results", result_json::summary(summary::make(files))}});
}
