#pragma once

#include "json_text.h"

struct LessonDescription;

// What a front end needs beyond a lesson's own description to make its windows usable and
// readable the same way the desktop program does: the words, keys, colours and rules of the
// lesson window, and per lesson its tab order and its lines' descriptions.
namespace window_json
{

using json::Json;

// {"words", "shortcuts", "colours", "rules", "marks", "messageCaption"}: the same for every
// lesson. "marks": {"shapes": {"#FF0000": "left", ...}, "metrics": {"frame", "bar",
// "underline", "gap", "corner"}, "setting": {"caption", "key", "hint"}}.
Json lessonWindow();

// {"access": {"tabOrder": [keys], "lines": [[description, description as the current
// line], ...]}} for the lesson `d`.
Json access(const LessonDescription& d);

} // namespace window_json
