#include "lesson_json.h"

#include <cstdio>

#include "catalog/listings.h"
#include "catalog/menus.h"
#include "lesson/added_buttons.h"
#include "lesson/lesson_model.h"
#include "lesson/lesson_registry.h"
#include "lesson/narration.h"
#include "lesson/prediction_texts.h"
#include "lesson/question_panel.h"
#include "lesson/trace_table.h"
#include "lesson/trace_texts.h"
#include "lesson/window_words.h"
#include "window_json.h"

namespace lesson_json
{
namespace
{

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame: return "frame";
    case ControlKind::Label: return "label";
    case ControlKind::TextBox: return "textbox";
    case ControlKind::Button: return "button";
    case ControlKind::Option: return "option";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::List: return "list";
    case ControlKind::Picture: return "picture";
    case ControlKind::Timer: return "timer";
    }
    return "";
}

const char* opName(DrawOp::Kind kind)
{
    switch (kind) {
    case DrawOp::Kind::Scale: return "scale";
    case DrawOp::Kind::Fill: return "fill";
    case DrawOp::Kind::Outline: return "outline";
    }
    return "";
}

void writeBoxes(json::Writer& out, const std::vector<Box>& boxes, bool withColour)
{
    out.beginArray();
    for (const Box& box : boxes) {
        if (!box.exists)
            out.value(nullptr);
        else if (withColour)
            out.beginObject()
                .member("text", box.text)
                .member("color", box.colour.name())
                .endObject();
        else
            out.value(box.text);
    }
    out.endArray();
}

// A document written by `write(out)`, as a Json.
template <class Write> Json written(Write write)
{
    std::string text;
    json::Writer out(text);
    write(out);
    return Json::parse(text);
}

void place(Json& object, const Rect& rect)
{
    object["left"] = rect.left;
    object["top"] = rect.top;
    object["width"] = rect.width;
    object["height"] = rect.height;
}

Json font(const Font& font)
{
    return Json{{"face", font.face}, {"size", json::number(font.size)}, {"bold", font.bold}};
}

Json control(const Control& control)
{
    Json object;
    object["name"] = control.name;
    if (control.index >= 0)
        object["index"] = control.index;
    object["kind"] = kindName(control.kind);
    switch (control.kind) {
    case ControlKind::TextBox: object["text"] = control.caption; break;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::Option:
    case ControlKind::CheckBox: object["caption"] = control.caption; break;
    case ControlKind::List:
    case ControlKind::Picture:
    case ControlKind::Timer: break;
    }
    if (!control.container.empty())
        object["container"] = control.container;
    place(object, control.rect);
    if (control.font)
        object["font"] = font(*control.font);
    return object;
}

const char* eventName(Trace::Event event)
{
    switch (event) {
    case Trace::Event::Load: return "load";
    case Trace::Event::Step: return "step";
    case Trace::Event::BackToStart: return "back";
    case Trace::Event::Option1: return "option1";
    case Trace::Event::Option2: return "option2";
    case Trace::Event::Fill: return "fill";
    }
    return "";
}

Json traceValue(const Trace& trace, size_t column, Trace::Value value)
{
    switch (trace.columns()[column].kind) {
    case Trace::Kind::Integer: return value;
    case Trace::Kind::Check: return value != 0;
    case Trace::Kind::Text: return trace.text(value);
    }
    return nullptr;
}

const std::string& textAt(const std::vector<std::string>& texts, int index)
{
    static const std::string none;
    return index >= 0 && static_cast<size_t>(index) < texts.size()
               ? texts[static_cast<size_t>(index)]
               : none;
}

// The controls that show several lines: ["Text1(4)", "Label3"].
Json multiline(const LessonDescription& d)
{
    Json keys = Json::array();
    for (const Control& control : d.controls) {
        if (control.multiline)
            keys.push_back(control.key());
    }
    return keys;
}

const std::string& listingText(const LessonDescription& d, int line)
{
    static const std::string none;
    for (const ListingLabel& label : d.listing) {
        if (label.index == line)
            return label.text;
    }
    return none;
}

} // namespace

