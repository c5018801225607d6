#pragma once

#include "attempts.h"
#include "checked.h"
#include "description.h"
#include "history.h"
#include "panel.h"
#include "prediction.h"
#include "trace.h"
#include "work.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

// Consecutive boxes that show the elements 0, 1, ... of one array.
struct ArrayBoxes {
    BoxGroup group = BoxGroup::Text1;
    int firstBox = 0;
    int count = 0;
};

// What an action asks of the window besides repainting: the message boxes to show, in
// order, and whether the action was refused (then nothing changed).
struct Outcome {
    std::vector<std::string> messages;
    bool refused = false;
};

// What a step does besides changing variables and the current line. It is collected
// while the step runs and applied to the panel only when the whole step has succeeded.
class StepEffects
{
public:
    void message(std::string text) { messages_.push_back(std::move(text)); }
    void stopAutoRun() { stopAutoRun_ = true; }
    void writeBox(int text1Index, std::string text);
    void clearList() { clearList_ = true, listAppends_.clear(); }
    void appendList(std::string item) { listAppends_.push_back(std::move(item)); }
    void setLabel6(std::string text) { label6_ = std::move(text); }
    void draw(Picture picture) { picture_ = std::move(picture); }

private:
    friend class LessonModel;
    std::vector<std::string> messages_;
    bool stopAutoRun_ = false;
    std::vector<std::pair<int, std::string>> boxWrites_;
    bool clearList_ = false;
    std::vector<std::string> listAppends_;
    std::optional<std::string> label6_;
    std::optional<Picture> picture_;
};

// Paints the marks of a refresh. A mark lands only on a box that shows the element its
// index designates; any other index paints nothing.
class Marks
{
public:
    explicit Marks(Panel& panel) : panel_(panel) {}
    void paint(const ArrayBoxes& boxes, int element, Colour colour);
    void paintCell(int cell, Colour colour);

private:
    Panel& panel_;
};

enum class Reading { Lenient, Strict };

// The lesson model: the panel state of a lesson window and the common behaviour of every
// lesson (load, step, back to start, auto-run, line notes, the fault policy). A lesson
// derives from Lesson<Vars> and supplies its bindings, step machine, tests and marks; it
// knows nothing of windows.
class LessonModel
{
public:
    virtual ~LessonModel() = default;
    LessonModel(const LessonModel&) = delete;
    LessonModel& operator=(const LessonModel&) = delete;

    const LessonDescription& description() const { return description_; }
    const Panel& panel() const { return panel_; }
    int line() const { return line_; }
    // The arrays whose boxes the refresh marks (and sets back to the window colour first).
    const std::vector<ArrayBoxes>& markedArrays() const { return resettable_; }

    // The student's actions, as the window's event handlers perform them.
    Outcome load();                            // Form_Load
    Outcome step();                            // Command1_Click
    Outcome tick();                            // Timer1_Timer: a step while the timer runs
    Outcome backToStart();                     // Command2_Click
    Outcome clickOption(int k);                // Option1_Click (k = 1), Option2_Click (k = 2)
    Outcome fillArray();                       // Command5_Click
    Outcome startAutoRun();                    // Command3_Click
    void stopAutoRun();                        // Command4_Click
    const std::string& noteOf(int line) const; // Label1_Click
    // One step back: the state before the last step, "先頭に戻る", option click or
    // "配列値設定", edits made before it included; stops auto-run. Nothing when the lesson
    // is as it was loaded.
    Outcome stepBack();
    bool canStepBack() const { return stepBackAllowed_ && history_.states() > 0; }
    // The name of the variable or element a box shows ("i", "a[2]"), or empty for a box no
    // variable is bound to.
    std::string boxName(BoxRef box) const;
    const History& history() const { return history_; }
    void setHistoryLimit(size_t states) { history_.setLimit(states); }
    // The trace table: a row for every step and for the start of every section (the load,
    // "先頭に戻る", an option click, "配列値設定"); its columns are the bindings, in order.
    const Trace& trace() const { return trace_; }
    void setTraceLimit(size_t rows) { trace_.setLimit(rows); }

    // Edits between actions; false when the window has no such control.
    bool setText(BoxGroup group, int index, std::string text);
    bool setCheck(BoxGroup group, int index, int value);
    void setTimerText(std::string text);

