#pragma once

#include "panel.h"
#include "trace.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The whole state of a lesson at one moment: its variables (kept by the lesson, whatever
// their type), the current line, the panel, which boxes were edited since the refresh, and
// where the trace stood.
struct LessonState {
    std::shared_ptr<const void> variables;
    size_t variablesSize = 0;
    int line = 0;
    Panel panel;
    std::vector<int> pending;
    std::vector<char> isPending;
    Trace::Mark trace;
    int section = 0;       // the number of the section it belongs to
    int stepInSection = 0; // and the steps made in it
};

// One thing the student did that changed the lesson, with what is needed to do it again
// exactly (the random draws it made).
struct LessonAction {
    enum class Kind : unsigned char { SetText, SetCheck, Step, BackToStart, Option, Fill };
    Kind kind = Kind::Step;
    BoxRef box;
    int value = 0;    // the check box value, the option clicked, or a step's judgement + 1
    std::string text; // the text typed, or the prediction of a step as its trace row shows it
    std::vector<double> draws;
    int section = 0; // the number of the section an action starts
};

// The history behind "one step back": every action since the load, with a full state every
// `interval` actions. The state before any step is found by going back to the checkpoint
// before it and doing the actions after it again, which keeps a long history small. It
// holds at most `limit` states to return to; the oldest go first.
class History
{
public:
    static constexpr size_t defaultLimit = 100000;
    static constexpr size_t interval = 1024;

    void reset(LessonState start);
    void setLimit(size_t limit) { limit_ = limit; }

    // Adds an action done; `undoable` when the state before it is one to return to.
    // `current` gives the state after the action, for the checkpoints.
    template <class Snapshot>
    void record(LessonAction action, bool undoable, const Snapshot& current)
    {
        if (undoable)
            marks_.push_back(base_ + actions_.size());
        actions_.push_back(pack(std::move(action)));
        if (actions_.size() % interval == 0)
            checkpoints_.push_back(current());
        trim();
    }

    // The way back to the state before the last undoable action: the checkpoint to start
    // from and the actions to do again. Forgets that action and everything after it.
    struct Rewind {
        LessonState start;
        std::vector<LessonAction> actions;
    };
    std::optional<Rewind> rewind();

    // How many states the student can step back to, and the memory that takes.
    size_t states() const { return marks_.size(); }
    size_t bytes() const;

private:
    // An action as kept: small for the common case (a step), with the text or the random
    // draws aside when it has them.
    struct Extra {
        std::string text;
        std::vector<double> draws;
    };
    struct Entry {
        LessonAction::Kind kind;
        BoxGroup group;
        int index;
        int value;
        int section;
        std::unique_ptr<Extra> extra;
    };
    static Entry pack(LessonAction action);
    static LessonAction unpack(const Entry& entry);
    void trim();

    std::deque<Entry> actions_;
    std::deque<LessonState> checkpoints_; // checkpoint k: the state after k * interval actions
    std::deque<size_t> marks_;            // positions (counted from the load) of undoable actions
    size_t base_ = 0;                     // position of actions_.front()
    size_t limit_ = defaultLimit;
};
