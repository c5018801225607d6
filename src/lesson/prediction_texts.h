#pragma once

#include "prediction.h"

#include <string>
#include <string_view>

// The words of the prediction mode, the same in the desktop window, the browser page (which
// receives them from the engine), the narration and lesson-console: the modes, the
// questions, the judgements, the score, the question window's captions, names and hints,
// and what an answer that cannot be read is told.
namespace prediction_texts
{

using prediction::Form;
using prediction::Judgement;
using prediction::Kind;
using prediction::Mode;

// The button in the lesson window that opens the question window (its captions are
// added_buttons', its key and hint window_words').
inline constexpr std::string_view buttonName = "予想してから進む";

inline constexpr std::string_view titlePrefix = "予想 - ";
inline std::string title(std::string_view caption)
{
    return std::string(titlePrefix).append(caption);
}

std::string_view modeCaption(Mode mode);
// What a screen reader is told when the mode is chosen: "予想のしかた 次の行".
std::string modeChosen(Mode mode);
inline constexpr std::string_view modesCaption = "予想のしかた";
inline constexpr std::string_view questionCaption = "質問";
inline constexpr std::string_view answerCaption = "答え";
inline constexpr std::string_view answerName = "予想の答え";
inline constexpr std::string_view answerHint =
    "予想した値、または行番号を入力します (Enter で答えて進みます)";
inline constexpr std::string_view trueCaption = "True";
inline constexpr std::string_view falseCaption = "False";
inline constexpr std::string_view trueHint = "True と予想します (T)";
inline constexpr std::string_view falseHint = "False と予想します (F)";
inline constexpr std::string_view judgeCaption = "答えて進む";
inline constexpr std::string_view judgeHint = "予想を判定して1行進めます (Enter / → / F10)";
inline constexpr std::string_view dontKnowCaption = "わからない";
inline constexpr std::string_view dontKnowHint = "正解を見て1行進めます。正解には数えません";
inline constexpr std::string_view judgementName = "判定";
inline constexpr std::string_view scoreName = "得点";

// What the window says while no question waits.
inline constexpr std::string_view offStatus =
    "予想のしかたを選ぶと、「進む」の前に次のステップを予想する質問が出ます。";
inline constexpr std::string_view autoRunStatus = "自動実行のあいだは予想しません。";
inline constexpr std::string_view noQuestionStatus =
    "このステップで予想することはありません。「進む」でそのまま進みます。";

// "3行目を実行したあと、次に実行するのは何行目ですか。", "条件 i < a.Length は True ですか、
// False ですか。", "3行目を実行したあと、total の値はいくつになりますか。".
std::string lineQuestion(int line);
std::string conditionQuestion(std::string_view condition);
std::string valueQuestion(int line, std::string_view name, Form form);

// An answer as the window and the narration show it: "5行目", "True", "12", "「A」".
std::string shownAnswer(Form form, std::string_view answer);
// "○ 正解です（5行目）", "× 不正解です。正解は 5行目（予想 3行目）", "— 正解は 5行目".
std::string judgementText(Judgement judgement, Form form, std::string_view expected,
                          std::string_view given);
std::string judgementText(const prediction::Attempt& attempt);
// The chosen answer, for the window and the narration: "予想 5行目".
std::string chosenText(Form form, std::string_view draft);
// "予想 12問中 9問正解".
std::string scoreText(int asked, int correct);
// What the narration says of a question waiting: "質問 " and its text.
std::string toldQuestion(std::string_view question);

// The trace table's columns: the answer given ("次の行 5", "条件 True", "total=12",
// "わからない") and its judgement (○, ×, —).
inline constexpr std::string_view predictionHeader = "予想";
inline constexpr std::string_view judgementHeader = "正誤";
inline constexpr std::string_view predictionHeaderHint = "このステップの前に予想した答え";
inline constexpr std::string_view judgementHeaderHint =
    "予想の正誤（○ 正解、× 不正解、— わからない）";
std::string traceCell(Kind kind, std::string_view name, std::string_view given,
                      Judgement judgement);
std::string_view judgementMark(Judgement judgement);

// An answer that is not judged: what was expected instead. `typed` is quoted shortened.
std::string noAnswer(Form form);
std::string notALine(std::string_view typed, int lines);
std::string noSuchLine(long long line, int lines);
std::string notATruth(std::string_view typed);
std::string notANumber(std::string_view typed, Width width);
std::string outOfRange(std::string_view typed, Width width);

} // namespace prediction_texts
