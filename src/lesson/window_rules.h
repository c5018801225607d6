#pragma once

#include "description.h"

#include <string>
#include <vector>

// The lesson window's rules beyond what a lesson declares, the same in the desktop window and
// in the browser page (which receives them from the engine): the order in which Tab goes
// through its controls, and the pace and fit of what it adds (the trace window, the
// announcements).
namespace window_rules
{

// The controls Tab goes through, by key: the listing as one stop ("Label1"), the note and
// the condition ("Label2", "Label3"); the values (boxes, options, check boxes, the list)
// frame by frame, the frames and the values in each in reading order; "txtTime"; the
// buttons, the added "StepBack", "PredictButton" and "TraceButton" among them.
std::vector<std::string> tabOrder(const LessonDescription& description);
// Two controls whose tops differ by no more than this many twips stand on one row.
inline constexpr int sameRow = 60;

// The trace window's columns are fitted to their header, the first rows and the newest ones
// (measuring every row would take as long as the table is long), each with some padding and
// never wider than the widest.
inline constexpr int traceFitFirst = 20;
inline constexpr int traceFitLast = 200;
inline constexpr int traceColumnPadding = 14;
inline constexpr int traceWidestColumn = 360;
// While the lesson steps faster than the eye follows, the table catches up at most every
// fastest milliseconds, and less often when catching up costs more than one part in share.
inline constexpr int traceFastestSync = 40;
inline constexpr int traceSlowestSync = 500;
inline constexpr int traceSyncShare = 10;

// An announcement that follows a message box waits this long after the box closed, until
// the screen reader is back on the window.
inline constexpr int announceAfterDialog = 700;

} // namespace window_rules
