#include "lesson_form.h"

#include "accessibility.h"
#include "display_settings.h"
#include "enter_key.h"
#include "listing_label.h"
#include "narration.h"
#include "picture_box.h"
#include "qt_convert.h"
#include "question_window.h"
#include "trace_window.h"
#include "value_box.h"
#include "window_words.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

using qt_convert::pixels;

namespace
{

LessonForm::MessagePresenter& presenter()
{
    static LessonForm::MessagePresenter p;
    return p;
}

int checkGroup(const std::string& name)
{
    return name == "Check1" ? 0 : name == "Check2" ? 1 : name == "Check3" ? 2 : -1;
}

} // namespace

void LessonForm::setMessagePresenter(MessagePresenter p)
{
    presenter() = std::move(p);
}

void LessonForm::showMessage(QWidget* parent, const QString& text)
{
    if (presenter()) {
        presenter()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, qt_convert::text(window_words::messageCaption), text,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::WindowModal);
    accessibility::labelMessageBox(box);
    box.exec();
}

LessonForm::LessonForm(std::unique_ptr<LessonModel> model, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      model_(std::move(model))
{
    build(nullptr);
}

LessonForm::LessonForm(std::unique_ptr<LessonModel> model, const Outcome& loaded)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      model_(std::move(model))
{
    build(&loaded);
}

void LessonForm::build(const Outcome* loaded)
{
    accessibility::install();
    enter_key::install();
    const LessonDescription& d = model_->description();
    setObjectName(qt_convert::text(d.form));
    setWindowTitle(qt_convert::text(d.caption));
    setFixedSize(pixels(d.width), pixels(d.height));
    buildControls();
    buildAccess();
    buildTraceButton();
    buildPredictButton();
    orderTabs();
    applyColours();
    connect(&DisplaySettings::instance(), &DisplaySettings::looksChanged, this,
            &LessonForm::applyColours);
    timer_.setTimerType(Qt::PreciseTimer); // intervals down to 1 ms mean what they say
    connect(&timer_, &QTimer::timeout, this, &LessonForm::Timer1_Timer);
    if (loaded)
        perform(*loaded, Heard::Nothing);
    else
        Form_Load();
}

LessonForm::~LessonForm() = default;

// --- building the window from the description ---

QWidget* LessonForm::container(const Control& control) const
{
    if (control.container.empty())
        return const_cast<LessonForm*>(this);
    QWidget* frame = findChild<QWidget*>(qt_convert::text(control.container));
    return frame ? frame : const_cast<LessonForm*>(this);
}

void LessonForm::buildControls()
{
    const LessonDescription& d = model_->description();
    // Frames first, so that every control finds the frame that holds it.
    for (const Control& control : d.controls) {
        if (control.kind != ControlKind::Frame)
            continue;
        auto* frame = new QGroupBox(qt_convert::text(control.caption), container(control));
        frame->setObjectName(qt_convert::text(control.key()));
        frame->setGeometry(qt_convert::rect(control.rect));
    }
    QWidget* frame1 = findChild<QWidget*>(QStringLiteral("Frame1"));
    listing_.assign(static_cast<size_t>(d.listingCount()), nullptr);
    for (const ListingLabel& line : d.listing) {
        auto* label = new LineLabel(frame1 ? frame1 : this);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(line.index));
        label->setGeometry(qt_convert::rect(line.rect));
        label->setFont(qt_convert::font(d.listingFont));
        label->setCaption(qt_convert::shown(line.text));
        const int index = line.index;
        connect(label, &LineLabel::clicked, this, [this, index] { Label1_Click(index); });
        listing_[static_cast<size_t>(index)] = label;
    }
    text1_.resize(model_->panel().text1.size());
    text2_.resize(model_->panel().text2.size());
    cells_.assign(model_->panel().cells.size(), nullptr);
    shownCells_.assign(cells_.size(), Colour::buttonFace());

    for (const Control& control : d.controls) {
        QWidget* parent = container(control);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Frame:
        case ControlKind::Timer: continue;
        case ControlKind::Label: {
            auto* label = new LineLabel(parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(control.multiline);
            label->setCaption(qt_convert::shown(control.caption));
            if (control.name == "Label2") {
                note_ = label;
                label->setWordWrap(true);
            } else if (control.name == "Label3") {
                condition_ = label;
            } else if (control.name == "Label6") {
                label6_ = label;
                shownLabel6_ = control.caption;
            } else if (control.name == "lblTable") {
                lblTable_ = label;
                shownTable_ = control.caption;
            } else if (control.name == "lblP" && control.index >= 0) {
                label->setAlignment(Qt::AlignCenter);
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
                cells_[static_cast<size_t>(control.index)] = label;
            }
            widget = label;
            break;
        }
        case ControlKind::TextBox: buildTextBox(control, parent); continue;
        case ControlKind::Button: {
            auto* button = new QPushButton(qt_convert::text(control.caption), parent);
            if (control.name == "Command1")
                connect(button, &QPushButton::clicked, this, &LessonForm::Command1_Click);
            else if (control.name == "Command2")
                connect(button, &QPushButton::clicked, this, &LessonForm::Command2_Click);
            else if (control.name == "Command3")
                connect(button, &QPushButton::clicked, this, &LessonForm::Command3_Click);
            else if (control.name == "Command4")
                connect(button, &QPushButton::clicked, this, &LessonForm::Command4_Click);
            else if (control.name == "Command5")
                connect(button, &QPushButton::clicked, this, &LessonForm::Command5_Click);
            widget = button;
            break;
        }
        case ControlKind::Option: {
            auto* option = new QRadioButton(qt_convert::text(control.caption), parent);
            (control.name == "Option1" ? option1_ : option2_) = option; // wired by wireOptions
            widget = option;
            break;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(qt_convert::text(control.caption), parent);
            const int g = checkGroup(control.name);
            if (g >= 0 && control.index >= 0) {
                auto& group = checks_[static_cast<size_t>(g)];
                if (group.size() <= static_cast<size_t>(control.index))
                    group.resize(static_cast<size_t>(control.index) + 1, nullptr);
                group[static_cast<size_t>(control.index)] = check;
                const BoxGroup boxGroup =
                    static_cast<BoxGroup>(static_cast<int>(BoxGroup::Check1) + g);
                const int index = control.index;
                connect(check, &QCheckBox::clicked, this, [this, boxGroup, index](bool on) {
                    model_->setCheck(boxGroup, index, on ? 1 : 0);
                    showPrediction();
                });
            }
            widget = check;
            break;
        }
        case ControlKind::List:
            list_ = new QListWidget(parent);
            widget = list_;
            break;
        case ControlKind::Picture:
            picture_ = new PictureBox(parent);
            widget = picture_;
            break;
        }
        widget->setObjectName(qt_convert::text(control.key()));
        widget->setGeometry(qt_convert::rect(control.rect));
        if (control.font)
            widget->setFont(qt_convert::font(*control.font));
    }
}

