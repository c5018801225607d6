#include "prediction.h"

namespace prediction
{

std::string_view modeName(Mode mode)
{
    switch (mode) {
    case Mode::Off: return "off";
    case Mode::Line: return "line";
    case Mode::Condition: return "condition";
    case Mode::Value: return "value";
    case Mode::Auto: return "auto";
    }
    return {};
}

std::optional<Mode> modeNamed(std::string_view name)
{
    for (const Mode mode : modes) {
        if (modeName(mode) == name)
            return mode;
    }
    return std::nullopt;
}

std::string_view kindName(Kind kind)
{
    switch (kind) {
    case Kind::Line: return "line";
    case Kind::Condition: return "condition";
    case Kind::Value: return "value";
    }
    return {};
}

std::string_view judgementName(Judgement judgement)
{
    switch (judgement) {
    case Judgement::Correct: return "correct";
    case Judgement::Wrong: return "wrong";
    case Judgement::DontKnow: return "dontknow";
    }
    return {};
}

} // namespace prediction
