// Predicting each step before it runs: answers read as what was asked, every question of the
// worked runs checked against what the step then did (the trace of the same run without the
// mode is the oracle), step back and a second answer, sections, auto-run, the condition kept
// hidden until answered, and answers that are not judged.
#include "lesson/narration.h"
#include "lesson/prediction_reading.h"
#include "lesson/trace_export.h"
#include "lesson/trace_table.h"
#include "lessons/sorting/sort_data.h"
#include "support/lesson_driver.h"

#include <map>

namespace
{

using prediction::Form;
using prediction::Judgement;
using prediction::Kind;
using prediction::Mode;

prediction::Question asked(Form form, Width width = Width::Bits16)
{
    prediction::Question q;
    q.form = form;
    q.width = width;
    q.lines = 12;
    return q;
}

TEST(Prediction, AnswersAreReadAsWhatWasAsked)
{
    const struct {
        Form form;
        Width width;
        const char* typed;
        const char* answer; // nullptr: not read, the message says what is expected
        const char* message;
    } cases[] = {
        {Form::Number, Width::Bits16, "12", "12", ""},
        {Form::Number, Width::Bits16, "１２", "12", ""},
        {Form::Number, Width::Bits16, " 12 ", "12", ""},
        {Form::Number, Width::Bits16, "\u3000１２\u3000", "12", ""},
        {Form::Number, Width::Bits16, "－３", "-3", ""},
        {Form::Number, Width::Bits16, "+7", "7", ""},
        {Form::Number, Width::Bits16, "2.5", "2", ""},
        {Form::Number, Width::Bits16, "1e2", "100", ""},
        {Form::Number, Width::Bits16, "-32768", "-32768", ""},
        {Form::Number, Width::Bits16, "32768", nullptr,
         "「32768」は -32768～32767 の範囲外です。-32768～32767 の整数で答えてください。"},
        {Form::Number, Width::Bits32, "32768", "32768", ""},
        {Form::Number, Width::Bits32, "2147483648", nullptr,
         "「2147483648」は -2147483648～2147483647 の範囲外です。-2147483648～2147483647 "
         "の整数で答えてください。"},
        {Form::Number, Width::Bits16, "12abc", nullptr,
         "「12abc」は数値ではありません。-32768～32767 の整数で答えてください。"},
        {Form::Number, Width::Bits16, "abc", nullptr,
         "「abc」は数値ではありません。-32768～32767 の整数で答えてください。"},
        {Form::Number, Width::Bits16, "   ", nullptr,
         "予想した値を入力してから進んでください。わからないときは「わからない」を押してください"
         "。"},
        {Form::Number, Width::Bits16, "123456789012345678901234567890", nullptr,
         "「123456789012345678901234567890」は -32768～32767 の範囲外です。-32768～32767 "
         "の整数で答えてください。"},
        {Form::Number, Width::Bits16, "1234567890123456789012345678901234567890abc", nullptr,
         "「12345678901234567890…（43 文字）」は数値ではありません。-32768～32767 "
         "の整数で答えてください。"},
        {Form::Number, Width::Bits16, "1234567890123456789012345678x", nullptr,
         "「1234567890123456789012345678x」は数値ではありません。-32768～32767 "
         "の整数で答えてください。"},
        {Form::Line, Width::Bits16, "５", "5", ""},
        {Form::Line, Width::Bits16, "11", "11", ""},
        {Form::Line, Width::Bits16, "12", nullptr,
         "12行目はありません。0～11 の行番号で答えてください。"},
        {Form::Line, Width::Bits16, "-1", nullptr,
         "-1行目はありません。0～11 の行番号で答えてください。"},
        {Form::Line, Width::Bits16, "2.5", nullptr,
         "「2.5」は行番号ではありません。0～11 の行番号で答えてください。"},
        {Form::Line, Width::Bits16, "三", nullptr,
         "「三」は行番号ではありません。0～11 の行番号で答えてください。"},
        {Form::Truth, Width::Bits16, "True", "True", ""},
        {Form::Truth, Width::Bits16, " false ", "False", ""},
        {Form::Truth, Width::Bits16, "Ｔ", "True", ""},
        {Form::Truth, Width::Bits16, "ｆａｌｓｅ", "False", ""},
        {Form::Truth, Width::Bits16, "yes", nullptr,
         "「yes」は True でも False でもありません。True か False で答えてください。"},
        {Form::Truth, Width::Bits16, "", nullptr,
         "True か False を選んでから進んでください。わからないときは「わからない」を押してくだ"
         "さい。"},
        {Form::Text, Width::Bits16, "Ａ", "Ａ", ""}, // a text is compared as it is
        {Form::Text, Width::Bits16, " A", " A", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const prediction_reading::Reading r =
            prediction_reading::read(asked(c.form, c.width), c.typed);
        if (c.answer) {
            ASSERT_TRUE(r.answer);
            EXPECT_EQ(*r.answer, c.answer);
        } else {
            EXPECT_FALSE(r.answer);
            EXPECT_EQ(r.message, c.message);
        }
    }
}

// What the same run shows without the mode: the oracle of every question.
struct PlainRun {
    std::vector<int> lines;              // the current line before each step (and after the last)
    std::vector<std::string> conditions; // the condition shown before each step
    // The first variable the step changed and its new value as the trace shows it.
    std::vector<std::pair<std::string, std::string>> firstChange;

    bool tested(size_t step) const { return conditions[step].find(" : ") != std::string::npos; }
    // A value is asked unless it is a text with nothing to type.
    bool changed(size_t step) const { return !firstChange[step].second.empty(); }
    // How many questions of each kind a mode asks in the run.
    std::map<prediction::Kind, int> kinds(prediction::Mode mode) const
    {
        std::map<prediction::Kind, int> counts;
        for (size_t k = 0; k < firstChange.size(); ++k) {
            const bool test =
                tested(k) && mode != prediction::Mode::Line && mode != prediction::Mode::Value;
            const bool value = changed(k) && (mode == prediction::Mode::Value ||
                                              (mode == prediction::Mode::Auto && !test));
            if (test)
                ++counts[prediction::Kind::Condition];
            else if (value)
                ++counts[prediction::Kind::Value];
            else if (mode == prediction::Mode::Line || mode == prediction::Mode::Auto)
                ++counts[prediction::Kind::Line];
        }
        return counts;
    }
};

using Prepare = std::function<void(LessonDriver&)>;

PlainRun runWithoutTheMode(const std::string& form, const Prepare& setup, int steps)
{
    LessonDriver lesson(form);
    setup(lesson);
    PlainRun run;
    for (int k = 0; k < steps; ++k) {
        run.lines.push_back(lesson.line());
        run.conditions.push_back(lesson.condition());
        lesson.step();
        const TraceTable table(lesson.model());
        table.seek(table.rowCount() - 1);
        std::pair<std::string, std::string> change;
        for (size_t c = 0; c < table.columnCount() && change.first.empty(); ++c) {
            if (table.changed(c) && !table.typed(c))
                change = {table.header(c), table.cell(c)};
        }
        run.firstChange.push_back(change);
    }
    run.lines.push_back(lesson.line());
    return run;
}

// A readable answer other than the right one.
std::string wrongAnswer(const prediction::Question& q)
{
    switch (q.form) {
    case Form::Truth: return q.expected == "True" ? "False" : "True";
    case Form::Line: return std::to_string((std::stoi(q.expected) + 1) % q.lines);
    case Form::Number: return q.expected == "0" ? "1" : "0";
    case Form::Text: break;
    }
    return q.expected + "x";
}

// Answers every question of `steps` presses in `mode`, right two times in three, after an
// answer that cannot be read every fifth time, and checks each question against the run
// without the mode and each step against what the plain step did.
void answerEveryStep(const std::string& form, const Prepare& setup, int steps, Mode mode)
{
    SCOPED_TRACE(form + " " + std::string(prediction::modeName(mode)));
    const PlainRun oracle = runWithoutTheMode(form, setup, steps);
    LessonDriver lesson(form);
    setup(lesson);
    LessonModel& m = lesson.model();
    m.setPredictionMode(mode);
    std::map<Kind, int> kinds;
    int asked = 0;
    int right = 0;
    for (int k = 0; k < steps; ++k) {
        SCOPED_TRACE(k);
        const std::optional<prediction::Question> q = m.question();
        if (!q) {
            lesson.step();
            ASSERT_EQ(m.line(), oracle.lines[k + 1]);
            continue;
        }
        ++kinds[q->kind];
        if (q->kind != Kind::Value) { // nothing left of a value question asked before
            EXPECT_EQ(q->name, "");
            EXPECT_EQ(q->box, std::nullopt);
            EXPECT_EQ(q->width, prediction::Question{}.width);
        }
        switch (q->kind) {
        case Kind::Line: EXPECT_EQ(q->expected, std::to_string(oracle.lines[k + 1])); break;
        case Kind::Condition:
            EXPECT_EQ(" : " + q->expected,
                      oracle.conditions[k].substr(oracle.conditions[k].rfind(" : ")));
            break;
        case Kind::Value:
            EXPECT_EQ(q->name, oracle.firstChange[k].first);
            EXPECT_EQ(q->expected, oracle.firstChange[k].second);
            break;
        }
        if (asked % 5 == 4) {
            m.setDraft(q->form == Form::Text ? "" : "?");
            ASSERT_TRUE(m.answer().refused); // not judged, and nothing ran
            ASSERT_EQ(m.line(), oracle.lines[k]);
            ASSERT_TRUE(m.question());
        }
        const bool correct = asked++ % 3 != 2;
        right += correct;
        m.setDraft(correct ? q->expected : wrongAnswer(*q));
        ASSERT_FALSE(m.answer().refused);
        ASSERT_EQ(m.judged()->judgement, correct ? Judgement::Correct : Judgement::Wrong);
        ASSERT_EQ(m.line(), oracle.lines[k + 1]); // the step ran as a plain step would
    }
    EXPECT_EQ(kinds, oracle.kinds(mode));
    EXPECT_EQ(m.score().asked, asked);
    EXPECT_EQ(m.score().correct, right);
    EXPECT_EQ(m.attempts().all().size(), static_cast<size_t>(asked));
}

constexpr Mode askingModes[] = {Mode::Line, Mode::Condition, Mode::Value, Mode::Auto};

TEST(Prediction, EveryQuestionOfTheArrayTotalRunIsWhatTheStepDoes)
{
    const Prepare none = [](LessonDriver&) {};
    // Sixteen presses: lines 0 2 3 (4 3) x5 5 6 0 2: six tests of i < a.Length, the five
    // additions to total and 関数値 at the return.
    const PlainRun run = runWithoutTheMode("frmTotal", none, 16);
    EXPECT_EQ(run.kinds(Mode::Auto),
              (std::map<Kind, int>{{Kind::Condition, 6}, {Kind::Value, 6}, {Kind::Line, 4}}));
    for (const Mode mode : askingModes)
        answerEveryStep("frmTotal", none, 16, mode);
}

TEST(Prediction, EveryQuestionOfTheBubbleSortsHundredAndFifteenPresses)
{
    const FixedRandom draws({0.0});
    const Prepare nine = [](LessonDriver& lesson) { lesson.setAll(0, nineValues); };
    for (const Mode mode : askingModes)
        answerEveryStep("frmSortBuble", nine, 115, mode);
}

TEST(Prediction, EveryQuestionOfTheHanoiRun)
{
    const Prepare none = [](LessonDriver&) {};
    LessonDriver plain("frmHanoi");
    const int presses = plain.stepUntilMessage(500);
    ASSERT_GT(presses, 0);
    // S emptied before each move is no value to type: those steps ask nothing in 値.
    const PlainRun run = runWithoutTheMode("frmHanoi", none, presses);
    EXPECT_EQ(run.kinds(Mode::Condition).at(Kind::Condition), 7);
    EXPECT_EQ(run.kinds(Mode::Value).at(Kind::Value), 19);
    for (const Mode mode : askingModes)
        answerEveryStep("frmHanoi", none, presses, mode);
}

TEST(Prediction, AValueQuestionStartsFromWhatTheStudentTyped)
{
    // The array total on total += a[i] with i = 0 and a = 13 35 22 44 12; boxes 0 to 4 are
    // a, 5 total, 7 i. The step reads what was typed before it, so the value asked is its
    // change from there, not from the values the last step left.
    const struct {
        std::vector<std::pair<int, std::string>> typed;
        std::string name;
        std::string expected;
    } cases[] = {
        {{}, "total", "13"},
        {{{4, "50"}}, "total", "13"},           // a box the step does not change
        {{{0, "7"}, {4, "50"}}, "total", "7"},  // one it reads
        {{{5, "100"}}, "total", "113"},         // the variable asked for itself
        {{{7, "2"}}, "total", "22"},            // the index
        {{{0, "0"}, {5, "13"}}, "i", "1"},      // total stays 13: i is the first change
        {{{0, "13"}, {0, "５"}}, "total", "5"}, // typed twice, read as the lesson reads
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " " + c.expected);
        LessonDriver lesson("frmTotal");
        LessonModel& m = lesson.model();
        m.setPredictionMode(Mode::Value);
        lesson.step(3);
        ASSERT_EQ(m.line(), 4);
        for (const auto& [box, text] : c.typed)
            lesson.set(box, text);
        ASSERT_TRUE(m.question());
        EXPECT_EQ(m.question()->name, c.name);
        EXPECT_EQ(m.question()->expected, c.expected);
        m.setDraft(c.expected);
        ASSERT_FALSE(m.answer().refused);
        EXPECT_EQ(m.judged()->judgement, Judgement::Correct);
        // The next value question starts from the step's values again.
        lesson.step(1);
        ASSERT_TRUE(m.question());
        EXPECT_EQ(m.question()->name, "total");
    }
}

TEST(Prediction, StepBackTakesTheAnswerBackButTheFirstAttemptKeepsCounting)
{
    LessonDriver lesson("frmTotal");
    LessonModel& m = lesson.model();
    long long now = 1000;
    m.setClock([&now] { return now++; });
    m.setPredictionMode(Mode::Line);
    m.setDraft("1");
    ASSERT_FALSE(m.answer().refused); // 0 -> 2: wrong
    m.setDraft("3");
    ASSERT_FALSE(m.answer().refused); // 2 -> 3: right
    const std::string answered = [&] {
        const TraceTable table(m);
        table.seek(2);
        return table.cell(5) + table.cell(6);
    }();
    EXPECT_EQ(answered, "次の行 3○");
    EXPECT_EQ(m.score().asked, 2);
    EXPECT_EQ(m.score().correct, 1);

    // Back before the first answer: its row goes, the replayed second step keeps nothing
    // either; answering right now does not raise the score.
    m.stepBack();
    m.stepBack();
    EXPECT_EQ(m.line(), 0);
    EXPECT_EQ(m.trace().size(), 1u);
    m.setDraft("2");
    ASSERT_FALSE(m.answer().refused);
    EXPECT_EQ(m.score().asked, 2);
    EXPECT_EQ(m.score().correct, 1);
    const std::vector<prediction::Attempt>& all = m.attempts().all();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].given, "1");
    EXPECT_EQ(all[2].given, "2");
    EXPECT_EQ(all[2].step, 1);
    EXPECT_EQ(all[2].section, 1);
    EXPECT_EQ(all[2].judgement, Judgement::Correct);
    EXPECT_EQ(all[2].time, 1002);
    EXPECT_EQ(all[2].question, "0行目を実行したあと、次に実行するのは何行目ですか。");
    EXPECT_EQ(all[2].expected, "2");

    // One step back over an answered step replays the ones before it with their answers.
    m.setDraft("3");
    m.answer();
    m.setDraft("4");
    m.answer();
    const TraceTable table(m);
    table.seek(2);
    const std::string second = table.cell(5) + table.cell(6);
    m.stepBack();
    table.seek(2);
    EXPECT_EQ(table.cell(5) + table.cell(6), second);
    EXPECT_EQ(m.trace().size(), 3u);
}