void LessonForm::buildTextBox(const Control& control, QWidget* parent)
{
    if (control.name == "Text1") {
        buildBox(text1_, BoxGroup::Text1, control, parent);
    } else if (control.name == "Text2") {
        buildBox(text2_, BoxGroup::Text2, control, parent);
    } else if (control.name == "txtTime") {
        shownTime_ = model_->panel().txtTime;
        txtTime_ = new QLineEdit(qt_convert::text(shownTime_), parent);
        txtTime_->setObjectName(QStringLiteral("txtTime"));
        txtTime_->setGeometry(qt_convert::rect(control.rect));
        connect(txtTime_, &QLineEdit::textEdited, this, [this](const QString& text) {
            shownTime_ = qt_convert::utf8(text);
            model_->setTimerText(shownTime_);
        });
    }
}

void LessonForm::buildBox(std::vector<BoxWidget>& boxes, BoxGroup group, const Control& control,
                          QWidget* parent)
{
    if (control.index < 0 || static_cast<size_t>(control.index) >= boxes.size())
        return;
    BoxWidget& box = boxes[static_cast<size_t>(control.index)];
    const int index = control.index;
    QWidget* widget = nullptr;
    if (control.multiline) {
        box.multi = new QPlainTextEdit(parent);
        box.multi->setLineWrapMode(QPlainTextEdit::NoWrap);
        connect(box.multi, &QPlainTextEdit::textChanged, this, [this, &box, group, index] {
            if (updating_)
                return;
            box.shownText = qt_convert::stored(box.multi->toPlainText());
            model_->setText(group, index, box.shownText);
            showPrediction();
        });
        widget = box.multi;
    } else {
        box.line = new ValueBox(parent);
        box.line->setAutoFillBackground(true); // opaque: its frame need not repaint behind it
        connect(box.line, &QLineEdit::textEdited, this,
                [this, &box, group, index](const QString& t) {
                    box.shownText = qt_convert::utf8(t);
                    model_->setText(group, index, box.shownText);
                    showPrediction();
                });
        widget = box.line;
    }
    box.shownText.assign(1, '\x01'); // nothing shown yet: the first repaint writes every box
    widget->setObjectName(qt_convert::text(control.key()));
    widget->setGeometry(qt_convert::rect(control.rect));
    if (control.font)
        widget->setFont(qt_convert::font(*control.font));
}

