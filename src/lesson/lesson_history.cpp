// The part of LessonModel that keeps its history and steps back through it.
#include "lesson_model.h"

#include "random_source.h"
#include "window_words.h"

LessonState LessonModel::currentState() const
{
    return LessonState{copyVariables(), variablesSize(), line_,    panel_,        pending_,
                       isPending_,      trace_.mark(),   section_, stepInSection_};
}

void LessonModel::restoreState(const LessonState& state)
{
    setVariables(state.variables.get());
    line_ = state.line;
    panel_ = state.panel;
    pending_ = state.pending;
    isPending_ = state.isPending;
    trace_.rewindTo(state.trace); // the actions done again after it add their rows again
    section_ = state.section;
    stepInSection_ = state.stepInSection;
    touched_.clear();
    resolveBindings(); // the panel's boxes may have moved
}

void LessonModel::remember(LessonAction action, bool undoable)
{
    if (!replaying_)
        history_.record(std::move(action), undoable, [this] { return currentState(); });
}

void LessonModel::replay(const LessonAction& action)
{
    const random_source::Replay draws(action.draws);
    replayedSection_ = action.section;
    switch (action.kind) {
    case LessonAction::Kind::SetText:
        setText(action.box.group, action.box.index, action.text);
        break;
    case LessonAction::Kind::SetCheck:
        setCheck(action.box.group, action.box.index, action.value);
        break;
    case LessonAction::Kind::Step:
        if (action.value > 0) { // answered: its row shows the prediction again
            const Trace::Predicted predicted{
                0, static_cast<prediction::Judgement>(action.value - 1), action.text};
            predictedStep(&predicted);
        } else {
            step();
        }
        break;
    case LessonAction::Kind::BackToStart: backToStart(); break;
    case LessonAction::Kind::Option: clickOption(action.value); break;
    case LessonAction::Kind::Fill: fillArray(); break;
    }
}

Outcome LessonModel::stepBack()
{
    if (!stepBackAllowed_)
        return Outcome{{std::string(window_words::stepBackForbidden)}, true};
    std::optional<History::Rewind> way = history_.rewind();
    if (!way)
        return {};
    judged_.reset();
    // The timer and its interval text are the window's, not the lesson's: they stay.
    const AutoRunTimer timer = panel_.timer;
    const std::string interval = panel_.txtTime;
    restoreState(way->start);
    replaying_ = true;
    for (const LessonAction& action : way->actions)
        replay(action);
    replaying_ = false;
    panel_.timer = timer;
    panel_.txtTime = interval;
    stopTimer();
    if (keeping())
        keep(WorkEntry{WorkEntry::Kind::StepBack, {}, 0, {}, {}, std::nullopt});
    ask(false); // the question of the step undone, asked again
    return {};
}
