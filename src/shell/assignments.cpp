#include "assignments.h"

#include "assignment/assignment_texts.h"
#include "instructions_window.h"
#include "kept_file.h"
#include "lesson/lesson_form.h"
#include "lesson/qt_convert.h"
#include "summary_window.h"
#include "window_registry.h"
#include "json/assignment_json.h"
#include "json/assignment_session.h"
#include "json/result_json.h"

#include <QAction>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace assignments
{
namespace
{

namespace texts = assignment_texts;
using qt_convert::text;

long long now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

void say(QWidget* parent, std::string_view message)
{
    LessonForm::showMessage(parent, qt_convert::shown(message));
}

// The assignment a lesson window was opened from, with its kept work: a child of the window,
// gone with it (the kept work stays, the marker of a window at work goes).
class AssignmentWork : public QObject
{
public:
    AssignmentWork(LessonForm* form, AssignmentSession session, std::shared_ptr<KeptFile> kept)
        : QObject(form), session_(std::move(session)), kept_(std::move(kept))
    {
        setObjectName(QStringLiteral("AssignmentWork"));
    }
    ~AssignmentWork() override { release(); }

    static AssignmentWork* of(const QObject* form)
    {
        return form ? dynamic_cast<AssignmentWork*>(form->findChild<QObject*>(
                          QStringLiteral("AssignmentWork"), Qt::FindDirectChildrenOnly))
                    : nullptr;
    }
    const AssignmentSession& session() const { return session_; }
    KeptFile* kept() const { return kept_.get(); }
    // Lets go of the kept work (its window is closing): another window may take it.
    void release()
    {
        if (kept_)
            kept_->closedNormally();
        kept_.reset();
    }
    std::unique_ptr<InstructionsWindow> instructions;

private:
    AssignmentSession session_;
    std::shared_ptr<KeptFile> kept_; // the model's listener only looks at it (weakly)
};

// Runs `then` once `window`, just shown, stands where the window system put it (at once where
// it is shown already, as on the offscreen platform), at most a second later.
void whenPlaced(QWidget* window, std::function<void()> then)
{
    if (window->windowHandle() && window->windowHandle()->isExposed()) {
        then();
        return;
    }
    auto* wait = new QTimer(window);
    const QDeadlineTimer giveUp(1000); // held by the connection: gone with the window
    QObject::connect(wait, &QTimer::timeout, window, [window, wait, giveUp, then] {
        if (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
            !giveUp.hasExpired())
            return;
        wait->deleteLater();
        QTimer::singleShot(50, window, then); // (its frame's place settles with the exposure)
    });
    wait->start(20);
}

// Opens the lesson window of `a`, from its kept work `kept` when given.
bool openFrom(const Assignment& a, const kept_work::Kept* kept, QWidget* parent)
{
    const std::string digest = assignment_json::digest(a);
    const QString form = text(a.lesson);
    if (AssignmentWork* open = AssignmentWork::of(window_registry::find(form)))
        open->release(); // its window closes: this one takes the kept work
    QString why;
    std::unique_ptr<KeptFile> file =
        KeptFile::take(digest, kept ? kept->text : std::string(), &why);
    if (!file) {
        say(parent, why == QLatin1String("locked") ? texts::keptLocked : texts::keptUnwritable);
        return false;
    }
    // The lines go to the kept work while its window holds it: what the model does after the
    // window let go of it (its question window closing after it) is nobody's work.
    std::shared_ptr<KeptFile> shared = std::move(file);
    const AssignmentSession::Sink sink =
        [weak = std::weak_ptr<KeptFile>(shared)](const std::string& line) {
            if (const std::shared_ptr<KeptFile> keptFile = weak.lock())
                keptFile->append(line);
        };
    std::variant<AssignmentSession, std::string> made =
        kept ? AssignmentSession::resume(*kept, sink) : AssignmentSession::start(a, now(), sink);
    if (const std::string* wrong = std::get_if<std::string>(&made)) {
        say(parent, *wrong);
        return false;
    }
    AssignmentSession& session = std::get<AssignmentSession>(made);
    std::unique_ptr<LessonModel> model = session.takeModel();
    const Outcome outcome = session.outcome();
    auto* lesson = new LessonForm(std::move(model), kept ? Outcome{} : outcome);
    equipLesson(lesson);
    auto* work = new AssignmentWork(lesson, std::move(session), std::move(shared));
    work->instructions = std::make_unique<InstructionsWindow>(*lesson, a);
    QObject::connect(work->instructions.get(), &InstructionsWindow::saveResult, lesson,
                     [lesson] { saveResult(lesson); });
    window_registry::adopt(form, lesson);
    const std::string note = kept ? kept->note : std::string();
    // The windows beside it go where the window system has put it.
    whenPlaced(lesson, [lesson, work, note] {
        if (lesson->model().predictionMode() != prediction::Mode::Off)
            lesson->Predict_Click();
        work->instructions->open();
        lesson->raise();
        lesson->activateWindow();
        if (!note.empty())
            say(lesson, note);
    });
    return true;
}

// Asks whether to go on from the kept work of `a`: 0 go on, 1 start over, -1 neither.
int askResume(QWidget* parent, const Assignment& a, const kept_work::Kept& kept,
              std::string_view second)
{
    const QFileInfo info(KeptFile::pathFor(assignment_json::digest(a)));
    const std::string last =
        qt_convert::utf8(info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    return prompts().choose(
        parent,
        qt_convert::shown(texts::resumeQuestion(a.title, kept.entries.size(), kept.answers, last)),
        text(texts::resume), text(second));
}

QAction* addAction(QWidget* window, std::string_view caption, std::string_view hint,
                   const QKeySequence& key, const std::function<void()>& action)
{
    auto* a = new QAction(text(caption), window);
    a->setShortcut(key);
    a->setToolTip(text(hint));
    a->setObjectName(text(caption));
    QObject::connect(a, &QAction::triggered, window, action);
    window->addAction(a);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    return a;
}

} // namespace

void equipLesson(LessonForm* form)
{
    addAction(form, texts::saveAssignment, texts::saveAssignmentHint,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [form] { saveAssignment(form); });
    addAction(form, texts::openAssignment, texts::openAssignmentHint,
              QKeySequence(Qt::CTRL | Qt::Key_O), [form] { openDialog(form); });
    addAction(form, texts::saveResult, texts::saveResultHint, QKeySequence(Qt::CTRL | Qt::Key_S),
              [form] { saveResult(form); });
    addAction(form, texts::summarize, texts::summarizeHint,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [] { summarize({}); });
}

void equipMenu(QWidget* menu)
{
    addAction(menu, texts::openAssignment, texts::openAssignmentHint,
              QKeySequence(Qt::CTRL | Qt::Key_O), [menu] { openDialog(menu); });
    addAction(menu, texts::summarize, texts::summarizeHint,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [] { summarize({}); });
}

void openDialog(QWidget* parent)
{
    const QString path =
        prompts().openFile(parent, text(texts::openAssignment), text(texts::assignmentFilter));
    if (!path.isEmpty())
        open(path, parent);
}

bool open(const QString& fileOrLink, QWidget* parent)
{
    std::variant<Assignment, std::string> read;
    const std::string given = qt_convert::utf8(fileOrLink);
    if (given.find("#assignment=") != std::string::npos || given.rfind("assignment=", 0) == 0) {
        read = assignment_json::fromLink(given);
    } else {
        const QString path =
            QUrl(fileOrLink).isLocalFile() ? QUrl(fileOrLink).toLocalFile() : fileOrLink;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            say(parent, texts::cannotRead(texts::assignmentFile, qt_convert::utf8(path),
                                          qt_convert::utf8(file.errorString())));
            return false;
        }
        read = assignment_json::read(
            file.read(static_cast<qint64>(assignment_json::byteLimit) + 1).toStdString());
    }
    if (const std::string* wrong = std::get_if<std::string>(&read)) {
        say(parent, *wrong);
        return false;
    }
    const Assignment& a = std::get<Assignment>(read);
    // Kept work of this very assignment is offered back.
    if (std::optional<std::string> bytes = KeptFile::read(assignment_json::digest(a))) {
        std::variant<kept_work::Kept, std::string> kept = kept_work::read(*bytes);
        if (auto* k = std::get_if<kept_work::Kept>(&kept); k && !k->entries.empty()) {
            const int choice = askResume(parent, a, *k, texts::startOver);
            if (choice < 0)
                return false;
            if (choice == 0)
                return openFrom(k->header.assignment, k, parent);
        }
    }
    return openFrom(a, nullptr, parent);
}

void offerLeftByACrash()
{
    for (const std::string& digest : KeptFile::leftByACrash()) {
        const std::optional<std::string> bytes = KeptFile::read(digest);
        std::variant<kept_work::Kept, std::string> kept =
            bytes ? kept_work::read(*bytes)
                  : std::variant<kept_work::Kept, std::string>(std::string());
        auto* k = std::get_if<kept_work::Kept>(&kept);
        if (k && askResume(nullptr, k->header.assignment, *k, texts::later) == 0)
            openFrom(k->header.assignment, k, nullptr);
        else
            QFile::remove(KeptFile::pathFor(digest) + QStringLiteral(".open"));
    }
}

void saveAssignment(LessonForm* form)
{
    const LessonModel& model = form->model();
    const std::optional<Made> made = prompts().make(form, Made{text(model.description().caption),
                                                               {},
                                                               model.autoRunAllowed(),
                                                               model.stepBackAllowed()});
    if (!made)
        return;
    Assignment a = assignment::fromLesson(model, qt_convert::utf8(made->title),
                                          qt_convert::stored(made->instructions));
    a.autoRun = made->autoRun;
    a.stepBack = made->stepBack;
    for (const auto& [field, value, limit] :
         {std::tuple{"title", &a.title, assignment::titleLimit},
          std::tuple{"instructions", &a.instructions, assignment::instructionsLimit}}) {
        if (assignment::characters(*value) > limit) {
            say(form, texts::tooLong(texts::assignmentFile, field, assignment::characters(*value),
                                     limit));
            return;
        }
    }
    const QString path =
        prompts().saveFile(form, text(texts::makeTitle), text(texts::assignmentFilter),
                           text(texts::assignmentFileName(a.title)));
    if (!path.isEmpty())
        writeFile(form, path, assignment_json::text(a), texts::assignmentSaveFailed);
}

void saveResult(LessonForm* form)
{
    const AssignmentWork* work = AssignmentWork::of(form);
    if (!work) {
        say(form, texts::notAssignment);
        return;
    }
    const std::optional<QString> name = prompts().name(form);
    if (!name)
        return;
    const std::string typed = qt_convert::utf8(name->trimmed());
    if (typed.empty() || assignment::characters(typed) > 200) {
        say(form, texts::noName);
        return;
    }
    const QString path =
        prompts().saveFile(form, text(texts::nameTitle), text(texts::resultFilter),
                           text(texts::resultFileName(work->session().assignment().title, typed)));
    if (path.isEmpty())
        return;
    const Result r = work->session().result(form->model(), typed, now());
    writeFile(form, path, result_json::text(r), texts::resultSaveFailed);
}

void summarize(const QStringList& files)
{
    static QPointer<SummaryWindow> window;
    if (!window) {
        window = new SummaryWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->addFiles(files);
    window->show();
    window->raise();
    window->activateWindow();
}

void openArguments(const QStringList& arguments)
{
    QStringList results;
    for (const QString& argument : arguments) {
        if (argument.endsWith(text(texts::resultEnding)))
            results << argument;
        else
            open(argument, nullptr);
    }
    if (!results.isEmpty())
        summarize(results);
}

bool writeFile(QWidget* parent, const QString& path, const std::string& bytes,
               std::string_view failed)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
            static_cast<qint64>(bytes.size()) &&
        file.commit())
        return true;
    say(parent,
        texts::cannotWrite(failed, qt_convert::utf8(path), qt_convert::utf8(file.errorString())));
    return false;
}

} // namespace assignments
