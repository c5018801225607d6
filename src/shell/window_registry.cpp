#include "window_registry.h"

#include "assignments.h"
#include "catalog/menus.h"
#include "intro_form.h"
#include "lesson/lesson_form.h"
#include "lesson/lesson_registry.h"
#include "menu_form.h"

#include <QApplication>
#include <QMap>
#include <QPointer>
#include <QWidget>

namespace window_registry
{
namespace
{

QMap<QString, QPointer<QWidget>>& instances()
{
    static QMap<QString, QPointer<QWidget>> map;
    return map;
}

std::function<void()>& quitHandler()
{
    static std::function<void()> handler;
    return handler;
}

QWidget* create(const QString& form)
{
    if (form == QLatin1String("frmIntro"))
        return new IntroForm;
    if (const MenuTable* menu = findMenu(form.toStdString())) {
        auto* window = new MenuForm(*menu);
        assignments::equipMenu(window);
        return window;
    }
    if (std::unique_ptr<LessonModel> model = lesson_registry::create(form.toStdString())) {
        auto* window = new LessonForm(std::move(model));
        assignments::equipLesson(window);
        return window;
    }
    return nullptr;
}

} // namespace

bool canOpen(const QString& form)
{
    return form == QLatin1String("frmIntro") || findMenu(form.toStdString()) ||
           lesson_registry::has(form.toStdString());
}

QWidget* find(const QString& form)
{
    const auto found = instances().constFind(form);
    return found == instances().constEnd() ? nullptr : found->data();
}

void adopt(const QString& form, QWidget* window)
{
    if (QWidget* open = find(form); open && open != window)
        open->close();
    window->setAttribute(Qt::WA_DeleteOnClose);
    instances()[form] = window;
    show(form);
}

QWidget* show(const QString& form)
{
    QWidget* window = find(form);
    if (!window) {
        window = create(form);
        if (!window)
            return nullptr;
        window->setAttribute(Qt::WA_DeleteOnClose);
        instances()[form] = window;
    }
    // A minimised window is shown again too, as it was.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void quitProgram()
{
    if (quitHandler()) {
        quitHandler()();
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void setQuitHandler(std::function<void()> handler)
{
    quitHandler() = std::move(handler);
}

} // namespace window_registry
