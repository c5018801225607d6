// Assignments in the desktop program, offscreen: made from a lesson window and opened as the
// same window; a damaged file refused with its message and nothing else changed; the work
// kept as the student works and offered back after the window closed, and after the program
// was killed at any moment (a helper program, killed with SIGKILL); the result handed in and
// the teacher's summary of several files, a tampered one among them.
#include "assignment/assignment_texts.h"
#include "lesson/lesson_form.h"
#include "lesson/qt_convert.h"
#include "lesson/question_window.h"
#include "shell/assignments.h"
#include "shell/kept_file.h"
#include "shell/summary_window.h"
#include "shell/window_registry.h"
#include "support/window_checks.h"
#include "json/assignment_json.h"
#include "json/assignment_session.h"
#include "json/lesson_json.h"
#include "json/result_json.h"

#include <QProcess>

#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>

namespace
{

namespace texts = assignment_texts;

std::string view(const LessonModel& model)
{
    return json::text(lesson_json::view(model));
}

void writeText(const QString& path, const std::string& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

std::string readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

LessonForm* lessonOpen(const char* form)
{
    return qobject_cast<LessonForm*>(window_registry::find(QString::fromLatin1(form)));
}

} // namespace

class AssignmentWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QStringList messages_;
    int choice_ = 0;
    QString saveTo_;
    QString name_ = QStringLiteral("3番 山田");

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("data")).toUtf8());
        QCoreApplication::setApplicationName(QStringLiteral("Trevisk")); // (the helper's folder)
        window_checks::setUp();
        LessonForm::setMessagePresenter(
            [this](QWidget*, const QString& text) { messages_ << text; });
        assignments::Prompts& p = assignments::prompts();
        p.saveFile = [this](QWidget*, const QString&, const QString&, const QString&) {
            return saveTo_;
        };
        p.choose = [this](QWidget*, const QString&, const QString&, const QString&) {
            return choice_;
        };
        p.make = [](QWidget*, const assignments::Made& proposed) {
            assignments::Made made = proposed;
            made.title = QStringLiteral("合計 <b>課題</b>");
            made.instructions = QStringLiteral("順に予想しよう。\n<script>x</script>");
            made.stepBack = false;
            return std::optional(made);
        };
        p.name = [this](QWidget*) { return std::optional(name_); };
    }

    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages_.clear();
    }

    // What a teacher saves from a window opens as that window, the instructions beside it as
    // text, the question window open in the mode it had; the lesson's own controls where they
    // were.
    void savedAndOpenedGivesTheSameWindow()
    {
        auto* lesson = qobject_cast<LessonForm*>(window_registry::show(QStringLiteral("frmTotal")));
        lesson->model().setText(BoxGroup::Text1, 0, "21");
        lesson->model().setPredictionMode(prediction::Mode::Condition);
        saveTo_ = dir_.filePath(QStringLiteral("total.trevisk"));
        assignments::saveAssignment(lesson);
        const std::string file = readText(saveTo_);
        auto read = assignment_json::read(file);
        QVERIFY(std::holds_alternative<Assignment>(read));
        const Assignment& a = std::get<Assignment>(read);
        QCOMPARE(QString::fromStdString(a.title), QStringLiteral("合計 <b>課題</b>"));
        QVERIFY(!a.stepBack);
        const QList<QRect> places = [&] {
            QList<QRect> r;
            for (QWidget* w : lesson->findChildren<QWidget*>())
                r << w->geometry();
            return r;
        }();
        lesson->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(assignments::open(saveTo_, nullptr));
        LessonForm* opened = lessonOpen("frmTotal");
        QVERIFY(opened);
        auto started = AssignmentSession::start(a, 0, nullptr);
        QCOMPARE(view(opened->model()), view(*std::get<AssignmentSession>(started).takeModel()));
        QList<QRect> now;
        for (QWidget* w : opened->findChildren<QWidget*>())
            now << w->geometry();
        QCOMPARE(now.mid(0, places.size()), places); // nothing of the lesson moved
        // (beside the lesson window once the window system has placed it)
        QTRY_VERIFY(opened->questionWindow() && opened->questionWindow()->isVisible());
        auto* instructions = qobject_cast<QWidget*>([] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("InstructionsWindow") && w->isVisible())
                    return w;
            return static_cast<QWidget*>(nullptr);
        }());
        QVERIFY(instructions);
        auto* title = instructions->findChild<QLabel*>(QStringLiteral("Title"));
        QCOMPARE(title->textFormat(), Qt::PlainText);
        QCOMPARE(title->text(), QStringLiteral("合計 <b>課題</b>"));
        QVERIFY(!instructions->frameGeometry().intersects(opened->frameGeometry()) ||
                instructions->screen()->availableGeometry().width() < 1400);
        QVERIFY(
            !instructions->frameGeometry().intersects(opened->questionWindow()->frameGeometry()));
        QVERIFY(messages_.isEmpty());
        // One step back is not allowed by this assignment.
        QVERIFY(!opened->model().canStepBack());
    }

    // A damaged file says what is wrong and opens nothing: the window open stays as it was.
    void aDamagedFileChangesNothing()
    {
        auto* lesson = qobject_cast<LessonForm*>(window_registry::show(QStringLiteral("frmTotal")));
        lesson->Command1_Click();
        const std::string before = view(lesson->model());
        const QString path = dir_.filePath(QStringLiteral("bad.trevisk"));
        const std::pair<std::string, std::string> cases[] = {
            {"{\"format\": \"trevisk-assignment\", \"version\": 9}",
             texts::unknownVersion(texts::assignmentFile, 9, 1)},
            {"{\"format\": \"trevisk-assign", texts::notJson(texts::assignmentFile, 27)},
            {"\xff\xfe{}", texts::notUtf8(texts::assignmentFile, 1)},
        };
        for (const auto& [bytes, message] : cases) {
            writeText(path, bytes);
            messages_.clear();
            QVERIFY(!assignments::open(path, nullptr));
            QCOMPARE(messages_, QStringList{qt_convert::shown(message)});
            QCOMPARE(lessonOpen("frmTotal"), lesson);
            QCOMPARE(view(lesson->model()), before);
        }
        messages_.clear();
        QVERIFY(!assignments::open(dir_.filePath(QStringLiteral("missing.trevisk")), nullptr));
        QCOMPARE(messages_.size(), 1);
    }

    // The work is kept as it is done: the window closed and the assignment opened again, the
    // student goes on where they were, answers and score included; "最初から" starts afresh.
    void workGoesOnAfterTheWindowClosed()
    {
        Assignment a = std::get<Assignment>(
            assignment_json::read(readText(dir_.filePath(QStringLiteral("total.trevisk")))));
        a.title = "kept";
        a.stepBack = true;
        const QString path = dir_.filePath(QStringLiteral("kept.trevisk"));
        writeText(path, assignment_json::text(a));
        choice_ = 1;
        QVERIFY(assignments::open(path, nullptr));
        LessonForm* lesson = lessonOpen("frmTotal");
        for (int k = 0; k < 6; ++k) {
            if (lesson->model().question())
                lesson->Answer_Typed(k % 2 ? lesson->model().question()->expected : "False");
            lesson->Command1_Click();
        }
        lesson->StepBack_Click();
        const std::string worked = view(lesson->model());
        const size_t answers = lesson->model().attempts().all().size();
        QVERIFY(answers > 0);
        lesson->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(KeptFile::leftByACrash().empty()); // closed normally: not offered at the start

        choice_ = 0; // 前回の続きから
        QVERIFY(assignments::open(path, nullptr));
        lesson = lessonOpen("frmTotal");
        QCOMPARE(view(lesson->model()), worked);
        QCOMPARE(lesson->model().attempts().all().size(), answers);
        lesson->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        choice_ = 1; // 最初から
        QVERIFY(assignments::open(path, nullptr));
        lesson = lessonOpen("frmTotal");
        QCOMPARE(lesson->model().attempts().all().size(), size_t{0});
    }

    // Killed at any moment, the program loses at most the action it was keeping: the work
    // comes back as it was after the last whole line, and is offered at the next start.
    void workSurvivesTheProgramKilled()
    {
        const QString path = dir_.filePath(QStringLiteral("kill.trevisk"));
        Assignment a = std::get<Assignment>(
            assignment_json::read(readText(dir_.filePath(QStringLiteral("total.trevisk")))));
        a.title = "kill";
        a.stepBack = true;
        a.mode = prediction::Mode::Auto;
        writeText(path, assignment_json::text(a));
        const std::string digest = assignment_json::digest(a);
        for (const int lines : {15, 70, 160}) {
            QProcess helper;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            env.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
            helper.setProcessEnvironment(env);
            helper.start(QStringLiteral(KEPT_WORK_HELPER), {path});
            QVERIFY(helper.waitForStarted());
            // Each line the helper prints: how many lines its kept work had, and its view.
            std::vector<std::pair<size_t, std::string>> shown;
            QByteArray pending;
            while (shown.size() < static_cast<size_t>(lines)) {
                QVERIFY2(helper.waitForReadyRead(10000), "the helper stopped printing");
                pending += helper.readAllStandardOutput();
                for (qsizetype end; (end = pending.indexOf('\n')) >= 0;
                     pending.remove(0, end + 1)) {
                    const QByteArray line = pending.left(end);
                    const qsizetype tab = line.indexOf('\t');
                    shown.emplace_back(line.left(tab).toULongLong(),
                                       line.mid(tab + 1).toStdString());
                }
            }
            helper.kill(); // SIGKILL, in the middle of its work
            QVERIFY(helper.waitForFinished());
            const std::optional<std::string> text = KeptFile::read(digest);
            QVERIFY(text);
            const auto kept = std::get<kept_work::Kept>(kept_work::read(*text));
            const size_t whole = kept.entries.size() + 1;
            std::string expected;
            for (const auto& [count, v] : shown) {
                if (count == whole)
                    expected = v;
            }
            if (expected.empty()) { // its last action was kept, not printed: the one before was
                QCOMPARE(whole, shown.back().first + 1);
                kept_work::Kept before = kept;
                before.entries.pop_back();
                QCOMPARE(
                    view(*std::get<AssignmentSession>(AssignmentSession::resume(before, nullptr))
                              .takeModel()),
                    shown.back().second);
            }
            auto resumed = AssignmentSession::resume(kept, nullptr);
            QVERIFY(std::holds_alternative<AssignmentSession>(resumed));
            if (!expected.empty())
                QCOMPARE(view(*std::get<AssignmentSession>(resumed).takeModel()), expected);
            // Offered at the next start, and opened as it was.
            const std::vector<std::string> left = KeptFile::leftByACrash();
            QVERIFY(std::find(left.begin(), left.end(), digest) != left.end());
        }
        choice_ = 0;
        assignments::offerLeftByACrash();
        QVERIFY(lessonOpen("frmTotal"));
        QVERIFY(lessonOpen("frmTotal")->model().attempts().all().size() > 0);
    }

    // The student hands in; the teacher sums up several files, a tampered one apart.
    void resultsAreHandedInAndSummedUp()
    {
        const QString path = dir_.filePath(QStringLiteral("total.trevisk"));
        choice_ = 1;
        QStringList files;
        for (const QString& name : {QStringLiteral("安藤"), QStringLiteral("ベン")}) {
            QVERIFY(assignments::open(path, nullptr));
            LessonForm* lesson = lessonOpen("frmTotal");
            for (int k = 0; k < 4; ++k) {
                if (lesson->model().question())
                    lesson->Answer_Typed(lesson->model().question()->expected);
                lesson->Command1_Click();
            }
            name_ = name;
            saveTo_ = dir_.filePath(name + QStringLiteral(".trevisk-result"));
            assignments::saveResult(lesson);
            files << saveTo_;
        }
        std::string tampered = readText(files[1]);
        const size_t at = tampered.find("\"correct\": ");
        tampered.replace(at, 12, "\"correct\": 9");
        writeText(dir_.filePath(QStringLiteral("tampered.trevisk-result")), tampered);
        files << dir_.filePath(QStringLiteral("tampered.trevisk-result"));
        name_.clear(); // a blank name is asked for again, nothing is written
        saveTo_ = dir_.filePath(QStringLiteral("blank.trevisk-result"));
        messages_.clear();
        assignments::saveResult(lessonOpen("frmTotal"));
        QCOMPARE(messages_, QStringList{qt_convert::text(texts::noName)});
        QVERIFY(!QFile::exists(saveTo_));

        SummaryWindow window;
        window.addFiles(files);
        window.addFiles({files[0]}); // the same file once only
        QCOMPARE(window.shown().students.size(), size_t{2});
        QCOMPARE(window.shown().rejected.size(), size_t{1});
        auto* students = window.findChild<QTableWidget*>(QStringLiteral("Students"));
        QCOMPARE(students->rowCount(), 2);
        QCOMPARE(students->item(0, 0)->text(), QStringLiteral("安藤"));
        saveTo_ = dir_.filePath(QStringLiteral("summary.csv"));
        window.SaveCsv_Click();
        QCOMPARE(readText(saveTo_), summary::csv(window.shown()));
    }
};

QTEST_MAIN(AssignmentWindowTest)
#include "test_assignment_windows.moc"