void writeViewMembers(json::Writer& out, const LessonModel& model)
{
    const LessonDescription& d = model.description();
    const Panel& panel = model.panel();
    out.member("form", d.form);
    out.member("caption", d.caption);
    out.member("line", model.line());
    out.member("note", panel.note);
    out.member("condition", model.shownCondition());
    writeBoxes(out.key("boxes"), panel.text1, true);
    out.key("timer")
        .beginObject()
        .member("enabled", panel.timer.enabled)
        .member("interval", panel.timer.interval)
        .endObject();
    if (panel.option != 0)
        out.member("option", panel.option);
    if (d.has("Text2"))
        writeBoxes(out.key("text2"), panel.text2, false);
    if (d.has("Check1") || d.has("Check2") || d.has("Check3")) {
        out.key("checks").beginObject();
        const char* names[] = {"Check1", "Check2", "Check3"};
        for (size_t g = 0; g < 3; ++g) {
            if (d.has(names[g]))
                out.member(names[g], panel.checks[g]);
        }
        out.endObject();
    }
    if (d.has("List1"))
        out.member("list", panel.list);
    if (d.has("Label6"))
        out.member("label6", panel.label6);
    if (d.has("lblTable"))
        out.member("lblTable", panel.lblTable);
    if (d.has("lblP")) {
        out.key("cells").beginArray();
        for (const Colour colour : panel.cells)
            out.value(colour.name());
        out.endArray();
    }
    if (d.has("Picture1")) {
        out.key("board").beginArray();
        for (const std::vector<int>& peg : panel.picture.pegs)
            out.value(peg);
        out.endArray();
    }
    if (model.predictionMode() != prediction::Mode::Off) {
        const Attempts::Score score = model.score();
        out.key("prediction")
            .beginObject()
            .member("mode", prediction::modeName(model.predictionMode()))
            .member("asked", score.asked)
            .member("correct", score.correct)
            .endObject();
    }
}

Json view(const LessonModel& model)
{
    return written([&](json::Writer& out) {
        out.beginObject();
        writeViewMembers(out, model);
        out.endObject();
    });
}

Json question(const LessonModel& model)
{
    const std::optional<prediction::Question>& q = model.question();
    if (!q)
        return nullptr;
    const bool value = q->kind == prediction::Kind::Value;
    return Json{{"kind", prediction::kindName(q->kind)},
                {"text", q->text},
                {"box", q->box ? Json(*q->box) : Json(nullptr)},
                {"name", value ? Json(q->name) : Json(nullptr)}};
}

Json questionWindow(const LessonDescription& lesson)
{
    namespace p = prediction_texts;
    const LessonDescription panel = question_panel::description(lesson);
    Json window = description(panel);
    window["names"] = Json{{"Answer", p::answerName}};
    // The labels are read as what they show, and told what they are.
    window["descriptions"] = Json{
        {"Question", p::questionCaption}, {"Verdict", p::judgementName}, {"Score", p::scoreName}};
    window["hints"] = Json{{"Answer", p::answerHint},
                           {"True", p::trueHint},
                           {"False", p::falseHint},
                           {"Judge", p::judgeHint},
                           {"DontKnow", p::dontKnowHint}};
    window["multiline"] = multiline(panel);
    Json modes = Json::array();
    for (const prediction::Mode mode : prediction::modes)
        modes.push_back(prediction::modeName(mode));
    window["modes"] = std::move(modes); // the options' modes, as the action "predict" names them
    return window;
}

void writeQuestionView(json::Writer& out, const LessonModel& model)
{
    const question_panel::View v = question_panel::view(model);
    const char* forms[] = {"line", "truth", "number", "text"};
    out.beginObject()
        .member("mode", v.mode)
        .member("question", v.question)
        .member("asking", v.asking)
        .member("form", forms[static_cast<size_t>(v.form)])
        .member("typed", v.typed)
        .member("answer", v.answer);
    if (v.truth)
        out.member("truth", *v.truth);
    else
        out.member("truth", nullptr);
    out.member("chosen", v.chosen)
        .member("verdict", v.verdict)
        .member("score", v.score)
        .endObject();
}

