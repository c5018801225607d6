#include "enter_key.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace enter_key
{
namespace
{

class EnterPresses : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->isEnabled() || qobject_cast<QDialog*>(button->window()))
            return false;
        button->click();
        return true;
    }
};

} // namespace

void install()
{
    static EnterPresses* filter = [] {
        auto* f = new EnterPresses(qApp);
        qApp->installEventFilter(f);
        return f;
    }();
    (void)filter;
}

} // namespace enter_key