// --- events ---

void LessonForm::Form_Load()
{
    perform(model_->load(), Heard::Nothing);
}

void LessonForm::Command1_Click()
{
    // With a question waiting, 進む answers it first (lesson_form_predict.cpp).
    if (!busy_)
        perform(model_->advance(), Heard::Step);
}

void LessonForm::Timer1_Timer()
{
    if (busy_) { // ticks that come while a message box is open are skipped
        paceLost_ = true;
        return;
    }
    perform(model_->tick(), Heard::Tick);
    // A timer wakes up a little late each time, which at intervals of a few milliseconds
    // adds up to missed ticks: catch up by one step at a time so that auto-run keeps the
    // pace it was set to, but never after a pause (a message box, a slow repaint).
    const int interval = timer_.interval();
    if (!timer_.isActive() || interval <= 0 || interval > 50 || busy_)
        return;
    ++paced_;
    const qint64 due = pace_.elapsed() / interval;
    if (paceLost_ || due > paced_ + 4) {
        paced_ = due;
        paceLost_ = false;
    } else if (due > paced_) {
        ++paced_;
        perform(model_->tick(), Heard::Tick);
    }
}

void LessonForm::Command2_Click()
{
    if (!busy_)
        perform(model_->backToStart(), Heard::BackToStart);
}

void LessonForm::Command3_Click()
{
    if (!busy_)
        perform(model_->startAutoRun(), Heard::AutoRun);
}

void LessonForm::Command4_Click()
{
    if (busy_)
        return;
    const bool wasRunning = timer_.isActive();
    model_->stopAutoRun();
    syncTimer();
    showPrediction(); // a question for the step from where it stopped
    announce(Heard::Stop, {}, wasRunning);
}

void LessonForm::Command5_Click()
{
    if (!busy_)
        perform(model_->fillArray(), Heard::Fill);
}

void LessonForm::Option1_Click()
{
    if (!busy_)
        perform(model_->clickOption(1), Heard::Option);
}

void LessonForm::Option2_Click()
{
    if (!busy_)
        perform(model_->clickOption(2), Heard::Option);
}

void LessonForm::StepBack_Click()
{
    if (!busy_)
        perform(model_->stepBack(), Heard::StepBack);
}

void LessonForm::Label1_Click(int index)
{
    if (!busy_ && !chooseLine(index))
        showMessages({model_->noteOf(index)});
}

void LessonForm::perform(const Outcome& outcome, Heard heard)
{
    const bool wasRunning = timer_.isActive();
    if (trace_)
        trace_->refresh(); // the action's row, shown with its message boxes
    if (!outcome.messages.empty()) {
        updateDirectDisplays();
        const QPointer<LessonForm> self(this);
        showMessages(outcome.messages);
        if (!self)
            return;
    }
    updateDisplay();
    syncTimer();
    showPrediction();
    announce(heard, outcome, wasRunning);
}

void LessonForm::showMessages(const std::vector<std::string>& messages)
{
    const QPointer<LessonForm> self(this);
    busy_ = true;
    for (const std::string& message : messages) {
        showMessage(this, qt_convert::shown(message));
        if (!self)
            return;
    }
    busy_ = false;
}

// --- repainting ---

void LessonForm::updateDirectDisplays()
{
    const Panel& panel = model_->panel();
    if (label6_ && shownLabel6_ != panel.label6) {
        shownLabel6_ = panel.label6;
        label6_->setCaption(qt_convert::shown(panel.label6));
    }
    if (list_ && shownList_ != panel.list) {
        size_t common = 0;
        while (common < shownList_.size() && common < panel.list.size() &&
               shownList_[common] == panel.list[common])
            ++common;
        while (static_cast<size_t>(list_->count()) > common)
            delete list_->takeItem(list_->count() - 1);
        for (size_t k = common; k < panel.list.size(); ++k)
            list_->addItem(qt_convert::text(panel.list[k]));
        shownList_ = panel.list;
    }
    if (picture_ && shownPicture_ != panel.picture.revision) {
        picture_->show(panel.picture.ops);
        picture_->setAccessibleDescription(
            qt_convert::text(Narration::boardText(panel.picture.pegs)));
        shownPicture_ = panel.picture.revision;
    }
}

