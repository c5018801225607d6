#pragma once

#include "question_panel.h"

#include <QWidget>

#include <map>
#include <string>

class LessonForm;
class QButtonGroup;
class LineLabel;
class QLineEdit;
class QPushButton;

// The question window of one lesson window (予想 - <caption>): the prediction mode, the
// question about the next step, the answer box or True and False, "答えて進む" and
// "わからない", the judgement and the score. Built from question_panel's description and
// painted from its view; every action goes to the lesson window, which owns it and closes
// it with itself. Closing it turns the mode off.
class QuestionWindow : public QWidget
{
    Q_OBJECT
public:
    explicit QuestionWindow(LessonForm& lesson);
    ~QuestionWindow() override;

    // Shows the window (beside its lesson window the first time), brings it to the front and
    // gives the focus to where the student answers.
    void open();
    // Shows what the model holds now.
    void refresh();
    // Where the answer is given: the box for a typed answer, else the button chosen or "True".
    QWidget* answerWidget() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* container(const Control& control);
    void place();
    void wire();
    // Answers (or わからない) through the lesson window, then takes the focus back.
    void answer(void (LessonForm::*action)());

    LessonForm& lesson_;
    std::map<std::string, QWidget*> widgets_; // by key: "Mode(2)", "Answer", "Judge", ...
    QButtonGroup* modes_ = nullptr;
    LineLabel* question_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QPushButton* true_ = nullptr;
    QPushButton* false_ = nullptr;
    QPushButton* judge_ = nullptr;
    QPushButton* dontKnow_ = nullptr;
    LineLabel* score_ = nullptr;
    LineLabel* verdict_ = nullptr;
    question_panel::View shown_;
    bool placed_ = false;
    bool updating_ = false;
};
