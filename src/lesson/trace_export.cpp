#include "trace_export.h"

#include <cstdio>
#include <vector>

namespace
{

bool isNumber(std::string_view text)
{
    size_t k = text.size() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; k < text.size(); ++k) {
        if (text[k] >= '0' && text[k] <= '9')
            digits = true;
        else if (text[k] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

bool needsQuotes(std::string_view field)
{
    for (const char c : field) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

void appendRow(const TraceTable& table, const std::vector<char>& plain, std::string& out,
               std::string& cell)
{
    for (size_t c = 0; c < table.columnCount(); ++c) {
        if (c > 0)
            out += ',';
        if (plain[c]) { // a number or True/False: nothing to quote
            table.appendCell(c, out);
            continue;
        }
        cell.clear();
        table.appendCell(c, cell);
        trace_export::appendCsvField(cell, out);
    }
    out += "\r\n";
}

} // namespace

namespace trace_export
{

void appendCsvField(std::string_view field, std::string& out)
{
    const bool formula =
        !field.empty() &&
        (field[0] == '=' || field[0] == '+' || field[0] == '-' || field[0] == '@') &&
        !isNumber(field);
    const bool quoted = needsQuotes(field);
    if (!quoted && !formula) {
        out += field;
        return;
    }
    if (quoted)
        out += '"';
    if (formula)
        out += '\'';
    for (size_t k = 0; k < field.size(); ++k) {
        const char c = field[k];
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && k + 1 < field.size() && field[k + 1] == '\n')
                ++k;
            out += "\r\n";
        } else {
            out += c;
        }
    }
    if (quoted)
        out += '"';
}

std::string csv(const TraceTable& table)
{
    std::string out = "\xEF\xBB\xBF";
    out.reserve(table.rowCount() * table.columnCount() * 4 + 256);
    if (const std::string note = table.droppedNote(); !note.empty()) {
        appendCsvField(note, out);
        out += "\r\n";
    }
    for (size_t c = 0; c < table.columnCount(); ++c) {
        if (c > 0)
            out += ',';
        appendCsvField(table.header(c), out);
    }
    out += "\r\n";
    std::vector<char> plain(table.columnCount(), 0);
    for (size_t c = 0; c < table.columnCount(); ++c) {
        const TraceTable::Column kind = table.kind(c);
        plain[c] = kind == TraceTable::Column::Line || kind == TraceTable::Column::Next ||
                   (kind == TraceTable::Column::Variable &&
                    table.trace().columns()[table.variable(c)].kind != Trace::Kind::Text);
    }
    std::string cell;
    for (size_t r = 0; r < table.rowCount(); ++r) {
        table.seek(r);
        appendRow(table, plain, out, cell);
    }
    return out;
}

std::string tabSeparated(const TraceTable& table, std::span<const size_t> rows)
{
    const auto appendCell = [](std::string_view text, std::string& out) {
        for (const char c : TraceTable::oneLine(text, " "))
            out += c == '\t' ? ' ' : c;
    };
    std::string out;
    for (size_t c = 0; c < table.columnCount(); ++c) {
        if (c > 0)
            out += '\t';
        appendCell(table.header(c), out);
    }
    out += '\n';
    for (const size_t r : rows) {
        if (r >= table.rowCount())
            continue;
        table.seek(r);
        for (size_t c = 0; c < table.columnCount(); ++c) {
            if (c > 0)
                out += '\t';
            appendCell(table.cell(c), out);
        }
        out += '\n';
    }
    return out;
}

std::string safeName(std::string_view text, std::string_view otherwise)
{
    std::string name;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool refused = u < 0x20 || u == 0x7F ||
                             std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += refused ? '_' : c;
    }
    // Leading and trailing blanks and dots make names that some systems refuse or hide.
    while (!name.empty() && (name.front() == ' ' || name.front() == '.'))
        name.erase(name.begin());
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    return name.empty() ? std::string(otherwise) : name;
}

std::string fileName(std::string_view caption, int year, int month, int day)
{
    char date[32];
    std::snprintf(date, sizeof date, "_%04d-%02d-%02d.csv", year, month, day);
    return safeName(caption, "trace") + date;
}

} // namespace trace_export
