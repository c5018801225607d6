#pragma once

#include <QAccessible>
#include <QString>

#include <vector>

// The pieces of a text that a screen reader asks for: the character, word, sentence, line
// or paragraph at, before or after an offset. Every offset from 0 to the length is valid
// (the length is the position after the last character); any other offset gives the span
// (-1, -1). Each answer is computed from the text alone in one pass, so no question can loop.
namespace text_boundaries
{

struct Span {
    int start = -1;
    int end = -1;
    bool operator==(const Span&) const = default;
};

// The positions where the pieces of `text` meet, ascending, from 0 to the length: the
// start of every character (a surrogate pair or a base with its marks is one character),
// of every word (the blanks after a word belong to it), of every sentence, or of every
// line and paragraph (a line ends after its line break).
std::vector<int> cuts(const QString& text, QAccessible::TextBoundaryType type);

// The piece that holds `offset`. At the end of the text: no character, and otherwise the
// last piece (an empty line after a final line break).
Span at(const QString& text, int offset, QAccessible::TextBoundaryType type);
// The piece that ends where the piece at `offset` starts (empty at the start of the text).
Span before(const QString& text, int offset, QAccessible::TextBoundaryType type);
// The piece that starts where the piece at `offset` ends (empty at the end of the text).
Span after(const QString& text, int offset, QAccessible::TextBoundaryType type);

} // namespace text_boundaries
