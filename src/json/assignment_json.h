#pragma once

#include "assignment/assignment.h"
#include "json_text.h"

#include <string>
#include <string_view>
#include <variant>

// The assignment document (docs/ASSIGNMENT.md): written by the program, read strictly from
// any file or link, and its digest. A link carries the document in its fragment
// ("#assignment=" and the document in base64url), so that it opens offline and sends nothing.
namespace assignment_json
{

using json::Json;

inline constexpr std::string_view format = "trevisk-assignment";
inline constexpr int version = 1;
inline constexpr size_t byteLimit = 256 * 1024;

Json write(const Assignment& assignment);
// The file's text: the document on one line, as json::text writes it, and a line break.
std::string text(const Assignment& assignment);
// The assignment, or one message naming what is wrong (`what`: the file or the link).
std::variant<Assignment, std::string> read(std::string_view bytes,
                                           std::string_view what = "課題ファイル");
// Reads the document of an assignment held inside another (a result), already parsed.
Assignment readObject(const Json& document, std::string_view what, const std::string& path);

// SHA-256 of the document as written, in hexadecimal: what a result names its assignment by.
std::string digest(const Assignment& assignment);

// The fragment of a link that carries the assignment: "assignment=" and the document, compact,
// in base64url without padding.
std::string fragment(const Assignment& assignment);
// The assignment a link (or its fragment alone) carries, or what is wrong with it.
std::variant<Assignment, std::string> fromLink(std::string_view link);

// base64url without padding, and back (nothing for a text that is not base64url).
std::string base64url(std::string_view bytes);
std::optional<std::string> fromBase64url(std::string_view text);

} // namespace assignment_json
