#include "menu_form.h"

#include "lesson/qt_convert.h"
#include "text_form.h"
#include "window_registry.h"

#include <QCloseEvent>

#include <QPushButton>
#include <algorithm>

namespace
{
// Buttons in twips: a column with a margin, rows of equal height.
constexpr int margin = 120;
constexpr int rowHeight = 495;
constexpr int rowStep = 585;
constexpr int gap = 120;
} // namespace

MenuForm::MenuForm(const MenuTable& menu, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      menu_(menu)
{
    setObjectName(QLatin1String(menu.form));
    setWindowTitle(QString::fromUtf8(menu.title));
    int rows = 0;
    for (const MenuButton& button : menu.buttons)
        rows = std::max(rows, button.row + 1);
    const int height =
        menu.height > 0 ? menu.height : 2 * margin + rows * rowStep - (rowStep - rowHeight);
    setFixedSize(qt_convert::pixels(menu.width), qt_convert::pixels(height));
    const int width = menu.width - 2 * margin;
    for (const MenuButton& button : menu.buttons) {
        int count = 0;
        int position = 0;
        for (const MenuButton& other : menu.buttons) {
            if (other.row == button.row) {
                if (&other == &button)
                    position = count;
                ++count;
            }
        }
        const int cellWidth = (width - gap * (count - 1)) / count;
        const Rect rect{margin + position * (cellWidth + gap), margin + button.row * rowStep,
                        cellWidth, rowHeight};
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
