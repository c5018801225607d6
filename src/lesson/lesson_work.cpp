// The part of LessonModel that lets the student's work be kept and done again: the load from
// a given start, what an assignment forbids, the listener told of every action, and doing
// each kept action again exactly as it was done (its random draws, its answer as judged).
#include "lesson_model.h"

#include "prediction_texts.h"
#include "random_source.h"

Outcome LessonModel::load(const StartState& start)
{
    return loadFrom(&start);
}

void LessonModel::applyStart(const StartState& start)
{
    const auto texts = [this](BoxGroup group,
                              const std::vector<std::optional<std::string>>& given) {
        for (size_t k = 0; k < given.size(); ++k) {
            if (!given[k])
                continue;
            if (Box* b = box(BoxRef{group, static_cast<int>(k)})) {
                b->text = *given[k];
                b->edited = true;
            }
        }
    };
    texts(BoxGroup::Text1, start.text1);
    texts(BoxGroup::Text2, start.text2);
    for (size_t g = 0; g < start.checks.size(); ++g) {
        std::vector<int>& values = panel_.checks[g];
        for (size_t k = 0; k < start.checks[g].size() && k < values.size(); ++k) {
            if (start.checks[g][k])
                values[k] = *start.checks[g][k] ? 1 : 0;
        }
    }
    if (panel_.option != 0 && (start.option == 1 || start.option == 2))
        panel_.option = start.option;
}

void LessonModel::setTimerText(std::string text)
{
    if (text == panel_.txtTime)
        return;
    if (keeping())
        keep(WorkEntry{WorkEntry::Kind::TimerText, {}, 0, text, {}, std::nullopt});
    panel_.txtTime = std::move(text);
}

void LessonModel::allow(bool autoRun, bool stepBack)
{
    autoRunAllowed_ = autoRun;
    stepBackAllowed_ = stepBack;
    if (!autoRun)
        stopTimer();
}

void LessonModel::setWorkListener(std::function<void(const WorkEntry&)> listener)
{
    workListener_ = std::move(listener);
}

void LessonModel::redo(const WorkEntry& entry)
{
    const random_source::Replay draws(entry.draws);
    switch (entry.kind) {
    case WorkEntry::Kind::SetText: setText(entry.box.group, entry.box.index, entry.text); break;
    case WorkEntry::Kind::SetCheck: setCheck(entry.box.group, entry.box.index, entry.value); break;
    case WorkEntry::Kind::Step:
        if (entry.attempt) {
            const Trace::Predicted predicted{0, entry.attempt->judgement, entry.text};
            predictedStep(&predicted, &*entry.attempt);
        } else {
            step();
        }
        break;
    case WorkEntry::Kind::BackToStart: backToStart(); break;
    case WorkEntry::Kind::Option: clickOption(entry.value); break;
    case WorkEntry::Kind::Fill: fillArray(); break;
    case WorkEntry::Kind::StepBack: stepBack(); break;
    case WorkEntry::Kind::TimerText: setTimerText(entry.text); break;
    case WorkEntry::Kind::Mode:
        if (entry.value >= 0 && static_cast<size_t>(entry.value) < std::size(prediction::modes))
            setPredictionMode(static_cast<prediction::Mode>(entry.value));
        break;
    }
}

void LessonModel::finishRedo()
{
    redoing_ = false;
    ask(false);
}
