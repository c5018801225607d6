#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

// JSON documents as the program writes them: objects keep their keys in the order they
// were added, and a document is written on one line with ", " and ": " between items.
namespace json
{

using Json = nlohmann::ordered_json;

// `value` on one line. Strings are UTF-8 as given, control characters escaped; bytes that
// are not UTF-8 are written as U+FFFD.
std::string text(const Json& value);

// Where `text` stops being well-formed UTF-8 (the offset of the first byte that is not part
// of a valid sequence), or npos when all of it is.
size_t firstBadUtf8(std::string_view text);

// A number as the program writes it: an integer where the value has no fraction.
Json number(double value);

} // namespace json
