#include "window_json.h"

#include "catalog/view_menu.h"
#include "lesson/colour.h"
#include "lesson/description.h"
#include "lesson/mark_shapes.h"
#include "lesson/window_rules.h"
#include "lesson/window_words.h"

namespace window_json
{
namespace
{

// The marks beyond colour: the shape of each mark's colour, their sizes at 100 % and the
// words of the setting.
Json marks()
{
    Json shapes = Json::object();
    for (const mark_shapes::Entry& entry : mark_shapes::table())
        shapes[entry.colour.name()] = mark_shapes::name(entry.shape);
    const mark_shapes::Metrics& m = mark_shapes::metrics;
    const ViewMenu menu = viewMenu();
    return Json{{"shapes", std::move(shapes)},
                {"metrics", Json{{"frame", m.frame},
                                 {"bar", m.bar},
                                 {"underline", m.underline},
                                 {"gap", m.gap},
                                 {"corner", m.corner}}},
                {"setting",
                 Json{{"caption", menu.marks}, {"key", menu.marksKey}, {"hint", menu.marksHint}}}};
}

} // namespace

Json lessonWindow()
{
    namespace w = window_words;
    Json shortcuts = Json::array();
    for (const w::Shortcut& s : w::shortcuts) {
        Json keys = Json::array();
        for (const w::Key& key : s.keys) {
            if (!key.name.empty())
                keys.push_back(Json{{"key", key.name}, {"ctrl", key.ctrl}});
        }
        Json editing = Json::array();
        for (const std::string_view key : s.editing) {
            if (!key.empty())
                editing.push_back(key);
        }
        shortcuts.push_back(Json{{"button", s.button},
                                 {"hint", w::hint(s)},
                                 {"keys", std::move(keys)},
                                 {"keyList", w::keyList(s)},
                                 {"editing", std::move(editing)}});
    }
    Json lightTextOn = Json::array();
    for (const Colour colour : colours::marks) {
        if (colours::lightTextOn(colour))
            lightTextOn.push_back(colour.name());
    }
    namespace r = window_rules;
    return Json{
        {"words", Json{{"stepBack", w::stepBackName},
                       {"timer", w::timerName},
                       {"list", w::listName},
                       {"picture", w::pictureName},
                       {"emptyLabel", w::emptyLabel},
                       {"emptyLine", w::emptyLine},
                       {"emptyCondition", w::emptyCondition},
                       {"emptyNote", w::emptyNote},
                       {"noteDescription", w::noteDescription},
                       {"conditionDescription", w::conditionDescription}}},
        {"shortcuts", std::move(shortcuts)},
        {"colours", Json{{"currentLine", colours::currentLine.name()},
                         {"lightText", colours::white.name()},
                         {"darkText", colours::black.name()},
                         {"lightTextOn", std::move(lightTextOn)}}},
        {"marks", marks()},
        {"rules", Json{{"traceFitFirst", r::traceFitFirst},
                       {"traceFitLast", r::traceFitLast},
                       {"traceColumnPadding", r::traceColumnPadding},
                       {"traceWidestColumn", r::traceWidestColumn},
                       {"traceFastestSync", r::traceFastestSync},
                       {"traceSlowestSync", r::traceSlowestSync},
                       {"traceSyncShare", r::traceSyncShare},
                       {"announceAfterDialog", r::announceAfterDialog}}},
        {"messageCaption", w::messageCaption},
    };
}

Json access(const LessonDescription& d)
{
    Json lines = Json::array();
    for (int k = 0; k < d.listingCount(); ++k)
        lines.push_back(Json::array(
            {window_words::lineDescription(k, false), window_words::lineDescription(k, true)}));
    return Json{
        {"access", Json{{"tabOrder", window_rules::tabOrder(d)}, {"lines", std::move(lines)}}}};
}

} // namespace window_json
