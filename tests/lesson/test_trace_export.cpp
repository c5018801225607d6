// The trace written out: the bytes of the CSV file, the tab-separated rows of the clipboard
// and the file name proposed.
#include "lesson/trace_export.h"
#include "support/lesson_driver.h"

namespace
{

std::string field(std::string_view text)
{
    std::string out;
    trace_export::appendCsvField(text, out);
    return out;
}

TEST(TraceExport, CsvFieldsAreQuotedAsRfc4180Asks)
{
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"abc", "abc"},
        {"", ""},
        {"配列の値の合計", "配列の値の合計"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"a\r\nb", "\"a\r\nb\""},
        {"a\nb", "\"a\r\nb\""}, // every line break inside a field is CR LF
        {"a\rb", "\"a\r\nb\""},
        {"-5", "-5"}, // numbers stay numbers
        {"+3", "+3"},
        {"-2.5", "-2.5"},
        {"=1+1", "'=1+1"}, // a formula stays text
        {"@SUM(A1)", "'@SUM(A1)"},
        {"-", "'-"},
        {"=a,b", "\"'=a,b\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(field(c.text), c.written) << c.text;
}

// The records of a CSV text (after the byte order mark), split at the CR LF that ends each
// record outside quotes.
std::vector<std::string> records(const std::string& csv)
{
    std::vector<std::string> result;
    std::string record;
    bool quoted = false;
    for (size_t k = 3; k < csv.size(); ++k) {
        if (csv[k] == '"')
            quoted = !quoted;
        if (!quoted && csv.compare(k, 2, "\r\n") == 0) {
            result.push_back(record);
            record.clear();
            ++k;
            continue;
        }
        EXPECT_TRUE(quoted || (csv[k] != '\r' && csv[k] != '\n')) << "bare line break at " << k;
        record += csv[k];
    }
    EXPECT_TRUE(record.empty()) << "the last record has no CR LF";
    return result;
}

TEST(TraceExport, CsvOfTheArrayTotal)
{
    LessonDriver lesson("frmTotal");
    lesson.step(3);
    lesson.set(7, "1,000"); // read as 1
    lesson.step();
    const std::string csv = trace_export::csv(TraceTable(lesson.model()));
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> r = records(csv);
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[0], "手順,行,実行した文,次の行,条件,a[0],a[1],a[2],a[3],a[4],total,関数値,i,"
                    "メッセージ,入力した値");
    EXPECT_EQ(r[1], "初期状態,,,0,,13,35,22,44,12,0,0,0,,");
    EXPECT_EQ(r[2], "1,0,private int 合計(int[] a),2,,13,35,22,44,12,0,0,0,,");
    EXPECT_EQ(r[3], "2,2,int total=0;,3,i < a.Length : True,13,35,22,44,12,0,0,0,,");
    EXPECT_EQ(r[5], "4,4,total += a[i];,3,i < a.Length : True,13,35,22,44,12,35,0,2,,\"i=1,000\"");
}

TEST(TraceExport, CsvQuotesQuotesAndLineBreaksInValuesAndMessages)
{
    LessonDriver loops("frmMultiLoop");
    loops.step(60);
    const std::string csv = trace_export::csv(TraceTable(loops.model()));
    const std::vector<std::string> r = records(csv);
    // CRLF holds the C# literal, quotes included; S holds real line breaks.
    EXPECT_NE(csv.find(",\"\"\"\\r\\n\"\"\","), std::string::npos);
    EXPECT_NE(csv.find("\"*\r\n*"), std::string::npos);
    EXPECT_NE(csv.find("\"string CRLF = \"\"\\r\\n\"\";\""), std::string::npos);

    LessonDriver queens("frm8Queen");
    ASSERT_GT(queens.stepUntilMessage(10000), 0);
    const std::vector<std::string> q = records(trace_export::csv(TraceTable(queens.model())));
    EXPECT_TRUE(q.back().ends_with(",解番号,")) << q.back(); // the message, nothing typed
}

TEST(TraceExport, DroppedRowsAreNotedFirst)
{
    LessonDriver lesson("frmTotal");
    lesson.model().setTraceLimit(4);
    lesson.step(10);
    const std::vector<std::string> r = records(trace_export::csv(TraceTable(lesson.model())));
    ASSERT_EQ(r.size(), 6u); // the note, the header and four rows
    EXPECT_EQ(r[0], "表が長くなったため、古い 7 行を削除しました（最新の 4 行を表示しています）。");
    EXPECT_TRUE(r[1].starts_with("手順,行,"));
    EXPECT_EQ(r[2].substr(0, 2), "7,");
}

TEST(TraceExport, TabSeparatedRowsForTheClipboard)
{
    LessonDriver loops("frmMultiLoop");
    loops.step(20);
    const TraceTable table(loops.model());
    const std::vector<size_t> rows = {1, 19};
    const std::string text = trace_export::tabSeparated(table, rows);
    std::vector<std::string> lines;
    for (size_t from = 0, at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
        lines.push_back(text.substr(from, at - from));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].starts_with("手順\t行\t実行した文\t次の行\t条件\tN\t"));
    EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), '\t'),
              static_cast<long>(table.columnCount() - 1));
    EXPECT_EQ(lines[1].substr(0, 2), "1\t");
    EXPECT_EQ(lines[2].substr(0, 3), "19\t");
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(TraceExport, FileNamesAreSafeEverywhere)
{
    const struct {
        const char* caption;
        const char* name;
    } cases[] = {
        {"配列の値の合計", "配列の値の合計_2024-05-01.csv"},
        {"バブルソート（単純交換法）", "バブルソート（単純交換法）_2024-05-01.csv"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j_2024-05-01.csv"},
        {"tab\there", "tab_here_2024-05-01.csv"},
        {" ..名前.. ", "名前_2024-05-01.csv"},
        {"", "trace_2024-05-01.csv"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trace_export::fileName(c.caption, 2024, 5, 1), c.name) << c.caption;
}

} // namespace
