#include "json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace json
{
namespace
{

// The length of the valid UTF-8 sequence at `pos`, or 0 when the bytes there are not one.
size_t sequenceLength(std::string_view text, size_t pos)
{
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    const size_t length = c < 0x80             ? 1
                          : (c & 0xE0) == 0xC0 ? 2
                          : (c & 0xF0) == 0xE0 ? 3
                          : (c & 0xF8) == 0xF0 ? 4
                                               : 0;
    if (length == 0 || pos + length > text.size())
        return 0;
    unsigned code = length == 1 ? c : c & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[pos + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void quote(std::string& out, std::string_view text)
{
    out += '"';
    size_t plain = 0; // start of the run of characters that need no escape
    const auto flush = [&](size_t pos) { out.append(text.substr(plain, pos - plain)); };
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c >= 0x80) {
            const size_t length = sequenceLength(text, pos);
            if (length == 0) {
                flush(pos);
                out += "\xEF\xBF\xBD"; // U+FFFD for bytes that are not UTF-8
                plain = pos + 1;
            } else {
                pos += length - 1;
            }
            continue;
        }
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        flush(pos);
        plain = pos + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default: {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        }
        }
    }
    flush(text.size());
    out += '"';
}

template <class Integer> void integer(std::string& out, Integer value)
{
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    out.append(digits, result.ptr);
}

void write(std::string& out, const Json& value)
{
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            if (!first)
                out += ", ";
            first = false;
            quote(out, key);
            out += ": ";
            write(out, item);
        }
        out += '}';
        return;
    }
    case Json::value_t::array: {
        out += '[';
        bool first = true;
        for (const Json& item : value) {
            if (!first)
                out += ", ";
            first = false;
            write(out, item);
        }
        out += ']';
        return;
    }
    case Json::value_t::string: quote(out, value.get_ref<const std::string&>()); return;
    case Json::value_t::number_integer: integer(out, value.get<long long>()); return;
    case Json::value_t::number_unsigned: integer(out, value.get<unsigned long long>()); return;
    case Json::value_t::boolean: out += value.get<bool>() ? "true" : "false"; return;
    case Json::value_t::null: out += "null"; return;
    case Json::value_t::number_float:
    case Json::value_t::binary:
    case Json::value_t::discarded:
        out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
        return;
    }
}

} // namespace

size_t firstBadUtf8(std::string_view text)
{
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = sequenceLength(text, pos);
        if (length == 0)
            return pos;
        pos += length;
    }
    return std::string_view::npos;
}

std::string text(const Json& value)
{
    std::string out;
    write(out, value);
    return out;
}

Json number(double value)
{
    if (std::isfinite(value) && std::fabs(value) < 9.0e15 && value == std::trunc(value))
        return static_cast<long long>(value);
    return value;
}

void Writer::next()
{
    if (named_) {
        named_ = false;
        return;
    }
    if (first_.empty())
        return;
    if (!first_.back())
        out_ += ", ";
    first_.back() = false;
}

Writer& Writer::open(char bracket)
{
    next();
    out_ += bracket;
    first_.push_back(true);
    return *this;
}

Writer& Writer::close(char bracket)
{
    first_.pop_back();
    out_ += bracket;
    return *this;
}

Writer& Writer::key(std::string_view name)
{
    next();
    quote(out_, name);
    out_ += ": ";
    named_ = true;
    return *this;
}

Writer& Writer::value(std::string_view text)
{
    next();
    quote(out_, text);
    return *this;
}

Writer& Writer::value(bool truth)
{
    next();
    out_ += truth ? "true" : "false";
    return *this;
}

Writer& Writer::value(long long number)
{
    next();
    integer(out_, number);
    return *this;
}

Writer& Writer::value(double number)
{
    next();
    write(out_, json::number(number));
    return *this;
}

Writer& Writer::value(std::nullptr_t)
{
    next();
    out_ += "null";
    return *this;
}

Writer& Writer::raw(std::string_view written)
{
    next();
    out_ += written;
    return *this;
}

} // namespace json
