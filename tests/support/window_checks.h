#pragma once

// Helpers for the offscreen window tests of the lessons: open a lesson's window, find
// its controls by name, and read what they show, in the units the lessons give.
#include "lesson/lesson_form.h"
#include "lesson/lesson_registry.h"
#include "shell/fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

namespace window_checks
{

inline void setUp()
{
    registerFontSubstitutions();
    lesson_registry::registerAll();
}

// The window of `form`, shown, with its message boxes recorded into `messages`.
inline std::unique_ptr<LessonForm> open(const char* form, QStringList* messages = nullptr)
{
    LessonForm::setMessagePresenter([messages](QWidget*, const QString& text) {
        if (messages)
            *messages << text;
    });
    auto window = std::make_unique<LessonForm>(lesson_registry::create(form));
    window->show();
    return window;
}

// Whether `added`, a control the window adds beside the lesson's own, lies inside the window
// and clear of every other control on it; the reason when not.
inline QString clearOfOthers(const QWidget& window, const QWidget* added)
{
    if (!window.rect().contains(added->geometry()))
        return added->objectName() + " sticks out of " + window.objectName();
    for (const QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != added && !other->isWindow() && other->geometry().intersects(added->geometry()))
            return window.objectName() + ": " + added->objectName() + " overlaps " +
                   other->objectName();
    }
    return {};
}

template <class T = QWidget> T* control(const QWidget& window, const QString& key)
{
    return window.findChild<T*>(key);
}

// A control's geometry inside its parent, in twips (15 twips a pixel).
inline QRect twips(const QWidget* widget)
{
    const QRect r = widget->geometry();
    return QRect(r.x() * 15, r.y() * 15, r.width() * 15, r.height() * 15);
}

// Whether `widget` stands at (left, top) in twips, within one pixel.
inline bool at(const QWidget* widget, int left, int top)
{
    return widget && std::abs(widget->x() * 15 - left) < 15 &&
           std::abs(widget->y() * 15 - top) < 15;
}

inline QString caption(const QWidget& window, const QString& key)
{
    if (auto* label = control<QLabel>(window, key))
        return label->text();
    if (auto* frame = control<QGroupBox>(window, key))
        return frame->title();
    if (auto* button = control<QAbstractButton>(window, key))
        return button->text();
    return {};
}

inline QString boxText(const QWidget& window, int index)
{
    const QString key = QStringLiteral("Text1(%1)").arg(index);
    if (auto* line = control<QLineEdit>(window, key))
        return line->text();
    if (auto* multi = control<QPlainTextEdit>(window, key))
        return multi->toPlainText();
    return {};
}

inline QColor boxColour(const QWidget& window, int index)
{
    const QWidget* box = control(window, QStringLiteral("Text1(%1)").arg(index));
    return box ? box->palette().color(QPalette::Base) : QColor();
}

inline QColor lineColour(const QWidget& window, int line)
{
    const QWidget* label = control(window, QStringLiteral("Label1(%1)").arg(line));
    return label ? label->palette().color(QPalette::Window) : QColor();
}

// The parent frame's name of a control ("Frame3").
inline QString container(const QWidget* widget)
{
    return widget && widget->parentWidget() ? widget->parentWidget()->objectName() : QString();
}

// Whether the caption `label` stands to the left of the box `box` on the box's row (their
// vertical extents overlap; a pixel of overlap is allowed), in the same frame.
inline bool captionBeside(const QWidget& window, const QString& label, const QString& box)
{
    const QWidget* l = control(window, label);
    const QWidget* b = control(window, box);
    if (!l || !b || l->parentWidget() != b->parentWidget())
        return false;
    const QRect lr = l->geometry();
    const QRect br = b->geometry();
    return lr.right() <= br.left() && lr.top() <= br.bottom() && br.top() <= lr.bottom();
}

// The texts of the listing labels Label1(0), Label1(1), ... as shown.
inline QStringList listing(const QWidget& window)
{
    QStringList lines;
    for (int k = 0;; ++k) {
        const auto* label = control<QLabel>(window, QStringLiteral("Label1(%1)").arg(k));
        if (!label)
            return lines;
        lines << label->text();
    }
}

// Presses "進む" `times` times.
inline void pressStep(QWidget& window, int times = 1)
{
    for (int k = 0; k < times; ++k)
        QTest::mouseClick(control<QAbstractButton>(window, QStringLiteral("Command1")),
                          Qt::LeftButton);
}

// Types `text` into the single-line box Text1(index), replacing its text, as a student would.
inline void typeInto(const QWidget& window, int index, const QString& text)
{
    auto* line = control<QLineEdit>(window, QStringLiteral("Text1(%1)").arg(index));
    line->selectAll();
    if (text.isEmpty())
        QTest::keyClick(line, Qt::Key_Delete);
    else
        QTest::keyClicks(line, text);
}

// Whether every child widget of `parent` (a frame or the window) lies wholly inside it.
inline bool childrenInside(const QWidget* parent)
{
    if (!parent)
        return false;
    const QRect area(QPoint(0, 0), parent->size());
    for (const QObject* child : parent->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget && !widget->isWindow() && !area.contains(widget->geometry()))
            return false;
    }
    return true;
}

} // namespace window_checks
