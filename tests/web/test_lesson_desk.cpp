#include "lesson/added_buttons.h"
#include "lesson/lesson_registry.h"
#include "lesson/prediction_texts.h"
#include "lesson/trace_texts.h"
#include "lesson/window_words.h"
#include "web/lesson_desk.h"

#include "catalog/menus.h"
#include "lesson/narration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace
{

using json::Json;

TEST(LessonDesk, OpenLoadsOnceAndAnswersTheDescriptionAndView)
{
    LessonDesk desk;
    const Json first = desk.open("frmTotal");
    EXPECT_EQ(first["loaded"], true);
    EXPECT_EQ(first["description"]["caption"], "配列の値の合計");
    EXPECT_EQ(first["description"]["listingRects"][1],
              Json({{"left", 240}, {"top", 600}, {"width", 6135}, {"height", 255}}));
    EXPECT_EQ(first["view"]["line"], 0);
    EXPECT_EQ(first["view"]["canStepBack"], false);
    EXPECT_EQ(first["view"]["txtTime"], "500");

    desk.act("frmTotal", "steps", 0, 2, "");
    const Json again = desk.open("frmTotal"); // shown again with its state
    EXPECT_EQ(again["loaded"], false);
    EXPECT_EQ(again["view"]["line"], 3);
    EXPECT_EQ(again["view"]["condition"], "  i < a.Length : True");

    desk.close("frmTotal");
    EXPECT_EQ(desk.open("frmTotal")["view"]["line"], 0); // loaded afresh
}

TEST(LessonDesk, ActionsAnswerTheirOutcomeAndTheView)
{
    LessonDesk desk;
    desk.open("frmTotal");
    Json r = desk.act("frmTotal", "set", 0, 0, "40000");
    EXPECT_EQ(r["view"]["boxes"][0]["text"], "40000");
    r = desk.act("frmTotal", "step", 0, 0, "");
    EXPECT_EQ(r["outcome"]["refused"], true);
    EXPECT_EQ(r["outcome"]["messages"][0], "a[0] の値 40000 は -32768～32767 の範囲外です。");
    EXPECT_EQ(r["view"]["line"], 0);

    desk.act("frmTotal", "set", 0, 0, "13");
    r = desk.act("frmTotal", "step", 0, 0, "");
    EXPECT_NE(r["view"]["line"], 0);
    EXPECT_EQ(r["view"]["canStepBack"], true);
    r = desk.act("frmTotal", "stepback", 0, 0, "");
    EXPECT_EQ(r["view"]["line"], 0);

    r = desk.act("frmTotal", "note", 3, 0, "");
    EXPECT_EQ(r["outcome"]["messages"][0],
              "\r\n  最初 i=0 として i< aの配列サイズのあいだ，\r\n  次を繰り返します。");

    desk.act("frmTotal", "timertext", 0, 0, "２０");
    EXPECT_EQ(desk.act("frmTotal", "view", 0, 0, "")["view"]["txtTime"], "２０");
    r = desk.act("frmTotal", "autorun", 0, 0, "-1");
    EXPECT_EQ(r["outcome"]["refused"], true);
    r = desk.act("frmTotal", "autorun", 0, 0, "20");
    EXPECT_EQ(r["view"]["timer"], Json({{"enabled", true}, {"interval", 20}}));
    r = desk.act("frmTotal", "stop", 0, 0, "");
    EXPECT_EQ(r["view"]["timer"], Json({{"enabled", false}, {"interval", 100}}));
}

TEST(LessonDesk, RepeatedTicksStopAtTheFirstMessageSoThePageCanShowIt)
{
    LessonDesk desk;
    desk.open("frmSortBuble");
    Json r = desk.act("frmSortBuble", "ticks", 0, 10, "");
    EXPECT_EQ(r["done"], 1) << "a tick before auto-run starts does nothing and ends the run";
    EXPECT_EQ(r["view"]["line"], 0);
    desk.act("frmSortBuble", "autorun", 0, 0, "1");
    r = desk.act("frmSortBuble", "ticks", 0, 1000, "");
    EXPECT_GT(r["done"], 100);
    EXPECT_LT(r["done"], 1000);
    EXPECT_EQ(r["outcome"]["messages"], Json::array({"ソート完了"}));
    EXPECT_EQ(r["view"]["timer"]["enabled"], true); // the timer goes on after the message
    r = desk.act("frmSortBuble", "ticks", 0, 10, "");
    EXPECT_EQ(r["done"], 10);

    // Steps in a row go on past messages, as pressing 進む does.
    desk.open("frm8Queen");
    r = desk.act("frm8Queen", "steps", 0, 65115, "");
    EXPECT_EQ(r["done"], 65115);
    EXPECT_EQ(r["outcome"]["messages"].size(), 93u);
    EXPECT_EQ(r["outcome"]["messages"].back(), "関数実行終わり");
}

TEST(LessonDesk, WhatCannotBeDoneIsAnErrorAndChangesNothing)
{
    LessonDesk desk;
    EXPECT_EQ(desk.open("frmNothing"), Json({{"error", "unknown form: frmNothing"}}));
    EXPECT_EQ(desk.act("frmTotal", "step", 0, 0, ""), Json({{"error", "not open: frmTotal"}}));
    desk.open("frmTotal");
    const struct {
        const char* action;
        int index;
        int value;
        const char* text;
        const char* error;
    } cases[] = {
        {"fly", 0, 0, "", "unknown action: fly"},
        {"set", 8, 0, "1", "no such box: 8"},
        {"set2", 0, 0, "1", "no such box: 0"},
        {"check", 0, 1, "Check1", "no such check box: Check1(0)"},
        {"option", 1, 0, "", "no such option button: 1"},
        {"fill", 0, 0, "", "this window has no button 配列値設定"},
        {"note", 11, 0, "", "no such listing line: 11"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        EXPECT_EQ(desk.act("frmTotal", c.action, c.index, c.value, c.text),
                  Json({{"error", c.error}}));
    }
    EXPECT_EQ(desk.act("frmTotal", "view", 0, 0, "")["view"]["line"], 0);
    EXPECT_EQ(desk.close("frmNothing"), Json::object());
}

TEST(LessonDesk, TheHanoiViewCarriesItsDrawing)
{
    LessonDesk desk;
    const Json opened = desk.open("frmHanoi");
    EXPECT_TRUE(opened["view"].contains("picture"));
    desk.act("frmHanoi", "steps", 0, 3, "");
    const Json view = desk.act("frmHanoi", "view", 0, 0, "")["view"];
    const Json& ops = view["picture"]["ops"];
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0]["kind"], "scale");
    for (const Json& op : ops) {
        EXPECT_TRUE(op["kind"] == "scale" || op["kind"] == "fill" || op["kind"] == "outline");
        EXPECT_EQ(op["color"].get<std::string>().size(), 7u);
    }
    EXPECT_FALSE(desk.open("frmTotal")["view"].contains("picture"));
}

