#include "assignment_json.h"

#include "assignment/assignment_texts.h"
#include "assignment/sha256.h"
#include "strict_json.h"

namespace assignment_json
{
namespace
{

namespace texts = assignment_texts;
using strict_json::Fields;
using strict_json::Refusal;

constexpr size_t itemLimit = 1000;
const char* const checkNames[] = {"Check1", "Check2", "Check3"};

Json texts1(const std::vector<std::optional<std::string>>& texts)
{
    Json array = Json::array();
    for (const auto& text : texts)
        array.push_back(text ? Json(*text) : Json(nullptr));
    return array;
}

// The array `key` of the start, by box index, each item `null` or read by `item`.
template <class T, class Item>
std::vector<std::optional<T>> readBoxes(const Fields& start, std::string_view key, Item item)
{
    std::vector<std::optional<T>> out;
    if (!start.has(key))
        return out;
    const Json& array = start.array(key, itemLimit);
    for (size_t k = 0; k < array.size(); ++k) {
        const std::string name = start.name(key) + "[" + std::to_string(k) + "]";
        if (array[k].is_null())
            out.emplace_back();
        else
            out.emplace_back(item(array[k], name));
    }
    return out;
}

std::vector<std::optional<std::string>> readTexts(const Fields& start, std::string_view key)
{
    return readBoxes<std::string>(start, key, [&](const Json& value, const std::string& name) {
        return Fields::textOf(value, name, start.what(), assignment::boxTextLimit);
    });
}

std::vector<std::optional<int>> readChecks(const Fields& start, std::string_view key)
{
    return readBoxes<int>(start, key, [&](const Json& value, const std::string& name) {
        return static_cast<int>(Fields::integerOf(value, name, start.what(), 0, 1));
    });
}

constexpr std::string_view base64Digits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

} // namespace

Json write(const Assignment& a)
{
    Json start = Json::object();
    start["Text1"] = texts1(a.start.text1);
    if (!a.start.text2.empty())
        start["Text2"] = texts1(a.start.text2);
    for (size_t g = 0; g < 3; ++g) {
        if (a.start.checks[g].empty())
            continue;
        Json array = Json::array();
        for (const std::optional<int>& value : a.start.checks[g])
            array.push_back(value ? Json(*value) : Json(nullptr));
        start[checkNames[g]] = std::move(array);
    }
    if (a.start.option != 0)
        start["option"] = a.start.option;
    Json d;
    d["format"] = format;
    d["version"] = version;
    d["lesson"] = a.lesson;
    d["title"] = a.title;
    d["instructions"] = a.instructions;
    d["start"] = std::move(start);
    d["prediction"] = prediction::modeName(a.mode);
    d["autoRun"] = a.autoRun;
    d["stepBack"] = a.stepBack;
    return d;
}

std::string text(const Assignment& a)
{
    return json::text(write(a)) + "\n";
}

std::string digest(const Assignment& a)
{
    return Sha256::hex(json::text(write(a)));
}

Assignment readObject(const Json& document, std::string_view what, const std::string& path)
{
    const Fields d(document, what, path);
    d.format(format, version);
    d.only({"format", "version", "lesson", "title", "instructions", "start", "prediction",
            "autoRun", "stepBack"});
    Assignment a;
    a.lesson = d.text("lesson", 100);
    a.title = d.text("title", assignment::titleLimit);
    a.instructions = d.text("instructions", assignment::instructionsLimit);
    const Fields start = d.object("start");
    start.only({"Text1", "Text2", "Check1", "Check2", "Check3", "option"});
    a.start.text1 = readTexts(start, "Text1");
    a.start.text2 = readTexts(start, "Text2");
    for (size_t g = 0; g < 3; ++g)
        a.start.checks[g] = readChecks(start, checkNames[g]);
    if (start.has("option"))
        a.start.option = static_cast<int>(start.integer("option", 1, 2));
    const std::string mode = d.text("prediction", 20);
    const std::optional<prediction::Mode> m = prediction::modeNamed(mode);
    if (!m)
        d.refuse(texts::badValue(what, d.name("prediction"), mode));
    a.mode = *m;
    a.autoRun = d.boolean("autoRun");
    a.stepBack = d.boolean("stepBack");
    return a;
}

std::variant<Assignment, std::string> read(std::string_view bytes, std::string_view what)
{
    std::variant<Json, std::string> parsed = strict_json::parse(bytes, what, {byteLimit, 8});
    if (std::string* error = std::get_if<std::string>(&parsed))
        return std::move(*error);
    try {
        return readObject(std::get<Json>(parsed), what, {});
    } catch (const Refusal& refusal) {
        return refusal.message;
    }
}

std::string base64url(std::string_view bytes)
{
    std::string out;
    unsigned bits = 0;
    int count = 0;
    for (const char c : bytes) {
        bits = (bits << 8) | static_cast<unsigned char>(c);
        count += 8;
        while (count >= 6) {
            count -= 6;
            out += base64Digits[(bits >> count) & 63];
        }
    }
    if (count > 0)
        out += base64Digits[(bits << (6 - count)) & 63];
    return out;
}

std::optional<std::string> fromBase64url(std::string_view text)
{
    std::string out;
    unsigned bits = 0;
    int count = 0;
    for (const char c : text) {
        const size_t digit = base64Digits.find(c);
        if (digit == std::string_view::npos)
            return std::nullopt;
        bits = (bits << 6) | static_cast<unsigned>(digit);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out += static_cast<char>((bits >> count) & 0xFF);
        }
    }
    if (count >= 6 || (bits & ((1u << count) - 1)) != 0)
        return std::nullopt; // a length no encoding gives, or bits left over
    return out;
}

std::string fragment(const Assignment& a)
{
    return "assignment=" + base64url(write(a).dump());
}

std::variant<Assignment, std::string> fromLink(std::string_view link)
{
    constexpr std::string_view key = "assignment=";
    size_t at = link.find("#assignment=");
    at = at != std::string_view::npos ? at + 1 : link.substr(0, key.size()) == key ? 0 : at;
    if (at == std::string_view::npos)
        return texts::notLink(link);
    std::string_view encoded = link.substr(at + key.size());
    encoded = encoded.substr(0, encoded.find('&'));
    if (encoded.size() > byteLimit * 4 / 3 + 4)
        return texts::tooLarge(texts::assignmentLink, encoded.size(), byteLimit * 4 / 3);
    const std::optional<std::string> bytes = fromBase64url(encoded);
    if (!bytes)
        return texts::badValue(texts::assignmentLink, "assignment", encoded);
    return read(*bytes, texts::assignmentLink);
}

} // namespace assignment_json
