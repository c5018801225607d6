// The part of LessonDesk that opens assignments (from a file, a link or kept work), makes
// them from a lesson window with their link and its QR code, hands in results and sums them
// up, for the page. What the page keeps of a student's work comes back with each answer as
// the kept work's new lines ("kept").
#include "lesson_desk.h"

#include "assignment/assignment_panel.h"
#include "assignment/assignment_texts.h"
#include "assignment/qr_code.h"
#include "assignment/summary.h"
#include "lesson/lesson_model.h"
#include "lesson/narration.h"
#include "json/assignment_json.h"
#include "json/lesson_json.h"
#include "json/result_json.h"

#include <algorithm>
#include <cstdio>

namespace
{

using json::Json;
namespace texts = assignment_texts;

Json error(std::string text)
{
    return Json{{"error", std::move(text)}};
}

// The words of the page's assignment windows and commands.
Json words()
{
    Json w;
    for (const auto& [key, value] : std::initializer_list<std::pair<const char*, std::string_view>>{
             {"saveAssignment", texts::saveAssignment},
             {"openAssignment", texts::openAssignment},
             {"saveResult", texts::saveResult},
             {"summarize", texts::summarize},
             {"saveAssignmentHint", texts::saveAssignmentHint},
             {"openAssignmentHint", texts::openAssignmentHint},
             {"saveResultHint", texts::saveResultHint},
             {"summarizeHint", texts::summarizeHint},
             {"makeTitle", texts::makeTitle},
             {"titleCaption", texts::titleCaption},
             {"instructionsCaption", texts::instructionsCaption},
             {"allowAutoRun", texts::allowAutoRun},
             {"allowStepBack", texts::allowStepBack},
             {"saveFile", texts::saveFile},
             {"makeLink", texts::makeLink},
             {"cancel", texts::cancel},
             {"close", texts::close},
             {"linkCaption", texts::linkCaption},
             {"copyLink", texts::copyLink},
             {"qrName", texts::qrName},
             {"qrTooLong", texts::qrTooLong},
             {"instructionsName", texts::instructionsName},
             {"nameTitle", texts::nameTitle},
             {"nameCaption", texts::nameCaption},
             {"resumeTitle", texts::resumeTitle},
             {"resume", texts::resume},
             {"startOver", texts::startOver},
             {"later", texts::later},
             {"dropHint", texts::dropHint},
             {"assignmentEnding", texts::assignmentEnding},
             {"resultEnding", texts::resultEnding}}) {
        w[key] = value;
    }
    return w;
}

Json qr(std::string_view link)
{
    const std::optional<QrCode> code = QrCode::encode(link);
    if (!code)
        return nullptr;
    Json rows = Json::array();
    for (int y = 0; y < code->size(); ++y) {
        std::string row;
        for (int x = 0; x < code->size(); ++x)
            row += code->dark(x, y) ? '1' : '0';
        rows.push_back(std::move(row));
    }
    return Json{{"size", code->size()}, {"version", code->version()}, {"rows", std::move(rows)}};
}

Json summaryOf(const std::vector<summary::File>& files, std::string_view date)
{
    const summary::Summary s = summary::make(files);
    Json tables = Json::array();
    for (const summary::Table& t : summary::tables(s))
        tables.push_back(Json{{"caption", t.caption}, {"headers", t.headers}, {"rows", t.rows}});
    int year = 0, month = 0, day = 0;
    std::sscanf(std::string(date).c_str(), "%d-%d-%d", &year, &month, &day);
    return Json{{"window", lesson_json::description(assignment_panel::summary(s.title))},
                {"title", s.title},
                {"tables", std::move(tables)},
                {"results", result_json::summary(s)},
                {"csv", Json{{"text", summary::csv(s)},
                             {"fileName", texts::summaryFileName(s.title, year, month, day)}}}};
}

} // namespace

Json LessonDesk::openSession(std::variant<AssignmentSession, std::string> made,
                             std::shared_ptr<std::vector<std::string>> kept,
                             const std::string& note, bool resumed)
{
    if (std::string* wrong = std::get_if<std::string>(&made))
        return error(std::move(*wrong));
    AssignmentSession& session = std::get<AssignmentSession>(made);
    const Assignment a = session.assignment();
    // (a window made again from kept work shows no message of its load again)
    const Outcome outcome = resumed ? Outcome{} : session.outcome();
    std::unique_ptr<LessonModel> model = session.takeModel();
    auto narration = std::make_unique<Narration>(*model, Narration::namedValues(*model));
    open_.erase(a.lesson); // an open window of the lesson is loaded again from the assignment
    open_.emplace(a.lesson,
                  OpenLesson{std::move(model), std::move(narration), std::move(session), kept, {}});
    Json object = opened(a.lesson, true, outcome);
    const LessonModel& m = *open_.find(a.lesson)->second.model;
    object["assignment"] = Json{
        {"lesson", a.lesson},
        {"title", a.title},
        {"digest", open_.find(a.lesson)->second.session->digest()},
        {"window", lesson_json::description(assignment_panel::instructions(m.description(), a))}};
    object["note"] = note;
    object["kept"] = *kept;
    kept->clear();
    return object;
}

