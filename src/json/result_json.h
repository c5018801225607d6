#pragma once

#include "assignment/result.h"
#include "assignment/summary.h"
#include "json_text.h"

#include <string>
#include <string_view>
#include <variant>

// The result document (docs/ASSIGNMENT.md) that a student hands in, written by the program
// and read strictly, and the summary of many as JSON.
namespace result_json
{

using json::Json;

inline constexpr std::string_view format = "trevisk-result";
inline constexpr int version = 1;
inline constexpr size_t byteLimit = 32 * 1024 * 1024;

Json write(const Result& result);
std::string text(const Result& result);
// The result, or one message naming what is wrong.
std::variant<Result, std::string> read(std::string_view bytes);
// A file read for the summary: the result or why not, and its assignment's digest worked out.
summary::File file(std::string name, std::string_view bytes);

// {"students": [{"name", "asked", "correct", "attempts", "taken", "file"}], "rejected": [{"file",
// "why"}], "questions": [{"step", "kind", "text", "students", "right"}], "assignment": {"title",
// "lesson", "digest"}}.
Json summary(const summary::Summary& summary);

} // namespace result_json