    // --- predicting each step before it runs (lesson_prediction.cpp) ---
    // The mode; off at load. While it is off nothing is asked and nothing changes.
    void setPredictionMode(prediction::Mode mode);
    prediction::Mode predictionMode() const { return mode_; }
    // The question about the step from the current line, worked out after every action on
    // a copy of the step: nothing while the mode is off or auto-run runs, before a step
    // that would be refused, or where the mode does not apply.
    const std::optional<prediction::Question>& question() const { return question_; }
    // The answer being prepared: typed, a line chosen, True or False chosen.
    void setDraft(std::string text);
    const std::string& draft() const { return draft_; }
    // Judges the draft and then steps as step() does. An answer that cannot be read as what
    // was asked (or none) is refused with a message saying what is expected, and nothing
    // runs; without a question nothing happens.
    Outcome answer();
    // "わからない": the step runs, its right answer shown, the question counted as missed.
    Outcome dontKnow();
    // "進む" as the window's button does it: answer() while a question waits, else step().
    Outcome advance();
    // The answer just judged, until the next action.
    const std::optional<prediction::Attempt>& judged() const { return judged_; }
    const Attempts& attempts() const { return attempts_; }
    // The current section (the load, "先頭に戻る", an option click and "配列値設定" each start
    // one, numbered from 1 in the order made) and its score.
    int section() const { return section_; }
    Attempts::Score score() const { return attempts_.score(section_); }
    // Whether the condition is shown without its truth, which the student predicts.
    bool truthHidden() const { return question_ && question_->kind == prediction::Kind::Condition; }
    // The condition as the window shows it: without " : True" while its truth is predicted.
    std::string_view shownCondition() const;
    // Where an attempt's time comes from (milliseconds since the epoch); tests replace it.
    void setClock(std::function<long long()> clock) { clock_ = std::move(clock); }

    // --- the student's work, kept as it is done (lesson_work.cpp) ---
    // The load sequence from `start`: the boxes, check boxes and option given there in place
    // of the lesson's initial ones, read as the load reads them.
    Outcome load(const StartState& start);
    // Whether 自動実行 and one step back may be used (an assignment may forbid them): a
    // forbidden one is refused with a message saying so.
    void allow(bool autoRun, bool stepBack);
    bool autoRunAllowed() const { return autoRunAllowed_; }
    bool stepBackAllowed() const { return stepBackAllowed_; }
    // Told of every action that changed the lesson, once it is done (not the actions a step
    // back does again): what the kept work records.
    void setWorkListener(std::function<void(const WorkEntry&)> listener);
    // Does kept work again: startRedo before the load, redo each entry as it was done (its
    // draws, its answer as judged then), finishRedo after the last; nothing is asked between.
    void startRedo() { redoing_ = true; }
    void redo(const WorkEntry& entry);
    void finishRedo();

protected:
    explicit LessonModel(const LessonDescription& description);

    // The step machine: performs the row of `line` and returns the next line. Throws a
    // Fault to refuse the step.
    virtual int run(int line, StepEffects& effects) = 0;
    // The truth of the test shown on `line`, or nothing on a line without a test. May
    // throw a Fault (an index outside its array, an overflow).
    virtual std::optional<bool> test(int line) const;
    // Marks painted by the refresh after the resettable boxes went back to normal.
    virtual void paintMarks(int line, Marks& marks) const;
    // The line the load sequence and "先頭に戻る" go to (the routine selection of the
    // lessons with option buttons).
    virtual int startLine() const { return startLine_; }
    // Load sequence hooks: before the panel is read, and after the current line is set.
    virtual void beforeLoad() {}
    virtual void afterLoad(StepEffects&) {}
    // "先頭に戻る" before the refresh; the default goes to the start line.
    virtual void restart(StepEffects&) { line_ = startLine(); }

