#include "history.h"

namespace
{

size_t panelBytes(const Panel& p)
{
    size_t bytes = sizeof(Panel) + p.note.capacity() + p.condition.capacity() +
                   p.label6.capacity() + p.lblTable.capacity() + p.txtTime.capacity();
    for (const std::vector<Box>* boxes : {&p.text1, &p.text2}) {
        bytes += boxes->capacity() * sizeof(Box);
        for (const Box& box : *boxes)
            bytes += box.text.capacity() > 15 ? box.text.capacity() : 0;
    }
    for (const std::vector<int>& checks : p.checks)
        bytes += checks.capacity() * sizeof(int);
    bytes += p.cells.capacity() * sizeof(Colour);
    for (const std::string& item : p.list)
        bytes += sizeof(std::string) + item.capacity();
    bytes += p.picture.ops.capacity() * sizeof(DrawOp);
    for (const std::vector<int>& peg : p.picture.pegs)
        bytes += peg.capacity() * sizeof(int);
    return bytes;
}

} // namespace

void History::reset(LessonState start)
{
    actions_.clear();
    checkpoints_.clear();
    marks_.clear();
    base_ = 0;
    checkpoints_.push_back(std::move(start));
}

std::optional<History::Rewind> History::rewind()
{
    if (marks_.empty() || checkpoints_.empty())
        return std::nullopt;
    const size_t target = marks_.back() - base_; // actions before the one undone
    marks_.pop_back();
    const size_t checkpoint = target / interval;
    Rewind way{checkpoints_[checkpoint], {}};
    for (size_t k = checkpoint * interval; k < target; ++k)
        way.actions.push_back(actions_[k]);
    actions_.resize(target);
    checkpoints_.resize(checkpoint + 1);
    return way;
}

void History::trim()
{
    // Forget the oldest block of actions (and the states in it) while the states left would
    // still be at least the limit.
    while (marks_.size() > limit_ && checkpoints_.size() > 1) {
        size_t inBlock = 0;
        while (inBlock < marks_.size() && marks_[inBlock] < base_ + interval)
            ++inBlock;
        if (marks_.size() - inBlock < limit_)
            break;
        actions_.erase(actions_.begin(), actions_.begin() + static_cast<long>(interval));
        checkpoints_.pop_front();
        base_ += interval;
        marks_.erase(marks_.begin(), marks_.begin() + static_cast<long>(inBlock));
    }
}

size_t History::bytes() const
{
    size_t total = sizeof(History) + marks_.size() * sizeof(size_t);
    for (const LessonAction& action : actions_)
        total += sizeof(LessonAction) + action.text.capacity() +
                 action.draws.capacity() * sizeof(double);
    for (const LessonState& state : checkpoints_) {
        total += sizeof(LessonState) + state.variablesSize + panelBytes(state.panel) +
                 state.pending.capacity() * sizeof(int) + state.isPending.capacity();
    }
    return total;
}
