// The part of LessonForm that makes a lesson window usable without a mouse and readable by
// screen readers, and its one control beyond the lesson's own: the step-back button.
#include "lesson_form.h"

#include "listing_label.h"
#include "qt_convert.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>

namespace
{

// A control's rectangle in the window's coordinates.
QRect inWindow(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

QString hint(const char* what, const char* keys)
{
    return QString::fromUtf8(what) + QStringLiteral(" (") + QString::fromUtf8(keys) +
           QStringLiteral(")");
}

} // namespace

void LessonForm::buildAccess()
{
    placeStepBackButton();
    addShortcuts();
    nameForScreenReaders();
    orderTabs();
    // "進む" has the focus at first, so that the arrows and Space step at once.
    if (auto* step = findChild<QPushButton*>(QStringLiteral("Command1")))
        step->setFocus();
}

void LessonForm::placeStepBackButton()
{
    auto* step = findChild<QPushButton*>(QStringLiteral("Command1"));
    if (!step)
        return;
    stepBack_ = new QPushButton(QStringLiteral("◀"), this);
    stepBack_->setObjectName(QStringLiteral("StepBack"));
    stepBack_->setEnabled(false);
    connect(stepBack_, &QPushButton::clicked, this, &LessonForm::StepBack_Click);

    // The first free place of the button's size: left of "進む", right of the last button
    // on its row, then below the auto-run buttons.
    const QRect button = step->geometry();
    const int width = std::max(28, button.height() + 6);
    const int gap = 6;
    QList<QRect> taken;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != stepBack_ && !child->isWindow())
            taken << child->geometry();
    }
    int rowEnd = button.right();
    for (const QRect& r : taken) {
        if (r.top() == button.top() && r.height() == button.height())
            rowEnd = std::max(rowEnd, r.right());
    }
    const QList<QRect> candidates = {
        QRect(button.left() - gap - width, button.top(), width, button.height()),
        QRect(rowEnd + gap, button.top(), width, button.height()),
        QRect(rect().right() - gap - width, rect().bottom() - gap - button.height(), width,
              button.height()),
    };
    for (const QRect& place : candidates) {
        const bool inside = rect().contains(place);
        const bool free = std::none_of(taken.begin(), taken.end(),
                                       [&](const QRect& r) { return r.intersects(place); });
        if (inside && free) {
            stepBack_->setGeometry(place);
            return;
        }
    }
    stepBack_->setGeometry(candidates.last());
}

void LessonForm::addShortcuts()
{
    // A value box with the focus takes the arrows and Home for its own editing first (Qt asks
    // it before a shortcut fires), so typing never steps.
    const struct {
        const char* button;
        const char* what;
        const char* keys;
        QList<QKeySequence> sequences;
        void (LessonForm::*action)();
    } keys[] = {
        {"Command1",
         "1行進めます",
         "→ / F10",
         {Qt::Key_Right, Qt::Key_F10},
         &LessonForm::Command1_Click},
        {"StepBack",
         "1つ前の状態に戻ります",
         "← / Ctrl+Z",
         {Qt::Key_Left, QKeySequence(Qt::CTRL | Qt::Key_Z)},
         &LessonForm::StepBack_Click},
        {"Command2", "先頭の行に戻ります", "Home", {Qt::Key_Home}, &LessonForm::Command2_Click},
        {"Command3",
         "タイマ間隔ごとに自動で進めます",
         "F5",
         {Qt::Key_F5},
         &LessonForm::Command3_Click},
        {"Command4", "自動実行を止めます", "Esc", {Qt::Key_Escape}, &LessonForm::Command4_Click},
        {"Command5",
         "配列に新しい乱数を設定します",
         "F6",
         {Qt::Key_F6},
         &LessonForm::Command5_Click},
    };
    for (const auto& key : keys) {
        auto* button = findChild<QPushButton*>(QLatin1String(key.button));
        if (!button)
            continue;
        button->setToolTip(hint(key.what, key.keys));
        for (const QKeySequence& sequence : key.sequences) {
            auto* shortcut = new QShortcut(sequence, this);
            connect(shortcut, &QShortcut::activated, this, key.action);
        }
    }
    if (stepBack_)
        stepBack_->setAccessibleName(QStringLiteral("1つ戻る"));
}

