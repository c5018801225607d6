// The part of LessonModel that asks the student to predict each step before it runs: the
// question is worked out on a copy of the step (the variables, the current line and the
// random draws are put back after it), and an answer is judged before the step runs as a
// plain step would.
#include "lesson_model.h"

#include "narration.h"
#include "numeric.h"
#include "prediction_reading.h"
#include "prediction_texts.h"
#include "random_source.h"

#include <chrono>

using prediction::Form;
using prediction::Judgement;
using prediction::Kind;
using prediction::Mode;

namespace texts = prediction_texts;

void LessonModel::setPredictionMode(Mode mode)
{
    if (mode == mode_)
        return;
    mode_ = mode;
    if (keeping())
        keep(WorkEntry{WorkEntry::Kind::Mode, {}, static_cast<int>(mode), {}, {}, std::nullopt});
    if (mode != Mode::Off)
        trace_.showPredictions();
    judged_.reset();
    ask(false);
}

void LessonModel::setDraft(std::string text)
{
    draft_ = std::move(text);
}

std::string_view LessonModel::shownCondition() const
{
    return truthHidden() ? std::string_view(conditionOf(line_)) : panel_.condition;
}

Outcome LessonModel::advance()
{
    return question_ ? answer() : step();
}

Outcome LessonModel::answer()
{
    if (!question_)
        return {};
    const prediction_reading::Reading reading = prediction_reading::read(*question_, draft_);
    if (!reading.answer)
        return Outcome{{reading.message}, true}; // not judged: the student answers again
    return judgeAndStep(prediction_reading::judge(*question_, *reading.answer), *reading.answer);
}

Outcome LessonModel::dontKnow()
{
    if (!question_)
        return {};
    return judgeAndStep(Judgement::DontKnow, {});
}

Outcome LessonModel::judgeAndStep(Judgement judgement, std::string given)
{
    const prediction::Question question = *question_;
    const long long now = clock_ ? clock_()
                                 : std::chrono::duration_cast<std::chrono::milliseconds>(
                                       std::chrono::system_clock::now().time_since_epoch())
                                       .count();
    prediction::Attempt attempt{section_,          stepInSection_ + 1, question.kind,
                                question.form,     question.text,      std::move(given),
                                question.expected, judgement,          now};
    const Trace::Predicted predicted{
        0, judgement, texts::traceCell(question.kind, question.name, attempt.given, judgement)};
    return predictedStep(&predicted, &attempt);
}

void LessonModel::ask(bool keepDraft)
{
    if (replaying_ || redoing_)
        return; // asked once the replay is over
    if (!keepDraft)
        draft_.clear();
    if (question_) {
        spare_ = std::move(*question_);
        question_.reset();
    }
    if (mode_ == Mode::Off || (panel_.timer.enabled && panel_.timer.interval > 0))
        return;
    std::optional<Preview> step = preview(mode_);
    if (!step)
        return;
    const std::optional<Kind> kind = kindFor(mode_, *step);
    if (!kind)
        return;
    question_.emplace(std::move(spare_));
    fillQuestion(*question_, *kind, *step);
}

bool LessonModel::conditionApplies(const Preview& step) const
{
    // Where the panel shows a truth (and the step reads one).
    return step.truth && panel_.condition.size() > conditionOf(line_).size();
}

