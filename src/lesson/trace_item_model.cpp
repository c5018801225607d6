#include "trace_item_model.h"

#include "qt_convert.h"
#include "trace_texts.h"

#include <QColor>
#include <QFont>

TraceItemModel::TraceItemModel(const LessonModel& lesson, QObject* parent)
    : QAbstractTableModel(parent), table_(lesson)
{
    revision_ = table_.trace().revision();
    first_ = table_.trace().dropped();
    end_ = first_ + table_.trace().size();
}

namespace
{

QColor qColour(trace_texts::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

const QColor& TraceItemModel::changedColour()
{
    static const QColor colour = qColour(trace_texts::changedColour);
    return colour;
}

const QColor& TraceItemModel::typedColour()
{
    static const QColor colour = qColour(trace_texts::typedColour);
    return colour;
}

const QColor& TraceItemModel::sectionColour()
{
    static const QColor colour = qColour(trace_texts::sectionColour);
    return colour;
}

int TraceItemModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(end_ - first_);
}

int TraceItemModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.columnCount());
}

long long TraceItemModel::traceRow(int row) const
{
    const Trace& trace = table_.trace();
    const size_t absolute = first_ + static_cast<size_t>(row);
    if (row < 0 || absolute < trace.dropped() || absolute >= trace.dropped() + trace.size())
        return -1;
    return static_cast<long long>(absolute - trace.dropped());
}

QVariant TraceItemModel::data(const QModelIndex& index, int role) const
{
    const long long row = index.isValid() ? traceRow(index.row()) : -1;
    if (row < 0)
        return {};
    table_.seek(static_cast<size_t>(row));
    const auto column = static_cast<size_t>(index.column());
    const TraceTable::Column kind = table_.kind(column);
    switch (role) {
    case Qt::DisplayRole: return qt_convert::text(table_.shown(column));
    case Qt::BackgroundRole:
        if (table_.typed(column))
            return typedColour();
        if (table_.changed(column))
            return changedColour();
        if (table_.section())
            return sectionColour();
        return {};
    case Qt::FontRole: {
        // Not by colour alone: a changed value is bold, a typed one italic.
        const bool typed = table_.typed(column) != nullptr;
        const bool bold =
            table_.changed(column) || (table_.section() && kind == TraceTable::Column::Step);
        if (!typed && !bold)
            return {};
        QFont font;
        font.setItalic(typed);
        font.setBold(bold);
        return font;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (table_.rightAligned(column) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::ToolTipRole: return qt_convert::text(table_.hint(column));
    case Qt::AccessibleDescriptionRole: return qt_convert::text(table_.marks(column));
    }
    return {};
}

QVariant TraceItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return QString::number(static_cast<qulonglong>(first_) +
                                   static_cast<qulonglong>(section) + 1);
        return {};
    }
    if (section < 0 || static_cast<size_t>(section) >= table_.columnCount())
        return {};
    const auto column = static_cast<size_t>(section);
    if (role == Qt::DisplayRole)
        return qt_convert::text(table_.header(column));
    if (role == Qt::ToolTipRole)
        return qt_convert::text(table_.headerHint(column));
    return {};
}

bool TraceItemModel::sync()
{
    const Trace& trace = table_.trace();
    const size_t first = trace.dropped();
    const size_t end = first + trace.size();
    if (trace.revision() != revision_) {
        beginResetModel();
        revision_ = trace.revision();
        first_ = first;
        end_ = end;
        endResetModel();
        return true;
    }
    if (first > first_) {
        const size_t gone = std::min(first, end_) - first_;
        if (gone > 0) {
            beginRemoveRows({}, 0, static_cast<int>(gone) - 1);
            first_ += gone;
            endRemoveRows();
        }
        first_ = first;
        end_ = std::max(end_, first_);
    }
    if (end > end_) {
        beginInsertRows({}, static_cast<int>(end_ - first_), static_cast<int>(end - first_) - 1);
        end_ = end;
        endInsertRows();
    }
    return false;
}
