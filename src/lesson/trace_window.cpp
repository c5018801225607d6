#include "trace_window.h"

#include "free_place.h"
#include "lesson_form.h"
#include "qt_convert.h"
#include "question_window.h"
#include "trace_export.h"
#include "trace_item_model.h"
#include "trace_texts.h"
#include "window_rules.h"
#include "window_zoom.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <set>

namespace
{

TraceWindow::SavePathChooser& chooser()
{
    static TraceWindow::SavePathChooser c;
    return c;
}

QString colourName(trace_texts::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue).name();
}

QString swatch(const QColor& colour, const QString& text)
{
    return QStringLiteral("<span style=\"background-color:%1\">&nbsp;%2&nbsp;</span>")
        .arg(colour.name(), text);
}

} // namespace

TraceWindow::TraceWindow(const LessonModel& lesson, QWidget* lessonWindow)
    : QWidget(nullptr, Qt::Window), lesson_(lesson), lessonWindow_(lessonWindow)
{
    setObjectName(QStringLiteral("TraceWindow"));
    setWindowTitle(qt_convert::text(trace_texts::title(lesson.description().caption)));
    setAttribute(Qt::WA_QuitOnClose, false); // the lesson and the menus decide when to end
    pending_.setSingleShot(true);
    connect(&pending_, &QTimer::timeout, this, &TraceWindow::syncNow);
    build();
    if (lessonWindow)
        lessonWindow->installEventFilter(this);
}

TraceWindow::~TraceWindow() = default;

bool TraceWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The lesson window closed or was hidden by the program (not minimised): so is this.
    if (watched == lessonWindow_ && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return QWidget::eventFilter(watched, event);
}

void TraceWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && view_) { // zoomed: measured again
        fitRows();
        fitAll();
    }
}

void TraceWindow::fitRows()
{
    const int padding = static_cast<int>(6 * window_zoom::factor(this) + 0.5);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + padding);
}

void TraceWindow::build()
{
    model_ = new TraceItemModel(lesson_, this);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("TraceTable"));
    view_->setModel(model_);
    view_->setAccessibleName(qt_convert::text(trace_texts::tableName));
    view_->setAccessibleDescription(qt_convert::text(trace_texts::tableDescription));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->setTextElideMode(Qt::ElideRight);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every row is one text line high: the view never measures rows it does not show.
    QHeaderView* rows = view_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    fitRows();
    rows->hide();
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setMinimumSectionSize(24);
    view_->horizontalHeader()->setStretchLastSection(true);

    dropped_ = new QLabel(this);
    dropped_->setObjectName(QStringLiteral("DroppedNote"));
    dropped_->setWordWrap(true);
    dropped_->setStyleSheet(
        QStringLiteral("color: %1;").arg(colourName(trace_texts::droppedColour)));
    dropped_->hide();

    auto* legend = new QLabel(this);
    legend->setObjectName(QStringLiteral("Legend"));
    legend->setTextFormat(Qt::RichText);
    legend->setText(
        swatch(TraceItemModel::changedColour(),
               QStringLiteral("<b>%1</b>").arg(qt_convert::text(trace_texts::legendChanged))) +
        QStringLiteral("&nbsp;&nbsp;") +
        swatch(TraceItemModel::typedColour(),
               QStringLiteral("<i>%1</i>").arg(qt_convert::text(trace_texts::legendTyped))) +
        QStringLiteral("&nbsp;&nbsp;") +
        swatch(TraceItemModel::sectionColour(), qt_convert::text(trace_texts::legendSection)));
    legend->setAccessibleName(qt_convert::text(trace_texts::legendName));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("RowCount"));

    auto* save = new QPushButton(qt_convert::text(trace_texts::saveCaption), this);
    save->setObjectName(QStringLiteral("SaveCsv"));
    save->setToolTip(qt_convert::text(trace_texts::saveHint));
    connect(save, &QPushButton::clicked, this, &TraceWindow::Save_Click);
    copy_ = new QPushButton(qt_convert::text(trace_texts::copyCaption), this);
    copy_->setObjectName(QStringLiteral("CopyRows"));
    copy_->setToolTip(qt_convert::text(trace_texts::copyHint));
    copy_->setEnabled(false);
    connect(copy_, &QPushButton::clicked, this, &TraceWindow::Copy_Click);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { copy_->setEnabled(view_->selectionModel()->hasSelection()); });
    auto* close = new QPushButton(qt_convert::text(trace_texts::closeCaption), this);
    close->setObjectName(QStringLiteral("CloseTrace"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &TraceWindow::Save_Click);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &TraceWindow::copySelection);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

    auto* info = new QHBoxLayout;
    info->addWidget(legend);
    info->addStretch();
    info->addWidget(count_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(copy_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dropped_);
    layout->addWidget(view_, 1);
    layout->addLayout(info);
    layout->addLayout(buttons);
    fitAll();
    showCounts();
}

void TraceWindow::open()
{
    syncNow();
    free_place::showInFront(this, placed_, [this] { place(); });
    view_->scrollToBottom();
}

void TraceWindow::place()
{
    // Measured as it will be shown: zoomed first, as its lesson is, its columns fitted to the
    // zoomed font; what it asks for goes to the rule at 100 %.
    if (lessonWindow_)
        window_zoom::follow(this, lessonWindow_);
    window_zoom::prepare(this);
    const double zoom = window_zoom::factor(this);
    added_window::Request request = added_window::traceRequest(
        lesson_.description(), static_cast<int>(std::lround(fittedWidth() / zoom)));
    request.smallestWidth = minimumSizeHint().width(); // the buttons' row
    request.smallestHeight = minimumSizeHint().height();
    // Clear of the other windows open beside the lesson window (the question window, ...).
    if (const auto* form = qobject_cast<const LessonForm*>(lessonWindow_.data()))
        request.avoid = form->besideShown(this);
    free_place::placeBesideLesson(this, lessonWindow_, request);
}

