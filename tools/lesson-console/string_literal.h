#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The JSON that lesson-console reads: the string literal TEXT of its commands.
namespace json
{

// Parses one JSON string literal that makes up the whole of `text` (blanks around it
// allowed). Lone surrogate escapes become U+FFFD. No value for anything else.
std::optional<std::string> parseString(std::string_view text);
// Parses blank-separated JSON string literals that make up the whole of `text` (none for
// an empty text). No value when any of it is not one.
std::optional<std::vector<std::string>> parseStrings(std::string_view text);

} // namespace json
