#pragma once

#include "assignment.h"
#include "lesson/description.h"

// The windows of assignments, the same in the desktop program and the browser page, each
// described in twips as a lesson window is and built by each front end's own builder:
//   the instructions beside a lesson opened from an assignment (課題 - <title>): the label
//   "Title", the read-only box "Instructions" (the text as the teacher wrote it, shown as
//   text), the label "Settings" and the button "SaveResult" (結果を保存…);
//   the teacher's summary (結果の集計): the labels "StudentsCaption", "QuestionsCaption",
//   "RejectedCaption" over the tables (lists) "Students", "Questions", "Rejected", the
//   buttons "Add" (結果ファイルを追加…) and "SaveCsv", and the label "DropHint".
namespace assignment_panel
{

LessonDescription instructions(const LessonDescription& lesson, const Assignment& assignment);

// `title`: the assignment summed up, or empty before any file is read.
LessonDescription summary(const std::string& title);

} // namespace assignment_panel
