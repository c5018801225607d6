#include "question_window.h"

#include "free_place.h"
#include "lesson_form.h"
#include "listing_label.h"
#include "prediction_texts.h"
#include "qt_convert.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace texts = prediction_texts;

QuestionWindow::QuestionWindow(LessonForm& lesson)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      lesson_(lesson)
{
    setObjectName(QStringLiteral("QuestionWindow"));
    setAttribute(Qt::WA_QuitOnClose, false); // the lesson and the menus decide when to end
    build();
    wire();
    refresh();
    lesson.installEventFilter(this);
}

QuestionWindow::~QuestionWindow() = default;

bool QuestionWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The lesson window closed or was hidden by the program (not minimised): so is this.
    if (watched == &lesson_ && event->type() == QEvent::Hide && !event->spontaneous())
        hide();
    // Tab into the empty answer box: Qt selects its (empty) text first, and the caret event
    // that makes reaches a screen reader before the focus does, which then says nothing
    // (Orca 43). The box takes the focus as a click gives it, without selecting.
    if (watched == answer_ && event->type() == QEvent::FocusIn && answer_->text().isEmpty()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(answer_, &plain);
            return true;
        }
    }
    // On an option, the arrows go to the next or previous one and choose it (the options
    // stand in a row, and → would otherwise be 進む).
    const auto* option = qobject_cast<QAbstractButton*>(watched);
    if (option && modes_->id(const_cast<QAbstractButton*>(option)) >= 0 &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int delta = key->key() == Qt::Key_Right || key->key() == Qt::Key_Down ? 1
                          : key->key() == Qt::Key_Left || key->key() == Qt::Key_Up  ? -1
                                                                                    : 0;
        if (delta == 0 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QWidget::eventFilter(watched, event);
        key->accept();
        if (event->type() == QEvent::KeyPress) {
            const int count = static_cast<int>(modes_->buttons().size());
            const int to =
                (modes_->id(const_cast<QAbstractButton*>(option)) + delta + count) % count;
            if (QAbstractButton* next = modes_->button(to)) {
                next->setFocus(Qt::OtherFocusReason);
                next->setChecked(true);
            }
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* QuestionWindow::container(const Control& control)
{
    const auto frame = widgets_.find(control.container);
    return frame == widgets_.end() ? this : frame->second;
}

void QuestionWindow::build()
{
    const LessonDescription d = question_panel::description(lesson_.model().description());
    setWindowTitle(qt_convert::text(d.caption));
    setFixedSize(qt_convert::pixels(d.width), qt_convert::pixels(d.height));
    modes_ = new QButtonGroup(this);
    for (const Control& control : d.controls) {
        QWidget* parent = container(control);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Frame:
            widget = new QGroupBox(qt_convert::text(control.caption), parent);
            break;
        case ControlKind::Option: {
            auto* option = new QRadioButton(qt_convert::text(control.caption), parent);
            modes_->addButton(option, control.index);
            option->installEventFilter(this);
            widget = option;
            break;
        }
        case ControlKind::Label: {
            // Its texts kept laid out: the question and the score change at every step, and
            // come back again and again in a loop.
            auto* label = new LineLabel(parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(control.multiline);
            label->setBackground(palette().color(QPalette::Window));
            label->setCaption(qt_convert::text(control.caption));
            widget = label;
            break;
        }
        case ControlKind::TextBox: widget = new QLineEdit(parent); break;
        case ControlKind::Button:
            widget = new QPushButton(qt_convert::text(control.caption), parent);
            break;
        case ControlKind::CheckBox:
        case ControlKind::List:
        case ControlKind::Picture:
        case ControlKind::Timer: continue;
        }
        widget->setObjectName(qt_convert::text(control.key()));
        widget->setGeometry(qt_convert::rect(control.rect));
        if (control.font)
            widget->setFont(qt_convert::font(*control.font));
        widgets_[control.key()] = widget;
    }
    const auto find = [this](const char* key) { return widgets_.at(key); };
    question_ = static_cast<LineLabel*>(find("Question"));
    answer_ = static_cast<QLineEdit*>(find("Answer"));
    true_ = static_cast<QPushButton*>(find("True"));
    false_ = static_cast<QPushButton*>(find("False"));
    judge_ = static_cast<QPushButton*>(find("Judge"));
    dontKnow_ = static_cast<QPushButton*>(find("DontKnow"));
    score_ = static_cast<LineLabel*>(find("Score"));
    verdict_ = static_cast<LineLabel*>(find("Verdict"));
    answer_->installEventFilter(this);
    true_->setCheckable(true);
    false_->setCheckable(true);

    answer_->setAccessibleName(qt_convert::text(texts::answerName));
    answer_->setToolTip(qt_convert::text(texts::answerHint));
    true_->setToolTip(qt_convert::text(texts::trueHint));
    false_->setToolTip(qt_convert::text(texts::falseHint));
    judge_->setToolTip(qt_convert::text(texts::judgeHint));
    dontKnow_->setToolTip(qt_convert::text(texts::dontKnowHint));
    // Read by Tab as what they show (as the lesson's note is), told what they are.
    question_->setAccessibleDescription(qt_convert::text(texts::questionCaption));
    verdict_->setAccessibleDescription(qt_convert::text(texts::judgementName));
    score_->setAccessibleDescription(qt_convert::text(texts::scoreName));
    for (LineLabel* label : {question_, verdict_, score_})
        label->setFocusPolicy(Qt::TabFocus);
    verdict_->setEmptyName(qt_convert::text(texts::judgementName));
    score_->setEmptyName(qt_convert::text(texts::scoreName));
}

void QuestionWindow::wire()
{
    // Chosen by a click, by the arrows (which move the choice in the group) or a screen
    // reader's action: whatever checks the option, but not the repaint showing the model's.
    connect(modes_, &QButtonGroup::idToggled, this, [this](int k, bool on) {
        if (on && !updating_ && k >= 0 && static_cast<size_t>(k) < std::size(prediction::modes))
            lesson_.PredictMode_Click(prediction::modes[k]);
    });
    connect(answer_, &QLineEdit::textEdited, this,
            [this](const QString& text) { lesson_.Answer_Typed(qt_convert::utf8(text)); });
    // (Enter in the answer box reaches keyPressEvent: the box passes it on.)
    connect(true_, &QPushButton::clicked, this, [this] { lesson_.Truth_Click(true, true); });
    connect(false_, &QPushButton::clicked, this, [this] { lesson_.Truth_Click(false, true); });
    connect(judge_, &QPushButton::clicked, this, [this] { answer(&LessonForm::Judge_Click); });
    connect(dontKnow_, &QPushButton::clicked, this,
            [this] { answer(&LessonForm::DontKnow_Click); });
    // The keys of the lesson window's 進む and of the truth, here too; F8 goes back to it.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Right)})
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                [this] { answer(&LessonForm::Judge_Click); });
    connect(new QShortcut(Qt::Key_T, this), &QShortcut::activated, this,
            [this] { lesson_.Truth_Click(true); });
    connect(new QShortcut(Qt::Key_F, this), &QShortcut::activated, this,
            [this] { lesson_.Truth_Click(false); });
    connect(new QShortcut(Qt::Key_F8, this), &QShortcut::activated, this, [this] {
        lesson_.activateWindow();
        lesson_.raise();
    });
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

void QuestionWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter answers; on an option it chooses it, as Space does. (On a push button it presses
    // it, for every window of the program: on True or False a second time, that answers.)
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* option = qobject_cast<QAbstractButton*>(focusWidget()))
            option->click();
        else
            answer(&LessonForm::Judge_Click);
        return;
    }
    QWidget::keyPressEvent(event);
}

void QuestionWindow::answer(void (LessonForm::*action)())
{
    // The step's message boxes (or the one that says what is expected) belong to the lesson
    // window and leave it active: the student answers on here.
    const QPointer<QuestionWindow> self(this);
    (lesson_.*action)();
    if (self && isVisible()) {
        activateWindow();
        const QWidget* focused = focusWidget();
        if (QWidget* at = answerWidget(); at && (!focused || !focused->isEnabled()))
            at->setFocus(Qt::OtherFocusReason);
    }
}

void QuestionWindow::closeEvent(QCloseEvent* event)
{
    // The window is the mode: closed, nothing is asked any more.
    if (lesson_.model().predictionMode() != prediction::Mode::Off)
        lesson_.PredictMode_Click(prediction::Mode::Off);
    QWidget::closeEvent(event);
}

void QuestionWindow::open()
{
    refresh();
    free_place::showInFront(this, placed_, [this] { place(); });
    if (QWidget* at = answerWidget())
        at->setFocus(Qt::OtherFocusReason);
}

void QuestionWindow::place()
{
    added_window::Request request = added_window::questionRequest(lesson_.model().description());
    request.avoid = lesson_.besideShown(this);
    free_place::placeBesideLesson(this, &lesson_, request);
}

QWidget* QuestionWindow::answerWidget() const
{
    if (!shown_.asking)
        return modes_->checkedButton();
    if (shown_.typed)
        return answer_;
    return shown_.truth == false ? false_ : true_;
}

void QuestionWindow::refresh()
{
    const question_panel::View v = question_panel::view(lesson_.model());
    updating_ = true;
    if (QAbstractButton* mode = modes_->button(v.mode); mode && !mode->isChecked())
        mode->setChecked(true);
    if (v.question != shown_.question)
        question_->setCaption(qt_convert::text(v.question));
    // The answer box shows what the model holds, unless the student is typing just that.
    if (qt_convert::utf8(answer_->text()) != v.answer)
        answer_->setText(qt_convert::text(v.answer));
    answer_->setEnabled(v.asking && v.typed);
    const bool truth = v.asking && !v.typed;
    true_->setEnabled(truth);
    false_->setEnabled(truth);
    true_->setChecked(truth && v.truth == true);
    false_->setChecked(truth && v.truth == false);
    judge_->setEnabled(v.asking);
    dontKnow_->setEnabled(v.asking);
    if (v.verdict != shown_.verdict)
        verdict_->setCaption(qt_convert::text(v.verdict));
    if (v.score != shown_.score)
        score_->setCaption(qt_convert::text(v.score));
    shown_ = v;
    updating_ = false;
}
