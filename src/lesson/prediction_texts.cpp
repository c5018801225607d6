#include "prediction_texts.h"

#include "typed_text.h"

namespace prediction_texts
{
namespace
{

// A typed text as a message quotes it: shortened when it is long.
std::string quoted(std::string_view typed)
{
    return "「" + typed_text::shortened(typed) + "」";
}

std::string lastLine(int lines)
{
    return std::to_string(lines > 0 ? lines - 1 : 0);
}

} // namespace

std::string_view modeCaption(Mode mode)
{
    switch (mode) {
    case Mode::Off: return "しない";
    case Mode::Line: return "次の行";
    case Mode::Condition: return "条件";
    case Mode::Value: return "値";
    case Mode::Auto: return "おまかせ";
    }
    return {};
}

std::string modeChosen(Mode mode)
{
    return std::string(modesCaption) + " " + std::string(modeCaption(mode));
}

std::string lineQuestion(int line)
{
    return std::to_string(line) + "行目を実行したあと、次に実行するのは何行目ですか。";
}

std::string conditionQuestion(std::string_view condition)
{
    return "条件 " + std::string(condition) + " は True ですか、False ですか。";
}

std::string valueQuestion(int line, std::string_view name, Form form)
{
    const std::string after = std::to_string(line) + "行目を実行したあと、" + std::string(name);
    switch (form) {
    case Form::Truth: return after + " は True ですか、False ですか。";
    case Form::Text: return after + " の値は何になりますか。";
    case Form::Line:
    case Form::Number: break;
    }
    return after + " の値はいくつになりますか。";
}

std::string shownAnswer(Form form, std::string_view answer)
{
    switch (form) {
    case Form::Line: return std::string(answer) + "行目";
    case Form::Text: return quoted(answer);
    case Form::Truth:
    case Form::Number: break;
    }
    return std::string(answer);
}

std::string judgementText(Judgement judgement, Form form, std::string_view expected,
                          std::string_view given)
{
    const std::string right = shownAnswer(form, expected);
    switch (judgement) {
    case Judgement::Correct: return "○ 正解です（" + right + "）";
    case Judgement::Wrong:
        return "× 不正解です。正解は " + right + "（予想 " + shownAnswer(form, given) + "）";
    case Judgement::DontKnow: break;
    }
    return "— 正解は " + right;
}

std::string judgementText(const prediction::Attempt& attempt)
{
    return judgementText(attempt.judgement, attempt.form, attempt.expected, attempt.given);
}

std::string chosenText(Form form, std::string_view draft)
{
    return "予想 " + shownAnswer(form, draft);
}

std::string scoreText(int asked, int correct)
{
    return "予想 " + std::to_string(asked) + "問中 " + std::to_string(correct) + "問正解";
}

std::string toldQuestion(std::string_view question)
{
    return "質問 " + std::string(question);
}

std::string traceCell(Kind kind, std::string_view name, std::string_view given, Judgement judgement)
{
    if (judgement == Judgement::DontKnow)
        return "わからない";
    switch (kind) {
    case Kind::Line: return "次の行 " + std::string(given);
    case Kind::Condition: return "条件 " + std::string(given);
    case Kind::Value: break;
    }
    return std::string(name) + "=" + std::string(given);
}

std::string_view judgementMark(Judgement judgement)
{
    switch (judgement) {
    case Judgement::Correct: return "○";
    case Judgement::Wrong: return "×";
    case Judgement::DontKnow: break;
    }
    return "—";
}

std::string noAnswer(Form form)
{
    const std::string_view unknown = "わからないときは「わからない」を押してください。";
    switch (form) {
    case Form::Line:
        return "次に実行する行を選んでから進んでください（ソースプログラムの行をクリックするか、"
               "行番号を入力します）。" +
               std::string(unknown);
    case Form::Truth: return "True か False を選んでから進んでください。" + std::string(unknown);
    case Form::Number:
    case Form::Text: break;
    }
    return "予想した値を入力してから進んでください。" + std::string(unknown);
}

std::string notALine(std::string_view typed, int lines)
{
    return quoted(typed) + "は行番号ではありません。0～" + lastLine(lines) +
           " の行番号で答えてください。";
}

std::string noSuchLine(long long line, int lines)
{
    return std::to_string(line) + "行目はありません。0～" + lastLine(lines) +
           " の行番号で答えてください。";
}

std::string notATruth(std::string_view typed)
{
    return quoted(typed) + "は True でも False でもありません。True か False で答えてください。";
}

std::string notANumber(std::string_view typed, Width width)
{
    return quoted(typed) + "は数値ではありません。" + checked::rangeText(width) +
           " の整数で答えてください。";
}

std::string outOfRange(std::string_view typed, Width width)
{
    const std::string range = checked::rangeText(width);
    return quoted(typed) + "は " + range + " の範囲外です。" + range + " の整数で答えてください。";
}

} // namespace prediction_texts
