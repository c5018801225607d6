#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The small part of JSON that lesson-console speaks: string literals in, objects out.
namespace json
{

// Parses one JSON string literal that makes up the whole of `text` (blanks around it
// allowed). Lone surrogate escapes become U+FFFD. No value for anything else.
std::optional<std::string> parseString(std::string_view text);

// `text` as a JSON string literal; UTF-8 passes unchanged, control characters are escaped.
std::string quote(std::string_view text);

// A number as JSON writes it: integers without a fraction, others as short as they read back.
std::string number(double value);

// Builds one JSON object, keys in the order they are added, with ", " and ": " between.
class Object
{
public:
    Object& raw(std::string_view key, std::string_view json);
    Object& text(std::string_view key, std::string_view value) { return raw(key, quote(value)); }
    Object& integer(std::string_view key, long long value);
    Object& boolean(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
    std::string str() const { return body_ + "}"; }

private:
    std::string body_ = "{";
};

// "[a, b, c]" from items already in JSON form.
std::string array(const std::vector<std::string>& items);

} // namespace json
