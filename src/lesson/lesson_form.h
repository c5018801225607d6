#pragma once

#include "added_buttons.h"
#include "lesson_model.h"
#include "mark_shapes.h"
#include "prediction.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class Announcer;
class LineLabel;
class Narration;
class PictureBox;
class QuestionWindow;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TraceWindow;
class ValueBox;

// The lesson window: builds its controls from the model's description, forwards every
// event to the model and repaints from the model's panel, changing only what changed.
// It computes nothing of the lesson itself.
class LessonForm : public QWidget
{
    Q_OBJECT
public:
    explicit LessonForm(std::unique_ptr<LessonModel> model, QWidget* parent = nullptr);
    // A window for a model loaded already (from an assignment, or kept work done again):
    // `loaded` is what its load did, whose message boxes the window shows.
    LessonForm(std::unique_ptr<LessonModel> model, const Outcome& loaded);
    ~LessonForm() override;

    LessonModel& model() { return *model_; }
    const LessonModel& model() const { return *model_; }
    const QTimer& timer() const { return timer_; }

    // How the window shows a message box (caption "Project1", OK only, no icon). Tests
    // put a recorder in its place; an empty function restores the real message box.
    using MessagePresenter = std::function<void(QWidget* parent, const QString& text)>;
    static void setMessagePresenter(MessagePresenter presenter);
    static void showMessage(QWidget* parent, const QString& text);

    // The event handlers, named after their controls.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Timer1_Timer();
    void Label1_Click(int index);
    void Option1_Click();
    void Option2_Click();
    // One step back (the small "◀" button beside "進む").
    void StepBack_Click();
    // Opens the trace table of the lesson (the button "トレース表", F7).
    void Trace_Click();
    TraceWindow* traceWindow() const { return trace_.get(); }
    // The frames of the windows shown beside this one (the trace and question windows and
    // those added by addBeside), but `except`: what a window placed beside it keeps clear of.
    std::vector<Rect> besideShown(const QWidget* except) const;
    // Another window that stands beside this one (an assignment's instructions).
    void addBeside(QWidget* window) { beside_.emplace_back(window); }

    // Predicting each step (lesson_form_predict.cpp): the question window opens with the
    // button "予想" or F8; in it the student chooses the mode, types an answer or chooses
    // True or False (also T and F here), answers as 進む does, or presses "わからない". While a
    // line is asked, a click on a listing line (or Enter on it) chooses it, and a second one
    // answers.
    void Predict_Click();
    QuestionWindow* questionWindow() const { return question_.get(); }
    void PredictMode_Click(prediction::Mode mode);
    void Answer_Typed(const std::string& text);
    // True or False chosen; with `again`, choosing the one chosen already answers (a second
    // click or Enter on the button), as a second click on a listing line does.
    void Truth_Click(bool truth, bool again = false);
    void Judge_Click() { Command1_Click(); }
    void DontKnow_Click();

private:
    // What a screen reader is told after an action (lesson_form_access.cpp).
    enum class Heard { Nothing, Step, Tick, BackToStart, StepBack, Option, Fill, AutoRun, Stop };

    struct BoxWidget {
        ValueBox* line = nullptr;
        QPlainTextEdit* multi = nullptr;
        std::string shownText;
        Colour shownColour = Colour::window();
    };

    void build(const Outcome* loaded);
    void buildControls();
    QWidget* container(const Control& control) const;
    void buildTextBox(const Control& control, QWidget* parent);
    void buildBox(std::vector<BoxWidget>& boxes, BoxGroup group, const Control& control,
                  QWidget* parent);
    void Form_Load();
    // Shows the action's message boxes, then repaints, sets the timer and tells a screen
    // reader what the action did.
    void perform(const Outcome& outcome, Heard heard);
    void showMessages(const std::vector<std::string>& messages);
    // Repaints everything that differs from what is shown.
    void updateDisplay();
    // Only the displays a step sets directly (Label6, List1, Picture1), before its messages.
    void updateDirectDisplays();
    void updateBoxes(std::vector<BoxWidget>& widgets, const std::vector<Box>& boxes);
    void syncTimer();

    // Keyboard, accessibility and the step-back button (lesson_form_access.cpp).
    void buildAccess();
    void placeStepBackButton();
    void addShortcuts();
    void orderTabs();
    void nameForScreenReaders();
    void wireOptions();
    void optionChosen(int k, bool byToggle);
    void moveInListing(int from, int delta);
    // The listing after the current line moved: which line says it runs next (exactly one),
    // and which one Tab reaches.
    void markCurrentLine();
    void announce(Heard heard, const Outcome& outcome, bool wasRunning);
    // A button the program adds, where added_buttons placed it, named for screen readers,
    // with its key's hint (window_words) and its action (lesson_form_access.cpp).
    QPushButton* addButton(const added_buttons::Placed& placed, const char* name,
                           std::string_view accessibleName, void (LessonForm::*action)());
    // The trace table's button and key (lesson_form_trace.cpp).
    void buildTraceButton();
    // Colours and the shapes of marks (lesson_form_colours.cpp): the shape a mark in `colour`
    // carries now; a listing line, a cell or a box in a colour of the model's; and every
    // colour and shape again, from the palette and the setting as they now are.
    mark_shapes::Shape shapeOf(Colour colour) const;
    void paintLabel(LineLabel* label, Colour colour) const;
    void paintBox(BoxWidget& box, Colour colour) const;
    void applyColours();
    // The prediction's button and keys (lesson_form_predict.cpp).
    void buildPredictButton();
    // After anything that can change the question: the condition (shown without its truth
    // while that is asked) and the question window.
    void showPrediction();
    void updateCondition();
    // A listing line chosen as the answer to a line question; false when no line is asked.
    bool chooseLine(int line);

    std::unique_ptr<LessonModel> model_;
    std::vector<LineLabel*> listing_;
    int shownHighlight_ = -1;
    int describedCurrent_ = -1; // the listing line described as the next to run
    LineLabel* note_ = nullptr;
    LineLabel* condition_ = nullptr;
    std::string shownNote_;
    std::string shownCondition_;
    std::vector<BoxWidget> text1_;
    std::vector<BoxWidget> text2_;
    std::array<std::vector<QCheckBox*>, 3> checks_;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    std::vector<LineLabel*> cells_;
    std::vector<Colour> shownCells_;
    LineLabel* label6_ = nullptr;
    std::string shownLabel6_;
    LineLabel* lblTable_ = nullptr;
    std::string shownTable_;
    QListWidget* list_ = nullptr;
    std::vector<std::string> shownList_;
    PictureBox* picture_ = nullptr;
    unsigned shownPicture_ = 0;
    QLineEdit* txtTime_ = nullptr;
    std::string shownTime_;
    QPushButton* stepBack_ = nullptr;
    Announcer* announcer_ = nullptr;
    std::unique_ptr<Narration> narration_;
    int optionToggled_ = 0; // the option whose toggle ran the selection its click would run
    QPushButton* traceButton_ = nullptr;
    std::unique_ptr<TraceWindow> trace_; // made when first opened; closes with this window
    QPushButton* predictButton_ = nullptr;
    std::unique_ptr<QuestionWindow> question_; // the same
    std::vector<QPointer<QWidget>> beside_;
    QTimer timer_;
    QElapsedTimer pace_; // since auto-run started, and the ticks it has had
    qint64 paced_ = 0;
    bool paceLost_ = false;
    bool busy_ = false; // an action's message boxes are open
    bool updating_ = false;
};
