#include "lesson/listing_label.h"
#include "lesson/qt_convert.h"
#include "support/window_checks.h"

#include <QRadioButton>

using namespace window_checks;

namespace
{

const char* const forms[] = {"frmReverseArray", "frmTableArray", "frmStack",
                             "frmQue",          "frmQue2CountP", "frmQue2"};

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

QColor windowColour()
{
    return QApplication::palette().color(QPalette::Base);
}

QColor cellColour(const QWidget& window, int k)
{
    const QWidget* cell = control(window, QStringLiteral("lblP(%1)").arg(k));
    return cell ? cell->palette().color(QPalette::Window) : QColor();
}

// The widgets a window was built from: every control of its description and every
// listing label.
QList<QWidget*> builtWidgets(const LessonForm& window)
{
    QList<QWidget*> widgets;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->objectName().isEmpty() &&
            child->objectName() != QLatin1String("qt_scrollarea_viewport"))
            widgets << child;
    }
    return widgets;
}

// The width a control's caption needs.
int captionWidth(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        int width = 0;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            width = std::max(width, QFontMetrics(label->font()).horizontalAdvance(line));
        return width;
    }
    if (auto* option = qobject_cast<const QRadioButton*>(widget))
        return option->sizeHint().width();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->fontMetrics().horizontalAdvance(button->text()) + 6;
    return 0;
}

} // namespace

class ArrayWindowsTest : public QObject
{
    Q_OBJECT

private:
    QStringList messages_;

private slots:
    void initTestCase() { setUp(); }
    void init() { messages_.clear(); }

