#include "assignment.h"

#include "assignment_texts.h"
#include "lesson/lesson_registry.h"

namespace assignment
{
namespace
{

template <class T>
std::optional<std::string> checkGroup(const std::vector<std::optional<T>>& given, size_t count,
                                      const std::function<bool(size_t)>& exists,
                                      std::string_view name)
{
    for (size_t k = 0; k < given.size(); ++k) {
        if (given[k] && (k >= count || !exists(k)))
            return assignment_texts::noSuchBox(name, k);
    }
    return std::nullopt;
}

} // namespace

size_t characters(std::string_view text)
{
    size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

Assignment fromLesson(const LessonModel& model, std::string title, std::string instructions)
{
    Assignment a;
    a.lesson = model.description().form;
    a.title = std::move(title);
    a.instructions = std::move(instructions);
    const Panel& panel = model.panel();
    const auto texts = [](const std::vector<Box>& boxes) {
        std::vector<std::optional<std::string>> out;
        for (const Box& box : boxes)
            out.push_back(box.exists ? std::optional(box.text) : std::nullopt);
        return out;
    };
    a.start.text1 = texts(panel.text1);
    a.start.text2 = texts(panel.text2);
    for (size_t g = 0; g < panel.checks.size(); ++g) {
        for (const int value : panel.checks[g])
            a.start.checks[g].push_back(value);
    }
    a.start.option = panel.option;
    a.mode = model.predictionMode();
    a.autoRun = model.autoRunAllowed();
    a.stepBack = model.stepBackAllowed();
    return a;
}

std::optional<std::string> check(const Assignment& a, const LessonModel& lesson)
{
    const Panel& panel = lesson.panel();
    const auto boxExists = [](const std::vector<Box>& boxes) {
        return [&boxes](size_t k) { return boxes[k].exists; };
    };
    if (auto wrong = checkGroup(a.start.text1, panel.text1.size(), boxExists(panel.text1), "Text1"))
        return wrong;
    if (auto wrong = checkGroup(a.start.text2, panel.text2.size(), boxExists(panel.text2), "Text2"))
        return wrong;
    const char* names[] = {"Check1", "Check2", "Check3"};
    for (size_t g = 0; g < 3; ++g) {
        if (auto wrong = checkGroup(
                a.start.checks[g], panel.checks[g].size(), [](size_t) { return true; }, names[g]))
            return wrong;
    }
    if (a.start.option != 0 && panel.option == 0)
        return std::string(assignment_texts::noOptions);
    return std::nullopt;
}

std::variant<Opened, std::string> open(const Assignment& a, bool redoing)
{
    std::unique_ptr<LessonModel> model = lesson_registry::create(a.lesson);
    if (!model)
        return assignment_texts::unknownLesson(a.lesson);
    if (std::optional<std::string> wrong = check(a, *model))
        return *wrong;
    if (redoing)
        model->startRedo();
    Outcome outcome = model->load(a.start);
    if (outcome.refused)
        return assignment_texts::refusedStart(outcome.messages.empty() ? std::string()
                                                                       : outcome.messages.front());
    model->allow(a.autoRun, a.stepBack);
    model->setPredictionMode(a.mode);
    return Opened{std::move(model), std::move(outcome)};
}

} // namespace assignment