int TraceWindow::fittedWidth() const
{
    int width = 0;
    for (const int column : fitted_)
        width += column;
    return width;
}

void TraceWindow::refresh()
{
    if (!isVisible())
        return; // taken in when the window opens again
    const int interval = std::clamp(syncCost_ * window_rules::traceSyncShare,
                                    window_rules::traceFastestSync, window_rules::traceSlowestSync);
    if (lastSync_.isValid() && lastSync_.elapsed() < interval) {
        if (!pending_.isActive())
            pending_.start(interval - static_cast<int>(lastSync_.elapsed()));
        return;
    }
    syncNow();
}

void TraceWindow::syncNow()
{
    QElapsedTimer cost;
    cost.start();
    pending_.stop();
    const QScrollBar* bar = view_->verticalScrollBar();
    // Follow the newest row unless the student scrolled up in this window to read.
    const bool follow = !isActiveWindow() || bar->value() >= bar->maximum();
    const int before = model_->rowCount();
    const bool rebuilt = model_->sync();
    const int after = model_->rowCount();
    if (rebuilt)
        fitColumns(std::max(1, after - window_rules::traceFitFirst), after);
    else
        fitColumns(std::max(before, after - 5), after);
    showCounts();
    if (follow || rebuilt)
        view_->scrollToBottom();
    if (isVisible())
        view_->viewport()->repaint(); // now, to know what showing the rows costs
    syncCost_ = static_cast<int>(cost.elapsed());
    lastSync_.restart();
}

void TraceWindow::fitColumns(int fromRow, int toRow, bool fresh)
{
    QHeaderView* header = view_->horizontalHeader();
    QFont bold = view_->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The padding and the widest column grow with the window's zoom, as its font does.
    const double zoom = window_zoom::factor(this);
    const int padding = static_cast<int>(window_rules::traceColumnPadding * zoom + 0.5);
    const int widest = static_cast<int>(window_rules::traceWidestColumn * zoom + 0.5);
    const auto widen = [&](int column, const QString& text) {
        const int width = std::min(metrics.horizontalAdvance(text) + padding, widest);
        int& fitted = fitted_[static_cast<size_t>(column)];
        if (width > fitted) {
            fitted = width;
            header->resizeSection(column, width);
        }
    };
    if (fresh || fitted_.size() != static_cast<size_t>(model_->columnCount())) {
        // The first fit: each column as wide as its header and rows need.
        fitted_.assign(static_cast<size_t>(model_->columnCount()), header->minimumSectionSize());
        for (int c = 0; c < model_->columnCount(); ++c)
            header->resizeSection(c, header->minimumSectionSize());
    }
    const int columns = model_->columnCount();
    for (int c = 0; c < columns; ++c) {
        const QString title = model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        widen(c, title);
    }
    for (int r = std::max(0, fromRow); r < toRow; ++r) {
        for (int c = 0; c < columns; ++c)
            widen(c, model_->data(model_->index(r, c), Qt::DisplayRole).toString());
    }
}

void TraceWindow::fitAll()
{
    // The first rows and the newest ones: measuring every row would take as long as the
    // table is long, and a column that turns out too narrow elides its text.
    const int rows = model_->rowCount();
    const int first = window_rules::traceFitFirst;
    fitColumns(0, std::min(rows, first), true);
    fitColumns(std::max(first, rows - window_rules::traceFitLast), rows);
}

void TraceWindow::showCounts()
{
    const TraceTable& table = model_->table();
    count_->setText(qt_convert::text(trace_texts::rowCount(table.rowCount())));
    const std::string note = table.droppedNote();
    dropped_->setText(qt_convert::text(note));
    dropped_->setVisible(!note.empty());
}

QString TraceWindow::proposedFileName() const
{
    const QDate today = QDate::currentDate();
    return qt_convert::text(trace_export::fileName(lesson_.description().caption, today.year(),
                                                   today.month(), today.day()));
}

void TraceWindow::setSavePathChooser(SavePathChooser c)
{
    chooser() = std::move(c);
}

void TraceWindow::Save_Click()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString proposed = QDir(folder).filePath(proposedFileName());
    const QString path =
        chooser()
            ? chooser()(this, proposed)
            : QFileDialog::getSaveFileName(this, qt_convert::text(trace_texts::saveDialogTitle),
                                           proposed, qt_convert::text(trace_texts::saveFilter));
    if (!path.isEmpty())
        saveCsv(path);
}

bool TraceWindow::saveCsv(const QString& path)
{
    syncNow();
    const std::string bytes = trace_export::csv(model_->table());
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         file.commit();
    if (!written) {
        LessonForm::showMessage(this, QStringLiteral("%1\n%2\n（%3）")
                                          .arg(qt_convert::text(trace_texts::saveFailed),
                                               QDir::toNativeSeparators(path), file.errorString()));
    }
    return written;
}

void TraceWindow::copySelection()
{
    std::set<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    std::vector<size_t> traceRows;
    for (const int row : rows) {
        if (const long long r = model_->traceRow(row); r >= 0)
            traceRows.push_back(static_cast<size_t>(r));
    }
    if (traceRows.empty())
        return;
    QApplication::clipboard()->setText(
        qt_convert::text(trace_export::tabSeparated(model_->table(), traceRows)));
}
