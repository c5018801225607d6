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

History::Entry History::pack(LessonAction action)
{
    Entry entry{action.kind,  action.box.group, action.box.index,
                action.value, action.section,   nullptr};
    if (!action.text.empty() || !action.draws.empty())
        entry.extra =
            std::make_unique<Extra>(Extra{std::move(action.text), std::move(action.draws)});
    return entry;
}

LessonAction History::unpack(const Entry& entry)
{
    LessonAction action{entry.kind,   BoxRef{entry.group, entry.index}, entry.value, {}, {},
                        entry.section};
    if (entry.extra) {
        action.text = entry.extra->text;
        action.draws = entry.extra->draws;
    }
    return action;
}

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
        way.actions.push_back(unpack(actions_[k]));
    actions_.resize(target);
    checkpoints_.resize(checkpoint + 1);
    return way;
}

void History::trim()
{
    // Forget the oldest block of actions (and the states in it) once a whole block can go
    // and still leave the limit: a block holds at most `interval` states.
    while (marks_.size() >= limit_ + interval && checkpoints_.size() > 1) {
        actions_.erase(actions_.begin(), actions_.begin() + static_cast<long>(interval));
        checkpoints_.pop_front();
        base_ += interval;
        while (!marks_.empty() && marks_.front() < base_)
            marks_.pop_front();
    }
}

size_t History::bytes() const
{
    size_t total = sizeof(History) + marks_.size() * sizeof(size_t);
    for (const Entry& entry : actions_) {
        total += sizeof(Entry);
        if (entry.extra) {
            total += sizeof(Extra) + entry.extra->text.capacity() +
                     entry.extra->draws.capacity() * sizeof(double);
        }
    }
    for (const LessonState& state : checkpoints_) {
        total += sizeof(LessonState) + state.variablesSize + panelBytes(state.panel) +
                 state.pending.capacity() * sizeof(int) + state.isPending.capacity() +
                 state.trace.last.capacity() * sizeof(Trace::Value);
    }
    return total;
}
