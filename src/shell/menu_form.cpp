#include "menu_form.h"

#include "lesson/enter_key.h"
#include "lesson/qt_convert.h"
#include "text_form.h"
#include "window_registry.h"

#include <QCloseEvent>

#include <QPushButton>

MenuForm::MenuForm(const MenuTable& menu, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      menu_(menu)
{
    enter_key::install();
    setObjectName(QLatin1String(menu.form));
    setWindowTitle(QString::fromUtf8(menu.title));
    const MenuLayout layout = layOut(menu);
    setFixedSize(qt_convert::pixels(layout.width), qt_convert::pixels(layout.height));
    for (size_t k = 0; k < menu.buttons.size(); ++k) {
        const MenuButton& button = menu.buttons[k];
        const Rect& rect = layout.buttons[k];
        auto* widget = new QPushButton(QString::fromUtf8(button.caption), this);
        widget->setObjectName(QLatin1String(button.name));
        widget->setGeometry(qt_convert::rect(rect));
        const QString target = QLatin1String(button.target);
        widget->setEnabled(target.startsWith(QLatin1String("listing:")) ||
                           window_registry::canOpen(target));
        connect(widget, &QPushButton::clicked, this, [this, &button] { Command_Click(button); });
    }
}

void MenuForm::Command_Click(const MenuButton& button)
{
    const QString target = QLatin1String(button.target);
    if (target.startsWith(QLatin1String("listing:")))
        showListing(target.back().toLatin1(), this);
    else
        window_registry::show(target);
}

void MenuForm::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (QLatin1String(menu_.form) == QLatin1String("frmMain"))
        window_registry::quitProgram();
}
