// What a screen reader is told after an action: the line, its note, the condition and the
// values that changed since the last time, in one text.
#include "lesson/narration.h"
#include "support/lesson_driver.h"

namespace
{

// The narration of a lesson with every named box of Text1, named as the model names it.
Narration narrate(LessonDriver& lesson)
{
    std::vector<Narration::Value> values;
    for (size_t k = 0; k < lesson.panel().text1.size(); ++k) {
        const BoxRef box{BoxGroup::Text1, static_cast<int>(k)};
        const std::string name = lesson.model().boxName(box);
        if (lesson.panel().text1[k].exists && !name.empty())
            values.push_back({box, name});
    }
    return Narration(lesson.model(), std::move(values));
}

TEST(Narration, TextsAreReadAsOneLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\r\n  最初 i=0 として i< aの配列サイズのあいだ，\r\n  次を繰り返します。",
         "最初 i=0 として i< aの配列サイズのあいだ， 次を繰り返します。"},
        {"\u3000\u3000data[j] = x;\u3000", "data[j] = x;"},
        {"  i < a.Length : True", "i < a.Length : True"},
        {" \r\n ", ""},
        {"", ""},
    };
    for (const auto& [text, line] : cases)
        EXPECT_EQ(Narration::oneLine(text), line) << text;
    EXPECT_EQ(Narration::lineName(3, "     for(int i=0;i<a.Length;i++)"),
              "3行目 for(int i=0;i<a.Length;i++)");
    EXPECT_EQ(Narration::lineName(7, ""), "7行目 空行");
}

TEST(Narration, TellsTheLineTheNoteTheConditionAndWhatChanged)
{
    LessonDriver lesson("frmTotal");
    Narration narration = narrate(lesson);
    EXPECT_EQ(narration.tell(""), "0行目 private int 合計(int[] a)。関数の宣言です。");
    lesson.step(2);
    EXPECT_EQ(narration.tell(""), "3行目 for(int i=0;i<a.Length;i++)。"
                                  "最初 i=0 として i< aの配列サイズのあいだ， 次を繰り返します。"
                                  "条件 i < a.Length : True。");
    lesson.step(2);
    EXPECT_EQ(narration.tell(""), "3行目 for(int i=0;i<a.Length;i++)。"
                                  "最初 i=0 として i< aの配列サイズのあいだ， 次を繰り返します。"
                                  "条件 i < a.Length : True。total は 13、i は 1。");
    // Told once: the same state again names no value.
    EXPECT_EQ(narration.tell("自動実行を停止しました"),
              "自動実行を停止しました。3行目 for(int i=0;i<a.Length;i++)。"
              "最初 i=0 として i< aの配列サイズのあいだ， 次を繰り返します。"
              "条件 i < a.Length : True。");
    // An edit is a change too: the emptied a[0] is read as 0 by the step; a box emptied
    // since is said to be empty.
    lesson.set(0, "");
    lesson.step();
    EXPECT_EQ(narration.tell(""), "4行目 total += a[i];。totalに a[i] を加算します。a[0] は 0。");
    lesson.set(1, "");
    EXPECT_NE(narration.tell("").find("a[1] は 空。"), std::string::npos);
    // What was heard before is not told.
    lesson.step();
    narration.hearAll();
    EXPECT_EQ(narration.tell("").find(" は "), std::string::npos);
}

TEST(Narration, ManyChangesAreCounted)
{
    LessonDriver lesson("frmSortBuble");
    Narration narration = narrate(lesson);
    size_t named = 0;
    for (size_t k = 0; k < lesson.panel().text1.size(); ++k) {
        if (lesson.panel().text1[k].exists &&
            !lesson.model().boxName({BoxGroup::Text1, static_cast<int>(k)}).empty()) {
            lesson.set(static_cast<int>(k), "-" + std::to_string(k + 1));
            ++named;
        }
    }
    ASSERT_GT(named, Narration::namedChanges);
    const std::string told = narration.tell("");
    EXPECT_NE(told.find("、ほか " + std::to_string(named - Narration::namedChanges) +
                        " 個の値が変わりました。"),
              std::string::npos)
        << told;
}

TEST(Narration, TellsWhatTheMoveListGained)
{
    LessonDriver lesson("frmHanoi");
    Narration narration = narrate(lesson);
    lesson.stepTo(15);
    narration.tell("");
    lesson.step();
    EXPECT_NE(narration.tell("").find("一覧に追加 第1盤を1軸から3軸に移動。"), std::string::npos);
    EXPECT_EQ(narration.tell("").find("一覧"), std::string::npos);
    lesson.back();
    EXPECT_NE(narration.tell("").find("一覧を消去しました。"), std::string::npos);
}

} // namespace

namespace
{

TEST(Narration, NamesEveryValueByItsVariableOrElseItsCaption)
{
    LessonDriver total("frmTotal");
    std::vector<std::string> names;
    for (const Narration::Value& value : Narration::namedValues(total.model()))
        names.push_back(value.name);
    EXPECT_EQ(names.front(), "a[0]");
    EXPECT_NE(std::find(names.begin(), names.end(), "total"), names.end());

    // The call level of the recursive factorial is bound to no variable: its caption names it.
    LessonDriver fact("frmFact");
    const auto values = Narration::namedValues(fact.model());
    const auto level = std::find_if(values.begin(), values.end(), [](const Narration::Value& v) {
        return v.box.group == BoxGroup::Text1 && v.box.index == 2;
    });
    ASSERT_NE(level, values.end());
    const Control* box = fact.model().description().find("Text1", 2);
    EXPECT_EQ(level->name, fact.model().description().captionLeftOf(*box));
    EXPECT_FALSE(level->name.empty());
}

TEST(Narration, ActionsAreToldInTheirOwnWordsAndTakeTimeToSpeak)
{
    using A = Narration::Action;
    EXPECT_EQ(Narration::actionText(A::BackToStart, "", 0), "先頭に戻りました");
    EXPECT_EQ(Narration::actionText(A::Option, "Pop", 0), "Pop を選びました");
    EXPECT_EQ(Narration::actionText(A::AutoRun, "", 250),
              "自動実行を開始しました。タイマ間隔 250 ミリ秒");
    EXPECT_EQ(Narration::actionText(A::Step, "", 0), "");
    EXPECT_EQ(Narration::speakingTime(""), 800);                      // the shortest
    EXPECT_EQ(Narration::speakingTime("あいうえおかきくけこ"), 1100); // characters, not bytes
    EXPECT_EQ(Narration::speakingTime(std::string(500, 'x')), 8000);  // the longest
}

} // namespace