// The drawing in a view is the drawing of the state shown, however often the same revision
// comes back: ◀ undoes a drawing, a changed number of disks draws another board under the
// revision the undone one had, and the view carries the new board, as a desk that never
// drew the old one gives it.
TEST(LessonDesk, TheHanoiViewCarriesTheDrawingOfTheStateShown)
{
    const auto picture = [](LessonDesk& desk) {
        return desk.act("frmHanoi", "view", 0, 0, "")["view"]["picture"];
    };
    LessonDesk desk;
    desk.open("frmHanoi");
    const Json first = picture(desk);
    int steps = 0;
    while (picture(desk)["revision"] == first["revision"] && steps < 100) {
        desk.act("frmHanoi", "step", 0, 0, "");
        ++steps;
    }
    ASSERT_LT(steps, 100);
    const Json drawn = picture(desk);
    for (int k = 0; k < steps; ++k)
        desk.act("frmHanoi", "stepback", 0, 0, "");
    EXPECT_EQ(picture(desk), first);
    desk.act("frmHanoi", "set", 0, 0, "2");
    desk.act("frmHanoi", "steps", 0, steps, "");
    const Json again = picture(desk);
    EXPECT_EQ(again["revision"], drawn["revision"]);
    EXPECT_NE(again["ops"], drawn["ops"]);

    LessonDesk fresh;
    fresh.open("frmHanoi");
    fresh.act("frmHanoi", "set", 0, 0, "2");
    fresh.act("frmHanoi", "steps", 0, steps, "");
    EXPECT_EQ(again["ops"], picture(fresh)["ops"]);
}

