#include "lesson_desk.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "assignment/assignment_panel.h"
#include "lesson/added_window.h"
#include "lesson/lesson_model.h"
#include "lesson/lesson_registry.h"
#include "lesson/narration.h"
#include "lesson/prediction_texts.h"
#include "lesson/trace_export.h"
#include "lesson/trace_table.h"
#include "json/lesson_json.h"
#include "json/window_json.h"

namespace
{

using json::Json;

Json error(std::string text)
{
    return Json{{"error", std::move(text)}};
}

// The outcome of `count` repetitions of `action`, stopping at one that is refused or, for
// ticks, at one that shows a message (the page shows it before the timer goes on) or
// leaves the timer stopped.
Outcome repeat(LessonModel& model, Outcome (LessonModel::*action)(), int count, bool ticks,
               int& done)
{
    Outcome all;
    for (done = 0; done < count;) {
        Outcome outcome = (model.*action)();
        ++done;
        all.messages.insert(all.messages.end(), outcome.messages.begin(), outcome.messages.end());
        if (outcome.refused) {
            all.refused = true;
            break;
        }
        const AutoRunTimer& timer = model.panel().timer;
        if (ticks && (!outcome.messages.empty() || !timer.enabled || timer.interval <= 0))
            break;
    }
    return all;
}

std::optional<BoxGroup> checkGroup(std::string_view name)
{
    if (name == "Check1")
        return BoxGroup::Check1;
    if (name == "Check2")
        return BoxGroup::Check2;
    if (name == "Check3")
        return BoxGroup::Check3;
    return std::nullopt;
}

bool running(const LessonModel& model)
{
    return model.panel().timer.enabled && model.panel().timer.interval > 0;
}

// The actions a screen reader is told of, as the desktop window tells them.
std::optional<Narration::Action> toldAction(std::string_view action)
{
    using A = Narration::Action;
    const std::pair<std::string_view, A> actions[] = {
        {"step", A::Step},     {"steps", A::Step},       {"tick", A::Tick},
        {"ticks", A::Tick},    {"back", A::BackToStart}, {"stepback", A::StepBack},
        {"option", A::Option}, {"fill", A::Fill},        {"autorun", A::AutoRun},
        {"stop", A::Stop},     {"advance", A::Step},     {"answer", A::Step},
        {"dontknow", A::Step},
    };
    for (const auto& [name, told] : actions) {
        if (name == action)
            return told;
    }
    return std::nullopt;
}

// What a screen reader is told of an action that was taken: its own words (the state is
// composed when the page says it, by "narrate") and when: "now", "whenFree" (a step of
// auto-run, once the last announcement has been spoken) or "afterDialog".
void writeTold(json::Writer& out, const LessonModel& model, Narration::Action action,
               const Outcome& outcome, bool wasRunning)
{
    const bool stopped = wasRunning && !running(model);
    const Panel& panel = model.panel();
    const Control* option = model.description().find(panel.option == 1 ? "Option1" : "Option2");
    std::string event = Narration::actionText(action, option ? option->caption : std::string(),
                                              panel.timer.interval);
    if (stopped && action != Narration::Action::Stop)
        event += (event.empty() ? "" : "。") + Narration::stoppedText();
    const char* when = !outcome.messages.empty()                       ? "afterDialog"
                       : action == Narration::Action::Tick && !stopped ? "whenFree"
                                                                       : "now";
    out.beginObject().member("event", event).member("when", when).endObject();
}

// Four numbers of the page's pixels, the members `names` of `object`: a rectangle or a frame.
std::optional<std::array<int, 4>> fourOf(const Json& object, std::array<const char*, 4> names)
{
    if (!object.is_object())
        return std::nullopt;
    std::array<int, 4> values{};
    for (size_t k = 0; k < names.size(); ++k) {
        const auto found = object.find(names[k]);
        if (found == object.end() || !found->is_number())
            return std::nullopt;
        const double value = found->get<double>();
        if (!(value > -1e6 && value < 1e6))
            return std::nullopt;
        values[k] = static_cast<int>(std::lround(value));
    }
    return values;
}

// Where the page's trace window (`window` 0), question window (1) or an assignment's
// instructions (2) go beside the lesson
// window, by the desktop's rule: `where` gives the lesson window's client area, the frame the
// page draws around a client area, the page's visible area and the other windows beside the
// lesson to keep clear of ("avoid", frames included); `columns`, the trace's columns' widths
// added up.
Json placeAdded(const LessonModel& model, int window, int columns, std::string_view where)
{
    const Json given = Json::parse(where, nullptr, false);
    const Json none;
    const auto part = [&](const char* name) -> const Json& {
        return given.is_object() && given.contains(name) ? given[name] : none;
    };
    const std::array<const char*, 4> rect{"left", "top", "width", "height"};
    const auto lesson = fourOf(part("lesson"), rect);
    const auto area = fourOf(part("area"), rect);
    const auto frame = fourOf(part("frame"), {"left", "top", "right", "bottom"});
    const Json& avoid = part("avoid");
    if (!lesson || !area || !frame || (!avoid.is_null() && !avoid.is_array()) || window < 0 ||
        window > 2)
        return error("malformed place: " + std::string(where));
    added_window::Request request =
        window == 0   ? added_window::traceRequest(model.description(), columns)
        : window == 1 ? added_window::questionRequest(model.description())
                      : added_window::panelRequest(
                            model.description(),
                            assignment_panel::instructions(model.description(), Assignment{}));
    const auto rectOf = [](const std::array<int, 4>& v) { return Rect{v[0], v[1], v[2], v[3]}; };
    for (size_t k = 0; avoid.is_array() && k < avoid.size() && k < 8; ++k) {
        const auto other = fourOf(avoid[k], rect);
        if (!other)
            return error("malformed place: " + std::string(where));
        request.avoid.push_back(rectOf(*other));
    }
    request.lesson = rectOf(*lesson);
    request.area = rectOf(*area);
    request.frame = added_window::Frame{(*frame)[0], (*frame)[1], (*frame)[2], (*frame)[3]};
    const Rect placed = added_window::place(request);
    return Json{{"left", placed.left},
                {"top", placed.top},
                {"width", placed.width},
                {"height", placed.height}};
}

} // namespace