    // Bindings between variables and boxes. A bound box is read into its variable before
    // each step (when `read`) and rewritten from it by each refresh (when `write`).
    struct Binding {
        BoxRef box;
        std::string name; // how messages name the box: "i", "a[2]"
        Width width = Width::Bits16;
        int* integer = nullptr;
        std::string* text = nullptr;
        bool read = true;
        bool write = true;
        // Where the value is shown, found once when bound (the panel never changes shape).
        Box* target = nullptr;
        int* checkValue = nullptr;
        // The variable's place in the copy saved before an action (null where the variable
        // is not one of the lesson's own).
        const int* savedInteger = nullptr;
        const std::string* savedText = nullptr;
    };
    Binding& bind(BoxRef box, int& variable, std::string name, Width width = Width::Bits16);
    Binding& bind(int text1Index, int& variable, std::string name, Width width = Width::Bits16);
    Binding& bind(int text1Index, std::string& variable, std::string name);
    ArrayBoxes bindArray(BoxRef first, int* elements, int count, const std::string& name,
                         Width width = Width::Bits16);
    ArrayBoxes bindArray(int firstBox, std::string* elements, int count, const std::string& name);
    // Boxes that go back to the window colour at the start of every refresh's marks.
    void resetOnRefresh(const ArrayBoxes& boxes) { resettable_.push_back(boxes); }
    void setStartLine(int line) { startLine_ = line; }
    // Strict reading of the boxes at every step (the load always reads leniently).
    void readStrictlyAtStep() { stepReading_ = Reading::Strict; }
    // The array boxes that "配列値設定" and the sort lessons' load fill with random values.
    void fillWithRandomValues(const ArrayBoxes& boxes) { randomBoxes_ = boxes; }
    // Writes the next random values (1 to 99) into the random boxes, as texts.
    void drawRandomTexts();

    // Reads every bound box into its variable; throws a Fault for a value the variable
    // cannot take.
    void readPanel(Reading reading);
    // The same for a step: a box that still shows what the last refresh wrote holds its
    // variable's value already, so only the boxes edited since, and those the refresh
    // never rewrites, are read.
    void readEditedBoxes(Reading reading);
    void readBinding(const Binding& binding, Reading reading);

    // Runs `body` as one transaction followed by the refresh. A Fault thrown by the body,
    // or by the test of the line it lands on when `inStep`, restores the variables and the
    // current line, stops auto-run and refuses the action.
    Outcome transact(bool inStep, const std::function<void(StepEffects&)>& body);

    int line_ = 0;
    Panel panel_;

private:
    virtual void saveVariables() = 0;
    virtual void restoreVariables() = 0;
    virtual std::shared_ptr<const void> copyVariables() const = 0;
    virtual void setVariables(const void* variables) = 0;
    virtual size_t variablesSize() const = 0;
    // Where the copy saved before an action keeps the variable at `variable`, or null where
    // `variable` is not one of the lesson's variables.
    virtual const void* savedCopyOf(const void* variable) const = 0;

    LessonState currentState() const;
    void restoreState(const LessonState& state);
    void resolveBindings();
    // Adds a successful action to the history (nothing while the history replays it).
    void remember(LessonAction action, bool undoable);
    void replay(const LessonAction& action);
    // The trace's row for an action that succeeded.
    void traceRow(Trace::Event event, int ran, const Outcome& outcome,
                  std::span<const Trace::Shown> shown = {},
                  const Trace::Predicted* predicted = nullptr);
    // The student typed into a box: the bindings that read it note the text for the trace.
    void traceTyped(BoxRef ref, const std::string& text);

    // A step, with the prediction made before it for its trace row and its history entry,
    // and the answer judged before it (kept when the step runs).
    Outcome predictedStep(const Trace::Predicted* predicted,
                          const prediction::Attempt* attempt = nullptr);
    Outcome loadFrom(const StartState* start);
    void applyStart(const StartState& start);
    // Whether the work listener is told of what is being done (not of a step back's replay).
    bool keeping() const { return workListener_ && !replaying_; }
    void keep(const WorkEntry& entry) { workListener_(entry); }
    // A new section begins (a replayed action takes the number it had).
    void startSection(int replayed);
    // The step worked out on a copy: what the question's answers are taken from.
    struct Preview {
        int landed = 0;
        std::optional<bool> truth; // of the current line's test, on the values the step reads
        int changed = -1;          // the first binding whose value the step changes
        std::string changedText;   // its value as its box will show it
        bool drew = false;         // the step draws random values
    };
    // The step worked out for a question in `mode` (what it changed only where that can be
    // asked).
    std::optional<Preview> preview(prediction::Mode mode);
    bool conditionApplies(const Preview& step) const;
    // Works the question out again after an action; `keepDraft` after an edit.
    void ask(bool keepDraft);
    std::optional<prediction::Kind> kindFor(prediction::Mode mode, const Preview& step) const;
    // The question of `kind` on the step `step`, written into `q` (whose texts keep their
    // room from the question before: a question is worked out after every step).
    void fillQuestion(prediction::Question& q, prediction::Kind kind, Preview& step);
    std::string shownValue(const Binding& binding) const;
    Outcome judgeAndStep(prediction::Judgement judgement, std::string given);

