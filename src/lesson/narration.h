#pragma once

#include "lesson_model.h"

#include <string>
#include <vector>

// What a screen reader is told after an action in a lesson window, as one text: the line
// that runs next (its number and text), its note, the condition with its truth, and the
// values that changed since it was last told (with the lines the move list gained). The
// window names each value as its screen reader knows it: a box no variable is bound to is
// named after its caption.
class Narration
{
public:
    struct Value {
        BoxRef box;
        std::string name;
    };

    Narration(const LessonModel& model, std::vector<Value> values);

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

    // At most this many changed values are named; the rest are counted.
    static constexpr size_t namedChanges = 8;

private:
    std::string valueOf(const Value& value) const;

    const LessonModel& model_;
    std::vector<Value> values_;
    std::vector<std::string> told_;
    std::vector<std::string> toldList_;
};
