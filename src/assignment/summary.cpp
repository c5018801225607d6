#include "summary.h"

#include "assignment_texts.h"
#include "lesson/trace_export.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace summary
{
namespace
{

namespace texts = assignment_texts;

// The digest most readable files answer (the first one met on a tie).
std::string mostAnswered(const std::vector<File>& files)
{
    std::map<std::string, int> counts;
    std::string best;
    int most = 0;
    for (const File& file : files) {
        const Result* r = std::get_if<Result>(&file.read);
        if (!r || r->digest != file.digestOfAssignment)
            continue;
        const int n = ++counts[r->digest];
        if (n > most) {
            most = n;
            best = r->digest;
        }
    }
    return best;
}

// Why a readable result is not counted, or nothing.
std::optional<std::string> whyNot(const File& file, const Result& r, const std::string& digest)
{
    if (r.digest != file.digestOfAssignment)
        return std::string(texts::digestDiffers);
    if (r.digest != digest)
        return texts::otherAssignment(r.assignment.title);
    if (const size_t k = result::misjudged(r.attempts))
        return texts::judgementDisagrees(k);
    const Attempts::Score counted = result::recount(r.attempts);
    if (counted.asked != r.score.asked || counted.correct != r.score.correct)
        return texts::scoreDisagrees(r.score.asked, r.score.correct, counted.asked,
                                     counted.correct);
    return std::nullopt;
}

void addQuestions(const Result& r,
                  std::map<std::tuple<int, std::string, std::string>, Question>& questions)
{
    std::set<std::tuple<int, std::string, std::string>> met; // by this student
    for (const prediction::Attempt& a : r.attempts) {
        std::tuple<int, std::string, std::string> key{
            a.step, std::string(prediction::kindName(a.kind)), a.question};
        if (!met.insert(key).second)
            continue; // only the first answer counts
        Question& q = questions[key];
        q.step = a.step;
        q.kind = std::get<1>(key);
        q.text = a.question;
        ++q.students;
        q.right += a.judgement == prediction::Judgement::Correct;
    }
}

void row(std::string& out, const std::vector<std::string>& fields)
{
    for (size_t k = 0; k < fields.size(); ++k) {
        if (k > 0)
            out += ',';
        trace_export::appendCsvField(fields[k], out);
    }
    out += "\r\n";
}

template <size_t N> std::vector<std::string> strings(const std::string_view (&headers)[N])
{
    return std::vector<std::string>(std::begin(headers), std::end(headers));
}

} // namespace

Summary make(const std::vector<File>& files)
{
    Summary s;
    s.digest = mostAnswered(files);
    std::map<std::tuple<int, std::string, std::string>, Question> questions;
    std::set<std::string> seen;
    for (const File& file : files) {
        if (const std::string* error = std::get_if<std::string>(&file.read)) {
            s.rejected.push_back(Rejected{file.name, *error});
            continue;
        }
        const Result& r = std::get<Result>(file.read);
        if (std::optional<std::string> why = whyNot(file, r, s.digest)) {
            s.rejected.push_back(Rejected{file.name, std::move(*why)});
            continue;
        }
        if (s.title.empty() && s.lesson.empty()) {
            s.title = r.assignment.title;
            s.lesson = r.assignment.lesson;
        }
        const Attempts::Score score = result::recount(r.attempts);
        s.students.push_back(Student{file.name, r.name, score.asked, score.correct,
                                     r.attempts.size(), r.handedIn - r.started});
        addQuestions(r, questions);
    }
    for (auto& [key, question] : questions)
        s.questions.push_back(std::move(question));
    return s;
}

std::vector<Table> tables(const Summary& s)
{
    std::vector<Table> out(3);
    out[0].caption = texts::studentsCaption;
    out[0].headers = strings(texts::studentHeaders);
    for (const Student& st : s.students) {
        out[0].rows.push_back({st.name, std::to_string(st.correct), std::to_string(st.asked),
                               texts::percent(st.correct, st.asked), std::to_string(st.attempts),
                               texts::duration(st.taken), st.file});
    }
    out[1].caption = texts::questionsCaption;
    out[1].headers = strings(texts::questionHeaders);
    for (const Question& q : s.questions) {
        out[1].rows.push_back({std::to_string(q.step), texts::kindName(q.kind), q.text,
                               std::to_string(q.students), std::to_string(q.right),
                               texts::percent(q.right, q.students)});
    }
    out[2].caption = texts::rejectedCaption;
    out[2].headers = strings(texts::rejectedHeaders);
    for (const Rejected& r : s.rejected)
        out[2].rows.push_back({r.file, r.why});
    return out;
}

std::string csv(const Summary& s)
{
    std::string out = "\xEF\xBB\xBF";
    row(out, {std::string(texts::assignmentCaption), s.title});
    for (const Table& table : tables(s)) {
        out += "\r\n";
        row(out, {table.caption});
        row(out, table.headers);
        for (const std::vector<std::string>& cells : table.rows)
            row(out, cells);
    }
    return out;
}

} // namespace summary