TEST(Prediction, EachSectionKeepsItsOwnScore)
{
    LessonDriver lesson("frmTotal");
    LessonModel& m = lesson.model();
    m.setPredictionMode(Mode::Line);
    EXPECT_EQ(m.section(), 1);
    m.dontKnow();
    m.setDraft("3");
    m.answer();
    EXPECT_EQ(m.score().asked, 2);
    EXPECT_EQ(m.score().correct, 1);
    lesson.back(); // a new section, scored from nothing
    EXPECT_EQ(m.section(), 2);
    EXPECT_EQ(m.score().asked, 0);
    m.setDraft("2");
    m.answer();
    EXPECT_EQ(m.score().correct, 1);
    EXPECT_EQ(m.attempts().total().asked, 3);
    // Stepping back into the first section shows its score again; a new section made after
    // that has a number of its own.
    m.stepBack();
    m.stepBack();
    EXPECT_EQ(m.section(), 1);
    EXPECT_EQ(m.score().asked, 2);
    lesson.back();
    EXPECT_EQ(m.section(), 3);
    EXPECT_EQ(m.attempts().all()[1].judgement, Judgement::Correct);
    EXPECT_EQ(m.attempts().all()[0].judgement, Judgement::DontKnow);
    EXPECT_EQ(m.attempts().all()[0].given, "");
}

