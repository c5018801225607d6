#include "assignment_texts.h"

#include "lesson/prediction.h"
#include "lesson/prediction_texts.h"
#include "lesson/trace_export.h"
#include "lesson/typed_text.h"

#include <cstdio>

namespace assignment_texts
{
namespace
{

std::string quoted(std::string_view text)
{
    return "「" + typed_text::shortened(text) + "」";
}

std::string number(size_t n)
{
    return std::to_string(n);
}

} // namespace

std::string settings(std::string_view mode, bool autoRun, bool stepBack)
{
    std::string out = "予想: ";
    const std::optional<prediction::Mode> m = prediction::modeNamed(mode);
    out += m ? std::string(prediction_texts::modeCaption(*m)) : std::string(mode);
    out += autoRun ? "、自動実行あり" : "、自動実行なし";
    out += stepBack ? "、1つ戻るあり" : "、1つ戻るなし";
    return out;
}

std::string resultFileName(std::string_view title, std::string_view name)
{
    // (the trace's file name rule: what a file system refuses becomes "_")
    return trace_export::safeName(std::string(title) + "_" + std::string(name), "result") +
           std::string(resultEnding);
}

std::string assignmentFileName(std::string_view title)
{
    return trace_export::safeName(title, "assignment") + std::string(assignmentEnding);
}

std::string summaryFileName(std::string_view title, int year, int month, int day)
{
    return trace_export::fileName(std::string("集計_").append(title), year, month, day);
}

std::string resumeQuestion(std::string_view title, size_t actions, size_t answers,
                           std::string_view last)
{
    return quoted(title) + "には前回の作業が残っています（" + number(actions) + " 手、" +
           number(answers) + " 問回答、最後は " + std::string(last) +
           "）。\n前回の続きから始めますか。「最初から」を選ぶと前回の作業は消えます。";
}

std::string keptDamaged(size_t line)
{
    return "作業の記録の " + number(line) + " 行目が壊れていたため、その前までを戻しました。";
}

std::string kindName(std::string_view kind)
{
    if (kind == "line")
        return std::string(prediction_texts::modeCaption(prediction::Mode::Line));
    if (kind == "condition")
        return std::string(prediction_texts::modeCaption(prediction::Mode::Condition));
    if (kind == "value")
        return std::string(prediction_texts::modeCaption(prediction::Mode::Value));
    return std::string(kind);
}

std::string percent(int part, int whole)
{
    if (whole <= 0)
        return "—";
    return std::to_string((part * 100 + whole / 2) / whole) + "%";
}

std::string duration(long long milliseconds)
{
    if (milliseconds < 0)
        return "—";
    const long long seconds = milliseconds / 1000;
    char text[48];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld時間%02lld分%02lld秒", seconds / 3600,
                      seconds / 60 % 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%lld分%02lld秒", seconds / 60, seconds % 60);
    return text;
}

std::string otherAssignment(std::string_view title)
{
    return "別の課題（" + quoted(title) + "）の結果です。";
}

std::string scoreDisagrees(int asked, int correct, int countedAsked, int countedCorrect)
{
    return "ファイルの得点（" + std::to_string(asked) + "問中 " + std::to_string(correct) +
           "問正解）が回答の記録から数えた得点（" + std::to_string(countedAsked) + "問中 " +
           std::to_string(countedCorrect) + "問正解）と一致しません。";
}

std::string judgementDisagrees(size_t attempt)
{
    return number(attempt) + " 番目の回答の判定が、その答えと正解に合いません。";
}

std::string tooLarge(std::string_view what, size_t size, size_t limit)
{
    return std::string(what) + "が大きすぎます（" + number(size) + " バイト、上限 " +
           number(limit) + " バイト）。";
}

std::string empty(std::string_view what)
{
    return std::string(what) + "が空です。";
}

std::string notUtf8(std::string_view what, size_t byte)
{
    return std::string(what) + "の " + number(byte) + " バイト目が UTF-8 の文字として読めません。";
}

std::string nulByte(std::string_view what, size_t byte)
{
    return std::string(what) + "の " + number(byte) + " バイト目に NUL 文字があります。";
}

std::string tooDeep(std::string_view what, int limit)
{
    return std::string(what) + "の入れ子が深すぎます（上限 " + std::to_string(limit) + " 段）。";
}

std::string notJson(std::string_view what, size_t byte)
{
    return std::string(what) + "が JSON として読めません（" + number(byte) +
           " バイト目）。壊れているか、途中で切れています。";
}

std::string notObject(std::string_view what)
{
    return std::string(what) + "の中身が JSON のオブジェクトではありません。";
}

std::string wrongFormat(std::string_view what, std::string_view expected)
{
    return "これは" + std::string(what) + "ではありません（「format」が「" + std::string(expected) +
           "」ではありません）。";
}

std::string unknownVersion(std::string_view what, long long version, int known)
{
    return std::string(what) + "の形式のバージョン " + std::to_string(version) +
           " はこの Trevisk では読めません（読めるのはバージョン " + std::to_string(known) +
           " まで）。新しい Trevisk で開いてください。";
}

std::string missing(std::string_view what, std::string_view field)
{
    return std::string(what) + "に「" + std::string(field) + "」がありません。";
}

std::string wrongType(std::string_view what, std::string_view field, std::string_view type)
{
    return std::string(what) + "の「" + std::string(field) + "」は" + std::string(type) +
           "でなければなりません。";
}

std::string unknownField(std::string_view what, std::string_view field)
{
    return std::string(what) + "に知らない項目" + quoted(field) + "があります。";
}

std::string tooLong(std::string_view what, std::string_view field, size_t length, size_t limit)
{
    return std::string(what) + "の「" + std::string(field) + "」が長すぎます（" + number(length) +
           " 文字、上限 " + number(limit) + " 文字）。";
}

std::string tooMany(std::string_view what, std::string_view field, size_t count, size_t limit)
{
    return std::string(what) + "の「" + std::string(field) + "」の要素が多すぎます（" +
           number(count) + " 個、上限 " + number(limit) + " 個）。";
}

std::string wrongCount(std::string_view what, std::string_view field, size_t count, size_t wanted)
{
    return std::string(what) + "の「" + std::string(field) + "」の要素の数が違います（" +
           number(count) + " 個、" + number(wanted) + " 個のはずです）。";
}

std::string badValue(std::string_view what, std::string_view field, std::string_view value)
{
    return std::string(what) + "の「" + std::string(field) + "」の値" + quoted(value) +
           "は使えません。";
}

std::string notLink(std::string_view text)
{
    return quoted(text) + "は課題のリンクではありません（「#assignment=」の部分がありません）。";
}

std::string unknownLesson(std::string_view form)
{
    return "課題のレッスン" + quoted(form) + "はこの Trevisk にありません。";
}

std::string noSuchBox(std::string_view name, size_t index)
{
    return "課題が指定した " + std::string(name) + "(" + number(index) +
           ") はこのレッスンにありません。";
}

std::string refusedStart(std::string_view message)
{
    return "課題の初期値ではレッスンを始められません: " + std::string(message);
}

std::string cannotRead(std::string_view what, std::string_view path, std::string_view reason)
{
    return std::string(what) + "を読めませんでした。\n" + std::string(path) + "\n（" +
           std::string(reason) + "）";
}

std::string cannotWrite(std::string_view first, std::string_view path, std::string_view reason)
{
    return std::string(first) + "\n" + std::string(path) + "\n（" + std::string(reason) + "）";
}

} // namespace assignment_texts
