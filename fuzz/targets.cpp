#include "targets.h"

#include "console.h"
#include "lesson/lesson_registry.h"
#include "lesson/numeric.h"
#include "json/assignment_json.h"
#include "json/assignment_session.h"
#include "json/kept_work.h"
#include "json/result_json.h"

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

// Lines whose repeat count would keep the fuzzer busy for long are left out, and those that
// touch files.
bool tooLong(std::string_view line)
{
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return false;
    line.remove_prefix(start);
    // Commands that read and write files are not the console's input to fuzz: they would
    // write wherever the fuzzer's bytes say.
    if (line.substr(0, 10) == "assignment" || line.substr(0, 6) == "result")
        return true;
    if (line.substr(0, 4) != "step" && line.substr(0, 4) != "tick")
        return false;
    const std::string rest(line.substr(4));
    return std::strtoll(rest.c_str(), nullptr, 10) > 200 || rest.size() > 12;
}

// A message: one line or more of well-formed text, never empty.
void requireMessage(const std::string& message)
{
    require(!message.empty() && wellFormedUtf8(message));
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

void assignment(const uint8_t* data, size_t size)
{
    lesson_registry::registerAll();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const bool link : {false, true}) {
        std::variant<Assignment, std::string> read =
            link ? assignment_json::fromLink(bytes) : assignment_json::read(bytes);
        if (const std::string* message = std::get_if<std::string>(&read)) {
            requireMessage(*message);
            continue;
        }
        const Assignment& a = std::get<Assignment>(read);
        const std::string text = assignment_json::text(a);
        const std::variant<Assignment, std::string> again = assignment_json::read(text);
        require(std::holds_alternative<Assignment>(again)); // what it reads, it writes readably
        require(assignment_json::text(std::get<Assignment>(again)) == text);
        std::variant<assignment::Opened, std::string> opened = assignment::open(a);
        if (const std::string* message = std::get_if<std::string>(&opened))
            requireMessage(*message);
    }
}

void result(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::variant<Result, std::string> read = result_json::read(bytes);
    if (const std::string* message = std::get_if<std::string>(&read)) {
        requireMessage(*message);
        return;
    }
    const std::string text = result_json::text(std::get<Result>(read));
    const std::variant<Result, std::string> again = result_json::read(text);
    require(std::holds_alternative<Result>(again));
    require(result_json::text(std::get<Result>(again)) == text);
    const summary::Summary s = summary::make({result_json::file("f", bytes)});
    require(s.students.size() + s.rejected.size() == 1);
}

void keptWork(const uint8_t* data, size_t size)
{
    if (size > 8192)
        return;
    lesson_registry::registerAll();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::variant<kept_work::Kept, std::string> read = kept_work::read(bytes);
    if (const std::string* message = std::get_if<std::string>(&read)) {
        requireMessage(*message);
        return;
    }
    const kept_work::Kept& kept = std::get<kept_work::Kept>(read);
    require(bytes.substr(0, kept.text.size()) == kept.text); // whole lines, from the start
    size_t steps = 0; // (a line may ask for many steps' worth of work: keep the run short)
    for (const WorkEntry& entry : kept.entries)
        steps += entry.kind == WorkEntry::Kind::Step;
    if (steps > 400)
        return;
    std::variant<AssignmentSession, std::string> resumed = AssignmentSession::resume(kept, nullptr);
    if (const std::string* message = std::get_if<std::string>(&resumed))
        requireMessage(*message);
}

} // namespace fuzz_targets
