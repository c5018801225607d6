// A lesson window without a mouse and for screen readers: the step-back button, the
// shortcuts, the tab order, the accessible names, the listing and option keys, and what a
// screen reader is told after each action.
#include "lesson/announcer.h"
#include "support/window_checks.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>

namespace
{

// What a window's announcer said, in order. The announcer is the window's notification for
// screen readers: hidden, never focused, named by its last announcement.
class Announcements
{
public:
    explicit Announcements(const QWidget& window)
    {
        announcer_ = window.findChild<Announcer*>();
        QVERIFY(announcer_);
        QObject::connect(announcer_, &Announcer::announced,
                         [this](const QString& text) { said_ << text; });
    }
    int count() const { return static_cast<int>(said_.size()); }
    QString last() const
    {
        if (said_.isEmpty())
            return {};
        // What a screen reader reads when the notification appears.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(announcer_);
        if (accessible->role() != QAccessible::Notification ||
            accessible->text(QAccessible::Name) != said_.last() || announcer_->isVisible() ||
            announcer_->focusPolicy() != Qt::NoFocus)
            return QStringLiteral("(not what a screen reader reads)");
        return said_.last();
    }

private:
    Announcer* announcer_ = nullptr;
    QStringList said_;
};

} // namespace

class LessonAccessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { window_checks::setUp(); }

    // Exactly one listing line says it runs next, the current one, whatever the student did:
    // at load (some lessons start past line 0), after steps, a step back, 先頭に戻る and the
    // option buttons.
    void exactlyOneLineIsTheNextToRun()
    {
        for (const std::string& form : lesson_registry::forms()) {
            auto window = window_checks::open(form.c_str());
            const auto check = [&](const char* after) {
                QList<int> current;
                for (int k = 0; k < 40; ++k) {
                    auto* line =
                        window_checks::control(*window, QStringLiteral("Label1(%1)").arg(k));
                    if (line &&
                        line->accessibleDescription().contains(QStringLiteral("次に実行する行")))
                        current << k;
                }
                QVERIFY2(current == QList<int>{window->model().panel().highlight},
                         qPrintable(QString::fromStdString(form) + " after " + after));
            };
            check("load");
            window->Command1_Click();
            window->Command1_Click();
            check("two steps");
            window->StepBack_Click();
            check("a step back");
            window->Command2_Click();
            check("先頭に戻る");
            if (window->model().description().has("Option2")) {
                window->Option2_Click();
                check("Option2");
                window->Command1_Click();
                window->Option1_Click();
                check("Option1");
            }
        }
    }

    void stepBackButtonFitsEveryWindowAndGoesBackOneStep()
    {
        for (const std::string& form : lesson_registry::forms()) {
            auto window = window_checks::open(form.c_str());
            auto* back = window->findChild<QPushButton*>(QStringLiteral("StepBack"));
            QVERIFY2(back, form.c_str());
            const QString clear = window_checks::clearOfOthers(*window, back);
            QVERIFY2(clear.isEmpty(), qPrintable(clear));
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

    void labelsAreNamedByWhatTheyShowOrSayTheyAreEmpty()
    {
        auto window = window_checks::open("frmTotal");
        window->Command1_Click();
        window->Command1_Click();
        const auto name = [&window](const char* key) {
            return QAccessible::queryAccessibleInterface(
                       window_checks::control(*window, QLatin1String(key)))
                ->text(QAccessible::Name);
        };
        // The note label carries the note itself.
        QCOMPARE(
            name("Label2").trimmed(),
            QStringLiteral("最初 i=0 として i< aの配列サイズのあいだ，\n  次を繰り返します。"));
        QCOMPARE(name("Label3"), QStringLiteral("  i < a.Length : True"));
        QCOMPARE(name("Label1(3)"), QStringLiteral("     for(int i=0;i<a.Length;i++)"));
        QWidget* line = window_checks::control(*window, QStringLiteral("Label1(3)"));
        QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Description),
                 QStringLiteral("3行目、次に実行する行"));
        // Empty labels inside a frame say so instead of reading the frame's title.
        QCOMPARE(name("Label1(8)"), QStringLiteral("空行"));
        window->Command1_Click(); // line 4: no condition
        QCOMPARE(name("Label3"), QStringLiteral("条件なし"));
        QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Description),
                 QStringLiteral("3行目"));
        auto hanoi = window_checks::open("frmHanoi");
        QCOMPARE(QAccessible::queryAccessibleInterface(
                     window_checks::control(*hanoi, QStringLiteral("List1")))
                     ->text(QAccessible::Name),
                 QStringLiteral("一覧 listBox1"));
    }

    // Each action is told once, through the window's notification, while the focus stays
    // where the student is.
    void everyActionIsHeardWithoutMovingTheFocus()
    {
        auto window = window_checks::open("frmTotal");
        const Announcements heard(*window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QWidget* focus = window->focusWidget();
        const struct {
            int key;
            Qt::KeyboardModifiers modifiers;
            QStringList says;
        } steps[] = {
            {Qt::Key_Right, {}, {"2行目 int total=0;。整数型の変数 total に 0 を設定します。"}},
            {Qt::Key_Right,
             {},
             {"3行目 for(int i=0;i<a.Length;i++)。"
              "最初 i=0 として i< aの配列サイズのあいだ， 次を繰り返します。"
              "条件 i < a.Length : True。"}},
            {Qt::Key_Right, {}, {"4行目 total += a[i];。totalに a[i] を加算します。"}},
            {Qt::Key_Right, {}, {"3行目 for", "条件 i < a.Length : True。total は 13、i は 1。"}},
            {Qt::Key_Left, {}, {"1つ戻りました。4行目 total += a[i];", "total は 0、i は 0。"}},
            {Qt::Key_Home,
             {},
             {"先頭に戻りました。0行目 private int 合計(int[] a)。関数の宣言です。"}},
            {Qt::Key_Escape, {}, {"自動実行を停止しました。0行目"}},
        };
        for (const auto& step : steps) {
            const int before = heard.count();
            QTest::keyClick(window.get(), static_cast<Qt::Key>(step.key), step.modifiers);
            QCOMPARE(heard.count(), before + 1);
            for (const QString& part : step.says)
                QVERIFY2(heard.last().contains(part), qPrintable(heard.last()));
            QCOMPARE(window->focusWidget(), focus);
        }
    }

    // Auto-run at 1 ms: far more steps than announcements, and stopping tells where it is.
    void autoRunIsHeardOnlyAsFastAsItCanBeSpoken()
    {
        auto window = window_checks::open("frmTotal");
        const Announcements heard(*window);
        auto* interval = window_checks::control<QLineEdit>(*window, QStringLiteral("txtTime"));
        interval->selectAll();
        QTest::keyClicks(interval, QStringLiteral("1"));
        QElapsedTimer running;
        running.start();
        window->Command3_Click();
        QVERIFY(
            heard.last().startsWith(QStringLiteral("自動実行を開始しました。タイマ間隔 1 ミリ秒")));
        const int started = heard.count();
        QTRY_VERIFY_WITH_TIMEOUT(window->model().history().states() >= 60, 10000);
        window->Command4_Click();
        // Each announcement is given at least 800 ms to be spoken.
        const qint64 spoken = running.elapsed() / 800 + 1;
        QVERIFY2(heard.count() - started <= spoken + 1, // the stop is said at once
                 qPrintable(QString::number(heard.count() - started)));
        const QString where = QStringLiteral("%1行目").arg(window->model().line());
        QVERIFY(heard.last().startsWith(QStringLiteral("自動実行を停止しました。") + where));
    }

    // A step that shows a message box is told after it, once the reader is back; a routine
    // that stops auto-run says so.
    void aStepWithAMessageIsToldAfterIt()
    {
        QStringList messages;
        auto window = window_checks::open("frmStack", &messages);
        const Announcements heard(*window);
        window->Option2_Click(); // Pop, on the empty stack
        window->Command1_Click();
        window->Command1_Click(); // line 4 → 6
        const int before = heard.count();
        window->Command1_Click(); // line 6 shows "スタックが空です."
        QCOMPARE(messages, QStringList{QStringLiteral("スタックが空です.")});
        QCOMPARE(heard.count(), before);
        QTRY_COMPARE(heard.count(), before + 1);
        QVERIFY(heard.last().startsWith(QStringLiteral("7行目")));
        window->Command3_Click();
        QTRY_VERIFY(!window->timer().isActive()); // line 14 stops it
        QTRY_VERIFY(heard.last().contains(QStringLiteral("自動実行を停止しました")));
    }

    // The listing: Tab comes in at the current line, the arrows move through the routine,
    // Enter (or the line's action) shows its note.
    void theListingIsReachedAndReadFromTheKeyboard()
    {
        QStringList messages;
        auto window = window_checks::open("frmTotal", &messages);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->Command1_Click();
        window->Command1_Click(); // line 3 is current
        QWidget* note = window_checks::control(*window, QStringLiteral("Label2"));
        QWidget* current = window_checks::control(*window, QStringLiteral("Label1(3)"));
        note->setFocus();
        QTest::keyClick(note, Qt::Key_Backtab);
        QCOMPARE(window->focusWidget(), current);
        QTest::keyClick(current, Qt::Key_Down);
        QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("Label1(4)"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        QCOMPARE(messages, QStringList{QStringLiteral("\n  totalに a[i] を加算します。")});
        for (int k = 0; k < 10; ++k)
            QTest::keyClick(window->focusWidget(), Qt::Key_Down);
        QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("Label1(6)")); // the last
        for (int k = 0; k < 10; ++k)
            QTest::keyClick(window->focusWidget(), Qt::Key_Up);
        QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("Label1(0)"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Space);
        QCOMPARE(messages.size(), 2);
        QCOMPARE(window->model().line(), 3); // reading changes nothing
        // A click shows the note and leaves the focus where it was.
        auto* step = window_checks::control<QPushButton>(*window, QStringLiteral("Command1"));
        step->setFocus();
        QTest::mouseClick(window_checks::control(*window, QStringLiteral("Label1(2)")),
                          Qt::LeftButton);
        QCOMPARE(messages.size(), 3);
        QCOMPARE(window->focusWidget(), step);
        // Its accessible action shows the note too, from the event loop.
        QAccessibleInterface* line5 = QAccessible::queryAccessibleInterface(
            window_checks::control(*window, QStringLiteral("Label1(5)")));
        QVERIFY(line5->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        line5->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(messages.size(), 4);
        QCOMPARE(messages.last(), QStringLiteral("\n  total の値を関数値として返します。"));
    }

    // frmStack by keyboard only: Tab reaches the options, an arrow switches to Pop and the
    // routine with it; 先頭に戻る keeps Pop.
    void theOptionsAreChosenFromTheKeyboard()
    {
        auto window = window_checks::open("frmStack");
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* push = window_checks::control<QRadioButton>(*window, QStringLiteral("Option1"));
        auto* pop = window_checks::control<QRadioButton>(*window, QStringLiteral("Option2"));
        for (int k = 0; k < 60 && window->focusWidget() != push; ++k)
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QCOMPARE(window->focusWidget(), push);
        QCOMPARE(window->model().line(), 15);
        QTest::keyClick(push, Qt::Key_Right);
        QCOMPARE(window->focusWidget(), pop);
        QVERIFY(pop->isChecked());
        QCOMPARE(window->model().line(), 2); // Pop's first line: the arrow did not step
        QCOMPARE(window->model().panel().option, 2);
        QTest::keyClick(pop, Qt::Key_Down);
        QCOMPARE(window->model().line(), 15);
        QTest::keyClick(push, Qt::Key_Up);
        QCOMPARE(window->model().line(), 2);
        QTest::keyClick(window->focusWidget(), Qt::Key_Home);
        QCOMPARE(window->model().line(), 2);
        QVERIFY(pop->isChecked());
    }

    // Every way of choosing an option runs the routine selection once, as a click does.
    void everyWayOfChoosingAnOptionSelectsTheRoutine()
    {
        auto window = window_checks::open("frmStack");
        auto* push = window_checks::control<QRadioButton>(*window, QStringLiteral("Option1"));
        auto* pop = window_checks::control<QRadioButton>(*window, QStringLiteral("Option2"));
        // A screen reader's toggle action.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(pop);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(pop->isChecked());
        QCOMPARE(window->model().line(), 2);
        window->Command2_Click();
        QCOMPARE(window->model().line(), 2); // 先頭に戻る keeps Pop
        // A click on the other option: one selection, so one step back undoes it.
        const size_t before = window->model().history().states();
        QTest::mouseClick(push, Qt::LeftButton);
        QCOMPARE(window->model().line(), 15);
        QCOMPARE(window->model().history().states(), before + 1);
        // A click on the chosen option runs the selection again, from the middle of Push.
        window->Command1_Click();
        QCOMPARE(window->model().line(), 17);
        QTest::mouseClick(push, Qt::LeftButton);
        QCOMPARE(window->model().line(), 15);
        QCOMPARE(window->model().history().states(), before + 3);
        QTest::qWait(10); // past the turn of the event loop that forgets the toggle
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(window->model().line(), 2);
    }

    void stackValuesAreReachedFrameByFrame()
    {
        auto window = window_checks::open("frmStack");
        QStringList order;
        QWidget* w = window_checks::control(*window, QStringLiteral("Text1(0)"));
        for (int k = 0; k < 80 && w; ++k, w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && !order.contains(w->objectName()))
                order << w->objectName();
        }
        QStringList expected;
        for (int k = 0; k <= 10; ++k)
            expected << QStringLiteral("Text1(%1)").arg(k);
        expected << "Option1"
                 << "Option2"
                 << "Text1(11)"
                 << "Text1(12)"
                 << "txtTime";
        QCOMPARE(order.mid(0, expected.size()), expected);
    }
};

QTEST_MAIN(LessonAccessTest)
#include "test_lesson_access_windows.moc"
