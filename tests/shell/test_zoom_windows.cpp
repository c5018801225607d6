// The zoom of the desktop's windows, offscreen on a large screen (3840 × 2400) with a
// projector's screen (1024 × 768) beside it: every window at 200 % and 300 % is its 100 %
// self scaled, and back at 100 % exactly what it was; the zoom is kept between runs; a
// window stops at the largest size its screen holds; the keys and the wheel reach every
// window.
#include "catalog/menus.h"
#include "lesson/display_settings.h"
#include "lesson/lesson_form.h"
#include "lesson/lesson_registry.h"
#include "lesson/trace_window.h"
#include "lesson/window_zoom.h"
#include "shell/fonts.h"
#include "shell/view_controls.h"
#include "shell/window_registry.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

namespace
{

// What a window shows of each control the program placed: where it stands in the window,
// its font's size, the width of a frame it draws itself.
struct Shown {
    QRect rect;
    double points = 0;
    int line = 0;
};
struct Snapshot {
    QSize size;
    QMap<QString, Shown> controls; // by the names of the control and the frames holding it
};

QString path(const QWidget* widget, const QWidget* window)
{
    QString name = widget->objectName();
    for (const QWidget* w = widget->parentWidget(); w && w != window; w = w->parentWidget())
        name = w->objectName() + QLatin1Char('/') + name;
    return name;
}

Snapshot snapshot(const QWidget* window)
{
    Snapshot s{window->size(), {}};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow() || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        const auto* frame = qobject_cast<const QFrame*>(w);
        const bool drawn =
            frame && (frame->frameShape() == QFrame::Box || frame->frameShape() == QFrame::Panel);
        s.controls[path(w, window)] = {QRect(w->mapTo(window, QPoint(0, 0)), w->size()),
                                       w->font().pointSizeF(), drawn ? frame->lineWidth() : 0};
    }
    return s;
}

QRect times(const QRect& r, int k)
{
    return QRect(r.x() * k, r.y() * k, r.width() * k, r.height() * k);
}

// Why `now` is not `before` at `k` times its size (empty when it is).
QString scaledFrom(const Snapshot& before, const Snapshot& now, int k)
{
    if (now.size != before.size * k)
        return QStringLiteral("window %1×%2").arg(now.size.width()).arg(now.size.height());
    for (auto it = before.controls.begin(); it != before.controls.end(); ++it) {
        const Shown& was = it.value();
        if (!now.controls.contains(it.key()))
            return it.key() + QStringLiteral(" missing");
        const Shown& is = now.controls.value(it.key());
        const QString& name = it.key();
        if (is.rect != times(was.rect, k))
            return name + QStringLiteral(" at %1,%2 %3×%4")
                              .arg(is.rect.x())
                              .arg(is.rect.y())
                              .arg(is.rect.width())
                              .arg(is.rect.height());
        if (std::abs(is.points - was.points * k) > 0.01)
            return name + QStringLiteral(" in %1 pt").arg(is.points);
        if (is.line != was.line * k)
            return name + QStringLiteral(" frame %1").arg(is.line);
    }
    return {};
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QStringList everyWindow()
{
    QStringList forms{QStringLiteral("frmIntro")};
    for (const MenuTable& menu : allMenus())
        forms << QLatin1String(menu.form);
    for (const std::string& form : lesson_registry::forms())
        forms << QString::fromStdString(form);
    return forms;
}

} // namespace

class ZoomTest : public QObject
{
    Q_OBJECT

private:
    ViewControls* controls_ = nullptr;
    DisplaySettings& settings_ = DisplaySettings::instance();

