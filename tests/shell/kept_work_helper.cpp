// A student at work in the desktop program, for the test that kills it: opens the assignment
// given (from the beginning) and answers, steps, types and steps back without end, printing
// after each action how many lines its kept work has and the lesson window's view.
#include "lesson/lesson_form.h"
#include "lesson/lesson_registry.h"
#include "shell/assignments.h"
#include "shell/kept_file.h"
#include "shell/window_registry.h"
#include "json/assignment_json.h"
#include "json/lesson_json.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevisk"));
    lesson_registry::registerAll();
    LessonForm::setMessagePresenter([](QWidget*, const QString&) {});
    assignments::prompts().choose = [](QWidget*, const QString&, const QString&, const QString&) {
        return 1; // 最初から
    };
    const QString path = QApplication::arguments().value(1);
    if (!assignments::open(path, nullptr))
        return 1;
    auto* lesson = qobject_cast<LessonForm*>(window_registry::find(QStringLiteral("frmTotal")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const std::string digest = assignment_json::digest(
        std::get<Assignment>(assignment_json::read(file.readAll().toStdString())));
    size_t lines = 1;
    for (long k = 0;; ++k) {
        LessonModel& model = lesson->model();
        if (k % 7 == 3)
            model.setText(BoxGroup::Text1, static_cast<int>(k % 5), std::to_string(k % 23));
        else if (k % 11 == 5)
            lesson->StepBack_Click();
        else {
            if (model.question())
                lesson->Answer_Typed(k % 3 ? model.question()->expected : "1");
            lesson->Command1_Click();
        }
        const std::optional<std::string> kept = KeptFile::read(digest);
        lines = 0;
        for (const char c : kept.value_or(std::string()))
            lines += c == '\n';
        std::printf("%zu\t%s\n", lines, json::text(lesson_json::view(model)).c_str());
        std::fflush(stdout);
    }
}
