#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reads numbers from box texts the way the lessons do; knows nothing of variables or ranges.
namespace numeric
{

// The lenient reading: leading blanks, an optional sign, digits with an optional
// fraction and exponent; it stops at the first character that cannot continue the
// number, and text that starts with no number reads as 0. Full-width digits, signs,
// point and E read as their ASCII twins; the ideographic space is a blank.
double read(std::string_view utf8);

// The strict reading: the whole text, blanks around it allowed, must be one number.
// Empty text or anything else gives no value.
std::optional<double> readStrict(std::string_view utf8);

// Rounds to the nearest integer, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// The text a box shows for an integer: plain decimal, a hyphen-minus for negatives.
std::string format(long long value);

// A rounded reading as the message texts show it: an integer where it has one, else the
// text as typed (infinities, numbers too long to print).
std::string describe(double rounded, std::string_view typed);

} // namespace numeric
