#include "trace.h"

#include "numeric.h"

#include <algorithm>

namespace
{

// The entries of one row in a block's list (kept in row order).
template <class T> std::span<const T> ofRow(const std::vector<T>& items, std::uint32_t row)
{
    auto from = std::lower_bound(items.begin(), items.end(), row,
                                 [](const T& item, std::uint32_t r) { return item.row < r; });
    auto to = from;
    while (to != items.end() && to->row == row)
        ++to;
    // (pointer and count: the span of an iterator pair is missing from older libc++)
    return std::span<const T>(items.data() + (from - items.begin()),
                              static_cast<std::size_t>(to - from));
}

} // namespace

void Trace::reset(std::vector<Column> columns)
{
    columns_ = std::move(columns);
    everyRow_.clear();
    pool_.clear();
    pooled_.clear();
    last_.assign(columns_.size(), 0);
    for (size_t k = 0; k < columns_.size(); ++k) {
        const Column& c = columns_[k];
        if (c.text)
            last_[k] = intern(*c.text);
        else if (c.integer)
            last_[k] = *c.integer;
        if (c.everyRow)
            everyRow_.push_back(static_cast<std::uint32_t>(k));
    }
    typed_.clear();
    blocks_.clear();
    current_ = nullptr;
    resync_ = false;
    first_ = 0;
    end_ = 0;
    nextStep_ = 1;
    truth_ = Truth::None;
    predictions_ = false;
    ++revision_;
}

void Trace::showPredictions()
{
    if (predictions_)
        return;
    predictions_ = true;
    ++revision_; // the table has two more columns
}

void Trace::setLimit(size_t rows)
{
    resync_ = resync_ || (limit_ == 0 && rows > 0); // the rows skipped may have changed anything
    limit_ = rows;
    trim();
}

void Trace::typed(size_t column, std::string text)
{
    if (column >= columns_.size())
        return;
    const auto c = static_cast<std::uint32_t>(column);
    for (auto& entry : typed_) {
        if (entry.first == c) {
            entry.second = std::move(text);
            return;
        }
    }
    typed_.emplace_back(c, std::move(text));
}

Trace::Value Trace::intern(const std::string& text)
{
    const auto [at, added] = pooled_.try_emplace(text, static_cast<Value>(pool_.size()));
    if (added)
        pool_.push_back(text);
    return at->second;
}

bool Trace::takeTyped(Block& block, std::uint32_t row)
{
    const size_t before = block.typed.size();
    // A text typed over a value with the same value (13 over 13, 2.0 over 2) is no edit
    // worth marking.
    for (auto& [column, text] : typed_) {
        const Value before = last_[column];
        const bool differs = columns_[column].kind == Kind::Text
                                 ? text != pool_[static_cast<size_t>(before)]
                                 : numeric::roundHalfEven(numeric::read(text)) != before;
        if (differs)
            block.typed.push_back(Typed{row, column, std::move(text)});
    }
    typed_.clear();
    return block.typed.size() > before;
}

inline void Trace::compare(Block& block, std::uint32_t column)
{
    const Column& c = columns_[column];
    Value& last = last_[column];
    if (c.integer) {
        if (*c.integer != last) {
            last = *c.integer;
            block.changes.push_back(Change{column, last});
        }
    } else if (c.text && *c.text != pool_[static_cast<size_t>(last)]) {
        last = intern(*c.text);
        block.changes.push_back(Change{column, last});
    }
}

void Trace::startBlock()
{
    current_ = &blocks_.emplace_back();
    current_->first = end_;
    current_->start = last_;
    current_->rows.reserve(blockRows);
    current_->changes.reserve(blockRows);
}

void Trace::compareAll(Block& block)
{
    for (std::uint32_t column = 0; column < columns_.size(); ++column)
        compare(block, column);
    resync_ = false;
}

