#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class LessonForm;
class QWidget;

// Assignments in the desktop program: making one from a lesson window ("課題として保存…"),
// opening one from a file, a link or the command line ("課題を開く…", Ctrl+O) with its kept work
// offered back ("前回の続きから"), handing in the result ("結果を保存…") and the teacher's
// summary ("結果を集計…"). The commands are in each window's context menu and on its keys, so
// that nothing a lesson places moves. What is read and written is the Qt-free documents'.
namespace assignments
{

// What the teacher gives an assignment in its dialog.
struct Made {
    QString title;
    QString instructions;
    bool autoRun = true;
    bool stepBack = true;
};

// The program's questions to the user, which tests replace.
struct Prompts {
    std::function<QString(QWidget*, const QString& title, const QString& filter)> openFile;
    std::function<QStringList(QWidget*, const QString& title, const QString& filter)> openFiles;
    std::function<QString(QWidget*, const QString& title, const QString& filter,
                          const QString& proposed)>
        saveFile;
    // 0 for the first button, 1 for the second, -1 for none (the window closed).
    std::function<int(QWidget*, const QString& text, const QString& first, const QString& second)>
        choose;
    std::function<std::optional<Made>(QWidget*, const Made& proposed)> make;
    std::function<std::optional<QString>(QWidget*)> name;
};
Prompts& prompts();
// The real dialogs again.
void restorePrompts();

// The commands of a lesson window and of a menu window, in its context menu and on its keys.
void equipLesson(LessonForm* form);
void equipMenu(QWidget* menu);

void openDialog(QWidget* parent);
// Opens the assignment in a file or a link; false (after saying why) when it cannot.
bool open(const QString& fileOrLink, QWidget* parent);
void saveAssignment(LessonForm* form);
void saveResult(LessonForm* form);
// The summary window, with these result files read.
void summarize(const QStringList& files);
// At the start: work left by a crash is offered back, one assignment after the other.
void offerLeftByACrash();
// The files and links given on the command line: result files go to one summary, an
// assignment opens.
void openArguments(const QStringList& arguments);

// Writes `bytes` to `path` (a new file, then renamed over the old); says `failed` and why when
// it cannot, and the old file stays as it was.
bool writeFile(QWidget* parent, const QString& path, const std::string& bytes,
               std::string_view failed);

} // namespace assignments
