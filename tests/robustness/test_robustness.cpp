// Drives every lesson through long random sequences of what a student can do and checks,
// after every action, what must always hold: a refused action changed nothing, the current
// line is a line of the listing, every colour is one of the program's, and every mark sits
// on a box of a marked array. Fixed seeds keep the normal suite short and repeatable; set
// TREVISK_ROBUSTNESS_ACTIONS (actions per lesson and seed) for a long run.
#include "assignment/assignment.h"
#include "assignment/assignment_texts.h"
#include "lesson/lesson_registry.h"
#include "lesson/random_source.h"
#include "lesson/trace_table.h"
#include "json/assignment_session.h"
#include "json/kept_work.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>

namespace
{

long long actionsPerLesson()
{
    const char* text = std::getenv("TREVISK_ROBUSTNESS_ACTIONS");
    const long long n = text ? std::atoll(text) : 0;
    return n > 0 ? n : 4000;
}

// Everything the student sees, for comparing before and after a refused action.
std::string snapshot(const LessonModel& m)
{
    const Panel& p = m.panel();
    std::ostringstream out;
    out << m.line() << '|' << p.highlight << '|' << p.note << '|' << p.condition << '|';
    for (const Box& b : p.text1)
        out << b.exists << b.text << '#' << b.colour.value() << ';';
    for (const Box& b : p.text2)
        out << b.exists << b.text << '#' << b.colour.value() << ';';
    for (const auto& group : p.checks)
        for (int v : group)
            out << v;
    out << '|' << p.option << '|';
    for (Colour c : p.cells)
        out << c.value() << ',';
    out << '|' << p.label6 << '|' << p.lblTable << '|' << p.list.size();
    for (const std::string& item : p.list)
        out << item << ';';
    out << '|' << p.picture.revision << '|' << p.txtTime;
    return out.str();
}

// The whole trace table, marks and dropped rows included (the predictions' columns left
// out when `predictions` is false).
std::string traceDump(const LessonModel& m, bool predictions = true)
{
    const TraceTable table(m);
    std::string text = std::to_string(m.trace().dropped()) + "\n";
    for (size_t r = 0; r < table.rowCount(); ++r) {
        table.seek(r);
        for (size_t c = 0; c < table.columnCount(); ++c) {
            const TraceTable::Column kind = table.kind(c);
            if (!predictions &&
                (kind == TraceTable::Column::Prediction || kind == TraceTable::Column::Judgement))
                continue;
            text += table.cell(c) + (table.changed(c) ? "*" : "") +
                    (table.typed(c) ? "!" + *table.typed(c) : "") + "|";
        }
        text += "\n";
    }
    return text;
}

// The first line where two dumps differ, both ways, or empty when they are the same.
std::string firstDifference(const std::string& a, const std::string& b)
{
    std::istringstream x(a), y(b);
    std::string p, q;
    for (int line = 0;; ++line) {
        const bool more = static_cast<bool>(std::getline(x, p));
        const bool other = static_cast<bool>(std::getline(y, q));
        if (!more && !other)
            return {};
        if (more != other || p != q)
            return "line " + std::to_string(line) + ":\n  " + p + "\n  " + q;
    }
}

// The newest row of the trace shows what every box shows that still holds what the
// refresh wrote: a trace never shows a value the variables did not hold.
void checkNewestRow(const LessonModel& m, const TraceTable& table)
{
    const Trace& trace = m.trace();
    ASSERT_GT(trace.size(), 0u);
    table.seek(trace.size() - 1);
    std::map<std::string, size_t> columns;
    for (size_t c = 0; c < table.columnCount(); ++c) {
        if (table.kind(c) == TraceTable::Column::Variable)
            columns[table.header(c)] = c;
    }
    const Panel& p = m.panel();
    const auto check = [&](BoxRef ref, const std::string& shown) {
        const auto column = columns.find(m.boxName(ref));
        if (column != columns.end()) {
            ASSERT_EQ(table.cell(column->second), shown) << column->first;
        }
    };
    for (const BoxGroup group : {BoxGroup::Text1, BoxGroup::Text2}) {
        const std::vector<Box>& boxes = group == BoxGroup::Text1 ? p.text1 : p.text2;
        for (size_t k = 0; k < boxes.size(); ++k) {
            if (boxes[k].exists && !boxes[k].edited)
                check(BoxRef{group, static_cast<int>(k)}, boxes[k].text);
        }
    }
    for (size_t g = 0; g < 3; ++g) {
        const auto group =
            static_cast<BoxGroup>(static_cast<int>(BoxGroup::Check1) + static_cast<int>(g));
        for (size_t k = 0; k < p.checks[g].size(); ++k)
            check(BoxRef{group, static_cast<int>(k)}, p.checks[g][k] ? "True" : "False");
    }
}

class Student
{
public:
    Student(LessonModel& model, unsigned seed) : model_(model), random_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Whether the last action was "自動実行" (a refused interval leaves the timer alone).
    bool lastWasAutoRun() const { return autoRun_; }