    void apply(StepEffects& effects);
    void stopTimer();
    void paint(const std::string& suffix);
    // The condition of `line` as stored (empty on a line without a test).
    const std::string& conditionOf(int line) const;
    void writeBinding(const Binding& binding);
    Box* box(BoxRef ref);
    Binding& addBinding(Binding binding);
    // Notes that the box `ref` no longer shows what the refresh wrote into it.
    void markEdited(BoxRef ref);

    const LessonDescription& description_;
    std::vector<Binding> bindings_;
    std::vector<int> alwaysRead_; // bindings read but never rewritten (known from the load on)
    // What the refresh writes, laid out for a fast loop: check boxes as plain copies, and
    // the value boxes.
    struct CheckRun {
        int* checks;
        const int* values;
        size_t count;
        std::uint32_t firstBinding;
    };
    std::vector<CheckRun> checkRuns_; // consecutive check boxes bound to consecutive flags
    std::vector<const Binding*> boxWriters_;
    std::vector<int> pending_; // bindings whose box was edited since the last refresh
    std::vector<char> isPending_;
    std::vector<ArrayBoxes> resettable_;
    std::optional<ArrayBoxes> randomBoxes_;
    int startLine_ = 0;
    Reading stepReading_ = Reading::Lenient;
    History history_;
    bool replaying_ = false;
    Trace trace_;
    Trace::Truth truth_ = Trace::Truth::None; // of the condition the last refresh showed
    // The bindings whose boxes the refresh wrote since the trace's last row: the only
    // shown values that can differ from that row.
    std::vector<std::uint32_t> touched_;

    prediction::Mode mode_ = prediction::Mode::Off;
    std::optional<prediction::Question> question_;
    prediction::Question spare_; // the question before, its texts' room kept for the next
    std::string draft_;
    std::optional<prediction::Attempt> judged_;
    Attempts attempts_;
    std::function<long long()> clock_;
    int section_ = 0;       // the current section's number
    int sectionsMade_ = 0;  // never goes back: a new section always has a new number
    int stepInSection_ = 0; // steps since the section began
    int replayedSection_ = 0;
    bool allSaved_ = false;           // every bound variable has its place in the saved copy
    std::vector<int> previewNumbers_; // what a preview's step starts from
    std::vector<std::string> previewTexts_;
    std::unordered_map<int, std::string> questionTexts_; // made once: by kind, variable, line
    int listingLines_ = 0;

    std::function<void(const WorkEntry&)> workListener_;
    bool redoing_ = false;
    bool autoRunAllowed_ = true;
    bool stepBackAllowed_ = true;
};

// A lesson whose variables are the struct V: the model keeps a copy of them before each
// action so that a refused action can put them back.
template <class V> class Lesson : public LessonModel
{
protected:
    using LessonModel::LessonModel;
    V v{};

private:
    // The copy is made only where v may have changed since it was last put back from it:
    // a question's step worked out and put back leaves the copy as it is for the step that
    // follows. Every change to v comes after a save (in an action or a question's step) or
    // through setVariables.
    void saveVariables() override
    {
        if (!savedIsCurrent_)
            saved_ = v;
        savedIsCurrent_ = false;
    }
    void restoreVariables() override
    {
        v = saved_;
        savedIsCurrent_ = true;
    }
    std::shared_ptr<const void> copyVariables() const override { return std::make_shared<V>(v); }
    void setVariables(const void* variables) override
    {
        v = *static_cast<const V*>(variables);
        savedIsCurrent_ = false;
    }
    size_t variablesSize() const override { return sizeof(V); }
    const void* savedCopyOf(const void* variable) const override
    {
        const auto* at = static_cast<const char*>(variable);
        const auto* first = reinterpret_cast<const char*>(&v);
        const std::less<const char*> before;
        if (before(at, first) || !before(at, first + sizeof(V)))
            return nullptr;
        return reinterpret_cast<const char*>(&saved_) + (at - first);
    }
    V saved_{};
    bool savedIsCurrent_ = false; // v is what saved_ holds
};
