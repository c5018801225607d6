#include "kept_work.h"

#include "assignment/assignment_texts.h"
#include "assignment/sha256.h"
#include "assignment_json.h"
#include "strict_json.h"

#include <limits>

namespace kept_work
{
namespace
{

namespace texts = assignment_texts;
using json::Json;
using strict_json::Fields;
using strict_json::Refusal;

constexpr std::string_view what = texts::keptWork;
constexpr size_t drawLimit = 100000;

std::string checked(const Json& value)
{
    std::string line = json::text(value);
    return line + "\t" + Sha256::hex(line).substr(0, 16);
}

// The JSON of a line whose checksum holds, or nothing.
std::optional<Json> unchecked(std::string_view line)
{
    const size_t tab = line.rfind('\t');
    if (tab == std::string_view::npos || line.size() > lineLimit)
        return std::nullopt;
    const std::string_view body = line.substr(0, tab);
    if (Sha256::hex(body).substr(0, 16) != line.substr(tab + 1))
        return std::nullopt;
    std::variant<Json, std::string> parsed = strict_json::parse(body, what, {lineLimit, 8});
    if (!std::holds_alternative<Json>(parsed))
        return std::nullopt;
    return std::get<Json>(std::move(parsed));
}

Json draws(const std::vector<double>& values)
{
    Json array = Json::array();
    for (const double d : values)
        array.push_back(d);
    return array;
}

std::vector<double> readDraws(const Fields& f)
{
    std::vector<double> out;
    if (!f.has("draws"))
        return out;
    for (const Json& d : f.array("draws", drawLimit)) {
        if (!d.is_number() || !(d.get<double>() >= 0.0 && d.get<double>() < 1.0))
            f.refuse(texts::badValue(what, f.name("draws"), json::text(d)));
        out.push_back(d.get<double>());
    }
    return out;
}

constexpr std::pair<std::string_view, WorkEntry::Kind> kinds[] = {
    {"set", WorkEntry::Kind::SetText},       {"check", WorkEntry::Kind::SetCheck},
    {"step", WorkEntry::Kind::Step},         {"back", WorkEntry::Kind::BackToStart},
    {"option", WorkEntry::Kind::Option},     {"fill", WorkEntry::Kind::Fill},
    {"stepback", WorkEntry::Kind::StepBack}, {"mode", WorkEntry::Kind::Mode},
    {"timer", WorkEntry::Kind::TimerText},
};

WorkEntry readEntry(const Json& value)
{
    const Fields f(value, what);
    const std::string name = f.text("do", 20);
    WorkEntry e;
    bool known = false;
    for (const auto& [n, kind] : kinds) {
        if (n == name) {
            e.kind = kind;
            known = true;
        }
    }
    if (!known)
        f.refuse(texts::badValue(what, "do", name));
    f.only({"do", "box", "index", "text", "value", "draws", "answer"});
    switch (e.kind) {
    case WorkEntry::Kind::SetText:
    case WorkEntry::Kind::SetCheck: {
        const std::string group = f.text("box", 10);
        const std::optional<BoxGroup> g = boxGroupOf(group);
        if (!g || (e.kind == WorkEntry::Kind::SetText) !=
                      (*g == BoxGroup::Text1 || *g == BoxGroup::Text2))
            f.refuse(texts::badValue(what, "box", group));
        e.box = BoxRef{*g, static_cast<int>(f.integer("index", 0, 100000))};
        if (e.kind == WorkEntry::Kind::SetText)
            e.text = f.text("text", lineLimit);
        else
            e.value = static_cast<int>(f.integer("value", 0, 1));
        break;
    }
    case WorkEntry::Kind::Step:
        if (f.has("answer")) {
            const Fields a = f.object("answer");
            prediction::Attempt attempt;
            attempt.section =
                static_cast<int>(a.integer("section", 1, std::numeric_limits<int>::max()));
            attempt.step = static_cast<int>(a.integer("step", 1, std::numeric_limits<int>::max()));
            attempt.kind = static_cast<prediction::Kind>(a.integer("kind", 0, 2));
            attempt.form = static_cast<prediction::Form>(a.integer("form", 0, 3));
            attempt.question = a.text("question", lineLimit);
            attempt.given = a.text("given", lineLimit);
            attempt.expected = a.text("expected", lineLimit);
            attempt.judgement = static_cast<prediction::Judgement>(a.integer("judgement", 0, 2));
            attempt.time = a.integer("time", 0, 1LL << 50);
            e.attempt = std::move(attempt);
            e.text = f.text("text", lineLimit);
        }
        e.draws = readDraws(f);
        break;
    case WorkEntry::Kind::BackToStart:
    case WorkEntry::Kind::Fill: e.draws = readDraws(f); break;
    case WorkEntry::Kind::Option: e.value = static_cast<int>(f.integer("value", 1, 2)); break;
    case WorkEntry::Kind::StepBack: break;
    case WorkEntry::Kind::TimerText: e.text = f.text("text", lineLimit); break;
    case WorkEntry::Kind::Mode:
        e.value = static_cast<int>(f.integer("value", 0, std::size(prediction::modes) - 1));
        break;
    }
    return e;
}

Header readHeader(const Json& value)
{
    const Fields f(value, what);
    f.format(format, version);
    f.only({"format", "version", "assignment", "digest", "started", "draws"});
    Header h;
    f.object("assignment");
    h.assignment = assignment_json::readObject(value["assignment"], what, "assignment");
    h.digest = f.text("digest", 64);
    if (h.digest != assignment_json::digest(h.assignment))
        f.refuse(std::string(texts::digestDiffers));
    h.started = f.integer("started", 0, 1LL << 50);
    h.loadDraws = readDraws(f);
    return h;
}

} // namespace

std::string headerLine(const Header& h)
{
    Json d;
    d["format"] = format;
    d["version"] = version;
    d["assignment"] = assignment_json::write(h.assignment);
    d["digest"] = h.digest;
    d["started"] = h.started;
    if (!h.loadDraws.empty())
        d["draws"] = draws(h.loadDraws);
    return checked(d);
}

std::string entryLine(const WorkEntry& e)
{
    Json d;
    for (const auto& [name, kind] : kinds) {
        if (kind == e.kind)
            d["do"] = name;
    }
    switch (e.kind) {
    case WorkEntry::Kind::SetText:
        d["box"] = boxGroupName(e.box.group);
        d["index"] = e.box.index;
        d["text"] = e.text;
        break;
    case WorkEntry::Kind::SetCheck:
        d["box"] = boxGroupName(e.box.group);
        d["index"] = e.box.index;
        d["value"] = e.value;
        break;
    case WorkEntry::Kind::Option:
    case WorkEntry::Kind::Mode: d["value"] = e.value; break;
    case WorkEntry::Kind::Step:
        if (e.attempt) {
            const prediction::Attempt& a = *e.attempt;
            d["answer"] = Json{{"section", a.section},
                               {"step", a.step},
                               {"kind", static_cast<int>(a.kind)},
                               {"form", static_cast<int>(a.form)},
                               {"question", a.question},
                               {"given", a.given},
                               {"expected", a.expected},
                               {"judgement", static_cast<int>(a.judgement)},
                               {"time", a.time}};
            d["text"] = e.text;
        }
        [[fallthrough]];
    case WorkEntry::Kind::BackToStart:
    case WorkEntry::Kind::Fill:
        if (!e.draws.empty())
            d["draws"] = draws(e.draws);
        break;
    case WorkEntry::Kind::TimerText: d["text"] = e.text; break;
    case WorkEntry::Kind::StepBack: break;
    }
    return checked(d);
}

std::variant<Kept, std::string> read(std::string_view text)
{
    if (text.size() > byteLimit)
        return texts::tooLarge(what, text.size(), byteLimit);
    Kept kept;
    size_t pos = 0;
    size_t number = 0;
    while (pos < text.size()) {
        const size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) { // cut short: the write in progress when it stopped
            kept.note = texts::keptTail;
            break;
        }
        const std::string_view line = text.substr(pos, end - pos);
        ++number;
        const std::optional<Json> value = unchecked(line);
        try {
            if (!value)
                throw Refusal{};
            if (number == 1)
                kept.header = readHeader(*value);
            else
                kept.entries.push_back(readEntry(*value));
        } catch (const Refusal& refusal) {
            if (number == 1)
                return refusal.message.empty() ? texts::keptDamaged(1) : refusal.message;
            kept.note =
                end + 1 == text.size() ? std::string(texts::keptTail) : texts::keptDamaged(number);
            break;
        }
        kept.answers += kept.entries.empty() ? 0 : kept.entries.back().attempt.has_value();
        kept.text.append(line).append("\n");
        pos = end + 1;
    }
    if (number == 0)
        return texts::empty(what);
    return kept;
}

} // namespace kept_work