    void everyControlIsInsideItsParentAndOverlapsNoOther()
    {
        for (const char* form : forms) {
            auto window = open(form, &messages_);
            const LessonDescription& d = window->model().description();
            QCOMPARE(window->size(),
                     QSize(qt_convert::pixels(d.width), qt_convert::pixels(d.height)));
            const QList<QWidget*> widgets = builtWidgets(*window);
            for (QWidget* widget : widgets) {
                const QString where = QStringLiteral("%1 %2").arg(form, widget->objectName());
                QVERIFY2(widget->isVisible(), qPrintable(where));
                QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                         qPrintable(where));
                QVERIFY2(captionWidth(widget) <= widget->width(), qPrintable(where));
                for (QWidget* other : widgets) {
                    if (other == widget || other->parentWidget() != widget->parentWidget())
                        continue;
                    QVERIFY2(!widget->geometry().intersects(other->geometry()),
                             qPrintable(where + QStringLiteral(" / ") + other->objectName()));
                }
            }
        }
    }

    void reversalMarksTheExchangedPair()
    {
        auto window = open("frmReverseArray");
        QCOMPARE(window->windowTitle(), QStringLiteral("配列の逆転"));
        QCOMPARE(caption(*window, "Frame4"), QStringLiteral("swap"));
        for (const char* key : {"Text1(12)", "Text1(13)", "Text1(14)", "Label4(14)"})
            QCOMPARE(container(control(*window, key)), QStringLiteral("Frame4"));
        QCOMPARE(caption(*window, "Label4(0)"), QStringLiteral("a( a.Length=10)"));
        // The index captions stand to the left of their boxes, in the order 0 to 9.
        const int labels[] = {1, 2, 6, 5, 7, 10, 9, 11, 12, 13};
        for (int k = 0; k < 10; ++k) {
            const QWidget* label = control(*window, QStringLiteral("Label4(%1)").arg(labels[k]));
            const QWidget* box = control(*window, QStringLiteral("Text1(%1)").arg(k));
            QCOMPARE(caption(*window, label->objectName()), QString::number(k));
            QVERIFY(label->x() < box->x());
            QVERIFY(std::abs(label->geometry().center().y() - box->geometry().center().y()) < 4);
        }
        for (int k = 0; k < 3; ++k)
            window->Command1_Click();
        QCOMPARE(boxColour(*window, 0), red);
        QCOMPARE(boxColour(*window, 9), blue);
        QCOMPARE(caption(*window, "Label3"), QString());
        window->Command1_Click();
        QCOMPARE(boxText(*window, 13), QStringLiteral("13"));
    }

    void tableShowsTheMonthTableAndStartsOnLineFour()
    {
        auto window = open("frmTableArray");
        QCOMPARE(window->windowTitle(), QStringLiteral("配列を表として"));
        QCOMPARE(lineColour(*window, 4), QColor(255, 255, 0));
        const QString table = caption(*window, "lblTable");
        QCOMPARE(table.split(QLatin1Char('\n')).size(), 13);
        QVERIFY(table.startsWith(QStringLiteral("31, 31,\n28, 29,\n")));
        QCOMPARE(caption(*window, "Frame4"), QStringLiteral("うるう年判定"));
        QCOMPARE(container(control(*window, "Text1(8)")), QStringLiteral("Frame4"));
        QCOMPARE(caption(*window, "Label1(16)"),
                 QStringLiteral("   if (Y % 4 ==0 && Y % 100 !=0 || Y % 400 ==0) U=1;"));
        window->Command1_Click();
        window->Command2_Click();
        QCOMPARE(window->model().line(), 4);
    }

    void stackOptionsChooseTheRoutine()
    {
        auto window = open("frmStack", &messages_);
        QCOMPARE(window->windowTitle(), QStringLiteral("Ｓｔａｃｋ"));
        auto* push = control<QRadioButton>(*window, "Option1");
        auto* pop = control<QRadioButton>(*window, "Option2");
        QCOMPARE(container(push), QStringLiteral("Frame6"));
        QCOMPARE(caption(*window, "Frame6"), QStringLiteral("関数"));
        QVERIFY(push->isChecked());
        QCOMPARE(lineColour(*window, 15), QColor(255, 255, 0));
        QCOMPARE(boxColour(*window, 0), red);
        QTest::mouseClick(pop, Qt::LeftButton);
        QCOMPARE(window->model().line(), 2);
        QCOMPARE(lineColour(*window, 2), QColor(255, 255, 0));
        QTest::mouseClick(push, Qt::LeftButton);
        // Ten pushes fill the stack: no slot is red and the pointer box never is.
        for (int k = 0; k < 40; ++k)
            window->Command1_Click();
        QCOMPARE(boxText(*window, 10), QStringLiteral("10"));
        for (int k = 0; k <= 12; ++k)
            QCOMPARE(boxColour(*window, k), windowColour());
        for (int k = 0; k < 3; ++k)
            window->Command1_Click();
        QCOMPARE(messages_, QStringList{QStringLiteral("スタックが満杯です．")});
    }

    void queuesShowTheirRoutineFrames()
    {
        const struct {
            const char* form;
            const char* title;
            const char* frame4;
            const char* frame5;
            int line;
        } cases[] = {
            {"frmQue", "Que(待ち行列）", "Text1(13)", "Text1(14)", 18},
            {"frmQue2", "サイクリックなQue(待ち行列）", "Text1(12)", "Text1(15)", 14},
        };
        for (const auto& c : cases) {
            auto window = open(c.form);
            QCOMPARE(window->windowTitle(), QString::fromUtf8(c.title));
            QCOMPARE(caption(*window, "Option1"), QStringLiteral("EnQue"));
            QCOMPARE(caption(*window, "Frame4"), QStringLiteral("DeQue"));
            QCOMPARE(caption(*window, "Frame5"), QStringLiteral("EnQue"));
            QCOMPARE(container(control(*window, c.frame4)), QStringLiteral("Frame4"));
            QCOMPARE(container(control(*window, c.frame5)), QStringLiteral("Frame5"));
            QCOMPARE(window->model().line(), c.line);
        }
        auto cyclic = open("frmQue2");
        QCOMPARE(boxColour(*cyclic, 0), blue);
        for (int k = 0; k < 5; ++k)
            cyclic->Command1_Click();
        QCOMPARE(boxColour(*cyclic, 0), blue);
        QCOMPARE(boxColour(*cyclic, 1), red);
    }

    void counterMarksItsCell()
    {
        auto window = open("frmQue2CountP", &messages_);
        QCOMPARE(window->windowTitle(), QStringLiteral("カウンタ処理"));
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(cellColour(*window, 0), red);
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(caption(*window, QStringLiteral("lblP(%1)").arg(k)), QString::number(k));
            if (k > 0)
                QVERIFY(control(*window, QStringLiteral("lblP(%1)").arg(k))->x() >
                        control(*window, QStringLiteral("lblP(%1)").arg(k - 1))->x());
        }
        window->Command1_Click();
        window->Command1_Click();
        QCOMPARE(cellColour(*window, 0), face);
        QCOMPARE(cellColour(*window, 1), red);
        QCOMPARE(caption(*window, "Label3"), QStringLiteral(" P>=MAXQUE : False"));
        auto* p = control<QLineEdit>(*window, "Text1(0)");
        p->selectAll();
        QTest::keyClicks(p, QStringLiteral("x"));
        window->Command1_Click();
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(window->model().line(), 4);
        QCOMPARE(p->text(), QStringLiteral("x"));
    }
};

QTEST_MAIN(ArrayWindowsTest)
#include "test_arrays_windows.moc"
