#include "string_literal.h"

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

std::optional<std::vector<std::string>> parseStrings(std::string_view text)
{
    std::vector<std::string> out;
    size_t pos = 0;
    while (true) {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        if (pos == text.size())
            return out;
        if (text[pos] != '"')
            return std::nullopt;
        size_t end = pos + 1; // the closing quote: the first one no backslash escapes
        while (end < text.size() && text[end] != '"')
            end += text[end] == '\\' ? 2 : 1;
        if (end >= text.size())
            return std::nullopt;
        std::optional<std::string> one = parseString(text.substr(pos, end + 1 - pos));
        if (!one)
            return std::nullopt;
        out.push_back(std::move(*one));
        pos = end + 1;
    }
}

} // namespace json