void LessonForm::updateBoxes(std::vector<BoxWidget>& widgets, const std::vector<Box>& boxes)
{
    for (size_t k = 0; k < widgets.size() && k < boxes.size(); ++k) {
        BoxWidget& widget = widgets[k];
        const Box& box = boxes[k];
        QWidget* w = widget.line ? static_cast<QWidget*>(widget.line) : widget.multi;
        if (!w)
            continue;
        if (widget.shownText != box.text) {
            widget.shownText = box.text;
            if (widget.line)
                widget.line->setText(qt_convert::text(box.text));
            else
                widget.multi->setPlainText(qt_convert::shown(box.text));
        }
        if (widget.shownColour != box.colour) {
            widget.shownColour = box.colour;
            paintBox(widget, box.colour);
        }
    }
}

void LessonForm::updateDisplay()
{
    const Panel& panel = model_->panel();
    updating_ = true;
    const int previousHighlight = shownHighlight_;
    if (shownHighlight_ != panel.highlight) {
        const auto paintLine = [this](int line, Colour colour) {
            if (line >= 0 && static_cast<size_t>(line) < listing_.size() && listing_[line])
                paintLabel(listing_[static_cast<size_t>(line)], colour);
        };
        paintLine(shownHighlight_, Colour::buttonFace());
        paintLine(panel.highlight, colours::currentLine);
        shownHighlight_ = panel.highlight;
    }
    if (note_ && shownNote_ != panel.note) {
        shownNote_ = panel.note;
        note_->setCaption(qt_convert::shown(panel.note));
    }
    updateCondition();
    updateBoxes(text1_, panel.text1);
    updateBoxes(text2_, panel.text2);
    for (size_t g = 0; g < 3; ++g) {
        for (size_t k = 0; k < checks_[g].size() && k < panel.checks[g].size(); ++k) {
            QCheckBox* check = checks_[g][k];
            if (check && check->isChecked() != (panel.checks[g][k] != 0))
                check->setChecked(panel.checks[g][k] != 0);
        }
    }
    if (option1_ && option1_->isChecked() != (panel.option == 1))
        option1_->setChecked(panel.option == 1);
    if (option2_ && option2_->isChecked() != (panel.option == 2))
        option2_->setChecked(panel.option == 2);
    for (size_t k = 0; k < cells_.size() && k < panel.cells.size(); ++k) {
        if (cells_[k] && shownCells_[k] != panel.cells[k]) {
            shownCells_[k] = panel.cells[k];
            paintLabel(cells_[k], panel.cells[k]);
        }
    }
    if (lblTable_ && shownTable_ != panel.lblTable) {
        shownTable_ = panel.lblTable;
        lblTable_->setCaption(qt_convert::shown(panel.lblTable));
    }
    if (txtTime_ && shownTime_ != panel.txtTime) {
        shownTime_ = panel.txtTime;
        txtTime_->setText(qt_convert::text(panel.txtTime));
    }
    updateDirectDisplays();
    if (stepBack_ && stepBack_->isEnabled() != model_->canStepBack())
        stepBack_->setEnabled(model_->canStepBack());
    updating_ = false;
    if (previousHighlight != panel.highlight)
        markCurrentLine();
}

void LessonForm::updateCondition()
{
    const std::string_view condition = model_->shownCondition();
    if (condition_ && shownCondition_ != condition) {
        shownCondition_ = condition;
        condition_->setCaption(qt_convert::shown(condition));
    }
}

void LessonForm::syncTimer()
{
    const AutoRunTimer& t = model_->panel().timer;
    if (t.enabled && t.interval > 0) {
        if (!timer_.isActive() || timer_.interval() != t.interval) {
            timer_.start(t.interval);
            pace_.start();
            paced_ = 0;
            paceLost_ = false;
        }
    } else if (timer_.isActive()) {
        timer_.stop();
    }
}
