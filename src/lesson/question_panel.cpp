#include "question_panel.h"

#include "lesson_model.h"
#include "prediction_reading.h"
#include "prediction_texts.h"

namespace question_panel
{
namespace
{

namespace texts = prediction_texts;

// The window's client area and its columns, in twips (15 a pixel).
constexpr int width = 6000;
constexpr int height = 3150;
constexpr int margin = 120;
constexpr int inner = width - 2 * margin;
constexpr int buttonHeight = 375;

} // namespace

LessonDescription description(const LessonDescription& lesson)
{
    LessonDescription d;
    d.form = lesson.form + "-predict";
    d.caption = texts::title(lesson.caption);
    d.width = width;
    d.height = height;
    addFrame(d, "Modes", -1, std::string(texts::modesCaption), Rect{margin, 60, inner, 660});
    for (size_t k = 0; k < std::size(prediction::modes); ++k) {
        addControl(d, Control{"Mode", static_cast<int>(k), ControlKind::Option,
                              std::string(texts::modeCaption(prediction::modes[k])), "Modes",
                              Rect{120 + 1125 * static_cast<int>(k), 270, 1080, 300}, std::nullopt,
                              false});
    }
    Control& question =
        addLabel(d, "Question", -1, "", Rect{margin, 840, inner, 660}, {}, std::nullopt);
    question.multiline = true;
    addLabel(d, "AnswerCaption", -1, std::string(texts::answerCaption),
             Rect{margin, 1620, 600, 255}, {}, std::nullopt);
    addTextBox(d, "Answer", -1, "", Rect{720, 1545, 2400, buttonHeight}, {}, lessonFont());
    addButton(d, "True", std::string(texts::trueCaption), Rect{3240, 1545, 1200, buttonHeight});
    addButton(d, "False", std::string(texts::falseCaption), Rect{4560, 1545, 1200, buttonHeight});
    addButton(d, "Judge", std::string(texts::judgeCaption), Rect{margin, 2040, 1560, buttonHeight});
    addButton(d, "DontKnow", std::string(texts::dontKnowCaption),
              Rect{1800, 2040, 1440, buttonHeight});
    addLabel(d, "Score", -1, "", Rect{3360, 2100, 2520, 255}, {}, std::nullopt);
    Control& verdict =
        addLabel(d, "Verdict", -1, "", Rect{margin, 2520, inner, 510}, {}, std::nullopt);
    verdict.multiline = true;
    return d;
}

View view(const LessonModel& model)
{
    View v;
    const prediction::Mode mode = model.predictionMode();
    for (size_t k = 0; k < std::size(prediction::modes); ++k) {
        if (prediction::modes[k] == mode)
            v.mode = static_cast<int>(k);
    }
    const std::optional<prediction::Question>& question = model.question();
    const bool running = model.panel().timer.enabled && model.panel().timer.interval > 0;
    if (question) {
        v.asking = true;
        v.question = question->text;
        v.form = question->form;
        v.typed = question->form != prediction::Form::Truth;
        const std::string& draft = model.draft();
        if (v.typed)
            v.answer = draft;
        if (!draft.empty()) {
            // What the answer reads as, when it reads at all: True or False, the line chosen.
            const prediction_reading::Reading reading = prediction_reading::read(*question, draft);
            if (reading.answer) {
                if (question->form == prediction::Form::Truth)
                    v.truth = *reading.answer == "True";
                v.chosen = texts::chosenText(question->form, *reading.answer);
            }
        }
    } else if (mode == prediction::Mode::Off) {
        v.question = std::string(texts::offStatus);
    } else {
        v.question = std::string(running ? texts::autoRunStatus : texts::noQuestionStatus);
    }
    if (const std::optional<prediction::Attempt>& judged = model.judged())
        v.verdict = texts::judgementText(*judged);
    if (mode != prediction::Mode::Off) {
        const Attempts::Score score = model.score();
        v.score = texts::scoreText(score.asked, score.correct);
    }
    return v;
}

} // namespace question_panel