LessonDesk::LessonDesk()
{
    lesson_registry::registerAll();
}

LessonDesk::~LessonDesk() = default;

Json LessonDesk::catalog()
{
    return lesson_json::catalog();
}

void LessonDesk::writeView(json::Writer& out, const OpenLesson& lesson) const
{
    const LessonModel& model = *lesson.model;
    out.beginObject();
    lesson_json::writeViewMembers(out, model);
    out.member("canStepBack", model.canStepBack());
    out.member("txtTime", model.panel().txtTime);
    if (model.description().has("Picture1")) {
        // The picture's drawing is written again only when it changed (a board of the
        // Tower of Hanoi is some 1,500 characters, and most steps leave it as it is).
        const Picture& picture = model.panel().picture;
        if (lesson.drawn.text.empty() || lesson.drawn.revision != picture.revision ||
            lesson.drawn.ops != picture.ops) {
            lesson.drawn.text.clear();
            json::Writer drawing(lesson.drawn.text);
            lesson_json::writePicture(drawing, picture);
            lesson.drawn.revision = picture.revision;
            lesson.drawn.ops = picture.ops;
        }
        out.key("picture").raw(lesson.drawn.text);
        out.member("boardText", Narration::boardText(picture.pegs));
    }
    lesson_json::writeQuestionView(out.key("asking"), model);
    out.endObject();
}

Json LessonDesk::view(const OpenLesson& lesson) const
{
    std::string text;
    json::Writer out(text);
    writeView(out, lesson);
    return Json::parse(text);
}