TEST(LessonDesk, TheDescriptionNamesTheBoxesAndTellsWhichShowSeveralLines)
{
    LessonDesk desk;
    const Json total = desk.open("frmTotal")["description"];
    EXPECT_EQ(total["names"]["Text1(2)"], "a[2]");
    std::set<std::string> names;
    for (const auto& [box, name] : total["names"].items())
        names.insert(name.get<std::string>());
    EXPECT_TRUE(names.count("total") && names.count("i")) << total["names"].dump();
    EXPECT_EQ(total["multiline"], Json::array());

    const Json hanoi = desk.open("frmHanoi")["description"];
    EXPECT_EQ(hanoi["multiline"], Json::array({"Text1(4)"}));
    EXPECT_EQ(hanoi["names"]["Text1(3)"], "呼び出しレベル");

    const Json queen = desk.open("frm8Queen")["description"];
    EXPECT_TRUE(queen["names"].contains("Text2(7)"));
    EXPECT_TRUE(queen["names"].contains("Check3(14)"));
    EXPECT_EQ(queen["multiline"], Json::array({"Label3"}));
}

TEST(LessonDesk, ActionsSayWhatTheScreenReaderIsToldAndNarrateTellsTheState)
{
    LessonDesk desk;
    desk.open("frmTotal");
    Json r = desk.act("frmTotal", "step", 0, 0, "");
    EXPECT_EQ(r["told"], Json({{"event", ""}, {"when", "now"}}));
    r = desk.act("frmTotal", "narrate", 0, 0, r["told"]["event"].get<std::string>());
    const std::string first = r["narration"];
    EXPECT_EQ(first.rfind("2行目 int total=0;", 0), 0u) << first;
    EXPECT_EQ(r["speaking"], Narration::speakingTime(first));
    EXPECT_EQ(desk.act("frmTotal", "back", 0, 0, "")["told"]["event"], "先頭に戻りました");
    EXPECT_FALSE(desk.act("frmTotal", "set", 0, 0, "1").contains("told")); // typing tells nothing

    desk.act("frmTotal", "set", 0, 0, "40000");
    EXPECT_FALSE(desk.act("frmTotal", "step", 0, 0, "").contains("told")) << "refused";
    desk.act("frmTotal", "set", 0, 0, "1");

    r = desk.act("frmTotal", "autorun", 0, 0, "5");
    EXPECT_EQ(r["told"]["event"], "自動実行を開始しました。タイマ間隔 5 ミリ秒");
    EXPECT_EQ(desk.act("frmTotal", "ticks", 0, 3, "")["told"]["when"], "whenFree");
    r = desk.act("frmTotal", "stepback", 0, 0, "");
    EXPECT_EQ(r["told"]["event"], "1つ戻りました。自動実行を停止しました");
}

TEST(LessonDesk, TheCatalogHasEveryMenuLessonAndListing)
{
    const Json catalog = LessonDesk::catalog();
    EXPECT_EQ(catalog["menus"].size(), allMenus().size());
    EXPECT_EQ(catalog["listings"].size(), 5u);
    EXPECT_EQ(catalog["intro"]["start"], "開始");
    EXPECT_EQ(catalog["listingWindow"]["caption"], "Form1");
    std::set<std::string> forms;
    for (const Json& lesson : catalog["lessons"])
        forms.insert(lesson["form"].get<std::string>());
    // The lessons are the registered ones, each opened by a menu button.
    const std::vector<std::string> registered = lesson_registry::forms();
    EXPECT_EQ(forms, std::set<std::string>(registered.begin(), registered.end()));
    std::set<std::string> opened;
    for (const Json& menu : catalog["menus"]) {
        for (const Json& button : menu["buttons"]) {
            const std::string target = button["target"];
            EXPECT_TRUE(target.rfind("listing:", 0) == 0 || forms.count(target) || findMenu(target))
                << target;
            if (forms.count(target))
                opened.insert(target);
            // Every button lies inside its menu's client area.
            EXPECT_GE(button["left"].get<int>(), 0);
            EXPECT_LE(button["left"].get<int>() + button["width"].get<int>(),
                      menu["width"].get<int>());
            EXPECT_LE(button["top"].get<int>() + button["height"].get<int>(),
                      menu["height"].get<int>());
        }
    }
    EXPECT_EQ(opened, forms);
    const Json& main = catalog["menus"][0];
    EXPECT_EQ(main["form"], "frmMain");
    EXPECT_EQ(main["height"], 4350);
    EXPECT_EQ(catalog["listings"][4]["fontSize"], 14);
}

