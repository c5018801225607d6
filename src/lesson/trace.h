#pragma once

#include "prediction.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// The trace table of a lesson: one row for every successful step, and one for every action
// that starts a section (the load, "先頭に戻る", an option click, "配列値設定"), with the line
// it ran and the line it landed on, the truth of the condition shown, the value of every
// bound variable, the values the student typed before it and the messages it showed.
// Values are kept as changes against the row before, with all values at the start of each
// block of rows, so that a row takes a few bytes and recording it a few comparisons. The
// trace reads the variables at the addresses the lesson gives; turning rows into texts is
// TraceTable's.
class Trace
{
    struct Block;

public:
    static constexpr size_t defaultLimit = 100000;
    static constexpr size_t blockRows = 256;

    enum class Event : unsigned char { Load, Step, BackToStart, Option1, Option2, Fill };
    enum class Truth : unsigned char { None, False, True };
    enum class Kind : unsigned char { Integer, Check, Text };

    // A value as kept: the integer, or for a text column the number of the text in the
    // trace's pool of texts.
    using Value = std::int32_t;

    // A variable column: its name as the lesson names it ("i", "a[2]"), where it lives,
    // and whether every row compares it (else only the rows that name it as touched).
    struct Column {
        std::string name;
        Kind kind = Kind::Integer;
        const int* integer = nullptr;
        const std::string* text = nullptr;
        bool everyRow = true;
    };
    // A value as it is shown after an action, for a column the action changed without its
    // variable changing ("配列値設定" fills the boxes, which the next step reads).
    struct Shown {
        size_t column;
        Value value;
    };

    struct Row {
        std::uint32_t firstChange; // into the block's changes
        std::uint32_t step;        // 1, 2, ... since the section started; 0 on a section row
        std::int16_t ran;          // the line the step ran; -1 on a section row
        std::int16_t landed;       // the line current after it
        Event event;
        Truth truth; // of the condition shown on `landed`
        unsigned char flags;
    };
    struct Change {
        std::uint32_t column;
        Value value;
    };
    // A value the student typed before the row's step (row counted within its block).
    struct Typed {
        std::uint32_t row;
        std::uint32_t column;
        std::string text;
    };
    struct Message {
        std::uint32_t row;
        std::string text;
    };
    // The student's prediction of a step, as the table shows it ("total=12", "次の行 5"),
    // and its judgement.
    struct Predicted {
        std::uint32_t row;
        prediction::Judgement judgement;
        std::string text;
    };

    // What the trace is at one moment, for the lesson's history: stepping back goes to such
    // a mark and records the actions after it again.
    struct Mark {
        size_t end = 0;
        std::uint32_t nextStep = 1;
        Truth truth = Truth::None;
        std::vector<Value> last;
        std::vector<std::pair<std::uint32_t, std::string>> typed;
    };

    // Starts an empty trace over these columns.
    void reset(std::vector<Column> columns);
    // At most `rows` rows are kept, the newest; 0 keeps none (the trace is off).
    void setLimit(size_t rows);
    size_t limit() const { return limit_; }

    // The student typed `text` into the box of `column` (the last text typed counts).
    void typed(size_t column, std::string text);
    // Forgets what was typed into the columns for which `stale` is true (their boxes were
    // rewritten before a step read them).
    template <class Predicate> void forgetTyped(Predicate stale)
    {
        std::erase_if(typed_, [&](const auto& entry) { return stale(entry.first); });
    }
    // Adds a row. Its values: those of the columns compared at every row and of the
    // `touched` columns, which may have changed since the row before; the others are as
    // they were. `shown` gives values that differ from the variables. A step row takes the
    // values typed since the row before it.
    void record(Event event, int ran, int landed, Truth truth,
                const std::vector<std::string>& messages,
                std::span<const std::uint32_t> touched = {}, std::span<const Shown> shown = {},
                const Predicted* predicted = nullptr);

    // The table has the columns of the predictions from now on (until the next reset), also
    // when stepping back takes every prediction away again.
    void showPredictions();
    bool showsPredictions() const { return predictions_; }

