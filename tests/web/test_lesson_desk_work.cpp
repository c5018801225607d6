// The page's assignments through the binding, natively: a window made into an assignment and
// opened again from its file and from its link (the QR code's text is the link); the kept
// work's lines handed out with each answer make the same window again; results handed in and
// summed up; a file's bytes read as they are.
#include "assignment/assignment_texts.h"
#include "web/lesson_desk.h"

#include <gtest/gtest.h>

namespace
{

using json::Json;
namespace texts = assignment_texts;

std::string keptText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

void collect(const Json& answer, std::vector<std::string>& lines)
{
    if (answer.contains("kept"))
        for (const Json& line : answer["kept"])
            lines.push_back(line.get<std::string>());
}

} // namespace

TEST(LessonDeskWork, MadeOpenedKeptAndResumed)
{
    LessonDesk desk;
    desk.open("frmTotal");
    desk.act("frmTotal", "set", 0, 0, "21");
    desk.act("frmTotal", "predict", 0, 0, "auto");
    const Json made = desk.work("make", "frmTotal",
                                R"({"title": "合計", "instructions": "<b>x</b>", "autoRun": false,
                                    "stepBack": true, "base": "https://school.example/t/"})",
                                0);
    ASSERT_FALSE(made.contains("error")) << made;
    EXPECT_EQ(made["link"].get<std::string>().rfind("https://school.example/t/#assignment=", 0),
              0u);
    EXPECT_TRUE(made["qr"].is_object());
    EXPECT_EQ(made["qr"]["rows"].size(), made["qr"]["size"].get<size_t>());

    const Json fromFile = desk.work("open", "", made["document"].get<std::string>(), 1000);
    const Json fromLink = desk.work("link", "", made["link"].get<std::string>(), 1000);
    ASSERT_FALSE(fromLink.contains("error")) << fromLink;
    EXPECT_EQ(fromFile["view"], fromLink["view"]);
    EXPECT_EQ(fromLink["view"]["boxes"][0]["text"], "21");
    EXPECT_EQ(fromLink["assignment"]["window"]["controls"][1]["text"], "<b>x</b>"); // as text
    std::vector<std::string> lines;
    collect(fromLink, lines);
    const Json refused = desk.act("frmTotal", "autorun", 0, 0, "10");
    EXPECT_EQ(refused["outcome"]["messages"][0], "この課題では自動実行は使えません。");
    collect(refused, lines); // (the interval typed is kept)
    for (int k = 0; k < 6; ++k) {
        collect(desk.act("frmTotal", "dontknow", 0, 0, ""), lines);
        collect(desk.act("frmTotal", "set", 2, 0, std::to_string(k)), lines);
    }
    collect(desk.act("frmTotal", "stepback", 0, 0, ""), lines);
    const Json before = desk.act("frmTotal", "view", 0, 0, "")["view"];
    const Json resumed = desk.work("resume", "", keptText(lines), 0);
    ASSERT_FALSE(resumed.contains("error")) << resumed;
    EXPECT_EQ(resumed["view"], before);
    EXPECT_EQ(resumed["kept"].size(), lines.size()); // the whole lines, written anew
    const Json kept = desk.work("kept", "", keptText(lines), 0);
    EXPECT_EQ(kept["answers"], 6);
}

TEST(LessonDeskWork, AFilesBytesAreReadAsTheyAre)
{
    LessonDesk desk;
    const std::string nul("{\"a\":\0}", 7);
    EXPECT_EQ(desk.work("open", "", nul, 0)["error"], texts::nulByte(texts::assignmentFile, 6));
    EXPECT_EQ(desk.work("open", "", "{\"\xff\"}", 0)["error"],
              texts::notUtf8(texts::assignmentFile, 3));
    EXPECT_EQ(desk.work("link", "", "https://x/", 0)["error"], texts::notLink("https://x/"));
    desk.open("frmTotal");
    EXPECT_EQ(desk.work("result", "frmTotal", "名前", 0)["error"], texts::notAssignment);
}

TEST(LessonDeskWork, ResultsAreSummedUp)
{
    LessonDesk desk;
    desk.open("frmTotal");
    desk.act("frmTotal", "predict", 0, 0, "condition");
    const std::string document =
        desk.work("make", "frmTotal", R"({"title": "T", "base": ""})", 0)["document"];
    desk.work("open", "", document, 1000);
    desk.act("frmTotal", "step", 0, 0, "");
    desk.act("frmTotal", "step", 0, 0, "");
    desk.act("frmTotal", "draft", 0, 0, "True");
    desk.act("frmTotal", "advance", 0, 0, "");
    EXPECT_EQ(desk.work("result", "frmTotal", "  ", 0)["error"], texts::noName);
    const Json handedIn = desk.work("result", "frmTotal", " 安藤 ", 61000);
    EXPECT_EQ(handedIn["fileName"], "T_安藤.trevisk-result");
    desk.work("summaryAdd", "a.trevisk-result", handedIn["text"].get<std::string>(), 0);
    desk.work("summaryAdd", "a.trevisk-result", "again: once only", 0);
    desk.work("summaryAdd", "b.trevisk-result", document, 0);
    const Json s = desk.work("summary", "", "2025-04-01", 0);
    EXPECT_EQ(s["title"], "T");
    EXPECT_EQ(s["tables"][0]["rows"].size(), 1u);
    EXPECT_EQ(s["tables"][0]["rows"][0][0], "安藤");
    EXPECT_EQ(s["tables"][2]["rows"][0][1],
              texts::wrongFormat(texts::resultFile, "trevisk-result"));
    EXPECT_EQ(s["csv"]["fileName"], "集計_T_2025-04-01.csv");
    EXPECT_EQ(s["results"]["students"][0]["taken"], 60000);
}
