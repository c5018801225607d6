#pragma once

#include "lesson_model.h"

#include <array>
#include <string>
#include <vector>

// What a screen reader is told after an action in a lesson window, as one text: the
// judgement of an answer just given, the line that runs next (its number and text), its
// note, the condition with its truth (without it while the student predicts it), the values
// that changed since it was last told (with the lines the move list gained), and the
// question waiting. The window names each value as its screen reader knows it: a box no
// variable is bound to is named after its caption.
class Narration
{
public:
    struct Value {
        BoxRef box;
        std::string name;
    };

    Narration(const LessonModel& model, std::vector<Value> values);

    // Every value box and check box of the model's window by the name a screen reader knows
    // it: its variable's, or for a box no variable is bound to, its caption; in the order they
    // are told (Text1, Text2, then the check boxes).
    static std::vector<Value> namedValues(const LessonModel& model);

    // What the student did, told before the state; a step or a tick tells nothing of itself.
    enum class Action { Step, Tick, BackToStart, StepBack, Option, Fill, AutoRun, Stop };
    // "先頭に戻りました", "Push を選びました" (`option`: the chosen option's caption),
    // "自動実行を開始しました。タイマ間隔 500 ミリ秒" (`interval`: auto-run's).
    static std::string actionText(Action action, const std::string& option, int interval);
    // Told after an action that stopped auto-run (besides 自動実行停止 itself).
    static std::string stoppedText();
    // How long a text takes to be spoken, in milliseconds: about a tenth of a second a
    // character of Japanese, a little less for code; the estimate errs on the long side.
    static int speakingTime(const std::string& text);

    // Takes what the panel shows now as told, without saying anything.
    void hearAll();
    // `event` ("先頭に戻りました"), then the current state; what it tells is told from then on.
    std::string tell(const std::string& event);

    // "3行目 for(int i=0;i<a.Length;i++)", "7行目 空行": the number and the text without its
    // indentation.
    static std::string lineName(int line, const std::string& text);
    // A text as one line, without leading and trailing blanks (ideographic spaces included)
    // and with every run of blanks and line breaks inside it made one blank.
    static std::string oneLine(const std::string& text);

    // The Tower of Hanoi board for those who cannot see the picture: each peg's disks from
    // the bottom up ("1本目の棒: 3, 2, 1。2本目の棒: なし。3本目の棒: なし").
    static std::string boardText(const std::array<std::vector<int>, 3>& pegs);

    // At most this many changed values are named; the rest are counted.
    static constexpr size_t namedChanges = 8;

private:
    std::string valueOf(const Value& value) const;

    const LessonModel& model_;
    std::vector<Value> values_;
    std::vector<std::string> told_;
    std::vector<std::string> toldList_;
    size_t toldAttempts_ = 0;
};
