// The part of LessonForm that makes a lesson window usable without a mouse and readable by
// screen readers, and its one control beyond the lesson's own: the step-back button.
#include "lesson_form.h"

#include "announcer.h"
#include "free_place.h"
#include "listing_label.h"
#include "narration.h"
#include "picture_box.h"
#include "qt_convert.h"
#include "value_box.h"
#include "window_rules.h"
#include "window_words.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>
#include <array>

namespace
{

// A key of the shared table as Qt knows it.
QKeySequence qtKey(const window_words::Key& key)
{
    static const std::pair<std::string_view, Qt::Key> named[] = {
        {"ArrowRight", Qt::Key_Right},
        {"ArrowLeft", Qt::Key_Left},
        {"Home", Qt::Key_Home},
        {"F5", Qt::Key_F5},
        {"F6", Qt::Key_F6},
        {"F7", Qt::Key_F7},
        {"F8", Qt::Key_F8},
        {"F10", Qt::Key_F10},
        {"Escape", Qt::Key_Escape},
        {"z", Qt::Key_Z},
    };
    for (const auto& [name, qt] : named) {
        if (name == key.name)
            return key.ctrl ? QKeySequence(Qt::CTRL | qt) : QKeySequence(qt);
    }
    return {};
}

// The option buttons switch with the arrow keys while one of them has the focus: the keys
// are theirs then, not the window's step shortcuts, and the option moved to is clicked.
class OptionArrows : public QObject
{
public:
    OptionArrows(QObject* parent, std::array<QRadioButton*, 2> options)
        : QObject(parent), options_(options)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool arrow = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                           key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
        if (!arrow || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        key->accept();
        if (event->type() == QEvent::KeyPress) {
            // Two options: either arrow goes to the other one.
            QRadioButton* other = watched == options_[0] ? options_[1] : options_[0];
            if (other && other->isEnabled()) {
                other->setFocus(Qt::OtherFocusReason);
                other->click();
            }
        }
        return true;
    }

private:
    std::array<QRadioButton*, 2> options_;
};

} // namespace

void LessonForm::buildAccess()
{
    placeStepBackButton();
    addShortcuts();
    nameForScreenReaders();
    wireOptions();
    // "進む" has the focus at first, so that the arrows and Space step at once.
    if (auto* step = findChild<QPushButton*>(QStringLiteral("Command1")))
        step->setFocus();
}

void LessonForm::placeStepBackButton()
{
    auto* step = findChild<QPushButton*>(QStringLiteral("Command1"));
    if (!step)
        return;
    stepBack_ = new QPushButton(qt_convert::text(added_buttons::stepBackCaption), this);
    stepBack_->setObjectName(QStringLiteral("StepBack"));
    stepBack_->setEnabled(false);
    connect(stepBack_, &QPushButton::clicked, this, &LessonForm::StepBack_Click);

    // Left of "進む" if there is room, else right of the last button on its row.
    const added_buttons::Places places = free_place::places(this, step, {stepBack_});
    stepBack_->setGeometry(free_place::rect(places.stepBack->rect));
}