    QScreen* projector() const
    {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->geometry().width() == 1024)
                return screen;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        registerFontSubstitutions();
        lesson_registry::registerAll();
        window_registry::setQuitHandler([] {});
        LessonForm::setMessagePresenter([](QWidget*, const QString&) {});
        controls_ = new ViewControls(this);
        QVERIFY(projector());
    }

    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        settle();
        settings_.setZoom(1);
        settings_.setMarksBeyondColour(false);
    }

    void everyWindowScalesAsOne()
    {
        for (const QString& form : everyWindow()) {
            const Snapshot atFirst = snapshot(window_registry::show(form));
            window_registry::find(form)->close();
            settle();
            // Opened while zoomed, then zoomed further, then back.
            settings_.setZoom(2);
            QWidget* window = window_registry::show(form);
            const QString at200 = scaledFrom(atFirst, snapshot(window), 2);
            QVERIFY2(at200.isEmpty(), qPrintable(form + " at 200 %: " + at200));
            settings_.setZoom(3);
            const QString at300 = scaledFrom(atFirst, snapshot(window), 3);
            QVERIFY2(at300.isEmpty(), qPrintable(form + " at 300 %: " + at300));
            settings_.setZoom(1);
            const QString back = scaledFrom(atFirst, snapshot(window), 1);
            QVERIFY2(back.isEmpty(), qPrintable(form + " back at 100 %: " + back));
            QCOMPARE(window_zoom::factor(window), 1.0);
            window->close();
            settle();
        }
    }

    void aWindowStopsAtTheLargestSizeItsScreenHolds()
    {
        QScreen* small = projector();
        const QRect area = small->availableGeometry();
        for (const char* form : {"frmSortQuick", "frmMain", "frmIntro"}) {
            QWidget* window = window_registry::show(QLatin1String(form));
            const QSize base = window->size();
            window->setScreen(small);
            window->move(area.topLeft() + QPoint(300, 300));
            settings_.setZoom(3);
            const QRect frame = window->frameGeometry();
            QVERIFY2(area.contains(frame), form);
            const double k = window_zoom::factor(window);
            QVERIFY2(k > 1 && k < 3, form);
            QCOMPARE(window->width(), static_cast<int>(std::lround(base.width() * k)));
            // As large as fits: one of its sides reaches across the screen.
            QVERIFY2(frame.width() >= area.width() - 1 || frame.height() >= area.height() - 1,
                     form);
            settings_.setZoom(1);
            QCOMPARE(window->size(), base);
            window->close();
            settle();
        }
        // A window the student can resize is made no larger than the screen instead; the trace
        // window takes its lesson's factor.
        auto* lesson = qobject_cast<LessonForm*>(window_registry::show("frmTotal"));
        lesson->setScreen(small);
        lesson->move(area.topLeft());
        lesson->Trace_Click();
        TraceWindow* trace = lesson->traceWindow();
        settings_.setZoom(3);
        QVERIFY(area.contains(trace->frameGeometry()));
        QVERIFY(window_zoom::factor(lesson) > 1);
        QCOMPARE(window_zoom::factor(trace), window_zoom::factor(lesson));
    }

    // Every lesson zoomed, with its trace window: on a projector's screen at the largest
    // zoom both stay on the screen, the trace window at its lesson's factor; at 200 % on a
    // screen with room the trace window stays off the listing, the note and "進む".
    void aZoomedTraceWindowFollowsItsLesson()
    {
        QScreen* small = projector();
        for (const std::string& form : lesson_registry::forms()) {
            for (QScreen* screen : {small, QGuiApplication::primaryScreen()}) {
                const QRect area = screen->availableGeometry();
                auto* lesson = qobject_cast<LessonForm*>(window_registry::show(form.c_str()));
                lesson->setScreen(screen);
                lesson->move(area.topLeft());
                settings_.setZoom(screen == small ? 3 : 2);
                QVERIFY2(area.contains(lesson->frameGeometry()), form.c_str());
                lesson->Trace_Click();
                const TraceWindow* trace = lesson->traceWindow();
                QCOMPARE(window_zoom::factor(trace), window_zoom::factor(lesson));
                QVERIFY2(area.contains(trace->frameGeometry()), form.c_str());
                for (const char* needed : {"Frame1", "Label2", "Command1"}) {
                    const QWidget* w = lesson->findChild<QWidget*>(QLatin1String(needed));
                    const QRect onScreen(w->mapToGlobal(QPoint(0, 0)), w->size());
                    QVERIFY2(screen == small || !trace->frameGeometry().intersects(onScreen),
                             qPrintable(QString::fromStdString(form) + " covers " + needed));
                }
                lesson->close();
                settle();
                settings_.setZoom(1);
            }
        }
    }

    void theKeysAndTheWheelZoomEveryWindow()
    {
        QWidget* menu = window_registry::show(QStringLiteral("frmMain"));
        auto* lesson = qobject_cast<LessonForm*>(window_registry::show("frmSortBuble"));
        QWidget* box = lesson->findChild<QWidget*>(QStringLiteral("Text1(0)"));
        box->setFocus();
        const struct {
            QKeySequence keys;
            double zoom;
        } presses[] = {{QKeySequence(Qt::CTRL | Qt::Key_Plus), 1.1},
                       {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1.25},
                       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus), 1.5},
                       {QKeySequence(Qt::CTRL | Qt::Key_Minus), 1.25},
                       {QKeySequence(Qt::CTRL | Qt::Key_0), 1},
                       {QKeySequence(Qt::CTRL | Qt::Key_Minus), 1}};
        for (const auto& press : presses) {
            QTest::keySequence(box, press.keys);
            QCOMPARE(settings_.zoom(), press.zoom);
            QCOMPARE(window_zoom::factor(menu), press.zoom);
            QCOMPARE(window_zoom::factor(lesson), press.zoom);
        }
        // The text box keeps what was typed: the keys were the zoom's.
        QCOMPARE(lesson->findChild<QLineEdit*>(QStringLiteral("Text1(0)"))->text(),
                 QString::fromStdString(lesson->model().panel().text1[0].text));
        // A wheel turns a step a notch, a touchpad's small turns add up to one.
        const auto turn = [&](int delta, Qt::KeyboardModifiers modifiers) {
            QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
        };
        turn(120, Qt::ControlModifier);
        QCOMPARE(settings_.zoom(), 1.1);
        for (int k = 0; k < 3; ++k)
            turn(40, Qt::ControlModifier);
        QCOMPARE(settings_.zoom(), 1.25);
        turn(-120, Qt::NoModifier);
        QCOMPARE(settings_.zoom(), 1.25);
        // F9 switches the marks beyond colour, in any window.
        QTest::keyClick(menu, Qt::Key_F9);
        QVERIFY(settings_.marksBeyondColour());
        QTest::keyClick(box, Qt::Key_F9);
        QVERIFY(!settings_.marksBeyondColour());
    }

    void aRightClickWhereNoControlHasAMenuOffersTheWindowsCommandsAndTheView()
    {
        QWidget* lesson = window_registry::show(QStringLiteral("frmTotal"));
        QWidget* note = lesson->findChild<QWidget*>(QStringLiteral("Label2"));
        QStringList offered;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions())
                    offered << action->text().section(QLatin1Char('\t'), 0, 0);
                for (QAction* action : menu->actions())
                    if (action->isCheckable())
                        action->trigger(); // the marks, switched from the menu
                menu->close();
            }
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                note->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(note, &click);
        // The lesson window's own commands lead, then the view's.
        QCOMPARE(offered, (QStringList{"課題として保存…", "課題を開く…", "結果を保存…",
                                       "結果を集計…", "", "表示の大きさ 100%", "", "拡大", "縮小",
                                       "標準の大きさ", "", "色に頼らない表示"}));
        QVERIFY(settings_.marksBeyondColour());
    }

    void theZoomAndTheMarksAreKeptBetweenRuns()
    {
        QTemporaryDir folder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        const auto kept = [] {
            return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Trevisk", "Trevisk");
        };
        // What a file edited by hand may hold: the zoom within its range, else 100 %.
        const struct {
            QVariant percent;
            double zoom;
        } files[] = {{250, 2.5}, {1000, 3}, {-5, 1}, {"abc", 1}, {110, 1.1}};
        for (const auto& file : files) {
            kept().setValue("view/zoomPercent", file.percent);
            kept().setValue("view/marksBeyondColour", true);
            settings_.remember();
            QCOMPARE(settings_.zoom(), file.zoom);
            QVERIFY(settings_.marksBeyondColour());
        }
        settings_.setZoom(1.5);
        settings_.setMarksBeyondColour(false);
        QCOMPARE(kept().value("view/zoomPercent").toInt(), 150);
        QCOMPARE(kept().value("view/marksBeyondColour").toBool(), false);
    }
};

int main(int argc, char* argv[])
{
    // A screen for the largest window at 300 %, and a projector's to the right of it.
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "desk", "x": 0, "y": 0, "width": 3840, "height": 2400, "logicalDpi": 96,
         "logicalBaseDpi": 96, "dpr": 1},
        {"name": "projector", "x": 3840, "y": 0, "width": 1024, "height": 768,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    ZoomTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_zoom_windows.moc"
