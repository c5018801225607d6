// The trace window of a lesson, offscreen: its button and key in every lesson window, its
// rows, headers and marks, keeping up with steps and steps back, saving and copying.
#include "lesson/added_window.h"
#include "lesson/free_place.h"
#include "lesson/trace_item_model.h"
#include "lesson/trace_texts.h"
#include "lesson/trace_window.h"
#include "lesson/window_words.h"
#include "support/window_checks.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

namespace
{

QString cell(const TraceWindow& trace, int row, const QString& header, int role = Qt::DisplayRole)
{
    const TraceItemModel* model = trace.model();
    for (int c = 0; c < model->columnCount(); ++c) {
        if (model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header)
            return model->data(model->index(row, c), role).toString();
    }
    return QStringLiteral("<no column %1>").arg(header);
}

QColor background(const TraceWindow& trace, int row, const QString& header)
{
    const TraceItemModel* model = trace.model();
    for (int c = 0; c < model->columnCount(); ++c) {
        if (model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header)
            return model->data(model->index(row, c), Qt::BackgroundRole).value<QColor>();
    }
    return {};
}

} // namespace

class TraceWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { window_checks::setUp(); }

    void theButtonFitsEveryLessonWindowAndOpensTheTable()
    {
        for (const std::string& form : lesson_registry::forms()) {
            auto window = window_checks::open(form.c_str());
            auto* button = window->findChild<QPushButton*>(QStringLiteral("TraceButton"));
            QVERIFY2(button, form.c_str());
            const QString clear = window_checks::clearOfOthers(*window, button);
            QVERIFY2(clear.isEmpty(), qPrintable(clear));
            QVERIFY(!window->traceWindow());
            QTest::mouseClick(button, Qt::LeftButton);
            TraceWindow* trace = window->traceWindow();
            QVERIFY2(trace && trace->isVisible(), form.c_str());
            QCOMPARE(trace->windowTitle(),
                     QStringLiteral("トレース表 - ") +
                         QString::fromStdString(window->model().description().caption));
            QCOMPARE(trace->model()->rowCount(), 1); // the state at load
            window->close();
            QVERIFY(!trace->isVisible()); // closed with its lesson window
        }
    }

    // The browser page puts the buttons where the description says: that must be exactly
    // where the desktop window put them, in every lesson.
    void theDescriptionPlacesTheAddedButtonsWhereTheWindowDoes()
    {
        for (const std::string& form : lesson_registry::forms()) {
            auto window = window_checks::open(form.c_str());
            const added_buttons::Places places =
                added_buttons::place(window->model().description());
            for (const auto& [name, placed] :
                 {std::pair{"StepBack", places.stepBack}, std::pair{"TraceButton", places.trace}}) {
                auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
                QVERIFY2(button && placed, (form + " " + name).c_str());
                QCOMPARE(button->geometry(), free_place::rect(placed->rect));
                QCOMPARE(button->text(), QString::fromStdString(placed->caption));
            }
        }
    }

    // The trace window lands where the rule both front ends share puts it, for the screen
    // and the lesson window as they are (the page is held to the same rule; the rule's own
    // tests hold it clear of the listing, the note and 進む on a projector's screen).
    void theTraceWindowIsPlacedByTheSharedRule()
    {
        for (const std::string& form : lesson_registry::forms()) {
            auto window = window_checks::open(form.c_str());
            window->move(0, 0);
            window->Trace_Click();
            TraceWindow* trace = window->traceWindow();
            QVERIFY2(trace, form.c_str());
            const LessonDescription& d = window->model().description();
            added_window::Request request = added_window::traceRequest(d, trace->fittedWidth());
            request.smallestWidth = trace->minimumSizeHint().width();
            request.smallestHeight = trace->minimumSizeHint().height();
            const QRect screen = window->screen()->availableGeometry();
            const QRect client = window->geometry();
            const QRect outer = window->frameGeometry();
            request.area = Rect{screen.x(), screen.y(), screen.width(), screen.height()};
            request.lesson = Rect{client.x(), client.y(), client.width(), client.height()};
            request.frame = added_window::Frame{
                client.left() - outer.left(), client.top() - outer.top(),
                outer.right() - client.right(), outer.bottom() - client.bottom()};
            const Rect placed = added_window::place(request);
            QCOMPARE(trace->geometry(), free_place::rect(placed));
            QVERIFY2(screen.contains(trace->frameGeometry()), form.c_str());
        }
    }

    // The window's texts are the ones the browser page receives: one source for both.
    void theWindowShowsTheSharedTexts()
    {
        auto window = window_checks::open("frmTotal");
        auto* button = window->findChild<QPushButton*>(QStringLiteral("TraceButton"));
        QCOMPARE(button->toolTip(), QString::fromStdString(window_words::hint(
                                        *window_words::shortcutOf("TraceButton"))));
        window->Trace_Click();
        TraceWindow* trace = window->traceWindow();
        QVERIFY(trace);
        const auto text = [](std::string_view t) { return QString::fromUtf8(t); };
        QCOMPARE(trace->windowTitle(), text(trace_texts::title("配列の値の合計")));
        const auto find = [&](const char* name) {
            return trace->findChild<QPushButton*>(QString::fromLatin1(name));
        };
        QCOMPARE(find("SaveCsv")->text(), text(trace_texts::saveCaption));
        QCOMPARE(find("SaveCsv")->toolTip(), text(trace_texts::saveHint));
        QCOMPARE(find("CopyRows")->text(), text(trace_texts::copyCaption));
        QCOMPARE(find("CopyRows")->toolTip(), text(trace_texts::copyHint));
        QCOMPARE(find("CloseTrace")->text(), text(trace_texts::closeCaption));
        QCOMPARE(trace->findChild<QLabel*>(QStringLiteral("RowCount"))->text(), text("1 行"));
        QCOMPARE(trace->findChild<QLabel*>(QStringLiteral("Legend"))->accessibleName(),
                 text(trace_texts::legendName));
        QCOMPARE(trace->view()->accessibleName(), text(trace_texts::tableName));
    }

    void rowsHeadersAndMarksOfTheArrayTotal()
    {
        auto window = window_checks::open("frmTotal");
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F7);
        TraceWindow* trace = window->traceWindow();
        QVERIFY(trace && trace->isVisible());
        QStringList headers;
        for (int c = 0; c < trace->model()->columnCount(); ++c)
            headers << trace->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(headers,
                 (QStringList{"手順", "行", "実行した文", "次の行", "条件", "a[0]", "a[1]", "a[2]",
                              "a[3]", "a[4]", "total", "関数値", "i", "メッセージ", "入力した値"}));
        QCOMPARE(trace->view()->horizontalHeader()->isVisible(), true);

        for (int k = 0; k < 3; ++k)
            window->Command1_Click();
        auto* a2 = window_checks::control<QLineEdit>(*window, QStringLiteral("Text1(2)"));
        a2->selectAll();
        QTest::keyClicks(a2, QStringLiteral("5"));
        window->Command1_Click();
        trace->syncNow();
        QCOMPARE(trace->model()->rowCount(), 5);
        QCOMPARE(cell(*trace, 0, "手順"), QStringLiteral("初期状態"));
        QCOMPARE(cell(*trace, 2, "条件"), QStringLiteral("i < a.Length : True"));
        QCOMPARE(cell(*trace, 4, "実行した文"), QStringLiteral("total += a[i];"));
        QCOMPARE(cell(*trace, 4, "total"), QStringLiteral("13"));
        QCOMPARE(background(*trace, 0, "手順"), TraceItemModel::sectionColour());
        QCOMPARE(background(*trace, 4, "total"), TraceItemModel::changedColour());
        QCOMPARE(background(*trace, 4, "a[2]"), TraceItemModel::typedColour());
        QVERIFY(cell(*trace, 4, "a[2]", Qt::ToolTipRole).contains(QStringLiteral("入力した値")));
        QCOMPARE(cell(*trace, 4, "a[2]", Qt::AccessibleDescriptionRole),
                 QStringLiteral("入力した値、前の行から変わった値"));
        QVERIFY(!background(*trace, 4, "a[0]").isValid());

        // A screen reader reads it as a table with the variables' names as column headers.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(trace->view());
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->tableInterface()->rowCount(), 5);
        QCOMPARE(table->tableInterface()->columnDescription(10), QStringLiteral("total"));
        QAccessibleInterface* typed = table->tableInterface()->cellAt(4, 7);
        QVERIFY(typed);
        QCOMPARE(typed->text(QAccessible::Name), QStringLiteral("5"));
        QCOMPARE(typed->text(QAccessible::Description),
                 QStringLiteral("入力した値、前の行から変わった値"));
    }

    void keepsUpWithStepsAndStepsBack()
    {
        auto window = window_checks::open("frmSortBuble");
        window->Trace_Click();
        TraceWindow* trace = window->traceWindow();
        for (int k = 0; k < 60; ++k)
            window->Command1_Click();
        trace->syncNow();
        QCOMPARE(trace->model()->rowCount(), 61);
        QCOMPARE(trace->view()->verticalScrollBar()->value(),
                 trace->view()->verticalScrollBar()->maximum()); // the newest row in view
        window->StepBack_Click();
        window->StepBack_Click();
        trace->syncNow();
        QCOMPARE(trace->model()->rowCount(), 59);
        window->Command2_Click();
        trace->syncNow();
        QCOMPARE(cell(*trace, 59, "手順"), QStringLiteral("先頭に戻る"));
        window->Command5_Click();
        trace->syncNow();
        QCOMPARE(cell(*trace, 60, "手順"), QStringLiteral("配列値設定"));

        // Closed, it takes in nothing; opened again, it shows everything.
        trace->close();
        for (int k = 0; k < 5; ++k)
            window->Command1_Click();
        window->Trace_Click();
        QCOMPARE(window->traceWindow(), trace);
        QCOMPARE(trace->model()->rowCount(), 66);
    }

    void droppedRowsAreNoted()
    {
        auto window = window_checks::open("frmTotal");
        window->model().setTraceLimit(5);
        window->Trace_Click();
        TraceWindow* trace = window->traceWindow();
        auto* note = trace->findChild<QLabel*>(QStringLiteral("DroppedNote"));
        QVERIFY(note && !note->isVisible());
        for (int k = 0; k < 12; ++k)
            window->Command1_Click();
        trace->syncNow();
        QCOMPARE(trace->model()->rowCount(), 5);
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains(QStringLiteral("古い 8 行")));
        QCOMPARE(cell(*trace, 0, "手順"), QStringLiteral("8"));
    }

    void savesCsvAndSaysSoWhenItCannot()
    {
        QStringList messages;
        auto window = window_checks::open("frmTotal", &messages);
        window->Trace_Click();
        TraceWindow* trace = window->traceWindow();
        for (int k = 0; k < 4; ++k)
            window->Command1_Click();
        QVERIFY(trace->proposedFileName().startsWith(QStringLiteral("配列の値の合計_20")));
        QVERIFY(trace->proposedFileName().endsWith(QStringLiteral(".csv")));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("合計.csv"));
        QVERIFY(trace->saveCsv(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF\xE6\x89\x8B\xE9\xA0\x86,")); // BOM, "手順,"
        QCOMPARE(bytes.count("\r\n"), 6);
        QVERIFY(messages.isEmpty());

        // Nowhere to write: a message, the window keeps its table, the old file stays.
        QVERIFY(!trace->saveCsv(dir.filePath(QStringLiteral("no/such/folder/x.csv"))));
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().contains(QStringLiteral("保存できませんでした")));
        QVERIFY(!trace->saveCsv(dir.path())); // a folder
        QCOMPARE(messages.size(), 2);

        // The button asks where, proposing the caption and the date.
        QString proposed;
        TraceWindow::setSavePathChooser([&](QWidget*, const QString& p) {
            proposed = p;
            return dir.filePath(QStringLiteral("saved.csv"));
        });
        QTest::mouseClick(trace->findChild<QPushButton*>(QStringLiteral("SaveCsv")),
                          Qt::LeftButton);
        TraceWindow::setSavePathChooser({});
        QVERIFY(proposed.endsWith(trace->proposedFileName()));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("saved.csv"))));
        QCOMPARE(trace->model()->rowCount(), 5);
        QVERIFY(trace->isVisible());
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    void copiesTheSelectedRows()
    {
        auto window = window_checks::open("frmTotal");
        window->Trace_Click();
        TraceWindow* trace = window->traceWindow();
        for (int k = 0; k < 4; ++k)
            window->Command1_Click();
        trace->syncNow();
        auto* copy = trace->findChild<QPushButton*>(QStringLiteral("CopyRows"));
        QVERIFY(!copy->isEnabled());
        trace->view()->selectRow(2);
        QVERIFY(copy->isEnabled());
        trace->copySelection();
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 3); // the header, the row, and the end of the last line
        QVERIFY(lines[0].startsWith(QStringLiteral("手順\t行\t実行した文")));
        QVERIFY(lines[1].startsWith(QStringLiteral("2\t2\tint total=0;\t3\t")));
    }

    void opensAndScrollsACompleteEightQueensRun()
    {
        auto window = window_checks::open("frm8Queen");
        for (int k = 0; k < 65115; ++k)
            window->model().step();
        window->Trace_Click();
        TraceWindow* trace = window->traceWindow();
        QCOMPARE(trace->model()->rowCount(), 65116);
        QCOMPARE(cell(*trace, 65115, "メッセージ"), QStringLiteral("関数実行終わり"));
        QCOMPARE(cell(*trace, 65115, "呼出し"), QStringLiteral("0"));
        QVERIFY(QTest::qWaitForWindowExposed(trace));
        trace->view()->scrollToTop();
        QCOMPARE(trace->view()->rowAt(0), 0);
    }
};

QTEST_MAIN(TraceWindowTest)
#include "test_trace_windows.moc"
