#include "lesson/qt_convert.h"
#include "support/window_checks.h"

#include <QRadioButton>

using namespace window_checks;

namespace
{

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

// The width a control's caption needs.
int captionWidth(const QWidget* widget)
{
    if (auto* option = qobject_cast<const QRadioButton*>(widget))
        return option->sizeHint().width();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->fontMetrics().horizontalAdvance(button->text()) + 6;
    int width = 0;
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            width = std::max(width, QFontMetrics(label->font()).horizontalAdvance(line));
    }
    return width;
}

} // namespace

class ArrayWindowsTest : public QObject
{
    Q_OBJECT

private:
    QStringList messages_;

private slots:
    void initTestCase() { setUp(); }

    void everyControlIsShownWholeAndOverlapsNoOther()
    {
        for (const char* form : {"frmReverseArray", "frmTableArray", "frmStack", "frmQue",
                                 "frmQue2CountP", "frmQue2"}) {
            auto window = open(form);
            const LessonDescription& d = window->model().description();
            QCOMPARE(window->size(),
                     QSize(qt_convert::pixels(d.width), qt_convert::pixels(d.height)));
            QList<QWidget*> widgets;
            for (QWidget* child : window->findChildren<QWidget*>()) {
                if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
                    widgets << child;
            }
            QVERIFY(widgets.size() >= 30);
            for (QWidget* widget : widgets) {
                const QString where = QStringLiteral("%1 %2").arg(form, widget->objectName());
                QVERIFY2(widget->isVisible(), qPrintable(where));
                QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                         qPrintable(where));
                QVERIFY2(captionWidth(widget) <= widget->width(), qPrintable(where));
                for (QWidget* other : widgets) {
                    QVERIFY2(other == widget || other->parentWidget() != widget->parentWidget() ||
                                 !widget->geometry().intersects(other->geometry()),
                             qPrintable(where + QStringLiteral(" / ") + other->objectName()));
                }
            }
        }
    }

    void framesHoldTheirRoutinesValues()
    {
        const struct {
            const char* form;
            const char* key;
            const char* frame;
        } cases[] = {
            {"frmReverseArray", "Text1(14)", "Frame4"}, {"frmTableArray", "Text1(8)", "Frame4"},
            {"frmTableArray", "lblTable", "Frame3"},    {"frmStack", "Option2", "Frame6"},
            {"frmStack", "Text1(11)", "Frame4"},        {"frmQue", "Text1(12)", "Frame4"},
            {"frmQue", "Text1(14)", "Frame5"},          {"frmQue2", "Text1(15)", "Frame5"},
        };
        for (const auto& c : cases) {
            auto window = open(c.form);
            QCOMPARE(container(control(*window, c.key)), QString::fromLatin1(c.frame));
        }
    }

    void optionsChooseTheRoutineAndMarksAreRedAndBlue()
    {
        auto stack = open("frmStack", &messages_);
        auto* push = control<QRadioButton>(*stack, "Option1");
        QVERIFY(push->isChecked());
        QCOMPARE(boxColour(*stack, 0), red);
        QTest::mouseClick(control<QRadioButton>(*stack, "Option2"), Qt::LeftButton);
        QCOMPARE(lineColour(*stack, 2), QColor(255, 255, 0));
        QTest::mouseClick(push, Qt::LeftButton);
        for (int k = 0; k < 43; ++k) // ten pushes, then the full message
            stack->Command1_Click();
        QCOMPARE(messages_, QStringList{QStringLiteral("スタックが満杯です．")});
        for (int k = 0; k <= 12; ++k) // a full stack marks no box, the pointer box least
            QCOMPARE(boxColour(*stack, k), QApplication::palette().color(QPalette::Base));

        auto reversal = open("frmReverseArray");
        for (int k = 0; k < 3; ++k)
            reversal->Command1_Click();
        QCOMPARE(boxColour(*reversal, 0), red);
        QCOMPARE(boxColour(*reversal, 9), blue);
    }

    void tableAndCellsShowTheirCaptions()
    {
        auto table = open("frmTableArray");
        QVERIFY(caption(*table, "lblTable").startsWith(QStringLiteral("31, 31,\n28, 29,\n")));
        QCOMPARE(caption(*table, "lblTable").count(QLatin1Char('\n')), 12);

        auto counter = open("frmQue2CountP");
        const auto cell = [&](int k) {
            return control(*counter, QStringLiteral("lblP(%1)").arg(k));
        };
        for (int k = 1; k < 10; ++k) {
            QCOMPARE(caption(*counter, cell(k)->objectName()), QString::number(k));
            QVERIFY(cell(k)->x() > cell(k - 1)->x());
        }
        counter->Command1_Click();
        counter->Command1_Click();
        QCOMPARE(cell(0)->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
        QCOMPARE(cell(1)->palette().color(QPalette::Window), red);
    }
};

QTEST_MAIN(ArrayWindowsTest)
#include "test_arrays_windows.moc"