TEST(Prediction, AutoRunAsksNothingAndIsNotScored)
{
    LessonDriver lesson("frmTotal");
    LessonModel& m = lesson.model();
    m.setPredictionMode(Mode::Auto);
    ASSERT_TRUE(m.question());
    lesson.autoRun("1");
    EXPECT_FALSE(m.question());
    lesson.tick(6);
    EXPECT_EQ(m.line(), 3);
    EXPECT_FALSE(m.question());
    EXPECT_EQ(m.advance().refused, false); // 進む during auto-run steps as it always does
    EXPECT_EQ(m.line(), 4);
    EXPECT_TRUE(m.attempts().all().empty());
    m.stopAutoRun();
    ASSERT_TRUE(m.question());
    EXPECT_EQ(m.question()->kind, Kind::Value);
    // A message box of the routine stops nothing here; a refused step stops auto-run, and
    // the question is asked again from where it stopped.
    lesson.autoRun("1");
    lesson.set(0, "40000");
    EXPECT_TRUE(lesson.model().tick().refused);
    EXPECT_FALSE(m.panel().timer.enabled);
    EXPECT_FALSE(m.question()); // the step would be refused: nothing is asked
    lesson.set(0, "13");
    EXPECT_TRUE(m.question());
}

TEST(Prediction, TheConditionIsHiddenUntilAnswered)
{
    LessonDriver lesson("frmTotal");
    LessonModel& m = lesson.model();
    Narration narration(m, Narration::namedValues(m));
    lesson.step(2);
    m.setPredictionMode(Mode::Condition);
    ASSERT_TRUE(m.question());
    EXPECT_EQ(m.question()->text, "条件 i < a.Length は True ですか、False ですか。");
    EXPECT_EQ(m.panel().condition, "  i < a.Length : True"); // the lesson's own state
    EXPECT_EQ(m.shownCondition(), "  i < a.Length");
    const std::string told = narration.tell("");
    EXPECT_EQ(told.find(": True"), std::string::npos) << told;
    EXPECT_NE(told.find("条件 i < a.Length。"), std::string::npos) << told;
    EXPECT_NE(told.find("質問 条件 i < a.Length は True ですか、False ですか。"),
              std::string::npos);
    const TraceTable table(m);
    table.seek(table.rowCount() - 1);
    EXPECT_EQ(table.cell(4), "i < a.Length");
    table.seek(table.rowCount() - 2);
    EXPECT_EQ(table.cell(4), "");

    m.setDraft("F");
    m.answer();
    EXPECT_EQ(narration.tell("").rfind("× 不正解です。正解は True（予想 False）。4行目 ", 0), 0u);
    table.seek(table.rowCount() - 2);
    EXPECT_EQ(table.cell(4), "i < a.Length : True"); // shown once answered
    table.seek(table.rowCount() - 1);
    EXPECT_EQ(table.cell(5), "条件 False");
    EXPECT_EQ(table.cell(6), "×");
    // The file and the copy carry them too.
    const std::string csv = trace_export::csv(table);
    EXPECT_NE(csv.find("手順,行,実行した文,次の行,条件,予想,正誤,a[0]"), std::string::npos);
    EXPECT_NE(csv.find(",i < a.Length : True,,,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",条件 False,×,"), std::string::npos) << csv;
    const std::vector<size_t> rows{table.rowCount() - 1};
    EXPECT_NE(trace_export::tabSeparated(table, rows).find("\t条件 False\t×\t"), std::string::npos);
    m.setPredictionMode(Mode::Off);
    lesson.step(); // back on the test line: shown as always
    EXPECT_EQ(m.shownCondition(), "  i < a.Length : True");
}

TEST(Prediction, ValuesNoStudentCanPredictOrTypeAreNotAsked)
{
    // Quicksort's last step draws the next array: in おまかせ the line is asked instead.
    LessonDriver quick("frmSortQuick");
    quick.model().setPredictionMode(Mode::Auto);
    int values = 0;
    for (int k = 0; k < 3000 && quick.messages().empty(); ++k) {
        const std::optional<prediction::Question> q = quick.model().question();
        ASSERT_TRUE(q);
        values += q->kind == Kind::Value;
        quick.model().setDraft(q->expected);
        const Outcome outcome = quick.model().answer();
        if (!outcome.messages.empty()) {
            EXPECT_EQ(outcome.messages[0], "関数の終了です");
            EXPECT_EQ(quick.model().judged()->kind, Kind::Line);
            EXPECT_EQ(quick.model().judged()->judgement, Judgement::Correct);
            break;
        }
    }
    EXPECT_GT(values, 20);
    EXPECT_EQ(quick.model().score().asked, quick.model().score().correct);

    // The nested loops' S gains a line break: no value asked that has to be typed on two lines.
    LessonDriver loops("frmMultiLoop");
    loops.model().setPredictionMode(Mode::Value);
    for (int k = 0; k < 60; ++k) {
        if (const std::optional<prediction::Question> q = loops.model().question()) {
            EXPECT_EQ(q->expected.find('\n'), std::string::npos);
        }
        loops.step();
    }
}

TEST(Prediction, AnAnswerNeverReachesTheVariables)
{
    LessonDriver lesson("frmStack"); // text variables: an answer is text too
    LessonModel& m = lesson.model();
    m.setPredictionMode(Mode::Value);
    for (int k = 0; k < 40; ++k) {
        if (const std::optional<prediction::Question> q = m.question()) {
            const std::vector<std::string> before = lesson.texts(0, 13);
            m.setDraft("Z" + q->expected + "Z");
            EXPECT_EQ(lesson.texts(0, 13), before);
            m.answer();
        } else {
            lesson.step();
        }
    }
    EXPECT_GT(m.attempts().all().size(), 5u);
    for (const prediction::Attempt& a : m.attempts().all())
        EXPECT_EQ(a.judgement, Judgement::Wrong);
}

} // namespace
