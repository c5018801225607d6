// The common behaviour of every lesson, shown on a small probe lesson that uses each
// feature of the framework once.
#include "lesson/random_source.h"
#include "support/probe_lesson.h"

#include <gtest/gtest.h>

#include <array>

namespace
{

// Everything a student can see of the lesson, for comparing before and after an action.
struct Snapshot {
    int line;
    std::string note, condition;
    std::vector<std::pair<std::string, uint32_t>> boxes;
    std::vector<int> checks;
    int option;
    std::vector<std::string> list;
    std::string label6;
    bool timerEnabled;
    int interval;

    explicit Snapshot(const LessonModel& m)
        : line(m.line()), note(m.panel().note), condition(m.panel().condition),
          checks(m.panel().checks[0]), option(m.panel().option), list(m.panel().list),
          label6(m.panel().label6), timerEnabled(m.panel().timer.enabled),
          interval(m.panel().timer.interval)
    {
        for (const Box& b : m.panel().text1)
            boxes.emplace_back(b.text, b.colour.value());
    }
    bool operator==(const Snapshot&) const = default;
};

class LessonModelTest : public ::testing::Test
{
protected:
    void SetUp() override { probe.load(); }
    void TearDown() override { random_source::replace({}); }
    Probe probe;
};

TEST_F(LessonModelTest, LoadReadsTheBoxesAndShowsAConditionThatCannotBeEvaluatedWithoutSuffix)
{
    EXPECT_EQ(probe.line(), 2);
    EXPECT_EQ(probe.panel().highlight, 2);
    EXPECT_EQ(probe.panel().note, "\r\n  two\r\n  more");
    EXPECT_EQ(probe.panel().condition, "  a[i] > 0"); // a[9] does not exist
    EXPECT_EQ(probe.panel().text1[4].text, "0");      // an empty box reads as 0
    EXPECT_EQ(probe.panel().text1[5].text, "text");
    EXPECT_EQ(probe.panel().text1[6].text, ""); // unbound: left as it was
    EXPECT_EQ(probe.panel().option, 1);
}

TEST_F(LessonModelTest, RefusedStepChangesNothingAndStopsAutoRun)
{
    probe.setTimerText("20");
    probe.startAutoRun();
    probe.setText(BoxGroup::Text1, 0, "77"); // typed, not yet read
    const Snapshot before(probe);
    const Outcome outcome = probe.step(); // a[9] at line 2
    EXPECT_TRUE(outcome.refused);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0], "a[9] は配列の範囲 (0～3) の外です。");
    Snapshot after(probe);
    EXPECT_FALSE(after.timerEnabled);
    EXPECT_EQ(after.interval, 100);
    after.timerEnabled = before.timerEnabled;
    after.interval = before.interval;
    EXPECT_EQ(after, before); // what the student typed stays
    EXPECT_EQ(probe.variables().a[0], 1);
}

TEST_F(LessonModelTest, ValuesOutsideTheirRangeAreRefusedWithTheBoxName)
{
    const struct {
        int box;
        const char* text;
        const char* message;
    } cases[] = {
        {1, "32768", "a[1] の値 32768 は -32768～32767 の範囲外です。"},
        {1, "-32768.5", ""}, // rounds to the even -32768: accepted
        {1, "-32769", "a[1] の値 -32769 は -32768～32767 の範囲外です。"},
        {4, "2147483647.5", "big の値 2147483648 は -2147483648～2147483647 の範囲外です。"},
        {4, "-2147483648", ""},
        {0, "1e400", "a[0] の値 1e400 は -32768～32767 の範囲外です。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Probe p;
        p.load();
        p.setText(BoxGroup::Text1, 3, "0");
        p.setText(BoxGroup::Text1, c.box, c.text);
        const Outcome outcome = p.step();
        EXPECT_EQ(outcome.refused, *c.message != 0);
        EXPECT_EQ(outcome.messages.empty() ? "" : outcome.messages[0], c.message);
    }
}

TEST_F(LessonModelTest, ConditionOfTheLandingLineThatFaultsRefusesTheStep)
{
    probe.setText(BoxGroup::Text1, 3, "0");
    probe.step();                           // 2 -> 3
    probe.step();                           // 3 -> 4 (messages)
    probe.step();                           // 4 -> 5
    probe.setText(BoxGroup::Text1, 3, "3"); // line 5 makes i 4, and line 2 tests a[4]
    const Snapshot before(probe);
    const Outcome outcome = probe.step();
    EXPECT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages[0], "a[4] は配列の範囲 (0～3) の外です。");
    EXPECT_EQ(Snapshot(probe), before);
    EXPECT_EQ(probe.variables().big, 0);
}

TEST_F(LessonModelTest, StepEffectsArriveTogetherWithTheRefresh)
{
    probe.setText(BoxGroup::Text1, 3, "1");
    probe.step(); // a[1] = 2 > 0
    EXPECT_EQ(probe.line(), 3);
    EXPECT_EQ(probe.panel().text1[1].colour, colours::red);
    EXPECT_EQ(probe.panel().text1[0].colour, Colour::window());
    const Outcome outcome = probe.step();
    EXPECT_EQ(outcome.messages, (std::vector<std::string>{"hello", "again"}));
    EXPECT_EQ(probe.panel().list, std::vector<std::string>{"item"});
    EXPECT_EQ(probe.panel().label6, "board");
    EXPECT_EQ(probe.panel().picture.revision, 1u);
    EXPECT_EQ(probe.panel().checks[0][0], 1); // a check box written by the refresh
    EXPECT_EQ(probe.panel().text1[1].colour, Colour::window()); // reset on every refresh

    probe.setTimerText("10");
    probe.startAutoRun();
    probe.step(); // line 4 stops auto-run and writes a box of its own
    EXPECT_FALSE(probe.panel().timer.enabled);
    EXPECT_EQ(probe.panel().text1[6].text, "written");
}