TEST(LessonDesk, TheTraceWindowReadsItsRowsCsvAndCopyFromTheModel)
{
    LessonDesk desk;
    desk.open("frmTotal");
    desk.act("frmTotal", "steps", 0, 3, "");
    desk.act("frmTotal", "set", 1, 0, "7");
    desk.act("frmTotal", "step", 0, 0, "");

    Json trace = desk.act("frmTotal", "trace", 1, 100, "")["trace"];
    EXPECT_EQ(trace["size"], 5); // the load's row and four steps
    EXPECT_EQ(trace["first"], 1);
    ASSERT_EQ(trace["rows"].size(), 4u);
    const Json& headers = trace["headers"];
    EXPECT_EQ(headers[0], "手順");
    const auto column = [&](const char* name) {
        for (size_t c = 0; c < headers.size(); ++c) {
            if (headers[c] == name)
                return c;
        }
        return headers.size();
    };
    const size_t a1 = column("a[1]");
    const size_t total = column("total");
    ASSERT_LT(a1, headers.size());
    ASSERT_LT(total, headers.size());
    EXPECT_EQ(trace["hints"][total], "このステップのあとの total の値");
    const Json& last = trace["rows"][3];
    EXPECT_EQ(last["number"], 5);
    EXPECT_EQ(last["cells"][a1], "7");
    EXPECT_EQ(last["typed"], Json::array({a1}));
    EXPECT_EQ(last["marks"][a1], "入力した値、前の行から変わった値");
    EXPECT_EQ(trace["rows"][0]["section"], false);
    EXPECT_EQ(desk.act("frmTotal", "trace", 0, 1, "")["trace"]["rows"][0]["section"], true);
    EXPECT_EQ(desk.act("frmTotal", "trace", 9, 5, "")["trace"]["rows"], Json::array());

    const Json csv = desk.act("frmTotal", "csv", 0, 0, "2026-12-06")["csv"];
    EXPECT_EQ(csv["fileName"], "配列の値の合計_2026-12-06.csv");
    const std::string text = csv["text"];
    EXPECT_EQ(text.rfind("\xEF\xBB\xBF手順,", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6); // header and five rows, CR LF each
    EXPECT_EQ(desk.act("frmTotal", "csv", 0, 0, "today"),
              Json({{"error", "malformed date: today"}}));

    const std::string tsv = desk.act("frmTotal", "tsv", 3, 2, "")["tsv"];
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 3); // header and two rows
    EXPECT_EQ(tsv.rfind("手順\t", 0), 0u);
}

// What the page shows of a cell and its hint is the desktop table's: one line, the typed
// text or the whole text as the hint, numbers to the right; the row count as a text.
TEST(LessonDesk, TraceCellsAreShownAsTheDesktopTableShowsThem)
{
    LessonDesk desk;
    desk.open("frmTotal");
    desk.act("frmTotal", "set", 1, 0, "7");
    desk.act("frmTotal", "steps", 0, 2, "");
    const Json trace = desk.act("frmTotal", "trace", 0, 3, "")["trace"];
    EXPECT_EQ(trace["rowCount"], "3 行");
    const Json& load = trace["rows"][0];
    EXPECT_EQ(load["cells"][0], "初期状態");
    EXPECT_EQ(load["right"].size(),
              trace["headers"].size() - 5); // not 手順, 実行した文, 条件, メッセージ, 入力した値
    const Json& first = trace["rows"][1];
    const size_t a1 = 6; // 手順 行 実行した文 次の行 条件 a[0] a[1]
    ASSERT_EQ(trace["headers"][a1], "a[1]");
    EXPECT_EQ(first["hints"][a1], trace_texts::typedHint("7"));
    EXPECT_EQ(first["right"][0], 0); // a step's number
    EXPECT_EQ(first["hints"][0], "");
}

// The page's added buttons and the trace window's texts come from the same places as the
// desktop window's.
TEST(LessonDesk, TheDescriptionCarriesTheAddedButtonsAndTheTraceWindowsTexts)
{
    LessonDesk desk;
    const Json d = desk.open("frmTotal")["description"];
    const added_buttons::Places places =
        added_buttons::place(lesson_registry::create("frmTotal")->description());
    const Json& trace = d["added"]["trace"];
    EXPECT_EQ(trace["left"], places.trace->rect.left);
    EXPECT_EQ(trace["top"], places.trace->rect.top);
    EXPECT_EQ(trace["width"], added_buttons::traceWidth);
    EXPECT_EQ(trace["caption"], "トレース表");
    EXPECT_EQ(trace["hint"], window_words::hint(*window_words::shortcutOf("TraceButton")));
    EXPECT_EQ(d["added"]["stepBack"]["caption"], "◀");
    EXPECT_EQ(d["added"]["stepBack"]["width"], places.stepBack->rect.width);
    const Json& w = d["traceWindow"];
    EXPECT_EQ(w["title"], "トレース表 - 配列の値の合計");
    EXPECT_EQ(w["save"]["caption"], trace_texts::saveCaption);
    EXPECT_EQ(w["copy"]["hint"], trace_texts::copyHint);
    EXPECT_EQ(w["legend"]["name"], trace_texts::legendName);
    EXPECT_EQ(w["colours"]["changed"], "#fff3a0");
}

