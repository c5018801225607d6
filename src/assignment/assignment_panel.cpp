#include "assignment_panel.h"

#include "assignment_texts.h"
#include "lesson/prediction.h"

namespace assignment_panel
{
namespace
{

namespace texts = assignment_texts;

constexpr int margin = 120;
constexpr int buttonHeight = 375;

} // namespace

LessonDescription instructions(const LessonDescription& lesson, const Assignment& a)
{
    constexpr int width = 6000;
    constexpr int height = 3900;
    constexpr int inner = width - 2 * margin;
    LessonDescription d;
    d.form = lesson.form + "-assignment";
    d.caption = std::string(texts::instructionsPrefix).append(a.title);
    d.width = width;
    d.height = height;
    Control& title =
        addLabel(d, "Title", -1, a.title, Rect{margin, 120, inner, 495}, {}, lessonFont());
    title.multiline = true;
    Control& box = addTextBox(d, "Instructions", -1, a.instructions, Rect{margin, 720, inner, 2400},
                              {}, lessonFont(11.25));
    box.multiline = true;
    addLabel(d, "Settings", -1,
             texts::settings(prediction::modeName(a.mode), a.autoRun, a.stepBack),
             Rect{margin, 3240, 3600, 255}, {}, std::nullopt);
    addButton(d, "SaveResult", std::string(texts::saveResult),
              Rect{width - margin - 1680, 3180, 1680, buttonHeight});
    return d;
}

LessonDescription summary(const std::string& title)
{
    constexpr int width = 12600;
    constexpr int height = 8700;
    constexpr int inner = width - 2 * margin;
    LessonDescription d;
    d.form = "frmSummary";
    d.caption = title.empty() ? std::string(texts::summaryEmpty)
                              : std::string(texts::summaryPrefix).append(title);
    d.width = width;
    d.height = height;
    addLabel(d, "StudentsCaption", -1, std::string(texts::studentsCaption),
             Rect{margin, 120, inner, 255}, {}, std::nullopt);
    addControl(d, Control{"Students", -1, ControlKind::List, "", "", Rect{margin, 420, inner, 3000},
                          std::nullopt, false});
    addLabel(d, "QuestionsCaption", -1, std::string(texts::questionsCaption),
             Rect{margin, 3540, inner, 255}, {}, std::nullopt);
    addControl(d, Control{"Questions", -1, ControlKind::List, "", "",
                          Rect{margin, 3840, inner, 2580}, std::nullopt, false});
    addLabel(d, "RejectedCaption", -1, std::string(texts::rejectedCaption),
             Rect{margin, 6540, inner, 255}, {}, std::nullopt);
    addControl(d, Control{"Rejected", -1, ControlKind::List, "", "",
                          Rect{margin, 6840, inner, 1200}, std::nullopt, false});
    addButton(d, "Add", std::string(texts::addResults), Rect{margin, 8160, 2400, buttonHeight});
    addButton(d, "SaveCsv", std::string(texts::saveCsv), Rect{2640, 8160, 2160, buttonHeight});
    addLabel(d, "DropHint", -1, std::string(texts::dropHint), Rect{4920, 8220, 7560, 255}, {},
             std::nullopt);
    return d;
}

} // namespace assignment_panel
