#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The trace window's own texts and colours, the same in the desktop window and the browser
// page (which receives them from the engine): its title, the legend, the row count, the
// buttons and their hints, and the messages it shows.
namespace trace_texts
{

// The button in the lesson window that opens it (its key and hint: window_words).
inline constexpr std::string_view buttonName = "トレース表";

inline constexpr std::string_view titlePrefix = "トレース表 - ";
inline std::string title(std::string_view caption)
{
    return std::string(titlePrefix).append(caption);
}

// The table, as a screen reader names and describes it.
inline constexpr std::string_view tableName = "トレース表";
inline constexpr std::string_view tableDescription =
    "1行が1ステップです。列は手順、行、実行した文、次の行、条件、変数の値、"
    "メッセージ、入力した値です。";

// The legend: a swatch of each mark with its word, and what a screen reader hears of it.
inline constexpr std::string_view legendChanged = "変わった値";
inline constexpr std::string_view legendTyped = "入力した値";
inline constexpr std::string_view legendSection = "区切り";
inline constexpr std::string_view legendName =
    "凡例: 黄色の太字は変わった値、青の斜体は入力した値、灰色は区切り";

// "65115 行".
inline std::string rowCount(size_t rows)
{
    return std::to_string(rows) + " 行";
}

inline constexpr std::string_view saveCaption = "CSV形式で保存...";
inline constexpr std::string_view saveHint = "表をCSVファイルに保存します (Ctrl+S)";
inline constexpr std::string_view copyCaption = "選択した行をコピー";
inline constexpr std::string_view copyHint = "選択した行をタブ区切りでコピーします (Ctrl+C)";
inline constexpr std::string_view closeCaption = "閉じる";

inline constexpr std::string_view saveDialogTitle = "トレース表をCSV形式で保存";
inline constexpr std::string_view saveFilter = "CSV ファイル (*.csv);;すべてのファイル (*)";
// A file that could not be written: the first line, then the path and the reason, each on a
// line of its own (the reason in full-width parentheses).
inline constexpr std::string_view saveFailed = "トレース表を保存できませんでした。";
// The rows could not be put on the clipboard (a browser that refuses it).
inline constexpr std::string_view copyFailed =
    "選択した行をクリップボードにコピーできませんでした。";

// A cell's hints: a value the student typed before the step, a value the step changed.
inline std::string typedHint(std::string_view typed)
{
    return "入力した値: 「" + std::string(typed) + "」（このステップの前に入力されました）";
}
inline constexpr std::string_view changedHint = "前の行から変わった値";

// The marks' colours: a changed value, a typed value, a section's first row.
struct Rgb {
    int red, green, blue;
};
inline constexpr Rgb changedColour{255, 243, 160};
inline constexpr Rgb typedColour{196, 226, 255};
inline constexpr Rgb sectionColour{226, 226, 226};
// What the dropped-rows note is written in.
inline constexpr Rgb droppedColour{0x8a, 0x2a, 0x00};

} // namespace trace_texts