    // One random action; returns its outcome.
    Outcome act()
    {
        const int kind = pick(100);
        autoRun_ = kind >= 85 && kind < 88;
        if (kind < 45)
            return model_.step();
        if (kind < 70) {
            type();
            return {};
        }
        if (kind < 75)
            return model_.backToStart();
        if (kind < 79)
            return model_.clickOption(1 + pick(2));
        if (kind < 82)
            return model_.fillArray();
        if (kind < 85)
            return Outcome{{model_.noteOf(pick(30) - 2)}, false};
        if (kind < 88) {
            model_.setTimerText(text());
            return model_.startAutoRun();
        }
        if (kind < 90) {
            model_.stopAutoRun();
            return {};
        }
        return model_.tick();
    }

    // Types into a random box or ticks a random check box.
    void type()
    {
        const Panel& p = model_.panel();
        const int where = pick(10);
        if (where < 7 && !p.text1.empty()) {
            model_.setText(BoxGroup::Text1, pick(static_cast<int>(p.text1.size())), text());
        } else if (where < 8 && !p.text2.empty()) {
            model_.setText(BoxGroup::Text2, pick(static_cast<int>(p.text2.size())), text());
        } else {
            const int g = pick(3);
            if (!p.checks[static_cast<size_t>(g)].empty()) {
                const BoxGroup group =
                    static_cast<BoxGroup>(static_cast<int>(BoxGroup::Check1) + g);
                model_.setCheck(group,
                                pick(static_cast<int>(p.checks[static_cast<size_t>(g)].size())),
                                pick(2));
            }
        }
    }

