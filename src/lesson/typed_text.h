#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What the student typed, as messages and announcements quote it: whole while it is short,
// else its start, "…" and its length, so that a box holding a hundred thousand digits gives a
// message of one line and an announcement of a few words.
namespace typed_text
{

// Texts of up to this many characters are quoted whole; longer ones keep `kept` of them.
inline constexpr size_t longest = 40;
inline constexpr size_t kept = 20;

// The number of characters (code points) of UTF-8 `text`: the bytes that begin one.
size_t characters(std::string_view text);

// `text` as a message quotes it: "1234567890…（100000 文字）" when it is long.
std::string shortened(std::string_view text);

} // namespace typed_text