    Mark mark() const;
    // Back to `mark`: forgets the rows recorded after it.
    void rewindTo(const Mark& mark);

    // The rows kept, oldest first: rows first() to end() - 1 of all rows recorded since the
    // load; the rows before first() were dropped to stay within the limit.
    size_t size() const { return end_ - first_; }
    // The truth shown with the newest row (an action that does not refresh shows it still).
    Truth truth() const { return truth_; }
    size_t dropped() const { return first_; }
    const std::vector<Column>& columns() const { return columns_; }
    const std::string& text(Value value) const { return pool_[static_cast<size_t>(value)]; }
    // Changes on every reset and every rewind; not when rows are added or dropped.
    std::uint64_t revision() const { return revision_; }
    // The memory the trace takes.
    size_t bytes() const;

    // Reads rows one after another, or anywhere (the block's first values and the changes
    // up to the row). Valid until the trace is reset or rewound.
    class Cursor
    {
    public:
        explicit Cursor(const Trace& trace) : trace_(&trace) {}
        // Goes to row `index` of the rows kept (0: the oldest).
        void seek(size_t index);
        const Row& row() const { return *row_; }
        size_t index() const { return absolute_ - trace_->first_; }
        Value value(size_t column) const { return values_[column]; }
        // Whether the row changed the value (against the row before it).
        bool changed(size_t column) const { return changedAt_[column] == generation_; }
        // The text typed into the column before the row, or nothing.
        const std::string* typed(size_t column) const;
        std::span<const Typed> typed() const { return typed_; }
        std::span<const Message> messages() const { return messages_; }
        // The prediction of the row's step, or nothing.
        const Predicted* predicted() const { return predicted_; }

    private:
        void apply(const Block& block, size_t inBlock);

        const Trace* trace_;
        std::uint64_t revision_ = ~std::uint64_t{0};
        size_t absolute_ = 0;
        size_t blockFirst_ = 0;
        const Row* row_ = nullptr;
        std::vector<Value> values_;
        std::vector<std::uint32_t> changedAt_;
        std::uint32_t generation_ = 0;
        std::span<const Typed> typed_;
        std::span<const Message> messages_;
        const Predicted* predicted_ = nullptr;
    };

private:
    static constexpr unsigned char hasTyped = 1;
    static constexpr unsigned char hasMessages = 2;
    static constexpr unsigned char hasPrediction = 4;

    // At most blockRows consecutive rows.
    struct Block {
        size_t first = 0;         // the number of its first row since the load
        std::vector<Value> start; // the values before its first row
        std::vector<Row> rows;
        std::vector<Change> changes;
        std::vector<Typed> typed;
        std::vector<Message> messages;
        std::vector<Predicted> predicted;
    };

    Block& blockFor(size_t absolute);
    const Block* findBlock(size_t absolute) const;
    Value intern(const std::string& text);
    void compare(Block& block, std::uint32_t column);
    // The less common parts of a row, kept out of the way of the common one.
    [[gnu::cold]] void startBlock();
    [[gnu::cold]] void compareAll(Block& block);
    [[gnu::cold]] void applyShown(Block& block, std::span<const Shown> shown);
    [[gnu::cold]] void addMessages(Block& block, std::uint32_t row,
                                   const std::vector<std::string>& messages);
    [[gnu::cold]] bool takeTyped(Block& block, std::uint32_t row);
    [[gnu::cold]] void trim();

    std::vector<Column> columns_;
    std::vector<std::uint32_t> everyRow_;
    std::vector<Value> last_; // the values of the newest row
    std::vector<std::pair<std::uint32_t, std::string>> typed_;
    std::deque<Block> blocks_;
    Block* current_ = nullptr; // the newest block
    std::vector<std::string> pool_;
    std::unordered_map<std::string, Value> pooled_;
    size_t first_ = 0;
    size_t end_ = 0;
    std::uint32_t nextStep_ = 1;
    Truth truth_ = Truth::None;
    size_t limit_ = defaultLimit;
    bool resync_ = false; // compare every column at the next row
    bool predictions_ = false;
    std::uint64_t revision_ = 0;
};