std::optional<LessonModel::Preview> LessonModel::preview(Mode mode)
{
    saveVariables();
    const int savedLine = line_;
    std::optional<Preview> result;
    std::vector<double> drawn;
    {
        random_source::Recording draws;
        try {
            readEditedBoxes(stepReading_);
            Preview step;
            try {
                step.truth = test(line_);
            } catch (const Fault&) {
                // no truth to predict: the step refuses or goes its own way
            }
            // The value the step changes is only asked for where no truth is: what it
            // starts from is needed only then. Where the step read no box, the variables
            // it starts from are the copy saved above; else what it read is kept (in the
            // vectors kept for the next time: a question is worked out after every step).
            const bool values =
                mode == Mode::Value || (mode == Mode::Auto && !conditionApplies(step));
            const bool fromSaved = allSaved_ && pending_.empty() && alwaysRead_.empty();
            std::vector<int>& numbers = previewNumbers_;
            std::vector<std::string>& texts = previewTexts_;
            size_t text = 0;
            if (values && !fromSaved) {
                numbers.clear();
                for (const Binding& binding : bindings_) {
                    if (binding.integer) {
                        numbers.push_back(*binding.integer);
                    } else if (binding.text) {
                        if (text == texts.size())
                            texts.emplace_back();
                        texts[text++].assign(*binding.text);
                    }
                }
            }
            StepEffects effects;
            line_ = run(line_, effects);
            step.landed = line_;
            (void)test(line_); // the landing line's test, which refuses a step as it does
            size_t number = 0;
            text = 0;
            for (size_t k = 0; values && k < bindings_.size() && step.changed < 0; ++k) {
                const Binding& binding = bindings_[k];
                bool differs = false;
                if (binding.integer)
                    differs =
                        *binding.integer != (fromSaved ? *binding.savedInteger : numbers[number++]);
                else if (binding.text)
                    differs = *binding.text != (fromSaved ? *binding.savedText : texts[text++]);
                if (differs && (binding.target || binding.checkValue)) {
                    step.changed = static_cast<int>(k);
                    step.changedText = shownValue(binding);
                }
            }
            result = std::move(step);
        } catch (const Fault&) {
            // the step would be refused: nothing is asked
        }
        drawn = draws.take();
    }
    restoreVariables();
    line_ = savedLine;
    if (result)
        result->drew = !drawn.empty();
    random_source::putBack(std::move(drawn)); // the step itself draws them again
    return result;
}

std::string LessonModel::shownValue(const Binding& binding) const
{
    if (binding.checkValue)
        return binding.integer && *binding.integer ? "True" : "False";
    if (binding.text)
        return *binding.text;
    return numeric::format(*binding.integer);
}

std::optional<Kind> LessonModel::kindFor(Mode mode, const Preview& step) const
{
    // 条件 where the panel shows a truth (and the step reads one); 値 where a variable changes
    // that a student can predict and type (not a value the random source chose, nor a text
    // with nothing to type or a line break in it); 次の行 always.
    const auto value = [&] {
        if (step.changed < 0 || step.drew)
            return false;
        const Binding& binding = bindings_[static_cast<size_t>(step.changed)];
        const std::string& text = step.changedText;
        return !binding.text || (text.find_first_not_of(" \t") != std::string::npos &&
                                 text.find_first_of("\r\n") == std::string::npos);
    };
    switch (mode) {
    case Mode::Off: return std::nullopt;
    case Mode::Line: return Kind::Line;
    case Mode::Condition:
        return conditionApplies(step) ? std::optional(Kind::Condition) : std::nullopt;
    case Mode::Value: return value() ? std::optional(Kind::Value) : std::nullopt;
    case Mode::Auto:
        return conditionApplies(step) ? Kind::Condition : value() ? Kind::Value : Kind::Line;
    }
    return std::nullopt;
}

void LessonModel::fillQuestion(prediction::Question& q, Kind kind, Preview& step)
{
    q.kind = kind;
    q.width = prediction::Question{}.width;
    q.line = line_;
    q.lines = listingLines_;
    q.name.clear();
    q.box.reset();
    // The texts are made once for each line (and variable): a question is worked out after
    // every step, and a loop asks the same ones again and again.
    const auto text = [this](int key, auto make) -> const std::string& {
        const auto [at, made] = questionTexts_.try_emplace(key);
        if (made)
            at->second = make();
        return at->second;
    };
    const int lines = std::max(listingLines_, 1);
    switch (kind) {
    case Kind::Line:
        q.form = Form::Line;
        q.text.assign(text(line_, [&] { return texts::lineQuestion(line_); }));
        q.expected = numeric::format(step.landed);
        break;
    case Kind::Condition:
        q.form = Form::Truth;
        q.text.assign(text(lines + line_, [&] {
            return texts::conditionQuestion(Narration::oneLine(conditionOf(line_)));
        }));
        q.expected.assign(*step.truth ? "True" : "False");
        break;
    case Kind::Value: {
        const Binding& binding = bindings_[static_cast<size_t>(step.changed)];
        q.form = binding.checkValue ? Form::Truth : binding.text ? Form::Text : Form::Number;
        q.width = binding.width;
        q.name.assign(binding.name);
        if (binding.box.group == BoxGroup::Text1 && binding.target)
            q.box = binding.box.index;
        q.text.assign(text((2 + step.changed) * lines + line_,
                           [&] { return texts::valueQuestion(line_, binding.name, q.form); }));
        q.expected.swap(step.changedText);
        break;
    }
    }
}
