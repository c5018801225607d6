#include "trace_item_model.h"

#include "qt_convert.h"

#include <QColor>
#include <QFont>

namespace
{

bool numeric(Trace::Kind kind)
{
    return kind != Trace::Kind::Text;
}

} // namespace

TraceItemModel::TraceItemModel(const LessonModel& lesson, QObject* parent)
    : QAbstractTableModel(parent), table_(lesson)
{
    revision_ = table_.trace().revision();
    first_ = table_.trace().dropped();
    end_ = first_ + table_.trace().size();
}

const QColor& TraceItemModel::changedColour()
{
    static const QColor colour(255, 243, 160);
    return colour;
}

const QColor& TraceItemModel::typedColour()
{
    static const QColor colour(196, 226, 255);
    return colour;
}

const QColor& TraceItemModel::sectionColour()
{
    static const QColor colour(226, 226, 226);
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
    const bool variable = kind == TraceTable::Column::Variable;
    switch (role) {
    case Qt::DisplayRole: {
        const std::string text = table_.cell(column);
        return qt_convert::text(
            TraceTable::oneLine(text, kind == TraceTable::Column::Messages ? " / " : "↵"));
    }
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
    case Qt::TextAlignmentRole: {
        const bool number =
            kind == TraceTable::Column::Line || kind == TraceTable::Column::Next ||
            (kind == TraceTable::Column::Step && !table_.section()) ||
            (variable && numeric(table_.trace().columns()[table_.variable(column)].kind));
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::ToolTipRole: return toolTip(column);
    case Qt::AccessibleDescriptionRole: return qt_convert::text(table_.marks(column));
    }
    return {};
}

QString TraceItemModel::toolTip(size_t column) const
{
    if (const std::string* typed = table_.typed(column)) {
        return QStringLiteral("入力した値: 「%1」（このステップの前に入力されました）")
            .arg(qt_convert::text(TraceTable::oneLine(*typed)));
    }
    const std::string text = table_.cell(column);
    if (text.find('\n') != std::string::npos)
        return qt_convert::text(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (table_.changed(column))
        return QStringLiteral("前の行から変わった値");
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
