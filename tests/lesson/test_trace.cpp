// The trace table of a lesson: the worked runs as traces, typed values, step back, refused
// steps, sections and the bound on the rows kept.
#include "lesson/trace_table.h"
#include "lessons/sorting/sort_data.h"
#include "support/lesson_driver.h"

#include <algorithm>
#include <map>

namespace
{

// The whole trace as texts, with each cell's marks: "*" after a changed value, "!" after a
// typed one.
struct Table {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::vector<std::string>> marks;

    size_t column(const std::string& header) const
    {
        const auto at = std::find(headers.begin(), headers.end(), header);
        EXPECT_NE(at, headers.end()) << header;
        return static_cast<size_t>(at - headers.begin());
    }
    const std::string& at(size_t row, const std::string& header) const
    {
        return rows.at(row).at(column(header));
    }
    const std::string& mark(size_t row, const std::string& header) const
    {
        return marks.at(row).at(column(header));
    }
    // The rows whose cell under `header` is `text`.
    std::vector<size_t> where(const std::string& header, const std::string& text) const
    {
        std::vector<size_t> found;
        for (size_t r = 0; r < rows.size(); ++r) {
            if (at(r, header) == text)
                found.push_back(r);
        }
        return found;
    }
    // The values of one column, one per row.
    std::vector<std::string> values(const std::string& header) const
    {
        std::vector<std::string> found;
        for (const auto& row : rows)
            found.push_back(row.at(column(header)));
        return found;
    }
};

Table read(const LessonModel& model)
{
    const TraceTable table(model);
    Table t;
    for (size_t c = 0; c < table.columnCount(); ++c)
        t.headers.push_back(table.header(c));
    for (size_t r = 0; r < table.rowCount(); ++r) {
        table.seek(r);
        std::vector<std::string> row;
        std::vector<std::string> marks;
        for (size_t c = 0; c < table.columnCount(); ++c) {
            row.push_back(table.cell(c));
            marks.push_back(std::string(table.changed(c) ? "*" : "") +
                            (table.typed(c) ? "!" + *table.typed(c) : ""));
        }
        t.rows.push_back(std::move(row));
        t.marks.push_back(std::move(marks));
    }
    return t;
}

// Everything the trace shows, for comparing two traces.
std::string dump(const LessonModel& model)
{
    const Table t = read(model);
    std::string text = std::to_string(model.trace().dropped()) + "\n";
    for (size_t r = 0; r < t.rows.size(); ++r) {
        for (size_t c = 0; c < t.rows[r].size(); ++c)
            text += t.rows[r][c] + t.marks[r][c] + "|";
        text += "\n";
    }
    return text;
}

std::vector<std::string> column(const Table& t, const std::string& header, size_t from)
{
    std::vector<std::string> all = t.values(header);
    return std::vector<std::string>(all.begin() + static_cast<long>(from), all.end());
}

TEST(Trace, ArrayTotalRunRowByRow)
{
    LessonDriver lesson("frmTotal");
    lesson.step(15);
    const Table t = read(lesson.model());
    EXPECT_EQ(t.headers, (std::vector<std::string>{"手順", "行", "実行した文", "次の行", "条件",
                                                   "a[0]", "a[1]", "a[2]", "a[3]", "a[4]", "total",
                                                   "関数値", "i", "メッセージ", "入力した値"}));
    ASSERT_EQ(t.rows.size(), 16u); // the load and one pass of 15 steps
    EXPECT_EQ(t.at(0, "手順"), "初期状態");
    EXPECT_EQ(t.at(0, "次の行"), "0");
    EXPECT_EQ(t.at(0, "a[0]"), "13");
    EXPECT_EQ(column(t, "次の行", 1),
              (std::vector<std::string>{"2", "3", "4", "3", "4", "3", "4", "3", "4", "3", "4", "3",
                                        "5", "6", "0"}));
    EXPECT_EQ(column(t, "total", 1),
              (std::vector<std::string>{"0", "0", "0", "13", "13", "48", "48", "70", "70", "114",
                                        "114", "126", "126", "126", "126"}));
    EXPECT_EQ(t.at(2, "手順"), "2");
    EXPECT_EQ(t.at(2, "行"), "2");
    EXPECT_EQ(t.at(2, "実行した文"), "int total=0;");
    EXPECT_EQ(t.at(2, "条件"), "i < a.Length : True");
    EXPECT_EQ(t.at(3, "条件"), "");
    EXPECT_EQ(t.at(12, "条件"), "i < a.Length : False");
    // The step of line 4 changes total and i; nothing else is marked.
    EXPECT_EQ(t.mark(4, "total"), "*");
    EXPECT_EQ(t.mark(4, "i"), "*");
    EXPECT_EQ(t.mark(4, "a[0]"), "");
    EXPECT_EQ(t.at(14, "関数値"), "126");
    EXPECT_EQ(t.mark(14, "関数値"), "*");
    EXPECT_EQ(t.at(15, "行"), "6");
    EXPECT_EQ(t.at(15, "実行した文"), "}");
}

TEST(Trace, BubbleSortRunHas115StepsAnd15Exchanges)
{
    const FixedRandom draws({0.0}); // every random value 1, so that each typed value differs
    LessonDriver lesson("frmSortBuble");
    lesson.setAll(0, nineValues);
    EXPECT_EQ(lesson.stepUntilMessage(200), 115);
    const Table t = read(lesson.model());
    ASSERT_EQ(t.rows.size(), 116u);
    EXPECT_EQ(t.at(115, "手順"), "115");
    EXPECT_EQ(t.at(115, "メッセージ"), "ソート完了");
    EXPECT_EQ(t.at(115, "行"), "9");
    EXPECT_EQ(t.at(115, "次の行"), "0");
    EXPECT_EQ(t.where("行", "7").size(), 15u); // the exchanges
    const std::vector<std::string> rests = t.values("次の行");
    EXPECT_EQ(std::vector<std::string>(rests.begin(), rests.begin() + 11),
              (std::vector<std::string>{"0", "2", "3", "5", "6", "5", "6", "5", "6", "7", "5"}));
    // The values typed before the first step are in its row, marked as typed.
    for (size_t k = 0; k < nineValues.size(); ++k) {
        const std::string name = "Data[" + std::to_string(k) + "]";
        EXPECT_EQ(t.at(0, name), "1");
        EXPECT_EQ(t.at(1, name), std::to_string(nineValues[k]));
        EXPECT_EQ(t.mark(1, name), "*!" + std::to_string(nineValues[k]));
        EXPECT_EQ(t.at(115, name), std::to_string(nineSorted[k]));
    }
    EXPECT_EQ(t.at(1, "入力した値").substr(0, 24), "Data[0]=70, Data[1]=53, ");
    // The first exchange: 2 and 77 change places, marked as changes of the step.
    const size_t exchange = t.where("行", "7").front();
    EXPECT_EQ(t.at(exchange, "Data[5]"), "2");
    EXPECT_EQ(t.at(exchange, "Data[6]"), "77");
    EXPECT_EQ(t.mark(exchange, "Data[5]"), "*");
    EXPECT_EQ(t.at(exchange - 1, "次の行"), "7");
    EXPECT_EQ(t.at(exchange - 2, "条件"), "Data[j-1]>Data[j] : True");
}

TEST(Trace, HanoiRunShowsItsSevenMoves)
{
    LessonDriver lesson("frmHanoi");
    ASSERT_GT(lesson.stepUntilMessage(500), 0);
    const Table t = read(lesson.model());
    std::vector<std::string> moves;
    for (const size_t row : t.where("行", "12"))
        moves.push_back(t.at(row, "S"));
    EXPECT_EQ(moves, (std::vector<std::string>{"第1盤を1軸から3軸に移動", "第2盤を1軸から2軸に移動",
                                               "第1盤を3軸から2軸に移動", "第3盤を1軸から3軸に移動",
                                               "第1盤を2軸から1軸に移動", "第2盤を2軸から3軸に移動",
                                               "第1盤を1軸から3軸に移動"}));
    const std::vector<std::string> levels = t.values("呼び出しレベル");
    EXPECT_EQ(*std::max_element(levels.begin(), levels.end()), "2");
    EXPECT_EQ(t.rows.back().at(t.column("メッセージ")), "関数実行終わり");
    EXPECT_EQ(t.rows.back().at(t.column("呼び出しレベル")), "0");
    EXPECT_EQ(t.at(1, "条件"), "n==1 : False");
}

TEST(Trace, TypedValuesAreMarkedInTheNextStepsRow)
{
    LessonDriver lesson("frmTotal");
    lesson.step(3); // line 4, about to add a[0]
    lesson.set(2, "0");
    lesson.set(0, "13");  // the same value: no mark
    lesson.set(5, "abc"); // total read as 0, as it was: no mark
    lesson.set(5, "5");   // the last text typed counts
    lesson.step();
    Table t = read(lesson.model());
    EXPECT_EQ(t.at(4, "a[2]"), "0");
    EXPECT_EQ(t.mark(4, "a[2]"), "*!0");
    EXPECT_EQ(t.mark(4, "a[0]"), "");
    EXPECT_EQ(t.at(4, "total"), "18"); // 5 typed, then a[0] added by the step
    EXPECT_EQ(t.mark(4, "total"), "*!5");
    EXPECT_EQ(t.at(4, "入力した値"), "a[2]=0, total=5");
    lesson.step();
    t = read(lesson.model());
    EXPECT_EQ(t.mark(5, "a[2]"), ""); // typed once, marked once

    // A refused step keeps what was typed for the step that is taken.
    lesson.set(7, "40000");
    lesson.step();
    EXPECT_TRUE(lesson.lastRefused());
    EXPECT_EQ(read(lesson.model()).rows.size(), 6u);
    lesson.set(7, "3");
    lesson.step(); // line 4 adds a[3] and counts i on
    t = read(lesson.model());
    ASSERT_EQ(t.rows.size(), 7u);
    EXPECT_EQ(t.mark(6, "i"), "*!3");
    EXPECT_EQ(t.at(6, "i"), "4");
    EXPECT_EQ(t.at(6, "total"), "62"); // 18 + a[3]
    lesson.set(7, "1");
    lesson.step(); // line 3 only tests i: typed, and no change of the step's own
    t = read(lesson.model());
    EXPECT_EQ(t.mark(7, "i"), "*!1");
    EXPECT_EQ(t.mark(7, "total"), "");

    // "先頭に戻る" writes the boxes again: what was typed before it is gone.
    lesson.set(1, "99");
    lesson.back();
    lesson.step();
    t = read(lesson.model());
    EXPECT_EQ(t.at(8, "手順"), "先頭に戻る");
    EXPECT_EQ(t.at(9, "手順"), "1");
    EXPECT_EQ(t.at(9, "a[1]"), "35");
    EXPECT_EQ(t.mark(9, "a[1]"), "");
}

TEST(Trace, RefusedStepsAddNoRow)
{
    LessonDriver lesson("frmTotal");
    lesson.step(3);
    const std::string before = dump(lesson.model());
    lesson.set(7, "9"); // a[9] does not exist
    lesson.step();
    ASSERT_TRUE(lesson.lastRefused());
    EXPECT_EQ(dump(lesson.model()), before);
}

TEST(Trace, SectionsStartAtTheLoadBackToStartOptionsAndFill)
{
    LessonDriver stack("frmStack");
    stack.step(4); // one push
    stack.option(2);
    stack.step(2);
    Table t = read(stack.model());
    EXPECT_EQ(t.values("手順"), (std::vector<std::string>{"初期状態", "1", "2", "3", "4",
                                                          "「Pop」を選択", "1", "2"}));
    EXPECT_EQ(t.at(0, "次の行"), "15");
    EXPECT_EQ(t.at(4, "Stack[0]"), "aaaaa");
    EXPECT_EQ(t.at(4, "SPointer"), "1");
    EXPECT_EQ(t.at(5, "次の行"), "2");
    EXPECT_EQ(t.at(6, "条件"), "SPointer == 0 : False");
    EXPECT_EQ(t.at(7, "条件"), "");

    const FixedRandom draws({0.5, 0.25}); // 50, 25, 50, ...
    LessonDriver sort("frmSortBuble");
    sort.step(2);
    sort.fill(); // draws 25, 50, ...
    sort.back(); // the boxes show the values held again
    t = read(sort.model());
    EXPECT_EQ(t.at(2, "Data[0]"), "50");
    EXPECT_EQ(t.at(3, "手順"), "配列値設定");
    EXPECT_EQ(t.at(3, "Data[0]"), "25");
    EXPECT_EQ(t.mark(3, "Data[0]"), "*");
    EXPECT_EQ(t.at(4, "手順"), "先頭に戻る");
    EXPECT_EQ(t.at(4, "Data[0]"), "50");
    EXPECT_EQ(t.mark(4, "Data[0]"), "*");
    EXPECT_EQ(t.at(4, "i"), "0");
}

TEST(Trace, StepBackLeavesTheTraceAsBeforeTheAction)
{
    for (const char* form : {"frmTotal", "frmStack", "frmSortBuble", "frmHanoi"}) {
        SCOPED_TRACE(form);
        const FixedRandom draws({0.25, 0.75, 0.5});
        LessonDriver lesson(form);
        std::vector<std::string> traces;
        for (int k = 0; k < 40; ++k) {
            traces.push_back(dump(lesson.model()));
            if (k % 7 == 3)
                lesson.set(0, std::to_string(k));
            if (k % 13 == 5)
                lesson.back();
            else if (k % 17 == 6)
                lesson.fill();
            else
                lesson.step();
        }
        while (lesson.model().canStepBack()) {
            lesson.model().stepBack();
            const std::string now = dump(lesson.model());
            EXPECT_NE(std::find(traces.begin(), traces.end(), now), traces.end());
        }
        EXPECT_EQ(lesson.model().trace().size(), 1u); // the load's row alone
    }
}

TEST(Trace, StepBackReplaysAcrossHistoryCheckpoints)
{
    LessonDriver lesson("frm8Queen");
    lesson.step(3000); // past two checkpoints of the history
    const std::string before = dump(lesson.model());
    lesson.step();
    lesson.model().stepBack();
    EXPECT_EQ(dump(lesson.model()), before);
    EXPECT_EQ(lesson.model().trace().size(), 3001u);
}

TEST(Trace, KeepsTheNewestRowsWithinItsLimit)
{
    LessonDriver lesson("frmTotal");
    lesson.model().setTraceLimit(10);
    lesson.step(25);
    const Trace& trace = lesson.model().trace();
    EXPECT_EQ(trace.size(), 10u);
    EXPECT_EQ(trace.dropped(), 16u); // 26 rows: the load and 25 steps
    Table t = read(lesson.model());
    EXPECT_EQ(t.at(0, "手順"), "16");
    EXPECT_EQ(t.at(9, "手順"), "25");
    EXPECT_EQ(TraceTable(lesson.model()).droppedNote(),
              "表が長くなったため、古い 16 行を削除しました（最新の 10 行を表示しています）。");
    // The oldest row kept reads its values right although the rows before it are gone.
    LessonDriver full("frmTotal");
    full.step(25);
    const Table all = read(full.model());
    for (size_t r = 0; r < 10; ++r)
        EXPECT_EQ(t.rows[r], all.rows[r + 16]);

    // Stepping back brings back the row the undone step dropped.
    const std::string before = dump(lesson.model());
    lesson.step();
    EXPECT_EQ(trace.dropped(), 17u);
    lesson.model().stepBack();
    EXPECT_EQ(dump(lesson.model()), before);
}

TEST(Trace, CheckBoxesAndTextsAreValuesToo)
{
    LessonDriver queens("frm8Queen");
    queens.step(6); // line 10 placed the first queen's flags
    Table t = read(queens.model());
    EXPECT_EQ(t.at(0, "行配置済み[0]"), "False");
    const auto placed = t.where("行", "10");
    ASSERT_FALSE(placed.empty());
    EXPECT_EQ(t.at(placed[0], "行配置済み[0]"), "True");
    EXPECT_EQ(t.mark(placed[0], "行配置済み[0]"), "*");
    queens.check(BoxGroup::Check1, 1, 1);
    queens.step();
    t = read(queens.model());
    EXPECT_EQ(t.mark(t.rows.size() - 1, "行配置済み[1]"), "*!1");

    LessonDriver loops("frmMultiLoop");
    loops.step(60);
    t = read(loops.model());
    const std::vector<std::string> s = t.values("S");
    EXPECT_NE(std::find_if(s.begin(), s.end(),
                           [](const std::string& v) { return v.find("\r\n") != v.npos; }),
              s.end());
}

TEST(Trace, MemoryOfAHundredThousandRows)
{
    LessonDriver lesson("frm8Queen");
    lesson.step(100000);
    EXPECT_EQ(lesson.model().trace().size(), 100000u);
    EXPECT_LT(lesson.model().trace().bytes(), 6u * 1024 * 1024);
}

} // namespace
