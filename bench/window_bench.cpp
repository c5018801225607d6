// Speed and size of the windows, offscreen: step plus refresh of the real LessonForm for
// every lesson (median and 99th percentile, painting included), the steps per second that
// auto-run delivers at an interval of 1 ms, the start-up to the opening screen, and the
// resident memory with every menu and every lesson window open at once.
#include "assignment/assignment.h"
#include "catalog/menus.h"
#include "lesson/lesson_form.h"
#include "lesson/lesson_registry.h"
#include "lesson/question_window.h"
#include "lesson/trace_item_model.h"
#include "lesson/trace_window.h"
#include "shell/assignments.h"
#include "shell/fonts.h"
#include "shell/timer_precision.h"
#include "shell/window_registry.h"
#include "json/assignment_json.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t index =
        std::min(values.size() - 1, static_cast<size_t>(p * (values.size() - 1) + 0.5));
    return values[index];
}

void stepTimes(const std::string& form, int steps)
{
    LessonForm window(lesson_registry::create(form));
    window.show();
    QCoreApplication::processEvents();
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(steps));
    QElapsedTimer clock;
    for (int k = 0; k < steps; ++k) {
        clock.start();
        window.Command1_Click();
        QCoreApplication::processEvents(); // the event loop paints what the step changed
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    std::printf("%-24s step+refresh median %7.1f us   p99 %7.1f us\n", form.c_str(),
                percentile(micros, 0.5), percentile(micros, 0.99));
}