Json questionView(const LessonModel& model)
{
    return written([&](json::Writer& out) { writeQuestionView(out, model); });
}

Json judgement(const prediction::Attempt& attempt)
{
    const bool known = attempt.judgement != prediction::Judgement::DontKnow;
    return Json{{"kind", prediction::kindName(attempt.kind)},
                {"correct", attempt.judgement == prediction::Judgement::Correct},
                {"expected", attempt.expected},
                {"given", known ? Json(attempt.given) : Json(nullptr)}};
}

Json description(const LessonDescription& d)
{
    Json listing = Json::array();
    for (int k = 0; k < d.listingCount(); ++k)
        listing.push_back(nullptr);
    for (const ListingLabel& label : d.listing)
        listing[static_cast<size_t>(label.index)] = label.text;
    Json controls = Json::array();
    for (const Control& c : d.controls)
        controls.push_back(control(c));
    Json object;
    object["form"] = d.form;
    object["caption"] = d.caption;
    object["width"] = d.width;
    object["height"] = d.height;
    object["listing"] = std::move(listing);
    object["notes"] = d.notes;
    object["conditions"] = d.conditions;
    object["controls"] = std::move(controls);
    return object;
}

Json listingLayout(const LessonDescription& d)
{
    Json rects = Json::array();
    for (int k = 0; k < d.listingCount(); ++k)
        rects.push_back(nullptr);
    for (const ListingLabel& label : d.listing) {
        Json rect;
        place(rect, label.rect);
        rects[static_cast<size_t>(label.index)] = std::move(rect);
    }
    return Json{{"listingRects", std::move(rects)}, {"listingFont", font(d.listingFont)}};
}

Json boxesLayout(const LessonModel& model)
{
    Json names = Json::object();
    for (const Narration::Value& value : Narration::namedValues(model)) {
        names[std::string(boxGroupName(value.box.group)) + "(" + std::to_string(value.box.index) +
              ")"] = value.name;
    }
    return Json{{"names", std::move(names)}, {"multiline", multiline(model.description())}};
}

