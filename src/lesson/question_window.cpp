#include "question_window.h"

#include "free_place.h"
#include "lesson_form.h"
#include "prediction_texts.h"
#include "qt_convert.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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
            widget = option;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(qt_convert::text(control.caption), parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(control.multiline);
            label->setTextFormat(Qt::PlainText);
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
    question_ = static_cast<QLabel*>(find("Question"));
    answer_ = static_cast<QLineEdit*>(find("Answer"));
    true_ = static_cast<QPushButton*>(find("True"));
    false_ = static_cast<QPushButton*>(find("False"));
    judge_ = static_cast<QPushButton*>(find("Judge"));
    dontKnow_ = static_cast<QPushButton*>(find("DontKnow"));
    score_ = static_cast<QLabel*>(find("Score"));
    verdict_ = static_cast<QLabel*>(find("Verdict"));
    static_cast<QLabel*>(find("AnswerCaption"))->setBuddy(answer_);
    true_->setCheckable(true);
    false_->setCheckable(true);

    answer_->setAccessibleName(qt_convert::text(texts::answerName));
    answer_->setToolTip(qt_convert::text(texts::answerHint));
    true_->setToolTip(qt_convert::text(texts::trueHint));
    false_->setToolTip(qt_convert::text(texts::falseHint));
    judge_->setToolTip(qt_convert::text(texts::judgeHint));
    dontKnow_->setToolTip(qt_convert::text(texts::dontKnowHint));
    question_->setAccessibleName(qt_convert::text(texts::questionCaption));
    verdict_->setAccessibleName(qt_convert::text(texts::judgementName));
    score_->setAccessibleName(qt_convert::text(texts::scoreName));
    for (QLabel* label : {question_, verdict_, score_})
        label->setFocusPolicy(Qt::TabFocus); // read by Tab, as the lesson's note is
}

void QuestionWindow::wire()
{
    connect(modes_, &QButtonGroup::idClicked, this, [this](int k) {
        if (!updating_ && k >= 0 && static_cast<size_t>(k) < std::size(prediction::modes))
            lesson_.PredictMode_Click(prediction::modes[k]);
    });
    connect(answer_, &QLineEdit::textEdited, this,
            [this](const QString& text) { lesson_.Answer_Typed(qt_convert::utf8(text)); });
    connect(answer_, &QLineEdit::returnPressed, &lesson_, &LessonForm::Judge_Click);
    connect(true_, &QPushButton::clicked, this, [this] { lesson_.Truth_Click(true); });
    connect(false_, &QPushButton::clicked, this, [this] { lesson_.Truth_Click(false); });
    connect(judge_, &QPushButton::clicked, &lesson_, &LessonForm::Judge_Click);
    connect(dontKnow_, &QPushButton::clicked, &lesson_, &LessonForm::DontKnow_Click);
    // The keys of the lesson window's 進む and of the truth, here too; F8 goes back to it.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Right)})
        connect(new QShortcut(key, this), &QShortcut::activated, &lesson_,
                &LessonForm::Judge_Click);
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
    // Enter answers: on True or False with that answer; on "わからない" or an option it
    // presses the button, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QAbstractButton*>(focusWidget());
        if (button && button != true_ && button != false_) {
            button->click();
            return;
        }
        if (button)
            button->click();
        lesson_.Judge_Click();
        return;
    }
    QWidget::keyPressEvent(event);
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
    if (!placed_) {
        place();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    if (QWidget* at = answerWidget())
        at->setFocus(Qt::OtherFocusReason);
}

void QuestionWindow::place()
{
    added_window::Request request = added_window::questionRequest(lesson_.model().description());
    if (const QWidget* trace = lesson_.traceWindowShown())
        request.avoid.push_back(free_place::plain(trace->frameGeometry()));
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
        question_->setText(qt_convert::text(v.question));
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
        verdict_->setText(qt_convert::text(v.verdict));
    if (v.score != shown_.score)
        score_->setText(qt_convert::text(v.score));
    shown_ = v;
    updating_ = false;
}
