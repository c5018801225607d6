#pragma once

#include "assignment.h"
#include "lesson/attempts.h"

#include <string>
#include <vector>

// What a student hands in (提出): the assignment answered with its digest, the name as typed,
// when the work began and was handed in, every answer given, the score, and the trace table
// as its texts. Plain data; result_json writes and reads it.
struct Result {
    Assignment assignment;
    std::string digest; // SHA-256 of the assignment as written
    std::string name;
    long long started = 0; // milliseconds since the epoch
    long long handedIn = 0;
    std::vector<prediction::Attempt> attempts;
    Attempts::Score score; // as the file gives it; a summary counts it again
    struct Trace {
        std::vector<std::string> headers;
        std::vector<std::vector<std::string>> rows;
        size_t dropped = 0; // the oldest rows the window no longer kept
    } trace;
};

namespace result
{

// The most trace rows a result holds (the newest); the rest is counted in `dropped`.
inline constexpr size_t traceRowLimit = 20000;

// The result of a lesson window opened from `assignment` (whose digest is `digest`).
Result of(const LessonModel& model, const Assignment& assignment, std::string digest,
          std::string name, long long started, long long handedIn);

// The score counted from the attempts, as the lesson window counts it: the first answer to
// each step of each section.
Attempts::Score recount(const std::vector<prediction::Attempt>& attempts);

// The first attempt whose judgement does not follow from its answer and the right answer
// (numbered from 1), or 0 when every one does.
size_t misjudged(const std::vector<prediction::Attempt>& attempts);

} // namespace result