    // Box texts: mostly small numbers (so that the routines move on), then the edges of
    // the ranges and one past them, fractions, huge exponents, letters, empty text,
    // full-width digits and line breaks.
    std::string text()
    {
        static const char* odd[] = {
            "-32768",      "32767",      "-32769",     "32768",
            "-2147483648", "2147483647", "2147483648", "-2147483649",
            "2.5",         "3.5",        "-0.5",       "1e308",
            "1e400",       "-1e99999",   "1e-400",     "abc",
            "x1",          "",           "   ",        "１２",
            "－３",        "　７　",     "1\r\n2",     "\r\n",
            "aaaaa",       "*",          "0x10",       "1,000",
            ".",           "+",          "-",          "9999999999999999999999",
            "\xEF\xBC",    "\xff"};
        const int choice = pick(10);
        if (choice < 6)
            return std::to_string(pick(24) - 3);
        if (choice < 7)
            return std::to_string(pick(200) - 50);
        return odd[pick(static_cast<int>(std::size(odd)))];
    }

private:
    LessonModel& model_;
    std::mt19937 random_;
    bool autoRun_ = false;
};

void checkInvariants(const LessonModel& m)
{
    const LessonDescription& d = m.description();
    const Panel& p = m.panel();
    const bool listed = std::any_of(d.listing.begin(), d.listing.end(),
                                    [&](const ListingLabel& l) { return l.index == m.line(); });
    ASSERT_TRUE(listed) << "line " << m.line();
    const std::set<uint32_t> program = {Colour::buttonFace().value(), Colour::window().value(),
                                        colours::yellow.value(),      colours::red.value(),
                                        colours::blue.value(),        colours::cyan.value(),
                                        colours::orange.value(),      colours::skyBlue.value()};
    for (size_t k = 0; k < p.text1.size(); ++k) {
        const Colour c = p.text1[k].colour;
        ASSERT_TRUE(program.count(c.value())) << "Text1(" << k << ") " << c.name();
        if (c == Colour::window())
            continue;
        const bool onArray =
            std::any_of(m.markedArrays().begin(), m.markedArrays().end(), [&](const ArrayBoxes& a) {
                return a.group == BoxGroup::Text1 && static_cast<int>(k) >= a.firstBox &&
                       static_cast<int>(k) < a.firstBox + a.count;
            });
        ASSERT_TRUE(onArray) << "mark on Text1(" << k << ")";
    }
    for (const Colour c : p.cells)
        ASSERT_TRUE(c == Colour::buttonFace() || c == colours::red) << c.name();
}

class Robustness : public ::testing::TestWithParam<std::string>
{
protected:
    void TearDown() override { random_source::replace({}); }
};

TEST_P(Robustness, RandomStudentActions)
{
    const long long actions = actionsPerLesson();
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        std::mt19937 draws(seed);
        random_source::replace([&] { return std::uniform_real_distribution<double>(0, 1)(draws); });
        std::unique_ptr<LessonModel> model = lesson_registry::create(GetParam());
        ASSERT_TRUE(model);
        ASSERT_FALSE(model->load().refused);
        Student student(*model, seed);
        const TraceTable table(*model);
        for (long long k = 0; k < actions; ++k) {
            const std::string before = snapshot(*model);
            const size_t rows = model->trace().size() + model->trace().dropped();
            const Outcome outcome = student.act();
            if (outcome.refused) {
                ASSERT_EQ(outcome.messages.size(), 1u);
                if (!student.lastWasAutoRun()) {
                    ASSERT_FALSE(model->panel().timer.enabled); // a refusal stops auto-run
                }
                // Refused: nothing changed but the timer text typed as part of the action.
                const std::string after = snapshot(*model);
                ASSERT_EQ(after.substr(0, after.rfind('|')), before.substr(0, before.rfind('|')))
                    << "action " << k;
                ASSERT_EQ(model->trace().size() + model->trace().dropped(), rows); // no row
            }
            checkInvariants(*model);
            if (model->trace().size() + model->trace().dropped() != rows)
                checkNewestRow(*model, table); // an action that added a row refreshed every box
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

// "One step back" restores the state before the action exactly, across every lesson and
// after random edits: the view is the same, and doing the action again gives the same
// state as the first time (so the hidden variables and call stacks came back too).
TEST_P(Robustness, StepBackRestoresTheStateBeforeTheAction)
{
    random_source::replace([] { return 0.37; }); // the same draws when an action is done again
    std::unique_ptr<LessonModel> model = lesson_registry::create(GetParam());
    model->setTraceLimit(40); // rows dropped and brought back by stepping back
    model->load();
    Student student(*model, 5);
    std::mt19937 random(3);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto act = [&](int kind) {
        switch (kind) {
        case 0: return model->backToStart();
        case 1: return model->clickOption(1 + pick(2));
        case 2: return model->fillArray();
        default: return model->step();
        }
    };
    long undone = 0;
    for (int k = 0; k < 3000; ++k) {
        if (pick(12) == 0) {
            student.type();
            continue;
        }
        const int kind = pick(10) < 8 ? 3 : pick(3);
        const std::string before = snapshot(*model);
        const std::string traced = traceDump(*model);
        const size_t states = model->history().states();
        act(kind);
        if (model->history().states() != states + 1 || pick(3) != 0)
            continue; // refused, or kept
        const std::string after = snapshot(*model);
        model->stepBack();
        ++undone;
        ASSERT_FALSE(model->panel().timer.enabled);
        ASSERT_EQ(snapshot(*model), before) << "after step back, action " << k;
        ASSERT_EQ(firstDifference(traceDump(*model), traced), "")
            << "trace after step back, action " << k;
        checkInvariants(*model);
        if (kind != 1) { // an option click picks its option at random
            act(kind);
            ASSERT_EQ(snapshot(*model), after) << "done again, action " << k;
        }
    }
    EXPECT_GT(undone, 10);
}

// Stepping back to a checkpoint of the history does no action again: the state comes back
// whole, and the question worked out after it must start from that state, not from the one
// the question before it worked on.
TEST_P(Robustness, StepBackToACheckpointWithAQuestionAsked)
{
    random_source::replace([] { return 0.37; });
    std::unique_ptr<LessonModel> model = lesson_registry::create(GetParam());
    model->load();
    model->setPredictionMode(prediction::Mode::Auto);
    for (size_t k = 0; k < History::interval; ++k)
        model->step();
    ASSERT_EQ(model->history().states(), History::interval);
    const std::string before = snapshot(*model);
    model->step(); // the first action after the checkpoint
    const std::string after = snapshot(*model);
    model->stepBack();
    ASSERT_EQ(snapshot(*model), before);
    model->step();
    EXPECT_EQ(snapshot(*model), after);
    model->step();
    model->stepBack();
    EXPECT_EQ(snapshot(*model), after);
}

// The prediction mode never changes what a step does: a random session with the mode on
// (answers right, wrong, unreadable and わからない, modes switched, step back, auto-run)
// gives, action by action, the same states, messages, history and trace as the same
// session with the mode off, where every judged answer is a plain 進む and an answer that
// was not judged is nothing at all. The random draws are the same too: a question worked
// out on a step that draws gives its draws back.
TEST_P(Robustness, ThePredictionModeChangesNothingAStepDoes)
{
    struct Done {
        std::function<Outcome(LessonModel&)> plain; // the same action with the mode off
        std::string seen;                           // what the student saw after it
        std::vector<std::string> messages;
        size_t states;
    };
    const auto session = [&](unsigned seed, bool predicting, std::vector<Done>& done) {
        std::mt19937 draws(seed);
        random_source::replace([&] { return std::uniform_real_distribution<double>(0, 1)(draws); });
        std::unique_ptr<LessonModel> model = lesson_registry::create(GetParam());
        model->setTraceLimit(300);
        model->load();
        Student student(*model, seed);
        for (size_t k = 0; k < (predicting ? 1500 : done.size()); ++k) {
            Outcome outcome;
            if (!predicting) {
                outcome = done[k].plain(*model);
                EXPECT_EQ(snapshot(*model), done[k].seen) << "action " << k;
                EXPECT_EQ(outcome.messages, done[k].messages) << "action " << k;
                EXPECT_EQ(model->history().states(), done[k].states) << "action " << k;
                if (::testing::Test::HasFailure())
                    return std::string();
                continue;
            }
            std::function<Outcome(LessonModel&)> plain = [](LessonModel& m) { return m.step(); };
            const int kind = student.pick(100);
            const std::optional<prediction::Question> question = model->question();
            if (kind < 50 && question) {
                const int how = student.pick(10);
                model->setDraft(how < 5   ? question->expected
                                : how < 7 ? std::to_string(student.pick(30) - 5)
                                : how < 8 ? student.text()
                                          : "");
                outcome = how == 9 ? model->dontKnow() : model->answer();
                if (outcome.refused) { // not judged: nothing ran
                    plain = [](LessonModel&) { return Outcome{}; };
                    outcome.messages.clear();
                } else {
                    EXPECT_TRUE(how > 4 ||
                                model->judged()->judgement == prediction::Judgement::Correct);
                }
            } else if (kind < 60) {
                outcome = model->step();
            } else if (kind < 75) {
                student.type();
                const Panel& p = model->panel();
                plain = [p](LessonModel& m) {
                    // Typing again what the boxes now hold gives the same edits.
                    for (size_t b = 0; b < p.text1.size(); ++b) {
                        if (p.text1[b].exists && p.text1[b].text != m.panel().text1[b].text)
                            m.setText(BoxGroup::Text1, static_cast<int>(b), p.text1[b].text);
                    }
                    for (size_t b = 0; b < p.text2.size(); ++b) {
                        if (p.text2[b].exists && p.text2[b].text != m.panel().text2[b].text)
                            m.setText(BoxGroup::Text2, static_cast<int>(b), p.text2[b].text);
                    }
                    for (size_t g = 0; g < 3; ++g) {
                        for (size_t b = 0; b < p.checks[g].size(); ++b) {
                            if (p.checks[g][b] != m.panel().checks[g][b])
                                m.setCheck(
                                    static_cast<BoxGroup>(static_cast<int>(BoxGroup::Check1) +
                                                          static_cast<int>(g)),
                                    static_cast<int>(b), p.checks[g][b]);
                        }
                    }
                    return Outcome{};
                };
            } else if (kind < 80) {
                plain = [](LessonModel& m) { return m.stepBack(); };
            } else if (kind < 84) {
                plain = [](LessonModel& m) { return m.backToStart(); };
            } else if (kind < 86) {
                const int option = 1 + student.pick(2);
                plain = [option](LessonModel& m) { return m.clickOption(option); };
            } else if (kind < 88) {
                plain = [](LessonModel& m) { return m.fillArray(); };
            } else if (kind < 90) {
                const std::string interval = student.pick(2) ? "1" : "0";
                plain = [interval](LessonModel& m) {
                    m.setTimerText(interval);
                    return m.startAutoRun();
                };
            } else if (kind < 92) {
                plain = [](LessonModel& m) {
                    m.stopAutoRun();
                    return Outcome{};
                };
            } else if (kind < 96) {
                plain = [](LessonModel& m) { return m.tick(); };
            } else {
                model->setPredictionMode(prediction::modes[student.pick(5)]);
                plain = [](LessonModel&) { return Outcome{}; };
            }
            if (kind >= 75 && kind < 96)
                outcome = plain(*model);
            if (model->panel().timer.enabled && model->panel().timer.interval > 0) {
                EXPECT_FALSE(model->question()); // auto-run asks nothing
            }
            done.push_back(
                Done{plain, snapshot(*model), outcome.messages, model->history().states()});
        }
        model->setPredictionMode(prediction::Mode::Off); // the newest row shows its truth again
        return traceDump(*model, false);
    };
    std::vector<Done> done;
    const std::string predicted = session(7, true, done);
    const std::string plain = session(7, false, done);
    EXPECT_EQ(firstDifference(predicted, plain), "");
}

// The kept work of a random session (answers right, wrong and わからない, step back, modes,
// auto-run, typing, options and 配列値設定), read back from its lines and done again, makes
// the same window: every box, the trace, the answers and their score, the history; one step
// back after it goes where it goes in the window that was kept. Cut short anywhere, as a
// crash cuts it, the kept work gives the window as it was after the last whole line.
TEST_P(Robustness, KeptWorkMakesTheSameWindowAgain)
{
    std::mt19937 draws(11);
    random_source::replace([&] { return std::uniform_real_distribution<double>(0, 1)(draws); });
    std::unique_ptr<LessonModel> plain = lesson_registry::create(GetParam());
    plain->load();
    Assignment a = assignment::fromLesson(*plain, "kept", "");
    a.mode = prediction::Mode::Auto;
    std::string kept;
    std::vector<size_t> ends; // the kept work's length after each action, and what it showed
    std::vector<std::string> seen;
    auto started = AssignmentSession::start(a, 1000, [&](const std::string& line) {
        kept += line;
        kept += '\n';
    });
    ASSERT_TRUE(std::holds_alternative<AssignmentSession>(started));
    std::unique_ptr<LessonModel> model = std::get<AssignmentSession>(started).takeModel();
    model->setTraceLimit(400);
    long long clock = 5000;
    model->setClock([&clock] { return clock += 7; });
    Student student(*model, 3);
    for (int k = 0; k < 500; ++k) {
        const int kind = student.pick(100);
        if (const std::optional<prediction::Question> q = model->question(); q && kind < 40) {
            model->setDraft(kind < 25 ? q->expected : std::to_string(student.pick(9)));
            kind < 36 ? model->answer() : model->dontKnow();
        } else if (kind < 48) {
            model->stepBack();
        } else if (kind < 50) {
            model->setPredictionMode(prediction::modes[student.pick(5)]);
        } else {
            student.act();
        }
        ends.push_back(kept.size());
        seen.push_back(snapshot(*model));
    }
    const auto resume = [](std::string_view text) {
        std::variant<kept_work::Kept, std::string> read = kept_work::read(text);
        if (!std::holds_alternative<kept_work::Kept>(read))
            throw std::runtime_error(std::get<std::string>(read));
        auto resumed = AssignmentSession::resume(std::get<kept_work::Kept>(read), nullptr);
        if (!std::holds_alternative<AssignmentSession>(resumed))
            throw std::runtime_error(std::get<std::string>(resumed));
        return std::make_pair(std::get<AssignmentSession>(resumed).takeModel(),
                              std::get<kept_work::Kept>(read));
    };
    auto [again, read] = resume(kept);
    EXPECT_EQ(read.note, "");
    EXPECT_EQ(read.text, kept);
    again->setTraceLimit(400); // (as the window kept it: rows beyond it went the same way)
    EXPECT_EQ(snapshot(*again), snapshot(*model));
    EXPECT_EQ(firstDifference(traceDump(*again), traceDump(*model)), "");
    EXPECT_EQ(again->attempts().all().size(), model->attempts().all().size());
    EXPECT_EQ(again->attempts().total().correct, model->attempts().total().correct);
    EXPECT_EQ(again->score().asked, model->score().asked);
    EXPECT_EQ(again->history().states(), model->history().states());
    EXPECT_EQ(again->predictionMode(), model->predictionMode());
    model->stepBack();
    again->stepBack();
    EXPECT_EQ(snapshot(*again), snapshot(*model));
    // Cut anywhere inside the line of action k: the window as it was after action k - 1.
    for (int k = 1; k < static_cast<int>(ends.size()); k += 37) {
        if (ends[k] == ends[k - 1])
            continue; // (an action that changed nothing wrote nothing)
        const size_t cut = ends[k - 1] + (ends[k] - ends[k - 1]) / 2;
        auto [cutShort, partly] = resume(std::string_view(kept).substr(0, cut));
        EXPECT_EQ(partly.note, assignment_texts::keptTail);
        EXPECT_EQ(snapshot(*cutShort), seen[k - 1]) << "cut in action " << k;
    }
}

std::vector<std::string> everyLesson()
{
    lesson_registry::registerAll();
    return lesson_registry::forms();
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, Robustness, ::testing::ValuesIn(everyLesson()),
                         [](const auto& info) { return info.param; });

} // namespace
