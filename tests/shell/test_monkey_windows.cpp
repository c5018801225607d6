// A student who clicks and types anywhere: random clicks and key presses across the menus
// and every lesson window for a bounded time. Nothing may crash, and closing the main menu
// must still end the program.
#include "catalog/menus.h"
#include "lesson/lesson_form.h"
#include "lesson/lesson_registry.h"
#include "lesson/trace_window.h"
#include "shell/fonts.h"
#include "shell/text_form.h"
#include "shell/window_registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <cstdlib>
#include <random>

namespace
{

// Types `text` key by key, full-width characters included.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private:
    bool quit_ = false;
    int messages_ = 0;

private slots:
    void initTestCase()
    {
        registerFontSubstitutions();
        lesson_registry::registerAll();
        window_registry::setQuitHandler([this] { quit_ = true; });
        LessonForm::setMessagePresenter([this](QWidget*, const QString&) { ++messages_; });
        setListingPresenter([](TextForm&) {});
        TraceWindow::setSavePathChooser([](QWidget*, const QString&) { return QString(); });
    }

    void randomClicksAndTypingEverywhere()
    {
        const char* env = std::getenv("TREVISK_MONKEY_SECONDS");
        const qint64 budget = (env ? std::atoi(env) : 3) * 1000;
        std::mt19937 random(7);
        const auto pick = [&](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(random);
        };
        const QStringList texts = {"1",   "0", "-1",   "9",     "40000", "2.5",
                                   "abc", "",  "１２", "1e400", "5"};

        window_registry::show(QStringLiteral("frmIntro"));
        QTest::mouseClick(window_registry::find(QStringLiteral("frmIntro"))
                              ->findChild<QAbstractButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QElapsedTimer clock;
        clock.start();
        long actions = 0;
        while (clock.elapsed() < budget) {
            QList<QWidget*> windows;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible())
                    windows << w;
            }
            QVERIFY(!windows.isEmpty());
            QWidget* window = windows[pick(static_cast<int>(windows.size()))];
            const QList<QWidget*> children = window->findChildren<QWidget*>();
            if (children.isEmpty())
                continue;
            QWidget* target = children[pick(static_cast<int>(children.size()))];
            if (!target->isVisible() || !target->isEnabled())
                continue;
            const int what = pick(10);
            if (auto* line = qobject_cast<QLineEdit*>(target); line && what < 5) {
                line->selectAll();
                type(line, texts[pick(static_cast<int>(texts.size()))]);
            } else if (auto* multi = qobject_cast<QPlainTextEdit*>(target); multi && what < 5) {
                type(multi, texts[pick(static_cast<int>(texts.size()))]);
            } else if (window->objectName() == QStringLiteral("frmMain") && what == 9) {
                continue; // closing the main menu is the last action
            } else if (what == 9 && pick(20) == 0) {
                window->close();
            } else {
                QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(pick(std::max(1, target->width())),
                                         pick(std::max(1, target->height()))));
            }
            if (++actions % 50 == 0)
                QTest::qWait(1); // let auto-running lessons tick
        }
        qInfo("%ld actions, %d messages", actions, messages_);
        QVERIFY(actions > 100);
        QVERIFY(!quit_);
        QWidget* main = window_registry::show(QStringLiteral("frmMain"));
        main->close();
        QVERIFY(quit_);
    }

    void cleanupTestCase()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey_windows.moc"
