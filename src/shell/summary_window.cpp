#include "summary_window.h"

#include "assignment/assignment_panel.h"
#include "assignment/assignment_texts.h"
#include "assignments.h"
#include "lesson/lesson_form.h"
#include "lesson/qt_convert.h"
#include "json/result_json.h"

#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QUrl>

namespace texts = assignment_texts;

SummaryWindow::SummaryWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmSummary"));
    setAcceptDrops(true);
    const LessonDescription d = assignment_panel::summary({});
    setWindowTitle(qt_convert::text(d.caption));
    resize(qt_convert::pixels(d.width), qt_convert::pixels(d.height));
    setMinimumSize(size());
    for (const Control& control : d.controls) {
        QWidget* widget = nullptr;
        if (control.kind == ControlKind::Label) {
            widget = new QLabel(qt_convert::text(control.caption), this);
        } else if (control.kind == ControlKind::List) {
            auto* table = new QTableWidget(this);
            table->setEditTriggers(QAbstractItemView::NoEditTriggers);
            table->setSelectionBehavior(QAbstractItemView::SelectRows);
            table->verticalHeader()->setVisible(false);
            table->horizontalHeader()->setStretchLastSection(true);
            tables_.push_back(table);
            widget = table;
        } else if (control.kind == ControlKind::Button) {
            auto* button = new QPushButton(qt_convert::text(control.caption), this);
            connect(button, &QPushButton::clicked, this,
                    control.name == "Add" ? &SummaryWindow::Add_Click
                                          : &SummaryWindow::SaveCsv_Click);
            widget = button;
        } else {
            continue;
        }
        widget->setObjectName(qt_convert::text(control.key()));
        widget->setGeometry(qt_convert::rect(control.rect));
    }
    refresh();
}

SummaryWindow::~SummaryWindow() = default;

void SummaryWindow::addFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        const QString name = QFileInfo(path).fileName();
        if (!paths_.insert(QFileInfo(path).absoluteFilePath()).second)
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            files_.push_back(
                summary::File{qt_convert::utf8(name),
                              texts::cannotRead(texts::resultFile, qt_convert::utf8(path),
                                                qt_convert::utf8(file.errorString())),
                              {}});
            continue;
        }
        const QByteArray bytes = file.read(static_cast<qint64>(result_json::byteLimit) + 1);
        files_.push_back(result_json::file(qt_convert::utf8(name), bytes.toStdString()));
    }
    summary_ = summary::make(files_);
    refresh();
}

void SummaryWindow::refresh()
{
    const LessonDescription d = assignment_panel::summary(summary_.title);
    setWindowTitle(qt_convert::text(d.caption));
    const std::vector<summary::Table> tables = summary::tables(summary_);
    for (size_t t = 0; t < tables.size() && t < tables_.size(); ++t) {
        QTableWidget* view = tables_[t];
        const summary::Table& table = tables[t];
        view->clear();
        view->setColumnCount(static_cast<int>(table.headers.size()));
        view->setRowCount(static_cast<int>(table.rows.size()));
        QStringList headers;
        for (const std::string& header : table.headers)
            headers << qt_convert::text(header);
        view->setHorizontalHeaderLabels(headers);
        view->setAccessibleName(qt_convert::text(table.caption));
        for (size_t r = 0; r < table.rows.size(); ++r) {
            for (size_t c = 0; c < table.rows[r].size(); ++c) {
                // (a file's texts are shown as they are: a table item holds plain text)
                auto* item = new QTableWidgetItem(qt_convert::shown(table.rows[r][c]));
                view->setItem(static_cast<int>(r), static_cast<int>(c), item);
            }
        }
        view->resizeColumnsToContents();
    }
}

void SummaryWindow::Add_Click()
{
    addFiles(assignments::prompts().openFiles(this, qt_convert::text(texts::addResults),
                                              qt_convert::text(texts::resultFilter)));
}

void SummaryWindow::SaveCsv_Click()
{
    const QDate today = QDate::currentDate();
    const QString proposed = qt_convert::text(
        texts::summaryFileName(summary_.title, today.year(), today.month(), today.day()));
    const QString path = assignments::prompts().saveFile(
        this, qt_convert::text(texts::saveCsv), qt_convert::text(texts::csvFilter), proposed);
    if (path.isEmpty())
        return;
    assignments::writeFile(this, path, summary::csv(summary_), texts::saveCsvFailed);
}

void SummaryWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void SummaryWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    addFiles(paths);
    event->acceptProposedAction();
}
