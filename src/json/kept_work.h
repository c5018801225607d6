#pragma once

#include "assignment/assignment.h"
#include "json_text.h"
#include "lesson/work.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The student's work on an assignment, kept as it is done (docs/ASSIGNMENT.md): a first line
// naming the assignment and when the work began, then one line per action, each with a
// checksum, appended as the student works. Reading it back takes every whole line up to the
// first that is not (a line cut short by a crash is the last one, and only it is lost).
namespace kept_work
{

inline constexpr std::string_view format = "trevisk-work";
inline constexpr int version = 1;
inline constexpr size_t byteLimit = 256 * 1024 * 1024;
inline constexpr size_t lineLimit = 2 * 1024 * 1024;

struct Header {
    Assignment assignment;
    std::string digest;
    long long started = 0;
    std::vector<double> loadDraws; // the random draws the load made
};

// The lines, without their line break: the JSON and its checksum after a tab.
std::string headerLine(const Header& header);
std::string entryLine(const WorkEntry& entry);

struct Kept {
    Header header;
    std::vector<WorkEntry> entries;
    size_t answers = 0; // entries that answered a question
    std::string text;   // the whole lines read, each with its line break
    std::string note;   // what was left out, or empty: a line cut short, a damaged line
};

// The kept work, or why none of it can be used (a damaged or unknown first line).
std::variant<Kept, std::string> read(std::string_view text);

} // namespace kept_work
