#include "accessibility.h"

#include "announcer.h"
#include "listing_label.h"
#include "text_boundaries.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>

namespace accessibility
{
namespace
{

// A one-line text box, read and edited through its public interface only. Edits made by
// an assistive technology go through the box's own editing (QLineEdit::insert), so the
// window hears of them as of typing.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleLineEdit(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return edit()->displayText();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        replaceText(0, characterCount(), text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !edit()->isReadOnly();
        s.readOnly = edit()->isReadOnly();
        s.selectableText = true;
        s.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        return s;
    }

    // --- text ---

    int characterCount() const override { return static_cast<int>(edit()->displayText().size()); }

    QString text(int startOffset, int endOffset) const override
    {
        const QString shown = edit()->displayText();
        const int start = std::clamp(startOffset, 0, static_cast<int>(shown.size()));
        const int end = endOffset < 0
                            ? static_cast<int>(shown.size())
                            : std::clamp(endOffset, start, static_cast<int>(shown.size()));
        return shown.mid(start, end - start);
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override
    {
        return answer(text_boundaries::at(edit()->displayText(), offset, type), startOffset,
                      endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                             int* endOffset) const override
    {
        return answer(text_boundaries::before(edit()->displayText(), offset, type), startOffset,
                      endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                            int* endOffset) const override
    {
        return answer(text_boundaries::after(edit()->displayText(), offset, type), startOffset,
                      endOffset);
    }

    // One run of the box's own font: no attributes of its own.
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        const bool valid = offset >= 0 && offset <= characterCount();
        *startOffset = valid ? 0 : -1;
        *endOffset = valid ? characterCount() : -1;
        return {};
    }

    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !edit()->hasSelectedText())
            return;
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            edit()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        const int start = std::clamp(startOffset, 0, characterCount());
        const int end = std::clamp(endOffset, 0, characterCount());
        edit()->setSelection(start, end - start);
    }

    QRect characterRect(int offset) const override
    {
        const QString shown = edit()->displayText();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QFontMetrics metrics(edit()->font());
        const QRect inside = edit()->contentsRect().marginsRemoved(edit()->textMargins());
        // The box leaves a small gap inside its frame; the texts of these boxes are short and
        // start at the left, so the advance of the text before the offset places it.
        const int left = inside.left() + 2 + metrics.horizontalAdvance(shown.left(offset));
        const QRect local(left, inside.center().y() - metrics.height() / 2,
                          metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = edit()->mapFromGlobal(point);
        if (!edit()->rect().contains(local))
            return -1;
        return edit()->cursorPositionAt(local);
    }
    void scrollToSubstring(int startIndex, int) override { setCursorPosition(startIndex); }

    // --- editing ---

    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        if (edit()->isReadOnly())
            return;
        setSelection(0, startOffset, endOffset);
        if (!edit()->hasSelectedText())
            setCursorPosition(std::clamp(startOffset, 0, characterCount()));
        edit()->insert(text);
    }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }

    QString answer(text_boundaries::Span span, int* startOffset, int* endOffset) const
    {
        *startOffset = span.start;
        *endOffset = span.end;
        if (span.start < 0)
            return {};
        return edit()->displayText().mid(span.start, span.end - span.start);
    }
};

// A label of a lesson window, named by what it shows (or says it is empty); a listing line
// can be pressed to show its note.
class AccessibleLineLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLineLabel(LineLabel* label)
        : QAccessibleWidget(label, label->accessibleRole())
    {
    }

    QAccessible::Role role() const override { return label()->accessibleRole(); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = label()->accessibleName();
            return name.isEmpty() ? label()->spokenName() : name;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isActivatable() && label()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && label()->isActivatable()) {
            // Later, from the event loop: the note opens a modal message box, and the screen
            // reader that asked must have its answer first.
            LineLabel* target = label();
            QTimer::singleShot(0, target, [target] { emit target->clicked(); });
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction() && label()->isActivatable())
            return {QStringLiteral("Return"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    LineLabel* label() const { return static_cast<LineLabel*>(widget()); }
};

class AccessibleAnnouncer : public QAccessibleWidget
{
public:
    explicit AccessibleAnnouncer(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<Announcer*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(static_cast<QLineEdit*>(object));
    if (className == QLatin1String("LineLabel"))
        return new AccessibleLineLabel(static_cast<LineLabel*>(object));
    if (className == QLatin1String("Announcer"))
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    return nullptr;
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void labelMessageBox(QMessageBox& box)
{
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!ok || !label)
        return;
    label->setBuddy(ok);
    const QString text = box.text().trimmed();
    ok->setAccessibleDescription(text.isEmpty() ? QStringLiteral("空のメッセージ") : text);
}

} // namespace accessibility