Json LessonDesk::work(std::string_view action, std::string_view form, std::string_view text,
                      long long now)
{
    auto kept = std::make_shared<std::vector<std::string>>();
    const AssignmentSession::Sink sink = [kept](const std::string& line) { kept->push_back(line); };
    if (action == "words")
        return words();
    if (action == "open" || action == "link") {
        std::variant<Assignment, std::string> read =
            action == "open" ? assignment_json::read(text) : assignment_json::fromLink(text);
        if (std::string* wrong = std::get_if<std::string>(&read))
            return error(std::move(*wrong));
        const Assignment& a = std::get<Assignment>(read);
        if (form == "check") // what the page asks before it offers kept work back
            return Json{{"digest", assignment_json::digest(a)}, {"title", a.title}};
        return openSession(AssignmentSession::start(a, now, sink), kept, {}, false);
    }
    if (action == "kept" || action == "resume") {
        std::variant<kept_work::Kept, std::string> read = kept_work::read(text);
        if (std::string* wrong = std::get_if<std::string>(&read))
            return error(std::move(*wrong));
        const kept_work::Kept& k = std::get<kept_work::Kept>(read);
        if (action == "kept")
            return Json{{"digest", k.header.digest},
                        {"title", k.header.assignment.title},
                        {"actions", k.entries.size()},
                        {"answers", k.answers}};
        // The whole lines read are the kept work from now on (a line cut short left out).
        for (size_t at = 0; at < k.text.size();) {
            const size_t end = k.text.find('\n', at);
            kept->push_back(k.text.substr(at, end - at));
            at = end + 1;
        }
        return openSession(AssignmentSession::resume(k, sink), kept, k.note, true);
    }
    // The teacher's summary: files added one by one (`form` the file's name, `text` its bytes),
    // then the summary of all of them for the date `text` (YYYY-MM-DD).
    if (action == "summaryAdd") {
        if (std::none_of(summaryFiles_.begin(), summaryFiles_.end(),
                         [&](const summary::File& f) { return f.name == form; }))
            summaryFiles_.push_back(result_json::file(std::string(form), text));
        return Json::object();
    }
    if (action == "summaryClear") {
        summaryFiles_.clear();
        return Json::object();
    }
    if (action == "summary")
        return summaryOf(summaryFiles_, text);
    if (action == "qr") // the code of any text, as a link's is made
        return Json{{"qr", qr(text)}};
    if (action ==
        "question") { // the resume question: text = {"title", "actions", "answers", "last"}
        const Json q = Json::parse(text, nullptr, false);
        if (!q.is_object())
            return error("malformed question");
        return Json{{"text", texts::resumeQuestion(q.value("title", ""), q.value("actions", 0u),
                                                   q.value("answers", 0u), q.value("last", ""))}};
    }
    const auto found = open_.find(form);
    if (found == open_.end())
        return error("not open: " + std::string(form));
    const LessonModel& model = *found->second.model;
    if (action == "make") {
        const Json given = Json::parse(text, nullptr, false);
        if (!given.is_object())
            return error("malformed make request");
        Assignment a =
            assignment::fromLesson(model, given.value("title", model.description().caption),
                                   given.value("instructions", ""));
        a.autoRun = given.value("autoRun", true);
        a.stepBack = given.value("stepBack", true);
        for (const auto& [field, value, limit] :
             {std::tuple{"title", &a.title, assignment::titleLimit},
              std::tuple{"instructions", &a.instructions, assignment::instructionsLimit}}) {
            if (assignment::characters(*value) > limit)
                return error(texts::tooLong(texts::assignmentFile, field,
                                            assignment::characters(*value), limit));
        }
        const std::string link = given.value("base", "") + "#" + assignment_json::fragment(a);
        return Json{
            {"document", assignment_json::text(a)},
            {"fileName", texts::assignmentFileName(a.title)},
            {"link", link},
            {"qr", qr(link)},
            {"settings", texts::settings(prediction::modeName(a.mode), a.autoRun, a.stepBack)}};
    }
    if (action == "result") {
        const std::optional<AssignmentSession>& session = found->second.session;
        if (!session)
            return error(std::string(texts::notAssignment));
        std::string name(text);
        const size_t first = name.find_first_not_of(" \t\r\n");
        name = first == std::string::npos
                   ? std::string()
                   : name.substr(first, name.find_last_not_of(" \t\r\n") + 1 - first);
        if (name.empty() || assignment::characters(name) > 200)
            return error(std::string(texts::noName));
        const Result r = session->result(model, name, now);
        return Json{{"text", result_json::text(r)},
                    {"fileName", texts::resultFileName(session->assignment().title, name)}};
    }
    return error("unknown work: " + std::string(action));
}
