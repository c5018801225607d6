// The class's results at a glance: several students' files, a tampered one among them, one
// for another assignment and a damaged one; the scores counted again from the answers.
#include "assignment/assignment_texts.h"
#include "assignment/summary.h"
#include "lesson/lesson_registry.h"
#include "json/assignment_session.h"
#include "json/result_json.h"

#include <gtest/gtest.h>

namespace
{

namespace texts = assignment_texts;

Assignment totalAssignment(std::string title)
{
    lesson_registry::registerAll();
    std::unique_ptr<LessonModel> model = lesson_registry::create("frmTotal");
    model->load();
    model->setPredictionMode(prediction::Mode::Auto);
    return assignment::fromLesson(*model, std::move(title), "");
}

// An answer that reads as what is asked and is not the right one.
std::string wrongAnswer(const prediction::Question& q)
{
    if (q.form == prediction::Form::Truth)
        return q.expected == "True" ? "False" : "True";
    const int right = std::stoi(q.expected);
    return std::to_string(q.form == prediction::Form::Line ? (right + 1) % q.lines : right + 1);
}

// A student's result: `answers` given in turn ("?" right, "!" wrong, "" for わからない), from
// the start.
std::string handIn(const Assignment& a, const std::string& name,
                   const std::vector<std::string>& answers)
{
    auto started = AssignmentSession::start(a, 1000, nullptr);
    AssignmentSession& session = std::get<AssignmentSession>(started);
    std::unique_ptr<LessonModel> model = session.takeModel();
    long long clock = 2000;
    model->setClock([&clock] { return clock += 1000; });
    for (const std::string& answer : answers) {
        if (!model->question())
            model->step();
        const prediction::Question& q = *model->question();
        model->setDraft(answer == "?" ? q.expected : answer == "!" ? wrongAnswer(q) : answer);
        answer.empty() ? model->dontKnow() : model->answer();
    }
    return result_json::text(session.result(*model, name, 61000));
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

} // namespace

TEST(Summary, CountsEveryStudentAgainAndSetsApartWhatCannotBeCounted)
{
    const Assignment a = totalAssignment("合計");
    // "?" answers right; the first questions are the same for everyone from the same start.
    const std::string ann = handIn(a, "安藤", {"?", "?", "?", "?"});
    const std::string ben = handIn(a, "ベン", {"?", "!", "", "?"});
    const std::string cho = handIn(a, "=チョウ", {"!", "?"});
    const std::string raised = replaced(cho, "\"correct\": 1}", "\"correct\": 2}");
    const std::string flipped =
        replaced(replaced(ben, "\"judgement\": \"wrong\"", "\"judgement\": \"correct\""),
                 "\"correct\": 2}", "\"correct\": 3}");
    const std::string rewritten = replaced(ann, "\"title\": \"合計\"", "\"title\": \"合計2\"");
    const std::string other = handIn(totalAssignment("別の合計"), "安藤", {"?"});
    std::vector<summary::File> files = {
        result_json::file("ann.trevisk-result", ann),
        result_json::file("ben.trevisk-result", ben),
        result_json::file("cho.trevisk-result", cho),
        result_json::file("raised.trevisk-result", raised),
        result_json::file("flipped.trevisk-result", flipped),
        result_json::file("rewritten.trevisk-result", rewritten),
        result_json::file("other.trevisk-result", other),
        result_json::file("cut.trevisk-result", ann.substr(0, 100)),
    };
    const summary::Summary s = summary::make(files);
    EXPECT_EQ(s.title, "合計");
    ASSERT_EQ(s.students.size(), 3u);
    const std::tuple<std::string, int, int> expected[] = {
        {"安藤", 4, 4}, {"ベン", 4, 2}, {"=チョウ", 2, 1}};
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(s.students[k].name, std::get<0>(expected[k]));
        EXPECT_EQ(s.students[k].asked, std::get<1>(expected[k]));
        EXPECT_EQ(s.students[k].correct, std::get<2>(expected[k]));
        EXPECT_EQ(s.students[k].taken, 60000);
    }
    ASSERT_EQ(s.rejected.size(), 5u);
    EXPECT_EQ(s.rejected[0].why, texts::scoreDisagrees(2, 2, 2, 1));
    EXPECT_EQ(s.rejected[1].why, texts::judgementDisagrees(2));
    EXPECT_EQ(s.rejected[2].why, texts::digestDiffers);
    EXPECT_EQ(s.rejected[3].why, texts::otherAssignment("別の合計"));
    EXPECT_EQ(s.rejected[4].why, texts::notJson(texts::resultFile, 101));
    // The first question: right at the first answer for 安藤 and ベン, not for チョウ.
    ASSERT_FALSE(s.questions.empty());
    EXPECT_EQ(s.questions[0].step, 1);
    EXPECT_EQ(s.questions[0].students, 3);
    EXPECT_EQ(s.questions[0].right, 2);

    const std::string csv = summary::csv(s);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("\r\n'=チョウ,1,2,50%,2,1分00秒,cho.trevisk-result\r\n"), std::string::npos)
        << csv;
    EXPECT_EQ(csv.find('\n', 0) - 1, csv.find('\r', 0)); // CR LF
}

TEST(Summary, TheAssignmentCountedIsTheOneMostFilesAnswer)
{
    const std::string one = handIn(totalAssignment("A"), "x", {"?"});
    const std::string two = handIn(totalAssignment("B"), "y", {"?"});
    const summary::Summary s = summary::make(
        {result_json::file("1", one), result_json::file("2", two), result_json::file("3", two)});
    EXPECT_EQ(s.title, "B");
    ASSERT_EQ(s.rejected.size(), 1u);
    EXPECT_EQ(s.rejected[0].file, "1");
}

TEST(ResultDocument, WrittenAndReadGivesTheSameResult)
{
    const std::string text = handIn(totalAssignment("合計"), "名前 \"引用\"", {"?", "", "!"});
    auto read = result_json::read(text);
    ASSERT_TRUE(std::holds_alternative<Result>(read)) << std::get<std::string>(read);
    EXPECT_EQ(result_json::text(std::get<Result>(read)), text);
    EXPECT_EQ(std::get<Result>(read).attempts.size(), 3u);
    EXPECT_EQ(std::get<Result>(read).trace.rows.size(), 4u); // the load and three steps
}
