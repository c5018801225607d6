// A developer's tool: shows one lesson window on its own, after a number of steps, so that
// it can be looked at or grabbed into a PNG without clicking through the menus. The
// options act in order: type with --set, then press "進む" with --steps.
//
//   show-lesson FORM [--steps N] [--set K TEXT]... [--trace] [--zoom F] [--marks]
//               [--predict MODE] [--answer TEXT] [--judge] [--grab OUT.png] [--names]
//
// With --grab the window is rendered offscreen and saved; otherwise it stays on screen
// until it is closed. --trace opens the lesson's trace window too (and --grab saves that
// one instead). --zoom shows the windows at F times their size (1 to 3, as the keys of the
// program do, but not held to a screen), --marks with the marks beyond colour. --names
// prints, offscreen, what screen readers are told of every control of the window, as one
// JSON object: {"Text1(2)": {"name", "description", "hint"}, ...}.
// --predict opens the question window in MODE (off, line, condition, value, auto), --answer
// types an answer and --judge presses "答えて進む"; --grab then saves the question window
// too, as OUT.question.png.
#include "lesson/display_settings.h"
#include "lesson/lesson_form.h"
#include "lesson/lesson_registry.h"
#include "lesson/question_window.h"
#include "lesson/trace_window.h"
#include "lesson/window_zoom.h"
#include "shell/fonts.h"
#include "shell/zoom_style.h"

#include <QAccessible>
#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

// Every named control of `window` as its accessibility interface tells it.
QByteArray accessibleNames(QWidget& window)
{
    QJsonObject all;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face)
            continue;
        all.insert(
            w->objectName(),
            QJsonObject{{QStringLiteral("name"), face->text(QAccessible::Name)},
                        {QStringLiteral("description"), face->text(QAccessible::Description)},
                        {QStringLiteral("hint"), w->toolTip()}});
    }
    return QJsonDocument(all).toJson(QJsonDocument::Compact);
}

} // namespace

int main(int argc, char* argv[])
{
    bool grab = false;
    bool names = false;
    for (int k = 1; k < argc; ++k) {
        grab = grab || std::strcmp(argv[k], "--grab") == 0;
        names = names || std::strcmp(argv[k], "--names") == 0;
    }
    if (grab || names)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    ZoomStyle::install();
    registerFontSubstitutions();
    lesson_registry::registerAll();
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: show-lesson FORM [--steps N] [--set K TEXT]... [--trace] [--zoom F] "
                     "[--marks] [--predict MODE] [--answer TEXT] [--judge] [--grab OUT.png] [--names]\n");
        return 2;
    }
    auto model = lesson_registry::create(argv[1]);
    if (!model) {
        std::fprintf(stderr, "no lesson %s\n", argv[1]);
        return 2;
    }
    LessonForm::setMessagePresenter([](QWidget*, const QString& text) {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    });
    for (int k = 2; k < argc; ++k) {
        if (std::strcmp(argv[k], "--marks") == 0)
            DisplaySettings::instance().setMarksBeyondColour(true);
    }
    LessonForm form(std::move(model));
    QString out;
    bool trace = false;
    double zoom = 1;
    for (int k = 2; k < argc; ++k) {
        const std::string option = argv[k];
        if (option == "--steps" && k + 1 < argc) {
            for (int n = std::atoi(argv[++k]); n > 0; --n)
                form.Command1_Click();
        } else if (option == "--set" && k + 2 < argc) {
            const int box = std::atoi(argv[++k]);
            form.model().setText(BoxGroup::Text1, box, argv[++k]);
        } else if (option == "--zoom" && k + 1 < argc) {
            zoom = std::atof(argv[++k]);
        } else if (option == "--trace") {
            trace = true;
        } else if (option == "--predict" && k + 1 < argc) {
            const std::optional<prediction::Mode> mode = prediction::modeNamed(argv[++k]);
            form.show();
            form.Predict_Click();
            form.PredictMode_Click(mode.value_or(prediction::Mode::Auto));
        } else if (option == "--answer" && k + 1 < argc) {
            form.Answer_Typed(argv[++k]);
            if (form.questionWindow())
                form.questionWindow()->refresh();
        } else if (option == "--judge") {
            form.Judge_Click();
        } else if (option == "--grab" && k + 1 < argc) {
            out = QString::fromLocal8Bit(argv[++k]);
        }
    }
    form.show();
    if (zoom != 1)
        window_zoom::apply(&form, zoom);
    if (trace) {
        form.Trace_Click();
        if (zoom != 1)
            window_zoom::apply(form.traceWindow(), zoom);
    }
    if (zoom != 1 && form.questionWindow())
        window_zoom::apply(form.questionWindow(), zoom);
    if (names) {
        QCoreApplication::processEvents();
        std::printf("%s\n", accessibleNames(form).constData());
        return 0;
    }
    if (!out.isEmpty()) {
        QCoreApplication::processEvents();
        QWidget* shown = trace ? static_cast<QWidget*>(form.traceWindow()) : &form;
        if (QWidget* question = form.questionWindow()) {
            QString path = out;
            path.replace(QStringLiteral(".png"), QStringLiteral(".question.png"));
            if (!question->grab().save(path))
                return 1;
        }
        return shown && shown->grab().save(out) ? 0 : 1;
    }
    return QApplication::exec();
}