QPushButton* LessonForm::addButton(const added_buttons::Placed& placed, const char* name,
                                   std::string_view accessibleName, void (LessonForm::*action)())
{
    auto* button = new QPushButton(qt_convert::text(placed.caption), this);
    button->setObjectName(QLatin1String(name));
    if (const window_words::Shortcut* key = window_words::shortcutOf(name))
        button->setToolTip(qt_convert::text(window_words::hint(*key)));
    button->setAccessibleName(qt_convert::text(accessibleName));
    button->setGeometry(free_place::rect(placed.rect));
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

void LessonForm::addShortcuts()
{
    // A value box with the focus takes the arrows and Home for its own editing first (Qt asks
    // it before a shortcut fires), so typing never steps.
    const std::pair<std::string_view, void (LessonForm::*)()> actions[] = {
        {"Command1", &LessonForm::Command1_Click}, {"StepBack", &LessonForm::StepBack_Click},
        {"Command2", &LessonForm::Command2_Click}, {"Command3", &LessonForm::Command3_Click},
        {"Command4", &LessonForm::Command4_Click}, {"Command5", &LessonForm::Command5_Click},
        {"TraceButton", &LessonForm::Trace_Click}, {"PredictButton", &LessonForm::Predict_Click},
    };
    for (const auto& [name, action] : actions) {
        const window_words::Shortcut* shortcut = window_words::shortcutOf(name);
        // The trace and prediction buttons come later; their keys belong to every window
        // with "進む".
        const bool exists = name == "TraceButton" || name == "PredictButton"
                                ? findChild<QPushButton*>(QStringLiteral("Command1")) != nullptr
                                : findChild<QPushButton*>(qt_convert::text(name)) != nullptr;
        if (!shortcut || !exists)
            continue;
        if (auto* button = findChild<QPushButton*>(qt_convert::text(name)))
            button->setToolTip(qt_convert::text(window_words::hint(*shortcut)));
        for (const window_words::Key& key : shortcut->keys) {
            if (key.name.empty())
                continue;
            auto* sequence = new QShortcut(qtKey(key), this);
            connect(sequence, &QShortcut::activated, this, action);
        }
    }
    if (stepBack_)
        stepBack_->setAccessibleName(qt_convert::text(window_words::stepBackName));
}

void LessonForm::nameForScreenReaders()
{
    // Every value box and check box by its variable's name ("a[2]", "total"), or its caption.
    std::vector<Narration::Value> values = Narration::namedValues(*model_);
    for (const Narration::Value& value : values) {
        const size_t k = static_cast<size_t>(value.box.index);
        QWidget* w = nullptr;
        switch (value.box.group) {
        case BoxGroup::Text1:
        case BoxGroup::Text2: {
            const std::vector<BoxWidget>& boxes =
                value.box.group == BoxGroup::Text1 ? text1_ : text2_;
            if (k < boxes.size())
                w = boxes[k].line ? static_cast<QWidget*>(boxes[k].line) : boxes[k].multi;
            break;
        }
        case BoxGroup::Check1:
        case BoxGroup::Check2:
        case BoxGroup::Check3: {
            const auto& group = checks_[static_cast<size_t>(value.box.group) -
                                        static_cast<size_t>(BoxGroup::Check1)];
            if (k < group.size())
                w = group[k];
            break;
        }
        }
        if (w)
            w->setAccessibleName(qt_convert::text(value.name));
    }
    using namespace window_words;
    if (txtTime_)
        txtTime_->setAccessibleName(qt_convert::text(timerName));
    if (list_)
        list_->setAccessibleName(qt_convert::text(listName));
    if (picture_)
        picture_->setAccessibleName(qt_convert::text(pictureName));

    // An empty label says so, instead of borrowing its frame's title.
    for (LineLabel* label : findChildren<LineLabel*>())
        label->setEmptyName(qt_convert::text(emptyLabel));
    for (size_t k = 0; k < listing_.size(); ++k) {
        LineLabel* line = listing_[k];
        if (!line)
            continue;
        line->setEmptyName(qt_convert::text(emptyLine));
        line->setAccessibleDescription(
            qt_convert::text(lineDescription(static_cast<int>(k), false)));
        // Reached by Tab at one line (the current one), then by the arrows; Enter or Space
        // shows the line's note. A click shows the note and leaves the focus where it was.
        line->makeActivatable(QAccessible::ListItem);
        line->setFocusPolicy(Qt::NoFocus);
        const int index = static_cast<int>(k);
        connect(line, &LineLabel::moveRequested, this,
                [this, index](int delta) { moveInListing(index, delta); });
    }
    if (condition_) {
        condition_->setEmptyName(qt_convert::text(emptyCondition));
        condition_->setAccessibleDescription(qt_convert::text(conditionDescription));
        condition_->setFocusPolicy(Qt::TabFocus);
    }
    if (note_) {
        note_->setEmptyName(qt_convert::text(emptyNote));
        note_->setAccessibleDescription(qt_convert::text(noteDescription));
        note_->setFocusPolicy(Qt::TabFocus);
    }

    // What a step tells: every value by the name given above.
    narration_ = std::make_unique<Narration>(*model_, std::move(values));
    announcer_ = new Announcer(this, [this](const QString& event) {
        return qt_convert::text(narration_->tell(qt_convert::utf8(event)));
    });
}

void LessonForm::wireOptions()
{
    const std::array<QRadioButton*, 2> options = {option1_, option2_};
    auto* arrows = new OptionArrows(this, options);
    for (int k = 1; k <= 2; ++k) {
        QRadioButton* option = options[static_cast<size_t>(k - 1)];
        if (!option)
            continue;
        connect(option, &QRadioButton::clicked, this, [this, k] { optionChosen(k, false); });
        connect(option, &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                optionChosen(k, true);
        });
        option->installEventFilter(arrows);
    }
}

void LessonForm::optionChosen(int k, bool byToggle)
{
    // A click on the option not yet chosen toggles it first and then reports the click: the
    // selection runs once, at the toggle. A click on the chosen option runs it again, as the
    // lesson's click does. A toggle without a click (a screen reader's action) runs it too.
    if (byToggle) {
        if (updating_) // the repaint showing the model's choice
            return;
        optionToggled_ = k;
        QTimer::singleShot(0, this, [this] { optionToggled_ = 0; });
    } else if (optionToggled_ == k) {
        optionToggled_ = 0;
        return;
    }
    if (k == 1)
        Option1_Click();
    else
        Option2_Click();
}

