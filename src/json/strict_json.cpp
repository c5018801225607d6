#include "strict_json.h"

#include "assignment/assignment.h"
#include "assignment/assignment_texts.h"

#include <cmath>

namespace strict_json
{
namespace
{

namespace texts = assignment_texts;

// How deep arrays and objects nest, counted before the parser sees the text (which keeps
// the parser and the document's destruction from going deep).
bool tooDeep(std::string_view text, int limit)
{
    int depth = 0;
    bool inString = false;
    for (size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (inString) {
            if (c == '\\')
                ++k;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit)
                return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

} // namespace

std::variant<Json, std::string> parse(std::string_view bytes, std::string_view what,
                                      const Limits& limits)
{
    if (bytes.size() > limits.bytes)
        return texts::tooLarge(what, bytes.size(), limits.bytes);
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return texts::empty(what);
    if (const size_t nul = bytes.find('\0'); nul != std::string_view::npos)
        return texts::nulByte(what, nul + 1);
    if (const size_t bad = json::firstBadUtf8(bytes); bad != std::string_view::npos)
        return texts::notUtf8(what, bad + 1);
    if (tooDeep(bytes, limits.depth))
        return texts::tooDeep(what, limits.depth);
    try {
        Json value = Json::parse(bytes);
        if (!value.is_object())
            return texts::notObject(what);
        return value;
    } catch (const Json::parse_error& error) {
        return texts::notJson(what, error.byte);
    }
}

Fields::Fields(const Json& object, std::string_view what, std::string path)
    : object_(object), what_(what), path_(std::move(path))
{
}

std::string Fields::name(std::string_view key) const
{
    return path_.empty() ? std::string(key) : path_ + "." + std::string(key);
}

void Fields::refuse(std::string message) const
{
    throw Refusal{std::move(message)};
}

bool Fields::has(std::string_view key) const
{
    return object_.find(key) != object_.end();
}

const Json& Fields::member(std::string_view key) const
{
    const auto found = object_.find(key);
    if (found == object_.end())
        refuse(texts::missing(what_, name(key)));
    return *found;
}

std::string Fields::textOf(const Json& value, const std::string& name, std::string_view what,
                           size_t limit)
{
    if (!value.is_string())
        throw Refusal{texts::wrongType(what, name, texts::typeString)};
    const std::string& text = value.get_ref<const std::string&>();
    const size_t length = assignment::characters(text);
    if (length > limit)
        throw Refusal{texts::tooLong(what, name, length, limit)};
    return text;
}

long long Fields::integerOf(const Json& value, const std::string& name, std::string_view what,
                            long long lowest, long long highest)
{
    if (!value.is_number_integer())
        throw Refusal{texts::wrongType(what, name, texts::typeInteger)};
    // (an unsigned value beyond the signed range reads as negative: refused as out of range)
    const long long n = value.is_number_unsigned() && value.get<unsigned long long>() > 1ULL << 62
                            ? lowest - 1
                            : value.get<long long>();
    if (n < lowest || n > highest)
        throw Refusal{texts::badValue(what, name, json::text(value))};
    return n;
}

std::string Fields::text(std::string_view key, size_t limit) const
{
    return textOf(member(key), name(key), what_, limit);
}

long long Fields::integer(std::string_view key, long long lowest, long long highest) const
{
    return integerOf(member(key), name(key), what_, lowest, highest);
}

double Fields::number(std::string_view key) const
{
    const Json& value = member(key);
    if (!value.is_number() || !std::isfinite(value.get<double>()))
        refuse(texts::wrongType(what_, name(key), texts::typeNumber));
    return value.get<double>();
}

bool Fields::boolean(std::string_view key) const
{
    const Json& value = member(key);
    if (!value.is_boolean())
        refuse(texts::wrongType(what_, name(key), texts::typeBoolean));
    return value.get<bool>();
}

const Json& Fields::array(std::string_view key, size_t limit) const
{
    const Json& value = member(key);
    if (!value.is_array())
        refuse(texts::wrongType(what_, name(key), texts::typeArray));
    if (value.size() > limit)
        refuse(texts::tooMany(what_, name(key), value.size(), limit));
    return value;
}

Fields Fields::object(std::string_view key) const
{
    const Json& value = member(key);
    if (!value.is_object())
        refuse(texts::wrongType(what_, name(key), texts::typeObject));
    return Fields(value, what_, name(key));
}

void Fields::format(std::string_view format, int version) const
{
    if (text("format", 100) != format)
        refuse(texts::wrongFormat(what_, format));
    const long long v = integer("version", 1, 1LL << 40);
    if (v > version)
        refuse(texts::unknownVersion(what_, v, version));
}

void Fields::only(std::initializer_list<std::string_view> known) const
{
    for (const auto& [key, value] : object_.items()) {
        bool found = false;
        for (const std::string_view k : known)
            found = found || k == key;
        if (!found)
            refuse(texts::unknownField(what_, name(key)));
    }
}

} // namespace strict_json