Json addedLayout(const LessonDescription& d)
{
    namespace t = trace_texts;
    const added_buttons::Places places = added_buttons::place(d);
    Json added = Json::object();
    const auto button = [](const added_buttons::Placed& placed) {
        Json object;
        place(object, placed.rect);
        object["caption"] = placed.caption;
        return object;
    };
    if (places.stepBack)
        added["stepBack"] = button(*places.stepBack);
    if (places.trace) {
        added["trace"] = button(*places.trace);
        added["trace"]["name"] = t::buttonName;
        if (const window_words::Shortcut* key = window_words::shortcutOf("TraceButton"))
            added["trace"]["hint"] = window_words::hint(*key);
    }
    if (places.predict) {
        added["predict"] = button(*places.predict);
        added["predict"]["name"] = prediction_texts::buttonName;
        added["predict"]["hint"] = window_words::hint(*window_words::shortcutOf("PredictButton"));
    }
    const auto css = [](t::Rgb rgb) {
        char name[8];
        std::snprintf(name, sizeof name, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
        return std::string(name);
    };
    Json window{
        {"title", t::title(d.caption)},
        {"tableName", t::tableName},
        {"tableDescription", t::tableDescription},
        {"legend", Json{{"changed", t::legendChanged},
                        {"typed", t::legendTyped},
                        {"section", t::legendSection},
                        {"name", t::legendName}}},
        {"save", Json{{"caption", t::saveCaption}, {"hint", t::saveHint}}},
        {"copy", Json{{"caption", t::copyCaption}, {"hint", t::copyHint}}},
        {"close", Json{{"caption", t::closeCaption}}},
        {"copyFailed", t::copyFailed},
        {"colours", Json{{"changed", css(t::changedColour)},
                         {"typed", css(t::typedColour)},
                         {"section", css(t::sectionColour)},
                         {"dropped", css(t::droppedColour)}}},
    };
    return Json{{"added", std::move(added)}, {"traceWindow", std::move(window)}};
}

void writePicture(json::Writer& out, const Picture& picture)
{
    out.beginObject().member("revision", picture.revision).key("ops").beginArray();
    for (const DrawOp& op : picture.ops) {
        out.beginObject()
            .member("kind", opName(op.kind))
            .member("x1", static_cast<double>(op.x1))
            .member("y1", static_cast<double>(op.y1))
            .member("x2", static_cast<double>(op.x2))
            .member("y2", static_cast<double>(op.y2))
            .member("color", op.colour.name())
            .endObject();
    }
    out.endArray().endObject();
}

Json picture(const Picture& picture)
{
    return written([&](json::Writer& out) { writePicture(out, picture); });
}

Json traceRow(const TraceTable& table, size_t row)
{
    table.seek(row);
    const Trace& trace = table.trace();
    const Trace::Cursor& cursor = table.cursor();
    const Trace::Row& r = cursor.row();
    const LessonDescription& d = table.description();
    const bool step = r.event == Trace::Event::Step;
    Json values = Json::object();
    Json changed = Json::array();
    Json typed = Json::object();
    for (size_t c = 0; c < trace.columns().size(); ++c) {
        const std::string& name = trace.columns()[c].name;
        values[name] = traceValue(trace, c, cursor.value(c));
        if (cursor.changed(c))
            changed.push_back(name);
        if (const std::string* text = cursor.typed(c))
            typed[name] = *text;
    }
    Json messages = Json::array();
    for (const Trace::Message& message : cursor.messages())
        messages.push_back(message.text);
    std::string condition = textAt(d.conditions, r.landed);
    if (table.truthShown())
        condition += r.truth == Trace::Truth::True ? " : True" : " : False";
    Json object;
    object["row"] = trace.dropped() + row;
    object["event"] = eventName(r.event);
    object["step"] = r.step;
    object["ran"] = step ? Json(r.ran) : Json(nullptr);
    object["statement"] = step ? Json(listingText(d, r.ran)) : Json(nullptr);
    object["line"] = r.landed;
    object["condition"] = std::move(condition);
    object["values"] = std::move(values);
    object["changed"] = std::move(changed);
    object["typed"] = std::move(typed);
    object["messages"] = std::move(messages);
    if (trace.showsPredictions()) {
        const Trace::Predicted* predicted = cursor.predicted();
        object["prediction"] = predicted ? Json(predicted->text) : Json(nullptr);
        object["judgement"] =
            predicted ? Json(std::string(prediction_texts::judgementMark(predicted->judgement)))
                      : Json(nullptr);
    }
    return object;
}

Json traceCells(const TraceTable& table, size_t first, size_t count)
{
    const size_t columns = table.columnCount();
    Json headers = Json::array();
    Json hints = Json::array();
    for (size_t c = 0; c < columns; ++c) {
        headers.push_back(table.header(c));
        hints.push_back(table.headerHint(c));
    }
    Json rows = Json::array();
    const size_t end = std::min(table.rowCount(), first + std::min(count, table.rowCount()));
    for (size_t row = first; row < end; ++row) {
        table.seek(row);
        Json cells = Json::array();
        Json marks = Json::array();
        Json tips = Json::array();
        Json changed = Json::array();
        Json typed = Json::array();
        Json right = Json::array();
        for (size_t c = 0; c < columns; ++c) {
            cells.push_back(table.shown(c));
            marks.push_back(table.marks(c));
            tips.push_back(table.hint(c));
            if (table.changed(c))
                changed.push_back(c);
            if (table.typed(c))
                typed.push_back(c);
            if (table.rightAligned(c))
                right.push_back(c);
        }
        rows.push_back(Json{{"number", table.trace().dropped() + row + 1},
                            {"section", table.section()},
                            {"cells", std::move(cells)},
                            {"marks", std::move(marks)},
                            {"hints", std::move(tips)},
                            {"changed", std::move(changed)},
                            {"typed", std::move(typed)},
                            {"right", std::move(right)}});
    }
    return Json{{"headers", std::move(headers)},
                {"rowCount", trace_texts::rowCount(table.rowCount())},
                {"hints", std::move(hints)},
                {"size", table.rowCount()},
                {"dropped", table.trace().dropped()},
                {"note", table.droppedNote()},
                {"revision", table.trace().revision()},
                {"first", first},
                {"rows", std::move(rows)}};
}

void writeOutcome(json::Writer& out, const Outcome& outcome)
{
    out.beginObject()
        .member("messages", outcome.messages)
        .member("refused", outcome.refused)
        .endObject();
}

Json outcome(const Outcome& outcome)
{
    return written([&](json::Writer& out) { writeOutcome(out, outcome); });
}

namespace
{

Json introLayoutJson(const IntroLayout& l)
{
    const auto rect = [](const Rect& r) {
        Json object;
        place(object, r);
        return object;
    };
    Json lines = Json::array();
    for (const Rect& line : l.sketchLines)
        lines.push_back(rect(line));
    return Json{{"iconSize", l.iconSize},   {"iconGap", l.iconGap},
                {"iconCount", l.iconCount}, {"iconLeft", l.iconLeft},
                {"iconTops", l.iconTops},   {"title", rect(l.title)},
                {"sketch", rect(l.sketch)}, {"sketchLines", std::move(lines)},
                {"start", rect(l.start)},   {"end", rect(l.end)}};
}

} // namespace

Json catalog()
{
    lesson_registry::registerAll();
    Json menus = Json::array();
    for (const MenuTable& menu : allMenus()) {
        const MenuLayout layout = layOut(menu);
        Json buttons = Json::array();
        for (size_t k = 0; k < menu.buttons.size(); ++k) {
            const MenuButton& button = menu.buttons[k];
            Json item{
                {"name", button.name}, {"caption", button.caption}, {"target", button.target}};
            place(item, layout.buttons[k]);
            buttons.push_back(std::move(item));
        }
        menus.push_back(Json{{"form", menu.form},
                             {"title", menu.title},
                             {"width", layout.width},
                             {"height", layout.height},
                             {"buttons", std::move(buttons)}});
    }
    Json lessons = Json::array();
    for (const std::string& form : lesson_registry::forms()) {
        const std::unique_ptr<LessonModel> model = lesson_registry::create(form);
        lessons.push_back(Json{{"form", form}, {"caption", model->description().caption}});
    }
    Json listings = Json::array();
    for (const char id : codeListingIds()) {
        const CodeListing listing = codeListing(id);
        listings.push_back(Json{{"id", std::string(1, id)},
                                {"caption", listing.caption},
                                {"fontSize", json::number(listing.fontSize)},
                                {"font", font(listingFont(listing))},
                                {"text", listing.text}});
    }
    const ListingWindow window = listingWindow();
    const IntroScreen intro = introScreen();
    return Json{{"menus", std::move(menus)},
                {"lessons", std::move(lessons)},
                {"listings", std::move(listings)},
                {"listingWindow", Json{{"caption", window.caption},
                                       {"width", window.width},
                                       {"height", window.height},
                                       {"margin", window.margin},
                                       {"smallest", window.smallest}}},
                {"intro", Json{{"width", intro.width},
                               {"height", intro.height},
                               {"title", intro.title},
                               {"subtitle", intro.subtitle},
                               {"start", intro.start},
                               {"end", intro.end},
                               {"sketch", intro.sketch},
                               {"sketchCurrent", intro.sketchCurrent},
                               {"layout", introLayoutJson(introLayout(intro))}}},
                {"lessonFace", lessonFont().face},
                {"lessonWindow", window_json::lessonWindow()}};
}

} // namespace lesson_json
