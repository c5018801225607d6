#include "numeric.h"

#include "typed_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace numeric
{
namespace
{

// One character of a box text, with full-width forms folded to ASCII. Returns the
// folded character (or 0 for anything that can never be part of a number) and
// advances `pos` past the UTF-8 sequence.
char nextFolded(std::string_view s, size_t& pos)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(pos);
    if (c < 0x80) {
        ++pos;
        return static_cast<char>(c);
    }
    size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (pos + length > s.size())
        length = s.size() - pos;
    char folded = 0;
    if (length == 3 && c == 0xE3 && byte(pos + 1) == 0x80 && byte(pos + 2) == 0x80) {
        folded = ' '; // U+3000 ideographic space
    } else if (length == 3 && c == 0xEF) {
        const unsigned code = 0xF000u | ((byte(pos + 1) & 0x3Fu) << 6) | (byte(pos + 2) & 0x3Fu);
        if (code >= 0xFF10 && code <= 0xFF19)
            folded = static_cast<char>('0' + (code - 0xFF10));
        else if (code == 0xFF0B)
            folded = '+';
        else if (code == 0xFF0D)
            folded = '-';
        else if (code == 0xFF0E)
            folded = '.';
        else if (code == 0xFF25)
            folded = 'E';
        else if (code == 0xFF45)
            folded = 'e';
    }
    pos += length;
    return folded;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The longest number at the start of `s` (after blanks), as ASCII, and where it ends.
struct Scan {
    std::string number; // empty when no digit was found
    size_t end = 0;     // byte offset just past the number (or past the blanks)
};

Scan scanNumber(std::string_view s)
{
    Scan scan;
    size_t pos = 0;
    size_t mark = 0;
    char c = 0;
    const auto peek = [&]() {
        mark = pos;
        return pos < s.size() ? nextFolded(s, mark) : '\0';
    };
    while ((c = peek()) != '\0' && isBlank(c))
        pos = mark;
    scan.end = pos;

    std::string text;
    if (c == '+' || c == '-') {
        text += c;
        pos = mark;
    }
    bool digits = false;
    while (isDigit(c = peek())) {
        text += c;
        digits = true;
        pos = mark;
    }
    if (c == '.') {
        text += c;
        pos = mark;
        while (isDigit(c = peek())) {
            text += c;
            digits = true;
            pos = mark;
        }
    }
    if (!digits)
        return scan;
    scan.number = text;
    scan.end = pos;
    if (c == 'e' || c == 'E') {
        std::string exponent = "e";
        size_t after = mark;
        size_t probe = after;
        char d = after < s.size() ? nextFolded(s, probe) : '\0';
        if (d == '+' || d == '-') {
            exponent += d;
            after = probe;
            d = after < s.size() ? nextFolded(s, probe) : '\0';
        }
        bool expDigits = false;
        while (isDigit(d)) {
            exponent += d;
            expDigits = true;
            after = probe;
            d = after < s.size() ? nextFolded(s, probe) : '\0';
        }
        if (expDigits) {
            scan.number += exponent;
            scan.end = after;
        }
    }
    return scan;
}

double toDouble(const std::string& ascii)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(ascii.c_str(), nullptr, c);
}

} // namespace

double read(std::string_view utf8)
{
    const Scan scan = scanNumber(utf8);
    return scan.number.empty() ? 0.0 : toDouble(scan.number);
}

std::optional<double> readStrict(std::string_view utf8)
{
    const Scan scan = scanNumber(utf8);
    if (scan.number.empty())
        return std::nullopt;
    size_t pos = scan.end;
    while (pos < utf8.size()) {
        if (!isBlank(nextFolded(utf8, pos)))
            return std::nullopt;
    }
    return toDouble(scan.number);
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::string format(long long value)
{
    return std::to_string(value);
}

std::string describe(double rounded, std::string_view typed)
{
    if (std::isfinite(rounded) && std::fabs(rounded) < 1e15)
        return format(static_cast<long long>(rounded));
    return typed_text::shortened(typed);
}

} // namespace numeric
