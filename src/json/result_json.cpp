#include "result_json.h"

#include "assignment/assignment_texts.h"
#include "assignment_json.h"
#include "strict_json.h"

#include <limits>

namespace result_json
{
namespace
{

namespace texts = assignment_texts;
using strict_json::Fields;
using strict_json::Refusal;

constexpr size_t attemptLimit = 200000;
constexpr size_t textLimit = 100000;
constexpr long long timeLimit = 1LL << 50;

std::optional<prediction::Kind> kindNamed(std::string_view name)
{
    for (const prediction::Kind k :
         {prediction::Kind::Line, prediction::Kind::Condition, prediction::Kind::Value}) {
        if (prediction::kindName(k) == name)
            return k;
    }
    return std::nullopt;
}

std::optional<prediction::Judgement> judgementNamed(std::string_view name)
{
    for (const prediction::Judgement j :
         {prediction::Judgement::Correct, prediction::Judgement::Wrong,
          prediction::Judgement::DontKnow}) {
        if (prediction::judgementName(j) == name)
            return j;
    }
    return std::nullopt;
}

Json attempt(const prediction::Attempt& a)
{
    Json o;
    o["section"] = a.section;
    o["step"] = a.step;
    o["kind"] = prediction::kindName(a.kind);
    o["question"] = a.question;
    o["given"] = a.judgement == prediction::Judgement::DontKnow ? Json(nullptr) : Json(a.given);
    o["expected"] = a.expected;
    o["judgement"] = prediction::judgementName(a.judgement);
    o["time"] = a.time;
    return o;
}

prediction::Attempt readAttempt(const Json& value, const std::string& path, std::string_view what)
{
    if (!value.is_object())
        throw Refusal{texts::wrongType(what, path, texts::typeObject)};
    const Fields f(value, what, path);
    f.only({"section", "step", "kind", "question", "given", "expected", "judgement", "time"});
    prediction::Attempt a;
    a.section = static_cast<int>(f.integer("section", 1, std::numeric_limits<int>::max()));
    a.step = static_cast<int>(f.integer("step", 1, std::numeric_limits<int>::max()));
    const std::string kind = f.text("kind", 20);
    const std::optional<prediction::Kind> k = kindNamed(kind);
    if (!k)
        f.refuse(texts::badValue(what, f.name("kind"), kind));
    a.kind = *k;
    a.question = f.text("question", textLimit);
    const std::string judgement = f.text("judgement", 20);
    const std::optional<prediction::Judgement> j = judgementNamed(judgement);
    if (!j)
        f.refuse(texts::badValue(what, f.name("judgement"), judgement));
    a.judgement = *j;
    if (f.has("given") && value["given"].is_null() &&
        a.judgement == prediction::Judgement::DontKnow)
        a.given.clear();
    else
        a.given = f.text("given", textLimit);
    a.expected = f.text("expected", textLimit);
    a.time = f.integer("time", 0, timeLimit);
    return a;
}

std::vector<std::string> readRow(const Json& value, const std::string& path, std::string_view what,
                                 size_t columns)
{
    if (!value.is_array())
        throw Refusal{texts::wrongType(what, path, texts::typeArray)};
    if (value.size() != columns)
        throw Refusal{texts::wrongCount(what, path, value.size(), columns)};
    std::vector<std::string> row;
    for (size_t c = 0; c < value.size(); ++c)
        row.push_back(
            Fields::textOf(value[c], path + "[" + std::to_string(c) + "]", what, textLimit));
    return row;
}

Result readResult(const Json& document)
{
    const std::string_view what = texts::resultFile;
    const Fields d(document, what);
    d.format(format, version);
    d.only({"format", "version", "assignment", "digest", "name", "started", "handedIn", "attempts",
            "score", "trace"});
    Result r;
    d.object("assignment"); // (its type, before it is read)
    r.assignment = assignment_json::readObject(document["assignment"], what, "assignment");
    r.digest = d.text("digest", 64);
    r.name = d.text("name", 200);
    r.started = d.integer("started", 0, timeLimit);
    r.handedIn = d.integer("handedIn", 0, timeLimit);
    const Json& attempts = d.array("attempts", attemptLimit);
    for (size_t k = 0; k < attempts.size(); ++k)
        r.attempts.push_back(readAttempt(attempts[k], "attempts[" + std::to_string(k) + "]", what));
    const Fields score = d.object("score");
    score.only({"asked", "correct"});
    r.score.asked = static_cast<int>(score.integer("asked", 0, std::numeric_limits<int>::max()));
    r.score.correct =
        static_cast<int>(score.integer("correct", 0, std::numeric_limits<int>::max()));
    const Fields trace = d.object("trace");
    trace.only({"headers", "dropped", "rows"});
    const Json& headers = trace.array("headers", 1000);
    r.trace.headers = readRow(headers, trace.name("headers"), what, headers.size());
    r.trace.dropped = static_cast<size_t>(trace.integer("dropped", 0, timeLimit));
    const Json& rows = trace.array("rows", result::traceRowLimit);
    for (size_t k = 0; k < rows.size(); ++k)
        r.trace.rows.push_back(readRow(rows[k], trace.name("rows") + "[" + std::to_string(k) + "]",
                                       what, headers.size()));
    return r;
}

} // namespace

Json write(const Result& r)
{
    Json d;
    d["format"] = format;
    d["version"] = version;
    d["assignment"] = assignment_json::write(r.assignment);
    d["digest"] = r.digest;
    d["name"] = r.name;
    d["started"] = r.started;
    d["handedIn"] = r.handedIn;
    Json attempts = Json::array();
    for (const prediction::Attempt& a : r.attempts)
        attempts.push_back(attempt(a));
    d["attempts"] = std::move(attempts);
    d["score"] = Json{{"asked", r.score.asked}, {"correct", r.score.correct}};
    Json rows = Json::array();
    for (const std::vector<std::string>& row : r.trace.rows)
        rows.push_back(row);
    d["trace"] = Json{{"headers", r.trace.headers}, {"dropped", r.trace.dropped}, {"rows", rows}};
    return d;
}

std::string text(const Result& r)
{
    // One line a part, so that a teacher can read the file: the document as json::text writes it.
    return json::text(write(r)) + "\n";
}

std::variant<Result, std::string> read(std::string_view bytes)
{
    std::variant<Json, std::string> parsed =
        strict_json::parse(bytes, texts::resultFile, {byteLimit, 10});
    if (std::string* error = std::get_if<std::string>(&parsed))
        return std::move(*error);
    try {
        return readResult(std::get<Json>(parsed));
    } catch (const Refusal& refusal) {
        return refusal.message;
    }
}

summary::File file(std::string name, std::string_view bytes)
{
    summary::File f{std::move(name), read(bytes), {}};
    if (const Result* r = std::get_if<Result>(&f.read))
        f.digestOfAssignment = assignment_json::digest(r->assignment);
    return f;
}

Json summary(const summary::Summary& s)
{
    Json students = Json::array();
    for (const summary::Student& st : s.students) {
        students.push_back(Json{{"name", st.name},
                                {"asked", st.asked},
                                {"correct", st.correct},
                                {"attempts", st.attempts},
                                {"taken", st.taken},
                                {"file", st.file}});
    }
    Json rejected = Json::array();
    for (const summary::Rejected& r : s.rejected)
        rejected.push_back(Json{{"file", r.file}, {"why", r.why}});
    Json questions = Json::array();
    for (const summary::Question& q : s.questions) {
        questions.push_back(Json{{"step", q.step},
                                 {"kind", q.kind},
                                 {"text", q.text},
                                 {"students", q.students},
                                 {"right", q.right}});
    }
    return Json{
        {"students", std::move(students)},
        {"rejected", std::move(rejected)},
        {"questions", std::move(questions)},
        {"assignment", Json{{"title", s.title}, {"lesson", s.lesson}, {"digest", s.digest}}}};
}

} // namespace result_json