void Trace::applyShown(Block& block, std::span<const Shown> shown)
{
    for (const Shown& s : shown) {
        if (last_[s.column] != s.value) {
            last_[s.column] = s.value;
            block.changes.push_back(Change{static_cast<std::uint32_t>(s.column), s.value});
        }
    }
}

void Trace::addMessages(Block& block, std::uint32_t row, const std::vector<std::string>& messages)
{
    for (const std::string& text : messages)
        block.messages.push_back(Message{row, text});
}

void Trace::record(Event event, int ran, int landed, Truth truth,
                   const std::vector<std::string>& messages, std::span<const std::uint32_t> touched,
                   std::span<const Shown> shown, const Predicted* predicted)
{
    // The common row (a step that changed a value or two, typed nothing and showed no
    // message) takes the short way; the rest is done aside.
    if (limit_ == 0)
        return;
    if (!current_ || current_->rows.size() >= blockRows)
        startBlock();
    Block& block = *current_;
    const auto inBlock = static_cast<std::uint32_t>(block.rows.size());
    Row row{static_cast<std::uint32_t>(block.changes.size()),
            0,
            static_cast<std::int16_t>(ran),
            static_cast<std::int16_t>(landed),
            event,
            truth,
            0};
    if (event == Event::Step) {
        row.step = nextStep_++;
        if (!typed_.empty() && takeTyped(block, inBlock))
            row.flags |= hasTyped;
    } else {
        nextStep_ = 1;
    }
    if (resync_) {
        compareAll(block);
    } else {
        for (const std::uint32_t column : everyRow_)
            compare(block, column);
        for (const std::uint32_t column : touched) {
            if (column < columns_.size())
                compare(block, column);
        }
    }
    if (!shown.empty())
        applyShown(block, shown);
    if (!messages.empty()) {
        row.flags |= hasMessages;
        addMessages(block, inBlock, messages);
    }
    if (predicted) {
        row.flags |= hasPrediction;
        block.predicted.push_back(Predicted{inBlock, predicted->judgement, predicted->text});
    }
    block.rows.push_back(row);
    truth_ = truth;
    if (++end_ - first_ > limit_)
        trim();
}

void Trace::trim()
{
    if (end_ - first_ <= limit_)
        return;
    first_ = end_ - limit_;
    // A block goes once the block after it has gone from view too, so that the rows just
    // dropped are still there when stepping back brings them back.
    while (blocks_.size() >= 2 && blocks_[1].first + blocks_[1].rows.size() <= first_)
        blocks_.pop_front();
}

Trace::Mark Trace::mark() const
{
    return Mark{end_, nextStep_, truth_, last_, typed_};
}

void Trace::rewindTo(const Mark& mark)
{
    ++revision_;
    if (blocks_.empty() || mark.end <= blocks_.front().first) {
        blocks_.clear();
        first_ = mark.end;
        end_ = mark.end;
    } else if (mark.end < end_) {
        while (blocks_.back().first >= mark.end)
            blocks_.pop_back();
        Block& block = blocks_.back();
        const size_t keep = mark.end - block.first;
        if (keep < block.rows.size()) {
            const auto row = static_cast<std::uint32_t>(keep);
            block.changes.resize(block.rows[keep].firstChange);
            block.rows.resize(keep);
            std::erase_if(block.typed, [row](const Typed& t) { return t.row >= row; });
            std::erase_if(block.messages, [row](const Message& m) { return m.row >= row; });
            std::erase_if(block.predicted, [row](const Predicted& p) { return p.row >= row; });
        }
        end_ = mark.end;
        first_ = std::max(blocks_.front().first, end_ > limit_ ? end_ - limit_ : 0);
    }
    current_ = blocks_.empty() ? nullptr : &blocks_.back();
    nextStep_ = mark.nextStep;
    truth_ = mark.truth;
    last_ = mark.last;
    typed_ = mark.typed;
}

