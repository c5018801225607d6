#include "window_rules.h"

#include "panel.h"

#include <algorithm>
#include <cstdlib>

namespace window_rules
{
namespace
{

bool isValue(const Control& control)
{
    switch (control.kind) {
    case ControlKind::TextBox: return control.index >= 0 && boxGroupOf(control.name).has_value();
    case ControlKind::Option:
    case ControlKind::CheckBox:
    case ControlKind::List: return true;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::Picture:
    case ControlKind::Timer: return false;
    }
    return false;
}

// Whether `a` comes before `b` in reading order: top to bottom, then left to right on a row.
bool readsBefore(const Rect& a, const Rect& b)
{
    if (std::abs(a.top - b.top) > sameRow)
        return a.top < b.top;
    return a.left < b.left;
}

} // namespace

std::vector<std::string> tabOrder(const LessonDescription& d)
{
    std::vector<std::string> order;
    if (!d.listing.empty())
        order.push_back("Label1");
    for (const char* label : {"Label2", "Label3"}) {
        if (d.has(label))
            order.push_back(label);
    }
    struct Value {
        const Control* control;
        Rect rect;  // in the window
        Rect outer; // the frame it stands in at the window's level, or itself
    };
    std::vector<Value> values;
    for (const Control& control : d.controls) {
        if (!isValue(control))
            continue;
        const Control* outer = &control;
        for (int depth = 0; !outer->container.empty() && depth < 8; ++depth) {
            const auto frame =
                std::find_if(d.controls.begin(), d.controls.end(),
                             [&](const Control& c) { return c.key() == outer->container; });
            if (frame == d.controls.end())
                break;
            outer = &*frame;
        }
        values.push_back(Value{&control, d.inWindow(control), d.inWindow(*outer)});
    }
    std::stable_sort(values.begin(), values.end(), [](const Value& a, const Value& b) {
        if (a.outer.left != b.outer.left || a.outer.top != b.outer.top)
            return readsBefore(a.outer, b.outer);
        return readsBefore(a.rect, b.rect);
    });
    for (const Value& value : values)
        order.push_back(value.control->key());
    if (d.has("txtTime"))
        order.push_back("txtTime");
    const bool stepping = d.has("Command1"); // the window adds ◀, トレース表 and 予想 beside it
    for (const char* button : {"Command1", "StepBack", "Command2", "Command5", "Command3",
                               "Command4", "PredictButton", "TraceButton"}) {
        const std::string_view name(button);
        const bool added = name == "StepBack" || name == "TraceButton" || name == "PredictButton";
        if (added ? stepping : d.has(button))
            order.push_back(button);
    }
    return order;
}

} // namespace window_rules