TEST_F(LessonModelTest, ArithmeticOverflowIsRefused)
{
    probe.setText(BoxGroup::Text1, 3, "0");
    probe.setText(BoxGroup::Text1, 4, "1073741824");
    probe.step();
    probe.step();
    probe.step();
    const Outcome outcome = probe.step(); // big * 2
    EXPECT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages[0], "big * 2 の結果が -2147483648～2147483647 の範囲を超えます。");
    EXPECT_EQ(probe.panel().text1[4].text, "1073741824");
    EXPECT_EQ(probe.line(), 5);
}

TEST_F(LessonModelTest, StringBoxesKeepTheirTextExactly)
{
    probe.setText(BoxGroup::Text1, 5, " a\r\nb ");
    probe.setText(BoxGroup::Text1, 3, "0");
    probe.step();
    EXPECT_EQ(probe.variables().s, " a\r\nb ");
    EXPECT_EQ(probe.panel().text1[5].text, " a\r\nb ");
}

TEST_F(LessonModelTest, BackToStartDoesNotReadTheBoxesAndPutsTheStoredValuesBack)
{
    probe.setText(BoxGroup::Text1, 0, "55");
    probe.backToStart();
    EXPECT_EQ(probe.panel().text1[0].text, "1");
    EXPECT_EQ(probe.line(), 2);
}

TEST_F(LessonModelTest, OptionClicksSelectTheRoutine)
{
    probe.clickOption(2);
    EXPECT_EQ(probe.panel().option, 2);
    EXPECT_EQ(probe.line(), 0);
    probe.clickOption(1);
    EXPECT_EQ(probe.line(), 2);
    EXPECT_FALSE(probe.clickOption(3).refused);
    EXPECT_EQ(probe.panel().option, 1);
}

TEST_F(LessonModelTest, FillWritesRandomTextsIntoTheArrayBoxesOnly)
{
    const double draws[] = {0.0, 0.5, 0.999999};
    int next = 0;
    random_source::replace([&] { return draws[next++ % 3]; });
    probe.setText(BoxGroup::Text1, 3, "0");
    const int line = probe.line();
    probe.fillArray();
    EXPECT_EQ(probe.line(), line);
    EXPECT_EQ(probe.panel().text1[0].text, "1");
    EXPECT_EQ(probe.panel().text1[1].text, "50");
    EXPECT_EQ(probe.panel().text1[2].text, "99");
    EXPECT_EQ(probe.panel().text1[3].text, "0"); // not an array box
    EXPECT_EQ(probe.variables().a[1], 2);        // taken by the next step
    probe.step();
    EXPECT_EQ(probe.variables().a[1], 50);
}

TEST_F(LessonModelTest, TimerIntervalRules)
{
    const struct {
        const char* text;
        bool refused;
        bool enabled;
        int interval;
    } cases[] = {
        {"500", false, true, 500},  {"abc", false, true, 0},
        {"0", false, true, 0},      {"2.5", false, true, 2},
        {"1e3", false, true, 1000}, {"2147483647", false, true, 2147483647},
        {"-1", true, false, 0},     {"2147483648", true, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Probe p;
        p.load();
        p.setTimerText(c.text);
        const Outcome outcome = p.startAutoRun();
        EXPECT_EQ(outcome.refused, c.refused);
        EXPECT_EQ(p.panel().timer.enabled, c.enabled); // a refused interval leaves the timer
        EXPECT_EQ(p.panel().timer.interval, c.interval);
    }
    probe.setText(BoxGroup::Text1, 3, "0");
    probe.tick(); // not running: no step
    EXPECT_EQ(probe.line(), 2);
    probe.setTimerText("0");
    probe.startAutoRun();
    probe.tick(); // enabled, but an interval of 0 gives no ticks
    EXPECT_EQ(probe.line(), 2);
    probe.setTimerText("5");
    probe.startAutoRun();
    probe.tick();
    EXPECT_EQ(probe.line(), 3);
    probe.stopAutoRun();
    EXPECT_EQ(probe.panel().timer.interval, 100);
    probe.tick();
    EXPECT_EQ(probe.line(), 3);
}

TEST_F(LessonModelTest, StrictReadingRefusesTextThatIsNotANumber)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "i の値が空です。-32768～32767 の数値を入力してください。"},
        {"  ", "i の値が空です。-32768～32767 の数値を入力してください。"},
        {"1x", "i の値「1x」は数値ではありません。-32768～32767 の数値を入力してください。"},
        {" 0.5 ", ""}, // rounds to 0
        {"１", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Probe strict(true);
        EXPECT_FALSE(strict.load().refused); // the load reads leniently
        strict.setText(BoxGroup::Text1, 3, c.text);
        const Outcome outcome = strict.step();
        EXPECT_EQ(outcome.messages.empty() ? "" : outcome.messages[0], c.message);
    }
}

TEST_F(LessonModelTest, NotesAndEditsOfControlsThatDoNotExist)
{
    EXPECT_EQ(probe.noteOf(1), "\r\n  one");
    EXPECT_EQ(probe.noteOf(6), "");
    EXPECT_EQ(probe.noteOf(99), ""); // beyond the note table
    EXPECT_FALSE(probe.setText(BoxGroup::Text1, 8, "x"));
    EXPECT_FALSE(probe.setText(BoxGroup::Text2, 1, "x"));
    EXPECT_FALSE(probe.setCheck(BoxGroup::Check1, 1, 1));
    EXPECT_FALSE(probe.setCheck(BoxGroup::Check1, 0, 2));
}

} // namespace
