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
    question_.reset();
    if (mode_ == Mode::Off || (panel_.timer.enabled && panel_.timer.interval > 0))
        return;
    if (const std::optional<Preview> step = preview())
        question_ = questionFor(mode_, *step);
}

std::optional<LessonModel::Preview> LessonModel::preview()
{
    saveVariables();
    const int savedLine = line_;
    std::optional<Preview> result;
    std::vector<double> drawn;
    {
        random_source::Recording draws;
        try {
            readEditedBoxes(stepReading_);
            // What the step starts from, to see what it changes.
            std::vector<int> numbers;
            std::vector<std::string> texts;
            for (const Binding& binding : bindings_) {
                if (binding.integer)
                    numbers.push_back(*binding.integer);
                else if (binding.text)
                    texts.push_back(*binding.text);
            }
            Preview step;
            try {
                step.truth = test(line_);
            } catch (const Fault&) {
                // no truth to predict: the step refuses or goes its own way
            }
            StepEffects effects;
            line_ = run(line_, effects);
            step.landed = line_;
            (void)test(line_); // the landing line's test, which refuses a step as it does
            size_t number = 0;
            size_t text = 0;
            for (size_t k = 0; k < bindings_.size() && step.changed < 0; ++k) {
                const Binding& binding = bindings_[k];
                const bool differs = binding.integer ? *binding.integer != numbers[number++]
                                     : binding.text  ? *binding.text != texts[text++]
                                                     : false;
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

std::optional<prediction::Question> LessonModel::questionFor(Mode mode, const Preview& step) const
{
    prediction::Question q;
    q.line = line_;
    q.lines = description_.listingCount();
    switch (mode) {
    case Mode::Off: return std::nullopt;
    case Mode::Line:
        q.kind = Kind::Line;
        q.form = Form::Line;
        q.text = texts::lineQuestion(line_);
        q.expected = numeric::format(step.landed);
        return q;
    case Mode::Condition: {
        // Where the panel shows a truth: the truth on the values the step reads.
        const bool shown = panel_.condition.size() > conditionOf(line_).size();
        if (!shown || !step.truth)
            return std::nullopt;
        q.kind = Kind::Condition;
        q.form = Form::Truth;
        q.text = texts::conditionQuestion(Narration::oneLine(conditionOf(line_)));
        q.expected = *step.truth ? "True" : "False";
        return q;
    }
    case Mode::Value: {
        // Not a value the random source chose, nor a text that cannot be typed on one line.
        if (step.changed < 0 || step.drew)
            return std::nullopt;
        const Binding& binding = bindings_[static_cast<size_t>(step.changed)];
        q.form = binding.checkValue ? Form::Truth : binding.text ? Form::Text : Form::Number;
        const std::string& value = step.changedText;
        if (q.form == Form::Text && (value.find_first_not_of(" \t") == std::string::npos ||
                                     value.find_first_of("\r\n") != std::string::npos))
            return std::nullopt;
        q.kind = Kind::Value;
        q.width = binding.width;
        q.name = binding.name;
        if (binding.box.group == BoxGroup::Text1 && binding.target)
            q.box = binding.box.index;
        q.text = texts::valueQuestion(line_, binding.name, q.form);
        q.expected = value;
        return q;
    }
    case Mode::Auto:
        for (const Mode each : {Mode::Condition, Mode::Value, Mode::Line}) {
            if (std::optional<prediction::Question> asked = questionFor(each, step))
                return asked;
        }
        return std::nullopt;
    }
    return std::nullopt;
}