void LessonForm::moveInListing(int from, int delta)
{
    int last = -1; // the last line of the routine; the empty labels after it are skipped
    for (size_t k = 0; k < listing_.size(); ++k) {
        if (listing_[k] && !listing_[k]->text().trimmed().isEmpty())
            last = static_cast<int>(k);
    }
    const int to = std::clamp(from + delta, 0, std::max(last, 0));
    if (to == from || to >= static_cast<int>(listing_.size()) || !listing_[to])
        return;
    listing_[static_cast<size_t>(from)]->setFocusPolicy(Qt::NoFocus);
    listing_[static_cast<size_t>(to)]->setFocusPolicy(Qt::TabFocus);
    listing_[static_cast<size_t>(to)]->setFocus(Qt::OtherFocusReason);
}

void LessonForm::markCurrentLine()
{
    const int current = model_->panel().highlight;
    const auto line = [this](int k) -> LineLabel* {
        return k >= 0 && static_cast<size_t>(k) < listing_.size() ? listing_[k] : nullptr;
    };
    // One line only says it runs next: the one that said so before says it no more.
    if (describedCurrent_ != current) {
        if (LineLabel* old = line(describedCurrent_))
            old->setAccessibleDescription(
                qt_convert::text(window_words::lineDescription(describedCurrent_, false)));
        describedCurrent_ = -1;
    }
    LineLabel* now = line(current);
    if (!now)
        return;
    if (describedCurrent_ != current) {
        now->setAccessibleDescription(
            qt_convert::text(window_words::lineDescription(current, true)));
        describedCurrent_ = current;
    }
    // Tab comes into the listing at the current line, unless the student is moving in it.
    const bool inListing =
        std::find(listing_.begin(), listing_.end(), focusWidget()) != listing_.end() &&
        focusWidget() && focusWidget()->hasFocus();
    if (inListing)
        return;
    for (LineLabel* l : listing_) {
        if (l && l != now && l->focusPolicy() != Qt::NoFocus)
            l->setFocusPolicy(Qt::NoFocus);
    }
    now->setFocusPolicy(Qt::TabFocus);
}

void LessonForm::orderTabs()
{
    // The order both front ends follow (window_rules): the listing as one stop, the note and
    // the condition, the values frame by frame in reading order, タイマ間隔, the buttons.
    QList<QWidget*> order;
    for (const std::string& key : window_rules::tabOrder(model_->description())) {
        if (key == "Label1") {
            for (LineLabel* line : listing_) {
                if (line)
                    order << line;
            }
        } else if (QWidget* w = findChild<QWidget*>(qt_convert::text(key))) {
            order << w;
        }
    }
    for (int k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1], order[k]);
    markCurrentLine();
}

void LessonForm::announce(Heard heard, const Outcome& outcome, bool wasRunning)
{
    if (!announcer_ || !narration_)
        return;
    if (heard == Heard::Nothing) {
        narration_->hearAll();
        return;
    }
    if (outcome.refused)
        return; // its message box told why, and nothing changed
    const bool stopped = wasRunning && !timer_.isActive();
    QStringList events;
    const auto told = [this, &events](Narration::Action action) {
        const QRadioButton* chosen = model_->panel().option == 1 ? option1_ : option2_;
        const std::string text =
            Narration::actionText(action, chosen ? qt_convert::utf8(chosen->text()) : std::string(),
                                  model_->panel().timer.interval);
        if (!text.empty())
            events << qt_convert::text(text);
    };
    switch (heard) {
    case Heard::BackToStart: told(Narration::Action::BackToStart); break;
    case Heard::StepBack: told(Narration::Action::StepBack); break;
    case Heard::Option: told(Narration::Action::Option); break;
    case Heard::Fill: told(Narration::Action::Fill); break;
    case Heard::AutoRun: told(Narration::Action::AutoRun); break;
    case Heard::Stop: told(Narration::Action::Stop); break;
    case Heard::Nothing:
    case Heard::Step:
    case Heard::Tick: break;
    }
    if (stopped && heard != Heard::Stop)
        events << qt_convert::text(Narration::stoppedText());
    const Announcer::When when = !outcome.messages.empty()          ? Announcer::When::AfterDialog
                                 : heard == Heard::Tick && !stopped ? Announcer::When::WhenFree
                                                                    : Announcer::When::Now;
    announcer_->announce(events.join(QStringLiteral("。")), when);
}
