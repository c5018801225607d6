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

// Whether `text` is valid UTF-8 (lesson-console must never write anything else).
bool validUtf8(std::string_view text)
{
    for (size_t pos = 0; pos < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        const size_t length = c < 0x80             ? 1
                              : (c & 0xE0) == 0xC0 ? 2
                              : (c & 0xF0) == 0xE0 ? 3
                              : (c & 0xF8) == 0xF0 ? 4
                                                   : 0;
        if (length == 0 || pos + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[pos + k]) & 0xC0) != 0x80)
                return false;
        }
        pos += length;
    }
    return true;
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
    require(validUtf8(written));
    require(written.empty() || written.back() == '\n');
}

} // namespace fuzz_targets
