#pragma once

#include <array>
#include <string>
#include <string_view>

// The lesson window's own words, the same in the desktop window and in the browser page
// (which receives them from the engine): the names and descriptions screen readers give
// the controls beyond the lesson's values, and the keys of the buttons with their hints.
namespace window_words
{

// What an assignment that forbids them answers to 自動実行 and to one step back.
inline constexpr std::string_view autoRunForbidden = "この課題では自動実行は使えません。";
inline constexpr std::string_view stepBackForbidden = "この課題では1つ戻ることはできません。";

// The caption of the lessons' message boxes.
inline constexpr std::string_view messageCaption = "Project1";

// Accessible names.
inline constexpr std::string_view stepBackName = "1つ戻る";
inline constexpr std::string_view timerName = "タイマ間隔";
inline constexpr std::string_view listName = "一覧 listBox1";
inline constexpr std::string_view pictureName = "盤の図";
// What names a label while it shows nothing, instead of its frame's title.
inline constexpr std::string_view emptyLabel = "空";
inline constexpr std::string_view emptyLine = "空行";
inline constexpr std::string_view emptyCondition = "条件なし";
inline constexpr std::string_view emptyNote = "説明なし";
// What the note and the condition are, told after what they show.
inline constexpr std::string_view noteDescription = "説明";
inline constexpr std::string_view conditionDescription = "条件";

// A listing line as a screen reader describes it: "3行目", and for the one that runs next
// "3行目、次に実行する行". Exactly one line of a listing is the current one.
std::string lineDescription(int line, bool current);

// A key as the page's keyboard events name it ("ArrowRight", "F10", "z"), with Ctrl or not.
struct Key {
    std::string_view name;
    bool ctrl = false;
};

// A button of the lesson window with its keys: what it does and its keys as its hint shows
// them, the keys themselves, and those of them that a value box with the focus keeps for
// its own editing (the arrows, Home, Ctrl+Z).
struct Shortcut {
    std::string_view button;
    std::string_view what;
    std::string_view shown;
    std::array<Key, 2> keys;
    std::array<std::string_view, 2> editing;
};

inline constexpr std::array<Shortcut, 8> shortcuts{{
    {"Command1", "1行進めます", "→ / F10", {{{"ArrowRight"}, {"F10"}}}, {"ArrowRight"}},
    {"StepBack",
     "1つ前の状態に戻ります",
     "← / Ctrl+Z",
     {{{"ArrowLeft"}, {"z", true}}},
     {"ArrowLeft", "z"}},
    {"Command2", "先頭の行に戻ります", "Home", {{{"Home"}}}, {"Home"}},
    {"Command3", "タイマ間隔ごとに自動で進めます", "F5", {{{"F5"}}}, {}},
    {"Command4", "自動実行を止めます", "Esc", {{{"Escape"}}}, {}},
    {"Command5", "配列に新しい乱数を設定します", "F6", {{{"F6"}}}, {}},
    {"TraceButton", "トレース表: ステップごとの値の表を開きます", "F7", {{{"F7"}}}, {}},
    {"PredictButton", "予想してから進む: 次のステップを予想する窓を開きます", "F8", {{{"F8"}}}, {}},
}};

// "1行進めます (→ / F10)": a button's tooltip.
std::string hint(const Shortcut& shortcut);
// "ArrowRight F10", "ArrowLeft Control+Z": the keys as aria-keyshortcuts lists them.
std::string keyList(const Shortcut& shortcut);
// The shortcut of `button`, or nullptr.
const Shortcut* shortcutOf(std::string_view button);

} // namespace window_words
