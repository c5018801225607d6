// The part of LessonForm that asks the student to predict each step before it runs: the
// button "予想" placed where the lesson has no control, the question window it opens, the
// keys, and the listing lines and True and False chosen as answers. What is asked, read and
// judged is the model's; what is shown is question_panel's view of it.
#include "lesson_form.h"

#include "announcer.h"
#include "free_place.h"
#include "narration.h"
#include "prediction_reading.h"
#include "prediction_texts.h"
#include "qt_convert.h"
#include "question_window.h"
#include "trace_window.h"

#include <QPushButton>
#include <QShortcut>

void LessonForm::buildPredictButton()
{
    auto* step = findChild<QPushButton*>(QStringLiteral("Command1"));
    if (!step)
        return;
    const added_buttons::Places places = free_place::places(this, step, {stepBack_, traceButton_});
    predictButton_ = addButton(*places.predict, "PredictButton", prediction_texts::buttonName,
                               &LessonForm::Predict_Click);
    // True and False chosen by their first letters, where no box takes the letter as typing.
    connect(new QShortcut(Qt::Key_T, this), &QShortcut::activated, this,
            [this] { Truth_Click(true); });
    connect(new QShortcut(Qt::Key_F, this), &QShortcut::activated, this,
            [this] { Truth_Click(false); });
}

std::vector<Rect> LessonForm::besideShown(const QWidget* except) const
{
    std::vector<Rect> frames;
    std::vector<const QWidget*> windows = {trace_.get(), question_.get()};
    for (const QPointer<QWidget>& window : beside_)
        windows.push_back(window.data());
    for (const QWidget* window : windows) {
        if (window && window != except && window->isVisible())
            frames.push_back(free_place::plain(window->frameGeometry()));
    }
    return frames;
}

void LessonForm::Predict_Click()
{
    if (!predictButton_)
        return;
    if (!question_)
        question_ = std::make_unique<QuestionWindow>(*this);
    question_->open();
}

void LessonForm::PredictMode_Click(prediction::Mode mode)
{
    if (busy_ || mode == model_->predictionMode())
        return;
    model_->setPredictionMode(mode);
    if (trace_)
        trace_->syncNow(); // the table has its prediction columns from now on
    showPrediction();
    if (mode != prediction::Mode::Off && announcer_)
        announcer_->announce(qt_convert::text(prediction_texts::modeChosen(mode)),
                             Announcer::When::Now);
}

void LessonForm::Answer_Typed(const std::string& text)
{
    model_->setDraft(text);
    if (question_)
        question_->refresh();
}

void LessonForm::Truth_Click(bool truth, bool again)
{
    const std::optional<prediction::Question>& question = model_->question();
    if (busy_ || !question || question->form != prediction::Form::Truth)
        return;
    const std::string chosen = truth ? "True" : "False";
    if (again && prediction_reading::read(*question, model_->draft()).answer == chosen) {
        Judge_Click();
        return;
    }
    model_->setDraft(chosen);
    showPrediction();
    if (announcer_)
        announcer_->sayAsIs(
            qt_convert::text(prediction_texts::chosenText(prediction::Form::Truth, chosen)));
}

bool LessonForm::chooseLine(int line)
{
    const std::optional<prediction::Question>& question = model_->question();
    if (!question || question->form != prediction::Form::Line)
        return false;
    const std::string chosen = std::to_string(line);
    const prediction_reading::Reading reading =
        prediction_reading::read(*question, model_->draft());
    if (reading.answer == chosen) { // chosen a second time: the answer is given
        Judge_Click();
        return true;
    }
    model_->setDraft(chosen);
    showPrediction();
    if (announcer_)
        announcer_->sayAsIs(
            qt_convert::text(prediction_texts::chosenText(prediction::Form::Line, chosen)));
    return true;
}

void LessonForm::DontKnow_Click()
{
    if (!busy_ && model_->question())
        perform(model_->dontKnow(), Heard::Step);
}

void LessonForm::showPrediction()
{
    if (model_->predictionMode() == prediction::Mode::Off && !question_)
        return;
    updateCondition();
    if (question_)
        question_->refresh();
}
