#include "sort_data.h"
#include "support/lesson_driver.h"

namespace
{

// A worked run: the values typed into the array boxes before the first step, the lines
// the first presses rest on, the press that shows the end message, and the boxes then.
struct WorkedRun {
    const char* form;
    std::vector<int> data;
    std::vector<int> firstLines;
    int endPress;
    const char* message;
    std::vector<int> sorted;
    int firstScalar;
    std::vector<std::string> scalars; // after the message
};

const WorkedRun runs[] = {
    {"frmSortBuble",
     nineValues,
     {2, 3, 5, 6, 5, 6, 5, 6, 7, 5},
     115,
     "ソート完了",
     nineSorted,
     9,
     {"8", "7"}},
    {"frmSortSimpleInsert",
     nineValues,
     {2, 3, 5, 6, 7, 6, 8, 9, 3},
     74,
     "ソート完了",
     nineSorted,
     9,
     {"9", "8", "81"}},
    {"frmSortSimpleExchange",
     nineValues,
     {2, 3, 5, 6, 8, 9, 10, 6, 8, 10},
     165,
     "ソート完了",
     nineSorted,
     9,
     {"8", "9", "77", "7"}},
    {"frmSortShell",
     nineValues,
     {2, 3, 4, 6, 7, 8, 7, 9, 10, 4},
     124,
     "ソート完了",
     nineSorted,
     9,
     {"9", "7", "81", "0"}},
    {"frmSortShellExt",
     twentyValues,
     {2, 3, 3, 4, 5, 7, 8},
     279,
     "ソート完了",
     twentySorted,
     20,
     {"20", "18", "96", "0"}},
    {"frmSortShellExtInc", {30}, {2, 3, 3, 4, 5}, 6, "関数終わり", {30}, 1, {"4", "4"}},
};

TEST(SortRuns, WorkedRunsEndOnTheirPressWithTheSortedArray)
{
    for (const WorkedRun& run : runs) {
        SCOPED_TRACE(run.form);
        LessonDriver lesson(run.form);
        lesson.setAll(0, run.data);
        EXPECT_EQ(lesson.step(static_cast<int>(run.firstLines.size())), run.firstLines);
        const int presses =
            static_cast<int>(run.firstLines.size()) + lesson.stepUntilMessage(run.endPress);
        EXPECT_EQ(presses, run.endPress);
        EXPECT_EQ(lesson.messages(), std::vector<std::string>{run.message});
        EXPECT_EQ(lesson.line(), 0);
        EXPECT_EQ(lesson.texts(0, static_cast<int>(run.sorted.size())), textsOf(run.sorted));
        EXPECT_EQ(lesson.texts(run.firstScalar, static_cast<int>(run.scalars.size())), run.scalars);
    }
}

TEST(SortRuns, SortedDataNeverRestOnTheLineThatMovesValues)
{
    const struct {
        const char* form;
        int length;
        int moveLine;
        int endLine;
    } lessons[] = {{"frmSortBuble", 9, 7, 9},
                   {"frmSortSimpleInsert", 9, 7, 10},
                   {"frmSortSimpleExchange", 9, 12, 14},
                   {"frmSortShell", 9, 8, 11},
                   {"frmSortShellExt", 20, 9, 12}};
    for (const auto& l : lessons) {
        SCOPED_TRACE(l.form);
        LessonDriver lesson(l.form);
        std::vector<int> ascending;
        for (int k = 0; k < l.length; ++k)
            ascending.push_back(k / 2 + 1); // equal neighbours too
        lesson.setAll(0, ascending);
        std::vector<int> lines;
        while (lesson.line() != l.endLine && lines.size() < 2000)
            lines.push_back(lesson.step().back());
        EXPECT_EQ(std::count(lines.begin(), lines.end(), l.moveLine), 0);
        EXPECT_EQ(lesson.texts(0, l.length), textsOf(ascending));
    }
}

TEST(SortRuns, RandomValuesAreWholeNumbersFrom1To99)
{
    for (const char* form : {"frmSortBuble", "frmSortQuick"}) {
        SCOPED_TRACE(form);
        FixedRandom random({0.0, 0.5, 0.999999999, 0.0101, 0.98});
        LessonDriver lesson(form);
        EXPECT_EQ(lesson.texts(0, 5), (std::vector<std::string>{"1", "50", "99", "1", "98"}));
        const int count = std::string(form) == "frmSortQuick" ? 20 : 9;
        for (int pass = 0; pass < 2; ++pass) {
            for (int k = 0; k < count; ++k) {
                const int value = std::stoi(lesson.text(k));
                EXPECT_TRUE(value >= 1 && value <= 99) << value;
            }
            lesson.fill();
        }
    }
}

TEST(SortRuns, LessonsOpenedInTurnDrawFromOneSequence)
{
    random_source::replace({});
    LessonDriver first("frmSortSimpleInsert");
    LessonDriver second("frmSortShell");
    EXPECT_NE(first.texts(0, 9), second.texts(0, 9));
    LessonDriver reopened("frmSortSimpleInsert");
    EXPECT_NE(first.texts(0, 9), reopened.texts(0, 9));
}

TEST(SortRuns, FillChangesOnlyTheArrayBoxesUntilTheNextStep)
{
    FixedRandom random({0.25});
    LessonDriver lesson("frmSortBuble");
    lesson.setAll(0, nineValues);
    lesson.step(3); // line 5, i 0, j 8
    lesson.fill();
    EXPECT_EQ(lesson.line(), 5);
    std::vector<std::string> shown(9, "25");
    shown.insert(shown.end(), {"0", "8"});
    EXPECT_EQ(lesson.texts(0, 11), shown);
    EXPECT_TRUE(lesson.messages().empty());
    lesson.back(); // the values held in the variables come back
    EXPECT_EQ(lesson.texts(0, 9), textsOf(nineValues));
    lesson.fill();
    lesson.step();
    EXPECT_EQ(lesson.texts(0, 9), std::vector<std::string>(9, "25"));
}

} // namespace