void LessonForm::nameForScreenReaders()
{
    const auto nameBoxes = [this](std::vector<BoxWidget>& boxes, BoxGroup group) {
        for (size_t k = 0; k < boxes.size(); ++k) {
            QWidget* w = boxes[k].line ? static_cast<QWidget*>(boxes[k].line) : boxes[k].multi;
            if (!w)
                continue;
            QString name = qt_convert::text(model_->boxName(BoxRef{group, static_cast<int>(k)}));
            if (name.isEmpty()) {
                // A box no variable is bound to takes the caption on its left.
                const QRect box = inWindow(w, this);
                int best = -1;
                for (QLabel* label : findChildren<QLabel*>()) {
                    const QRect r = inWindow(label, this);
                    if (label->objectName().startsWith(QLatin1String("Label4")) &&
                        r.right() <= box.left() + 4 &&
                        std::abs(r.center().y() - box.center().y()) < box.height() &&
                        r.right() > best) {
                        best = r.right();
                        name = label->text();
                    }
                }
            }
            w->setAccessibleName(name);
        }
    };
    nameBoxes(text1_, BoxGroup::Text1);
    nameBoxes(text2_, BoxGroup::Text2);
    for (size_t g = 0; g < checks_.size(); ++g) {
        for (size_t k = 0; k < checks_[g].size(); ++k) {
            if (QCheckBox* check = checks_[g][k]) {
                const BoxGroup group =
                    static_cast<BoxGroup>(static_cast<int>(BoxGroup::Check1) + static_cast<int>(g));
                check->setAccessibleName(
                    qt_convert::text(model_->boxName(BoxRef{group, static_cast<int>(k)})));
            }
        }
    }
    if (txtTime_)
        txtTime_->setAccessibleName(QStringLiteral("タイマ間隔"));
    for (size_t k = 0; k < listing_.size(); ++k) {
        if (LineLabel* line = listing_[k])
            line->setAccessibleDescription(QStringLiteral("%1行目").arg(k));
    }
    if (condition_)
        condition_->setAccessibleDescription(QStringLiteral("条件"));
    if (note_)
        note_->setAccessibleDescription(QStringLiteral("説明"));
}

void LessonForm::orderTabs()
{
    // The values from top to bottom (left to right on a row), then the buttons.
    QList<QWidget*> values;
    for (QWidget* w : findChildren<QWidget*>()) {
        const bool value = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                           qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        if (value && w != txtTime_)
            values << w;
    }
    std::stable_sort(values.begin(), values.end(), [this](QWidget* a, QWidget* b) {
        const QRect ra = inWindow(a, this);
        const QRect rb = inWindow(b, this);
        if (std::abs(ra.top() - rb.top()) > 4)
            return ra.top() < rb.top();
        return ra.left() < rb.left();
    });
    if (txtTime_)
        values << txtTime_;
    for (const char* name :
         {"Command1", "StepBack", "Command2", "Command5", "Command3", "Command4"}) {
        if (QWidget* button = findChild<QWidget*>(QLatin1String(name)))
            values << button;
    }
    for (int k = 1; k < values.size(); ++k)
        QWidget::setTabOrder(values[k - 1], values[k]);
}

void LessonForm::announceLine()
{
    const int line = model_->panel().highlight;
    if (line < 0 || static_cast<size_t>(line) >= listing_.size() || !listing_[line] || !note_)
        return;
    // The note label tells which line runs next; a screen reader hears it as it changes.
    note_->setAccessibleName(
        QStringLiteral("%1行目: %2").arg(line).arg(listing_[line]->text().trimmed()));
    QAccessibleEvent changed(note_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(note_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
