#include "lesson/accessibility.h"
#include "lesson/display_settings.h"
#include "lesson/enter_key.h"
#include "lesson/lesson_registry.h"
#include "shell/assignments.h"
#include "shell/fonts.h"
#include "shell/system_contrast.h"
#include "shell/timer_precision.h"
#include "shell/view_controls.h"
#include "shell/window_registry.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevisk"));
    // The desktop entry and icon are found by this name (Wayland app id, desktop shells).
    QApplication::setDesktopFileName(QStringLiteral("io.github.trevisk.Trevisk"));
    QApplication::setStyle(QStringLiteral("Windows"));
    accessibility::install();
    enter_key::install();
    registerFontSubstitutions();
    sharpenTimers();
    lesson_registry::registerAll();
    // The zoom and the marks beyond colour as they were left, and the keys that change them.
    DisplaySettings::instance().remember();
    ViewControls view;
    SystemContrast contrast; // the system's high contrast, where the platform reports it
    window_registry::show(QStringLiteral("frmIntro"));
    // An assignment or result files given (from the file manager: the desktop entry's %F),
    // then the work a crash left behind, offered back.
    assignments::openArguments(QApplication::arguments().mid(1));
    assignments::offerLeftByACrash();
    const int status = QApplication::exec();
    // The windows still open when the program ended (a dialog goes with its parent window).
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    return status;
}
