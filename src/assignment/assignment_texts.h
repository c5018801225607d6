#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The words of assignments, results and the kept work, the same in the desktop program, the
// browser page (which receives them from the engine) and lesson-console: the commands and
// windows, the questions asked, and every message about a file or link that cannot be used,
// each naming what is wrong.
namespace assignment_texts
{

// The commands, as menus and buttons show them.
inline constexpr std::string_view saveAssignment = "課題として保存…";
inline constexpr std::string_view openAssignment = "課題を開く…";
inline constexpr std::string_view saveResult = "結果を保存…";
inline constexpr std::string_view summarize = "結果を集計…";
inline constexpr std::string_view saveAssignmentHint =
    "この窓の今の状態を課題として保存します (Ctrl+Shift+S)";
inline constexpr std::string_view openAssignmentHint = "課題のファイルを開きます (Ctrl+O)";
inline constexpr std::string_view saveResultHint = "提出する結果のファイルを保存します (Ctrl+S)";
inline constexpr std::string_view summarizeHint = "生徒の結果ファイルを集計します (Ctrl+Shift+O)";

// The file kinds, with their name endings.
inline constexpr std::string_view assignmentEnding = ".trevisk";
inline constexpr std::string_view resultEnding = ".trevisk-result";
inline constexpr std::string_view assignmentFilter =
    "Trevisk の課題 (*.trevisk);;すべてのファイル (*)";
inline constexpr std::string_view resultFilter =
    "Trevisk の結果 (*.trevisk-result);;すべてのファイル (*)";
inline constexpr std::string_view csvFilter = "CSV ファイル (*.csv);;すべてのファイル (*)";

// Making an assignment: the dialog's words.
inline constexpr std::string_view makeTitle = "課題として保存";
inline constexpr std::string_view titleCaption = "題名";
inline constexpr std::string_view instructionsCaption = "生徒への説明（文字のまま表示されます）";
inline constexpr std::string_view allowAutoRun = "自動実行を使えるようにする";
inline constexpr std::string_view allowStepBack = "1つ戻るを使えるようにする";
inline constexpr std::string_view saveFile = "ファイルに保存…";
inline constexpr std::string_view makeLink = "リンクを作る";
inline constexpr std::string_view cancel = "キャンセル";
inline constexpr std::string_view close = "閉じる";
inline constexpr std::string_view linkCaption =
    "課題のリンク（開くとこの課題が始まります。どこにも送信されません）";
inline constexpr std::string_view copyLink = "リンクをコピー";
inline constexpr std::string_view qrName = "課題のリンクの QR コード";
inline constexpr std::string_view qrTooLong =
    "リンクが長すぎて QR コードにできません。説明を短くするか、ファイルで配ってください。";
// "<mode>で予想", "自動実行なし", ...: what the assignment sets, on one line.
std::string settings(std::string_view mode, bool autoRun, bool stepBack);

// The instructions window beside the lesson.
inline constexpr std::string_view instructionsPrefix = "課題 - ";
inline constexpr std::string_view instructionsName = "課題の説明";

// Handing in.
inline constexpr std::string_view nameTitle = "結果を保存";
inline constexpr std::string_view nameCaption = "名前（出席番号と氏名など）";
inline constexpr std::string_view noName = "名前を入力してください。";
inline constexpr std::string_view notAssignment =
    "この窓は課題から開かれていないため、結果を保存できません。";
std::string resultFileName(std::string_view title, std::string_view name);
std::string assignmentFileName(std::string_view title);

// Kept work, offered back.
inline constexpr std::string_view resumeTitle = "前回の続きから";
inline constexpr std::string_view resume = "前回の続きから";
inline constexpr std::string_view startOver = "最初から";
// "「<title>」には前回の作業が残っています（12 手、5 問回答、最後は 2024-05-01 10:23）。"
std::string resumeQuestion(std::string_view title, size_t actions, size_t answers,
                           std::string_view last);
inline constexpr std::string_view later = "あとで";
inline constexpr std::string_view keptLocked =
    "この課題は別の Trevisk で開かれています。そちらの窓で続けてください。";
inline constexpr std::string_view keptUnwritable =
    "作業を記録するファイルを作れないため、この課題を開けません。";
inline constexpr std::string_view keptTail =
    "作業の記録の最後の行は書きかけだったため、その1手は戻せませんでした。";
std::string keptDamaged(size_t line);

// The teacher's summary (集計).
inline constexpr std::string_view summaryPrefix = "結果の集計 - ";
inline constexpr std::string_view summaryEmpty = "結果の集計";
inline constexpr std::string_view addResults = "結果ファイルを追加…";
inline constexpr std::string_view saveCsv = "CSV形式で保存...";
inline constexpr std::string_view dropHint = "結果ファイルをこの窓にドロップしても追加できます。";
inline constexpr std::string_view studentsCaption = "生徒ごと";
inline constexpr std::string_view questionsCaption = "質問ごと（最初の答え）";
inline constexpr std::string_view rejectedCaption = "集計しなかったファイル";
inline constexpr std::string_view studentHeaders[] = {"名前",       "正解",     "質問",    "正答率",
                                                      "回答の記録", "所要時間", "ファイル"};
inline constexpr std::string_view questionHeaders[] = {
    "手順", "種類", "質問", "回答した人数", "最初の答えで正解", "正答率"};
inline constexpr std::string_view assignmentCaption = "課題";
inline constexpr std::string_view rejectedHeaders[] = {"ファイル", "理由"};
std::string kindName(std::string_view kind);  // "line" → "次の行"
std::string percent(int part, int whole);     // "75%", "—" for nothing asked
std::string duration(long long milliseconds); // "12分05秒"
inline constexpr std::string_view assignmentSaveFailed = "課題を保存できませんでした。";
inline constexpr std::string_view resultSaveFailed = "結果を保存できませんでした。";
inline constexpr std::string_view saveCsvFailed = "集計を保存できませんでした。";
std::string summaryFileName(std::string_view title, int year, int month, int day);

// Why a result file is not counted.
std::string otherAssignment(std::string_view title);
inline constexpr std::string_view digestDiffers =
    "課題の内容がダイジェストと一致しません（ファイルが書き換えられています）。";
std::string scoreDisagrees(int asked, int correct, int countedAsked, int countedCorrect);
std::string judgementDisagrees(size_t attempt);
inline constexpr std::string_view sameFile = "同じファイルがすでに集計されています。";

// A file or link that cannot be used: `what` names it ("課題ファイル", "結果ファイル",
// "作業の記録", "課題のリンク").
inline constexpr std::string_view assignmentFile = "課題ファイル";
inline constexpr std::string_view resultFile = "結果ファイル";
inline constexpr std::string_view keptWork = "作業の記録";
inline constexpr std::string_view assignmentLink = "課題のリンク";
std::string tooLarge(std::string_view what, size_t size, size_t limit);
std::string empty(std::string_view what);
std::string notUtf8(std::string_view what, size_t byte);
std::string nulByte(std::string_view what, size_t byte);
std::string tooDeep(std::string_view what, int limit);
std::string notJson(std::string_view what, size_t byte);
std::string notObject(std::string_view what);
std::string wrongFormat(std::string_view what, std::string_view expected);
std::string unknownVersion(std::string_view what, long long version, int known);
std::string missing(std::string_view what, std::string_view field);
std::string wrongType(std::string_view what, std::string_view field, std::string_view type);
std::string unknownField(std::string_view what, std::string_view field);
std::string tooLong(std::string_view what, std::string_view field, size_t length, size_t limit);
std::string tooMany(std::string_view what, std::string_view field, size_t count, size_t limit);
std::string wrongCount(std::string_view what, std::string_view field, size_t count, size_t wanted);
std::string badValue(std::string_view what, std::string_view field, std::string_view value);
std::string notLink(std::string_view text);
std::string unknownLesson(std::string_view form);
std::string noSuchBox(std::string_view name, size_t index);
inline constexpr std::string_view noOptions = "このレッスンには Option1、Option2 がありません。";
std::string refusedStart(std::string_view message);
std::string cannotRead(std::string_view what, std::string_view path, std::string_view reason);
std::string cannotWrite(std::string_view first, std::string_view path, std::string_view reason);

// The types named in wrongType.
inline constexpr std::string_view typeString = "文字列";
inline constexpr std::string_view typeInteger = "整数";
inline constexpr std::string_view typeBoolean = "true か false";
inline constexpr std::string_view typeArray = "配列";
inline constexpr std::string_view typeObject = "オブジェクト";
inline constexpr std::string_view typeNumber = "数";

} // namespace assignment_texts