// Steps of a lesson window opened from an assignment (おまかせ, each answered right): every
// action kept the moment it is done, a line appended to the kept work on disk (under a
// scratch data folder); beside predictedStepTimes, what keeping the work costs a step.
void keptStepTimes(const std::string& form, int steps)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    std::unique_ptr<LessonModel> model = lesson_registry::create(form);
    model->load();
    model->setPredictionMode(prediction::Mode::Auto);
    const QString path = data.filePath(QStringLiteral("bench.trevisk"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray::fromStdString(
        assignment_json::text(assignment::fromLesson(*model, "bench", ""))));
    file.close();
    assignments::prompts().choose = [](QWidget*, const QString&, const QString&, const QString&) {
        return 1;
    };
    assignments::open(path, nullptr);
    auto* window = qobject_cast<LessonForm*>(window_registry::find(QString::fromStdString(form)));
    QCoreApplication::processEvents();
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(steps));
    QElapsedTimer clock;
    for (int k = 0; k < steps; ++k) {
        if (const std::optional<prediction::Question>& q = window->model().question())
            window->Answer_Typed(q->expected);
        clock.start();
        window->Command1_Click();
        QCoreApplication::processEvents();
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    std::printf("%-24s kept step, judged and repainted: median %7.1f us   p99 %7.1f us\n",
                form.c_str(), percentile(micros, 0.5), percentile(micros, 0.99));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A step with the prediction mode on (おまかせ) in the real window: with the right answer in the
// question window, "答えて進む": the judgement and the step, and both windows repainted with
// the next question.
void predictedStepTimes(const std::string& form, int steps)
{
    LessonForm window(lesson_registry::create(form));
    window.show();
    window.Predict_Click();
    window.PredictMode_Click(prediction::Mode::Auto);
    QCoreApplication::processEvents();
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(steps));
    QElapsedTimer clock;
    for (int k = 0; k < steps; ++k) {
        // The answer made (as typing it would), then timed: judged, stepped, repainted.
        if (const std::optional<prediction::Question>& q = window.model().question())
            window.Answer_Typed(q->expected);
        QCoreApplication::processEvents();
        clock.start();
        window.Judge_Click();
        QCoreApplication::processEvents();
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    std::printf("%-24s predicted step, judged and repainted: median %7.1f us   p99 %7.1f us\n",
                form.c_str(), percentile(micros, 0.5), percentile(micros, 0.99));
}

void autoRunRate(const std::string& form, int milliseconds)
{
    LessonForm window(lesson_registry::create(form));
    window.show();
    const size_t before = window.model().history().states(); // one state a step
    window.model().setTimerText("1");
    window.Command3_Click();
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop; // not QTest::qWait, which sleeps between its rounds
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    window.Command4_Click();
    const double steps = static_cast<double>(window.model().history().states() - before);
    std::printf("%-24s auto-run at 1 ms: %.0f steps/s\n", form.c_str(), steps / seconds);
}

// The trace window on a complete eight-queens run (65115 steps): opening it (the table
// built, shown and painted), jumping through it as a scroll bar drag does, saving it as
// CSV; and auto-run at 1 ms with the window open.
void traceWindow()
{
    LessonForm window(lesson_registry::create("frm8Queen"));
    window.show();
    for (int k = 0; k < 65115; ++k)
        window.model().step();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    window.Trace_Click();
    TraceWindow* trace = window.traceWindow();
    trace->repaint();
    QCoreApplication::processEvents();
    std::printf("trace window, complete eight-queens run (%d rows): opened in %.1f ms\n",
                trace->model()->rowCount(), static_cast<double>(clock.nsecsElapsed()) / 1e6);

    QScrollBar* bar = trace->view()->verticalScrollBar();
    std::vector<double> micros;
    for (int k = 0; k <= 200; ++k) {
        clock.start();
        bar->setValue(bar->maximum() / 200 * ((k * 37) % 201)); // here and there
        trace->view()->viewport()->repaint();
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    std::printf(
        "trace window, a jump of the scroll bar with its repaint: median %.0f us, max %.0f us\n",
        percentile(micros, 0.5), percentile(micros, 1.0));

    const QString path = QDir::temp().filePath(QStringLiteral("trevisk-bench-trace.csv"));
    std::vector<double> millis;
    for (int k = 0; k < 5; ++k) {
        clock.start();
        trace->saveCsv(path);
        millis.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("trace window, saved as CSV (%lld kB): median %.1f ms\n",
                static_cast<long long>(QFile(path).size() / 1024), percentile(millis, 0.5));
    QFile::remove(path);
}

void autoRunWithTrace(const std::string& form)
{
    LessonForm window(lesson_registry::create(form));
    window.show();
    window.Trace_Click();
    const size_t before = window.model().history().states();
    window.model().setTimerText("1");
    window.Command3_Click();
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    window.Command4_Click();
    const double steps = static_cast<double>(window.model().history().states() - before);
    std::printf("%-24s auto-run at 1 ms, trace window open: %.0f steps/s\n", form.c_str(),
                steps / seconds);
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer startUp;
    startUp.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    registerFontSubstitutions();
    sharpenTimers();
    lesson_registry::registerAll();
    QWidget* intro = window_registry::show(QStringLiteral("frmIntro"));
    QCoreApplication::processEvents();
    intro->repaint();
    std::printf("start-up to the opening screen shown: %.1f ms\n",
                static_cast<double>(startUp.nsecsElapsed()) / 1e6);
    LessonForm::setMessagePresenter([](QWidget*, const QString&) {});
    if (argc == 3 && QByteArray(argv[1]) == "--steps") { // profiling one lesson's steps
        stepTimes(argv[2], 2000);
        return 0;
    }
    if (argc >= 2 && QByteArray(argv[1]) == "--predicted") { // the prediction mode alone
        for (const std::string& form : lesson_registry::forms()) {
            if (argc == 2 || form == argv[2])
                predictedStepTimes(form, 2000);
        }
        return 0;
    }
    if (argc >= 2 && QByteArray(argv[1]) == "--kept") { // an assignment's kept work alone
        for (const char* form : {"frm8Queen", "frmSortQuick", "frmTotal"})
            keptStepTimes(form, 2000);
        return 0;
    }
    if (argc == 2 && QByteArray(argv[1]) == "--trace") { // the trace window alone
        traceWindow();
        autoRunRate("frm8Queen", 2000);
        autoRunWithTrace("frm8Queen");
        return 0;
    }

    for (const std::string& form : lesson_registry::forms())
        stepTimes(form, 2000);
    for (const std::string& form : lesson_registry::forms())
        predictedStepTimes(form, 2000);
    for (const char* form : {"frm8Queen", "frmSortQuick", "frmTotal"})
        keptStepTimes(form, 2000);
    {
        // The timer's own rate at 1 ms on this machine, for comparison.
        QTimer bare;
        bare.setTimerType(Qt::PreciseTimer);
        long ticks = 0;
        QObject::connect(&bare, &QTimer::timeout, [&] { ++ticks; });
        bare.start(1);
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        std::printf("%-24s a bare 1 ms timer: %.0f ticks/s\n", "(no lesson)",
                    static_cast<double>(ticks) * 1000.0 / static_cast<double>(clock.elapsed()));
    }
    for (const char* form : {"frmTotal", "frmSortQuick", "frm8Queen"}) {
        if (lesson_registry::has(form))
            autoRunRate(form, 2000);
    }
    if (lesson_registry::has("frm8Queen")) {
        traceWindow();
        autoRunWithTrace("frm8Queen");
    }

    const long before = residentKilobytes();
    for (const MenuTable& menu : allMenus())
        window_registry::show(QLatin1String(menu.form));
    for (const std::string& form : lesson_registry::forms())
        window_registry::show(QString::fromStdString(form));
    QCoreApplication::processEvents();
    std::printf("resident memory: %ld kB before, %ld kB with every menu and lesson window open\n",
                before, residentKilobytes());
    return 0;
}