Json LessonDesk::open(std::string_view form)
{
    bool loaded = false;
    Outcome outcome;
    auto found = open_.find(form);
    if (found == open_.end()) {
        std::unique_ptr<LessonModel> model = lesson_registry::create(form);
        if (!model)
            return error("unknown form: " + std::string(form));
        outcome = model->load();
        loaded = true;
        auto narration = std::make_unique<Narration>(*model, Narration::namedValues(*model));
        found = open_
                    .emplace(std::string(form),
                             OpenLesson{
                                 std::move(model), std::move(narration), std::nullopt, nullptr, {}})
                    .first;
    }
    return opened(form, loaded, outcome);
}

Json LessonDesk::opened(std::string_view form, bool loaded, const Outcome& outcome) const
{
    const auto found = open_.find(form);
    const LessonModel& model = *found->second.model;
    Json description = lesson_json::description(model.description());
    description.update(lesson_json::listingLayout(model.description()));
    description.update(lesson_json::boxesLayout(model));
    description.update(lesson_json::addedLayout(model.description()));
    description.update(window_json::access(model.description()));
    description["questionWindow"] = lesson_json::questionWindow(model.description());
    Json object;
    object["form"] = std::string(form);
    object["loaded"] = loaded;
    object["description"] = std::move(description);
    object["outcome"] = lesson_json::outcome(outcome);
    object["view"] = view(found->second);
    return object;
}

Json LessonDesk::act(std::string_view form, std::string_view action, int index, int value,
                     std::string_view text)
{
    return Json::parse(answer(form, action, index, value, text));
}

