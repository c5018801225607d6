#include "prediction_reading.h"

#include "numeric.h"
#include "prediction_texts.h"

#include <cmath>

namespace prediction_reading
{
namespace
{

namespace texts = prediction_texts;
using prediction::Form;

// The text with its full-width ASCII forms (U+FF01 to U+FF5E) as ASCII, the ideographic
// space as a blank, and without the blanks around it.
std::string folded(std::string_view typed)
{
    std::string out;
    for (size_t k = 0; k < typed.size(); ++k) {
        const auto byte = [&](size_t at) { return static_cast<unsigned char>(typed[at]); };
        if (k + 2 < typed.size() && byte(k) == 0xE3 && byte(k + 1) == 0x80 && byte(k + 2) == 0x80) {
            out += ' ';
            k += 2;
        } else if (k + 2 < typed.size() && byte(k) == 0xEF &&
                   (byte(k + 1) == 0xBC || byte(k + 1) == 0xBD) && byte(k + 2) >= 0x80 &&
                   byte(k + 2) <= 0xBF) {
            const unsigned code = 0xF000u | ((byte(k + 1) & 0x3Fu) << 6) | (byte(k + 2) & 0x3Fu);
            if (code >= 0xFF01 && code <= 0xFF5E) {
                out += static_cast<char>(code - 0xFF01 + 0x21);
                k += 2;
            } else {
                out += typed[k];
            }
        } else {
            out += typed[k];
        }
    }
    const size_t first = out.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return out.substr(first, out.find_last_not_of(" \t\r\n") - first + 1);
}

Reading line(const prediction::Question& question, std::string_view typed)
{
    const std::optional<double> value = numeric::readStrict(typed);
    if (!value || *value != std::floor(*value))
        return {std::nullopt, texts::notALine(typed, question.lines)};
    if (*value < 0 || *value >= question.lines)
        return {std::nullopt,
                texts::noSuchLine(std::abs(*value) < 1e15 ? static_cast<long long>(*value) : -1,
                                  question.lines)};
    return {numeric::format(static_cast<long long>(*value)), {}};
}

Reading truth(std::string_view typed)
{
    std::string word = folded(typed);
    for (char& c : word)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (word == "true" || word == "t")
        return {"True", {}};
    if (word == "false" || word == "f")
        return {"False", {}};
    return {std::nullopt, texts::notATruth(typed)};
}

Reading number(const prediction::Question& question, std::string_view typed)
{
    const std::optional<double> value = numeric::readStrict(typed);
    if (!value)
        return {std::nullopt, texts::notANumber(typed, question.width)};
    const double rounded = numeric::roundHalfEven(*value);
    if (!(rounded >= static_cast<double>(checked::lowest(question.width)) &&
          rounded <= static_cast<double>(checked::highest(question.width))))
        return {std::nullopt, texts::outOfRange(typed, question.width)};
    return {numeric::format(static_cast<long long>(rounded)), {}};
}

} // namespace

Reading read(const prediction::Question& question, std::string_view typed)
{
    if (folded(typed).empty())
        return {std::nullopt, texts::noAnswer(question.form)};
    switch (question.form) {
    case Form::Line: return line(question, typed);
    case Form::Truth: return truth(typed);
    case Form::Number: return number(question, typed);
    case Form::Text: return {std::string(typed), {}};
    }
    return {};
}

prediction::Judgement judge(const prediction::Question& question, const std::string& answer)
{
    return answer == question.expected ? prediction::Judgement::Correct
                                       : prediction::Judgement::Wrong;
}

} // namespace prediction_reading