const Trace::Block* Trace::findBlock(size_t absolute) const
{
    const auto after = std::upper_bound(blocks_.begin(), blocks_.end(), absolute,
                                        [](size_t a, const Block& b) { return a < b.first; });
    return after == blocks_.begin() ? nullptr : &*std::prev(after);
}

size_t Trace::bytes() const
{
    size_t total = sizeof(Trace) + last_.capacity() * sizeof(Value) +
                   columns_.capacity() * sizeof(Column) + everyRow_.capacity() * sizeof(int);
    for (const Block& b : blocks_) {
        total += sizeof(Block) + b.start.capacity() * sizeof(Value) +
                 b.rows.capacity() * sizeof(Row) + b.changes.capacity() * sizeof(Change) +
                 b.typed.capacity() * sizeof(Typed) + b.messages.capacity() * sizeof(Message) +
                 b.predicted.capacity() * sizeof(Predicted);
        for (const Typed& t : b.typed)
            total += t.text.capacity() > 15 ? t.text.capacity() : 0;
        for (const Message& m : b.messages)
            total += m.text.capacity() > 15 ? m.text.capacity() : 0;
        for (const Predicted& p : b.predicted)
            total += p.text.capacity() > 15 ? p.text.capacity() : 0;
    }
    // The pool's texts are kept twice (in order and as the keys of the lookup), each with
    // a node and a bucket.
    for (const std::string& text : pool_)
        total += 2 * (sizeof(std::string) + (text.capacity() > 15 ? text.capacity() : 0)) + 32;
    total += pooled_.bucket_count() * sizeof(void*);
    return total;
}

// --- reading ---

void Trace::Cursor::apply(const Block& block, size_t inBlock)
{
    const size_t from = block.rows[inBlock].firstChange;
    const size_t to = inBlock + 1 < block.rows.size() ? block.rows[inBlock + 1].firstChange
                                                      : block.changes.size();
    if (++generation_ == 0) { // wrapped: no stale mark may match
        std::fill(changedAt_.begin(), changedAt_.end(), 0);
        generation_ = 1;
    }
    for (size_t k = from; k < to; ++k) {
        const Change& change = block.changes[k];
        values_[change.column] = change.value;
        changedAt_[change.column] = generation_;
    }
}

void Trace::Cursor::seek(size_t index)
{
    const size_t absolute = trace_->first_ + index;
    const Block* block = trace_->findBlock(absolute);
    if (!block || absolute >= trace_->end_)
        return; // not a row: the cursor stays where it was
    const size_t inBlock = absolute - block->first;
    const bool valid = revision_ == trace_->revision_ && row_;
    if (valid && absolute == absolute_) {
        // already there
    } else if (valid && absolute == absolute_ + 1) {
        apply(*block, inBlock);
    } else if (valid && block->first == blockFirst_ && absolute > absolute_) {
        for (size_t r = absolute_ + 1 - block->first; r <= inBlock; ++r)
            apply(*block, r);
    } else {
        values_ = block->start;
        changedAt_.assign(values_.size(), 0);
        generation_ = 0;
        for (size_t r = 0; r <= inBlock; ++r)
            apply(*block, r);
    }
    revision_ = trace_->revision_;
    absolute_ = absolute;
    blockFirst_ = block->first;
    row_ = &block->rows[inBlock];
    // Taken afresh each time: rows added since may have moved the block's lists.
    const auto row = static_cast<std::uint32_t>(inBlock);
    typed_ = row_->flags & hasTyped ? ofRow(block->typed, row) : std::span<const Typed>{};
    messages_ =
        row_->flags & hasMessages ? ofRow(block->messages, row) : std::span<const Message>{};
    const std::span<const Predicted> predicted =
        row_->flags & hasPrediction ? ofRow(block->predicted, row) : std::span<const Predicted>{};
    predicted_ = predicted.empty() ? nullptr : predicted.data();
}

const std::string* Trace::Cursor::typed(size_t column) const
{
    for (const Typed& t : typed_) {
        if (t.column == column)
            return &t.text;
    }
    return nullptr;
}