// The page predicts through the same model: the mode, the answer being made, 進む that judges
// it, the question window's description and what it shows, and the judgement told.
TEST(LessonDesk, PredictingAStepThroughThePage)
{
    LessonDesk desk;
    const Json d = desk.open("frmTotal")["description"];
    const Json& added = d["added"]["predict"];
    EXPECT_EQ(added["caption"], "予想");
    EXPECT_EQ(added["hint"], "予想してから進む: 次のステップを予想する窓を開きます (F8)");
    const Json& window = d["questionWindow"];
    EXPECT_EQ(window["caption"], "予想 - 配列の値の合計");
    EXPECT_EQ(window["controls"][1]["caption"], "しない"); // Mode(0), in the frame Modes
    EXPECT_EQ(window["names"]["Answer"], prediction_texts::answerName);
    EXPECT_EQ(window["multiline"], Json::array({"Question", "Verdict"}));

    Json r = desk.act("frmTotal", "view", 0, 0, "");
    EXPECT_EQ(r["view"]["asking"]["question"], prediction_texts::offStatus);
    EXPECT_FALSE(r["view"].contains("prediction"));
    EXPECT_TRUE(desk.act("frmTotal", "predict", 0, 0, "sometimes").contains("error"));
    r = desk.act("frmTotal", "predict", 0, 0, "line");
    EXPECT_EQ(r["view"]["asking"]["asking"], true);
    EXPECT_EQ(r["view"]["asking"]["form"], "line");
    EXPECT_EQ(r["view"]["prediction"], Json({{"mode", "line"}, {"asked", 0}, {"correct", 0}}));

    // 進む without an answer says what is expected and does not step.
    r = desk.act("frmTotal", "advance", 0, 0, "");
    EXPECT_EQ(r["outcome"]["refused"], true);
    EXPECT_EQ(r["view"]["line"], 0);
    EXPECT_FALSE(r.contains("told"));
    r = desk.act("frmTotal", "draft", 0, 0, "２");
    EXPECT_EQ(r["asking"]["answer"], "２");
    EXPECT_EQ(r["asking"]["chosen"], "予想 2行目");
    EXPECT_FALSE(r.contains("view")); // typing an answer repaints only the question window
    r = desk.act("frmTotal", "advance", 0, 0, "");
    EXPECT_EQ(r["view"]["line"], 2);
    EXPECT_EQ(r["view"]["asking"]["verdict"], "○ 正解です（2行目）");
    EXPECT_EQ(r["view"]["asking"]["answer"], ""); // a new question, a new answer
    EXPECT_EQ(r["view"]["asking"]["score"], "予想 1問中 1問正解");
    EXPECT_EQ(r["told"], Json({{"event", ""}, {"when", "now"}}));
    r = desk.act("frmTotal", "narrate", 0, 0, "");
    EXPECT_EQ(r["narration"].get<std::string>().rfind("○ 正解です（2行目）。2行目 int total=0;", 0),
              0u)
        << r["narration"];

    r = desk.act("frmTotal", "dontknow", 0, 0, "");
    EXPECT_EQ(r["view"]["asking"]["verdict"], "— 正解は 3行目");
    desk.act("frmTotal", "predict", 0, 0, "condition");
    r = desk.act("frmTotal", "draft", 0, 0, "False");
    EXPECT_EQ(r["asking"]["truth"], false);
    EXPECT_EQ(r["asking"]["typed"], false);
    r = desk.act("frmTotal", "view", 0, 0, "");
    EXPECT_EQ(r["view"]["condition"], "  i < a.Length"); // hidden until answered
    r = desk.act("frmTotal", "answer", 0, 0, "");
    EXPECT_EQ(r["view"]["asking"]["verdict"], "× 不正解です。正解は True（予想 False）");
    EXPECT_EQ(r["view"]["prediction"]["asked"], 3);
    EXPECT_EQ(r["view"]["prediction"]["correct"], 1);
    // The trace's columns, in the window's rows too.
    r = desk.act("frmTotal", "trace", 0, 10, "");
    EXPECT_EQ(r["trace"]["headers"][5], "予想");
    EXPECT_EQ(r["trace"]["rows"][3]["cells"][5], "条件 False");
    EXPECT_EQ(r["trace"]["rows"][3]["cells"][6], "×");
}

} // namespace
