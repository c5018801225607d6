#pragma once

#include "trace_table.h"

#include <span>
#include <string>
#include <string_view>

// The trace written out for others to read: as a CSV file that the spreadsheet programs in
// schools open with their Japanese text intact, and as tab-separated rows for the
// clipboard. Plain text in, bytes out: where the bytes go is the caller's.
namespace trace_export
{

// The whole table: UTF-8 with a byte order mark, a CR LF after every record, a field in
// double quotes when it holds a comma, a quote or a line break (quotes doubled, line breaks
// as CR LF). A note on dropped rows comes first; the header row follows.
std::string csv(const TraceTable& table);
// One field as csv() writes it, appended to `out`. A text that a spreadsheet would take for
// a formula (it begins with =, +, -, @ and is not a number) is kept as text by a leading
// apostrophe.
void appendCsvField(std::string_view field, std::string& out);

// The header row and the given rows (0: the oldest kept), a tab between cells and a line
// break after each row; tabs and line breaks inside a cell become blanks.
std::string tabSeparated(const TraceTable& table, std::span<const size_t> rows);

// "<caption>_<YYYY-MM-DD>.csv", with every character that a file system refuses in a name
// (/ \ : * ? " < > | and control characters) replaced by "_".
std::string fileName(std::string_view caption, int year, int month, int day);
// `text` as a file name: what fileName does to the caption (`otherwise` when nothing is left).
std::string safeName(std::string_view text, std::string_view otherwise);

} // namespace trace_export
