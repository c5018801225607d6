#pragma once

#include "trace_table.h"

#include <QAbstractTableModel>

#include <cstdint>

// The trace of one lesson as a Qt table model, read straight from the lesson's trace (no
// copy): only the rows a view shows are ever turned into texts. sync() tells the views
// what changed since the last call: rows added at the end, rows dropped at the start, or
// a new table after a step back.
class TraceItemModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TraceItemModel(const LessonModel& lesson, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const TraceTable& table() const { return table_; }
    // The trace row of a model row (0: the oldest kept), or -1 when it is gone.
    long long traceRow(int row) const;
    // Catches up with the trace; true when the table was rebuilt rather than extended.
    bool sync();

    // The looks of the cells: a changed value, a typed value, a section's first row.
    static const QColor& changedColour();
    static const QColor& typedColour();
    static const QColor& sectionColour();

private:
    TraceTable table_;
    std::uint64_t revision_ = 0;
    size_t first_ = 0; // the trace rows the views know: first_ to end_ - 1
    size_t end_ = 0;
};
