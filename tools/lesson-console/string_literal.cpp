#include "json.h"

#include <cstdio>
#include <cstdlib>

namespace json
{
namespace
{

void appendUtf8(std::string& out, unsigned code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::optional<unsigned> hex4(std::string_view text, size_t pos)
{
    if (pos + 4 > text.size())
        return std::nullopt;
    unsigned value = 0;
    for (size_t k = pos; k < pos + 4; ++k) {
        const char c = text[k];
        value <<= 4;
        if (c >= '0' && c <= '9')
            value |= static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            value |= static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            value |= static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
    }
    return value;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::optional<std::string> parseString(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    if (end - begin < 2 || text[begin] != '"' || text[end - 1] != '"')
        return std::nullopt;
    std::string out;
    for (size_t pos = begin + 1; pos < end - 1; ++pos) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c == '"' || c < 0x20)
            return std::nullopt;
        if (c != '\\') {
            out += static_cast<char>(c);
            continue;
        }
        if (++pos >= end - 1)
            return std::nullopt;
        switch (text[pos]) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
            const std::optional<unsigned> unit = hex4(text.substr(0, end - 1), pos + 1);
            if (!unit)
                return std::nullopt;
            pos += 4;
            unsigned code = *unit;
            if (code >= 0xD800 && code <= 0xDBFF) {
                const std::optional<unsigned> low =
                    pos + 2 < end - 1 && text[pos + 1] == '\\' && text[pos + 2] == 'u'
                        ? hex4(text.substr(0, end - 1), pos + 3)
                        : std::nullopt;
                if (low && *low >= 0xDC00 && *low <= 0xDFFF) {
                    code = 0x10000 + ((code - 0xD800) << 10) + (*low - 0xDC00);
                    pos += 6;
                } else {
                    code = 0xFFFD;
                }
            } else if (code >= 0xDC00 && code <= 0xDFFF) {
                code = 0xFFFD;
            }
            appendUtf8(out, code);
            break;
        }
        default: return std::nullopt;
        }
    }
    return out;
}

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

} // namespace

std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const char ch = text[pos];
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0x80) {
            const size_t length = sequenceLength(text, pos);
            if (length == 0) {
                out += "\xEF\xBF\xBD"; // U+FFFD for bytes that are not UTF-8
            } else {
                out.append(text.substr(pos, length));
                pos += length - 1;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}

std::string number(double value)
{
    if (value == static_cast<double>(static_cast<long long>(value)))
        return std::to_string(static_cast<long long>(value));
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

Object& Object::raw(std::string_view key, std::string_view json)
{
    if (body_.size() > 1)
        body_ += ", ";
    body_ += quote(key);
    body_ += ": ";
    body_ += json;
    return *this;
}

Object& Object::integer(std::string_view key, long long value)
{
    return raw(key, std::to_string(value));
}

std::string array(const std::vector<std::string>& items)
{
    std::string out = "[";
    for (size_t k = 0; k < items.size(); ++k) {
        if (k > 0)
            out += ", ";
        out += items[k];
    }
    out += "]";
    return out;
}

} // namespace json
