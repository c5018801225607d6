#pragma once

#include "prediction.h"

#include <optional>
#include <string>
#include <string_view>

// Reads a student's answer to a question as what was asked, and judges it. A line and a
// number are read with the lessons' own reading (full-width digits and signs, blanks around,
// a value rounded half to even and checked against the variable's range), True and False
// in either case or by their first letter, a text as it is. An answer that cannot be read
// as what was asked is not judged: the reading says what was expected instead.
namespace prediction_reading
{

struct Reading {
    std::optional<std::string> answer; // as the expected answer is written ("12", "True")
    std::string message;               // when there is no answer: what is expected
};

Reading read(const prediction::Question& question, std::string_view typed);

// The judgement of an answer read by `read`.
prediction::Judgement judge(const prediction::Question& question, const std::string& answer);

} // namespace prediction_reading
