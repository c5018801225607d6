#include "lesson/lesson_registry.h"
#include "shell/fonts.h"
#include "shell/timer_precision.h"
#include "shell/window_registry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevisk"));
    QApplication::setStyle(QStringLiteral("Windows"));
    registerFontSubstitutions();
    sharpenTimers();
    lesson_registry::registerAll();
    window_registry::show(QStringLiteral("frmIntro"));
    return QApplication::exec();
}
