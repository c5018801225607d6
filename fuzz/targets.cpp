#include "targets.h"

#include "console.h"
#include "lesson/numeric.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace fuzz_targets
{
namespace
{

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Lines whose repeat count would keep the fuzzer busy for long are left out.
bool tooLong(std::string_view line)
{
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return false;
    line.remove_prefix(start);
    if (line.substr(0, 4) != "step" && line.substr(0, 4) != "tick")
        return false;
    const std::string rest(line.substr(4));
    return std::strtoll(rest.c_str(), nullptr, 10) > 200 || rest.size() > 12;
}

} // namespace

// By
// the table of well-formed byte sequences of the Unicode standard: for each first byte the
// range its second byte must fall in, the bytes after it being 80..BF. A reference of its
// own, not the program's decoder that it checks.
bool wellFormedUtf8(std::string_view text)
{
    struct Form {
        unsigned char first, last; // the first byte's range
        int length;
        unsigned char secondLow, secondHigh;
    };
    static constexpr Form forms[] = {
        {0x00, 0x7F, 1, 0, 0},       {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
        {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF},
        {0xF0, 0xF0, 4, 0x90, 0xBF}, {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
    };
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    for (size_t pos = 0; pos < text.size();) {
        const Form* form = nullptr;
        for (const Form& f : forms) {
            if (byte(pos) >= f.first && byte(pos) <= f.last)
                form = &f;
        }
        if (!form || pos + static_cast<size_t>(form->length) > text.size())
            return false;
        for (int k = 1; k < form->length; ++k) {
            const unsigned char b = byte(pos + static_cast<size_t>(k));
            const unsigned char low = k == 1 ? form->secondLow : 0x80;
            const unsigned char high = k == 1 ? form->secondHigh : 0xBF;
            if (b < low || b > high)
                return false;
        }
        pos += static_cast<size_t>(form->length);
    }
    return true;
}

void numeric(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double lenient = numeric::read(text);
    const std::optional<double> strict = numeric::readStrict(text);
    require(!std::isnan(lenient));
    if (strict) {
        // A text that is one number reads the same either way.
        require(*strict == lenient);
    }
    const double rounded = numeric::roundHalfEven(lenient);
    if (std::isfinite(lenient)) {
        require(std::fabs(rounded - lenient) <= 0.5);
        require(rounded == std::floor(rounded));
    }
}

void console(const uint8_t* data, size_t size)
{
    if (size > 4096)
        return;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string kept;
    size_t pos = 0;
    while (pos <= input.size()) {
        const size_t end = std::min(input.find('\n', pos), input.size());
        const std::string_view line = input.substr(pos, end - pos);
        if (!tooLong(line)) {
            kept.append(line);
            kept += '\n';
        }
        pos = end + 1;
    }
    std::ostringstream out;
    {
        LessonConsole console(out);
        std::istringstream in(kept);
        console.run(in);
    }
    const std::string written = out.str();
    require(wellFormedUtf8(written)); // lesson-console never writes anything else
    require(written.empty() || written.back() == '\n');
}

} // namespace fuzz_targets
