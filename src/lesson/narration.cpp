#include "narration.h"

#include "prediction_texts.h"
#include "typed_text.h"

#include <algorithm>

namespace
{

const std::string ideographicSpace = "\u3000";

bool blankAt(const std::string& text, size_t k, size_t* width)
{
    const char c = text[k];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        *width = 1;
        return true;
    }
    if (text.compare(k, ideographicSpace.size(), ideographicSpace) == 0) {
        *width = ideographicSpace.size();
        return true;
    }
    return false;
}

const std::string fullStop = "。";

void endSentence(std::string& out)
{
    if (!out.empty() && (out.size() < fullStop.size() ||
                         out.compare(out.size() - fullStop.size(), fullStop.size(), fullStop) != 0))
        out += fullStop;
}

void addSentence(std::string& out, const std::string& sentence)
{
    if (sentence.empty())
        return;
    endSentence(out);
    out += sentence;
}

} // namespace

std::vector<Narration::Value> Narration::namedValues(const LessonModel& model)
{
    const LessonDescription& d = model.description();
    std::vector<Value> values;
    for (const BoxGroup group :
         {BoxGroup::Text1, BoxGroup::Text2, BoxGroup::Check1, BoxGroup::Check2, BoxGroup::Check3}) {
        std::vector<const Control*> boxes;
        for (const Control& control : d.controls) {
            if (control.index >= 0 && boxGroupOf(control.name) == group)
                boxes.push_back(&control);
        }
        std::sort(boxes.begin(), boxes.end(),
                  [](const Control* a, const Control* b) { return a->index < b->index; });
        for (const Control* box : boxes) {
            const BoxRef ref{group, box->index};
            std::string name = model.boxName(ref);
            if (name.empty() && group != BoxGroup::Check1 && group != BoxGroup::Check2 &&
                group != BoxGroup::Check3)
                name = d.captionLeftOf(*box);
            if (!name.empty())
                values.push_back(Value{ref, std::move(name)});
        }
    }
    return values;
}

std::string Narration::actionText(Action action, const std::string& option, int interval)
{
    switch (action) {
    case Action::BackToStart: return "先頭に戻りました";
    case Action::StepBack: return "1つ戻りました";
    case Action::Option: return option + " を選びました";
    case Action::Fill: return "配列に新しい値を設定しました";
    case Action::AutoRun:
        return "自動実行を開始しました。タイマ間隔 " + std::to_string(interval) + " ミリ秒";
    case Action::Stop: return stoppedText();
    case Action::Step:
    case Action::Tick: return {};
    }
    return {};
}

std::string Narration::stoppedText()
{
    return "自動実行を停止しました";
}

int Narration::speakingTime(const std::string& text)
{
    long characters = 0; // code points: every byte that does not continue a UTF-8 sequence
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return static_cast<int>(std::clamp(400 + 70 * characters, 800L, 8000L));
}

Narration::Narration(const LessonModel& model, std::vector<Value> values)
    : model_(model), values_(std::move(values))
{
    hearAll();
}

std::string Narration::oneLine(const std::string& text)
{
    std::string result;
    bool blank = false;
    for (size_t k = 0; k < text.size();) {
        size_t width = 1;
        if (blankAt(text, k, &width)) {
            blank = true;
        } else {
            if (blank && !result.empty())
                result += ' ';
            blank = false;
            result.append(text, k, width);
        }
        k += width;
    }
    return result;
}

std::string Narration::lineName(int line, const std::string& text)
{
    const std::string shown = oneLine(text);
    return std::to_string(line) + "行目 " + (shown.empty() ? "空行" : shown);
}

std::string Narration::valueOf(const Value& value) const
{
    const Panel& panel = model_.panel();
    const size_t index = static_cast<size_t>(value.box.index);
    switch (value.box.group) {
    case BoxGroup::Text1:
    case BoxGroup::Text2: {
        const std::vector<Box>& boxes =
            value.box.group == BoxGroup::Text1 ? panel.text1 : panel.text2;
        return index < boxes.size() ? boxes[index].text : std::string();
    }
    case BoxGroup::Check1:
    case BoxGroup::Check2:
    case BoxGroup::Check3: {
        const auto& checks = panel.checks[static_cast<size_t>(value.box.group) -
                                          static_cast<size_t>(BoxGroup::Check1)];
        return index < checks.size() && checks[index] ? "オン" : "オフ";
    }
    }
    return {};
}

void Narration::hearAll()
{
    told_.clear();
    for (const Value& value : values_)
        told_.push_back(valueOf(value));
    toldList_ = model_.panel().list;
    toldAttempts_ = model_.attempts().all().size();
}

std::string Narration::tell(const std::string& event)
{
    const Panel& panel = model_.panel();
    std::string out = event;
    const std::optional<prediction::Attempt>& judged = model_.judged();
    if (judged && model_.attempts().all().size() > toldAttempts_)
        addSentence(out, prediction_texts::judgementText(*judged));
    toldAttempts_ = model_.attempts().all().size();
    const LessonDescription& d = model_.description();
    const auto line = std::find_if(d.listing.begin(), d.listing.end(), [&](const ListingLabel& l) {
        return l.index == panel.highlight;
    });
    addSentence(out, lineName(panel.highlight, line == d.listing.end() ? "" : line->text));
    addSentence(out, oneLine(panel.note));
    const std::string condition = oneLine(std::string(model_.shownCondition()));
    addSentence(out, condition.empty() ? "" : "条件 " + condition);

    std::string changes;
    size_t changed = 0;
    for (size_t k = 0; k < values_.size(); ++k) {
        std::string now = valueOf(values_[k]);
        if (now == told_[k])
            continue;
        if (++changed <= namedChanges) {
            const std::string shown = typed_text::shortened(oneLine(now));
            changes += (changes.empty() ? "" : "、") + values_[k].name + " は " +
                       (shown.empty() ? "空" : shown);
        }
        told_[k] = std::move(now);
    }
    if (changed > namedChanges)
        changes += "、ほか " + std::to_string(changed - namedChanges) + " 個の値が変わりました";
    addSentence(out, changes);

    const std::vector<std::string>& list = panel.list;
    const bool extended = list.size() >= toldList_.size() &&
                          std::equal(toldList_.begin(), toldList_.end(), list.begin());
    if (!extended)
        addSentence(out, list.empty() ? "一覧を消去しました" : "一覧が変わりました");
    for (size_t k = extended ? toldList_.size() : list.size(); k < list.size(); ++k)
        addSentence(out, "一覧に追加 " + oneLine(list[k]));
    toldList_ = list;
    if (const std::optional<prediction::Question>& question = model_.question())
        addSentence(out, prediction_texts::toldQuestion(question->text));
    endSentence(out);
    return out;
}

std::string Narration::boardText(const std::array<std::vector<int>, 3>& pegs)
{
    std::string text;
    for (size_t peg = 0; peg < pegs.size(); ++peg) {
        if (peg > 0)
            text += fullStop;
        text += std::to_string(peg + 1) + "本目の棒: ";
        if (pegs[peg].empty())
            text += "なし";
        for (size_t k = 0; k < pegs[peg].size(); ++k)
            text += (k > 0 ? ", " : "") + std::to_string(pegs[peg][k]);
    }
    return text;
}
