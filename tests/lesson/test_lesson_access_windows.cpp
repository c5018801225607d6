// A lesson window without a mouse and for screen readers: the step-back button, the
// shortcuts, the tab order and the accessible names, across every lesson.
#include "support/window_checks.h"

#include <QAccessible>
#include <QPushButton>

class LessonAccessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { window_checks::setUp(); }

    void stepBackButtonFitsEveryWindowAndGoesBackOneStep()
    {
        for (const std::string& form : lesson_registry::forms()) {
            auto window = window_checks::open(form.c_str());
            auto* back = window->findChild<QPushButton*>(QStringLiteral("StepBack"));
            QVERIFY2(back, form.c_str());
            QVERIFY2(window->rect().contains(back->geometry()), form.c_str());
            for (QWidget* other : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other != back && !other->isWindow())
                    QVERIFY2(!other->geometry().intersects(back->geometry()),
                             qPrintable(QString::fromStdString(form) + " overlaps " +
                                        other->objectName()));
            }
            QVERIFY(!back->isEnabled());
            window->Command1_Click();
            const int line = window->model().line();
            const QString note = window_checks::caption(*window, QStringLiteral("Label2"));
            window->Command1_Click();
            QVERIFY(back->isEnabled());
            QTest::mouseClick(back, Qt::LeftButton);
            QCOMPARE(window->model().line(), line);
            QCOMPARE(window_checks::caption(*window, QStringLiteral("Label2")), note);
            QVERIFY(!back->toolTip().isEmpty());
        }
    }

    void shortcutsStepGoBackAndRunTheTimer()
    {
        auto window = window_checks::open("frmTotal");
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("Command1"));
        QTest::keyClick(window.get(), Qt::Key_Right);
        QCOMPARE(window->model().line(), 2);
        QTest::keyClick(window.get(), Qt::Key_F10);
        QCOMPARE(window->model().line(), 3);
        QTest::keyClick(window.get(), Qt::Key_Left);
        QCOMPARE(window->model().line(), 2);
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->model().line(), 0);
        QTest::keyClick(window.get(), Qt::Key_Right);
        QTest::keyClick(window.get(), Qt::Key_Home);
        QCOMPARE(window->model().line(), 0);
        QTest::keyClick(window.get(), Qt::Key_F5);
        QVERIFY(window->timer().isActive());
        QCOMPARE(window->timer().interval(), 500);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(!window->timer().isActive());
        const QString tip = window->findChild<QPushButton*>(QStringLiteral("Command1"))->toolTip();
        QVERIFY(tip.contains(QStringLiteral("F10")));
    }

    void aValueBoxKeepsItsKeysAndWhatWasTyped()
    {
        auto window = window_checks::open("frmTotal");
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* box = window_checks::control<QLineEdit>(*window, QStringLiteral("Text1(1)"));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("77"));
        QTest::keyClick(box, Qt::Key_Left);  // moves the cursor, does not step back
        QTest::keyClick(box, Qt::Key_Home);  // the same
        QTest::keyClick(box, Qt::Key_Right); // and does not step
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(window->model().line(), 0);
        QCOMPARE(box->text(), QStringLiteral("77"));
        QCOMPARE(window->model().panel().text1[1].text, std::string("77"));
        QTest::keyClick(box, Qt::Key_F10); // F10 steps from a box too
        QCOMPARE(window->model().line(), 2);
        QCOMPARE(box->text(), QStringLiteral("77"));
    }

    void tabGoesThroughTheValuesTopToBottomThenTheButtons()
    {
        auto window = window_checks::open("frmTotal");
        QStringList order;
        QWidget* w = window_checks::control(*window, QStringLiteral("Text1(0)"));
        for (int k = 0; k < 80 && w; ++k, w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                order << w->objectName();
        }
        const QStringList expected = {"Text1(0)", "Text1(5)", "Text1(1)", "Text1(7)", "Text1(2)",
                                      "Text1(6)", "Text1(3)", "Text1(4)", "txtTime",  "Command1",
                                      "StepBack", "Command2", "Command3", "Command4"};
        QCOMPARE(order.mid(0, expected.size()), expected);
    }

    void valueBoxesAreNamedAfterTheirCaptions()
    {
        const struct {
            const char* form;
            QString box;
            QString name;
        } cases[] = {
            {"frmTotal", "Text1(2)", "a[2]"},
            {"frmTotal", "Text1(5)", "total"},
            {"frmTotal", "Text1(7)", "i"},
            {"frmTotal", "txtTime", "タイマ間隔"},
            {"frmFact", "Text1(2)", "呼び出しレベル"}, // bound to no variable: its caption
            {"frmSortQuick", "Text1(21)", "right"},
            {"frm8Queen", "Text2(3)", "列位置[3]"},
        };
        for (const auto& c : cases) {
            auto window = window_checks::open(c.form);
            QWidget* box = window_checks::control(*window, c.box);
            QVERIFY2(box, qPrintable(c.box));
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), c.name);
        }
    }

    void theNoteTellsScreenReadersWhichLineRunsNext()
    {
        auto window = window_checks::open("frmTotal");
        window->Command1_Click();
        window->Command1_Click();
        QWidget* note = window_checks::control(*window, QStringLiteral("Label2"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(note);
        QCOMPARE(accessible->text(QAccessible::Name),
                 QStringLiteral("3行目: for(int i=0;i<a.Length;i++)"));
        QWidget* line = window_checks::control(*window, QStringLiteral("Label1(3)"));
        QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name),
                 QStringLiteral("     for(int i=0;i<a.Length;i++)"));
        QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Description),
                 QStringLiteral("3行目"));
    }
};

QTEST_MAIN(LessonAccessTest)
#include "test_lesson_access_windows.moc"