std::string LessonDesk::answer(std::string_view form, std::string_view action, int index, int value,
                               std::string_view text)
{
    const auto found = open_.find(form);
    if (found == open_.end())
        return json::text(error("not open: " + std::string(form)));
    LessonModel& model = *found->second.model;
    Narration& narration = *found->second.narration;
    Outcome outcome;
    int done = 0;
    std::pair<const char*, Json> extra{nullptr, nullptr}; // what a trace action answers
    const bool counted = action == "steps" || action == "ticks";
    const bool wasRunning = running(model);
    std::optional<std::string> narrated;
    if (action == "view") {
    } else if (action == "narrate") {
        narrated = narration.tell(std::string(text));
    } else if (action == "step") {
        outcome = model.step();
    } else if (action == "tick") {
        outcome = model.tick();
    } else if (action == "steps") {
        outcome = repeat(model, &LessonModel::step, value, false, done);
    } else if (action == "ticks") {
        outcome = repeat(model, &LessonModel::tick, value, true, done);
    } else if (action == "back") {
        outcome = model.backToStart();
    } else if (action == "stepback") {
        outcome = model.stepBack();
    } else if (action == "option") {
        if (!model.description().has("Option1") || (index != 1 && index != 2))
            return json::text(error("no such option button: " + std::to_string(index)));
        outcome = model.clickOption(index);
    } else if (action == "fill") {
        if (!model.description().has("Command5"))
            return json::text(error("this window has no button 配列値設定"));
        outcome = model.fillArray();
    } else if (action == "timertext") {
        model.setTimerText(std::string(text));
    } else if (action == "autorun") {
        model.setTimerText(std::string(text));
        outcome = model.startAutoRun();
    } else if (action == "stop") {
        model.stopAutoRun();
    } else if (action == "predict") {
        const std::optional<prediction::Mode> mode = prediction::modeNamed(text);
        if (!mode)
            return json::text(error("no such prediction mode: " + std::string(text)));
        const bool changed = *mode != model.predictionMode();
        model.setPredictionMode(*mode);
        // Told as the desktop tells it: the mode chosen, then the state and the question.
        if (changed && *mode != prediction::Mode::Off)
            extra = {"told", Json{{"event", prediction_texts::modeChosen(*mode)}, {"when", "now"}}};
    } else if (action == "draft") {
        // Typing an answer changes only what the question window shows: that alone answers.
        model.setDraft(std::string(text));
        std::string answer;
        json::Writer out(answer);
        lesson_json::writeQuestionView(out.beginObject().key("asking"), model);
        out.endObject();
        return answer;
    } else if (action == "advance") {
        outcome = model.advance();
    } else if (action == "answer") {
        outcome = model.answer();
    } else if (action == "dontknow") {
        outcome = model.dontKnow();
    } else if (action == "set" || action == "set2") {
        const BoxGroup group = action == "set" ? BoxGroup::Text1 : BoxGroup::Text2;
        if (!model.setText(group, index, std::string(text)))
            return json::text(error("no such box: " + std::to_string(index)));
    } else if (action == "check") {
        const std::optional<BoxGroup> group = checkGroup(text);
        if (!group || !model.setCheck(*group, index, value))
            return json::text(error("no such check box: " + std::string(text) + "(" +
                                    std::to_string(index) + ")"));
    } else if (action == "note") {
        const auto& listing = model.description().listing;
        const bool exists = std::any_of(listing.begin(), listing.end(),
                                        [&](const ListingLabel& l) { return l.index == index; });
        if (!exists)
            return json::text(error("no such listing line: " + std::to_string(index)));
        outcome.messages.push_back(model.noteOf(index));
    } else if (action == "trace") {
        extra = {"trace",
                 lesson_json::traceCells(TraceTable(model), static_cast<size_t>(std::max(index, 0)),
                                         static_cast<size_t>(std::max(value, 0)))};
    } else if (action == "place") {
        Json placed = placeAdded(model, index, value, text);
        if (placed.contains("error"))
            return json::text(placed);
        extra = {"place", std::move(placed)};
    } else if (action == "csv") {
        std::string bytes;
        Json file = exportCsv(form, text, bytes);
        if (file.contains("error"))
            return json::text(file);
        extra = {"csv", Json{{"text", std::move(bytes)}, {"fileName", file["fileName"]}}};
    } else if (action == "tsv") {
        const TraceTable table(model);
        std::vector<size_t> rows;
        for (long long row = std::max(index, 0); row < static_cast<long long>(index) + value &&
                                                 row < static_cast<long long>(table.rowCount());
             ++row)
            rows.push_back(static_cast<size_t>(row));
        extra = {"tsv", trace_export::tabSeparated(table, rows)};
    } else {
        return json::text(error("unknown action: " + std::string(action)));
    }
    std::string answer;
    json::Writer out(answer);
    out.beginObject();
    lesson_json::writeOutcome(out.key("outcome"), outcome);
    if (counted)
        out.member("done", done);
    const std::optional<Narration::Action> toldOf = toldAction(action);
    if (toldOf && !outcome.refused) // a refused action's message box tells why
        writeTold(out.key("told"), model, *toldOf, outcome, wasRunning);
    if (narrated) { // nothing changed: no view
        out.member("narration", *narrated);
        out.member("speaking", Narration::speakingTime(*narrated));
        out.endObject();
        return answer;
    }
    writeView(out.key("view"), found->second);
    if (extra.first)
        out.key(extra.first).raw(json::text(extra.second));
    // The kept work's new lines, for the page to keep (one transaction for them all).
    if (const auto& kept = found->second.kept; kept && !kept->empty()) {
        out.member("kept", *kept);
        kept->clear();
    }
    out.endObject();
    return answer;
}

Json LessonDesk::exportCsv(std::string_view form, std::string_view date, std::string& bytes)
{
    bytes.clear();
    const auto found = open_.find(form);
    if (found == open_.end())
        return error("not open: " + std::string(form));
    const LessonModel& model = *found->second.model;
    int year = 0, month = 0, day = 0;
    if (std::sscanf(std::string(date).c_str(), "%d-%d-%d", &year, &month, &day) != 3)
        return error("malformed date: " + std::string(date));
    bytes = trace_export::csv(TraceTable(model));
    return Json{{"fileName", trace_export::fileName(model.description().caption, year, month, day)},
                {"size", bytes.size()}};
}

Json LessonDesk::close(std::string_view form)
{
    const auto found = open_.find(form);
    if (found != open_.end())
        open_.erase(found);
    return Json::object();
}
