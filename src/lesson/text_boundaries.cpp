#include "text_boundaries.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace text_boundaries
{
namespace
{

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool validOffset(const QString& text, int offset)
{
    return offset >= 0 && offset <= text.size();
}

// Each boundary the finder reports, in order; `startsOnly` keeps those where an item (a
// word) begins. The finder only moves forwards, and the loop never runs more than once per
// position of the text.
void addFound(std::vector<int>& cuts, QTextBoundaryFinder::BoundaryType type, const QString& text,
              bool startsOnly)
{
    QTextBoundaryFinder finder(type, text);
    const int length = static_cast<int>(text.size());
    for (int turn = 0; turn <= length; ++turn) {
        const qsizetype position = finder.toNextBoundary();
        if (position < 0 || position > length)
            break;
        if (startsOnly && !(finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
            continue;
        if (position > cuts.back())
            cuts.push_back(static_cast<int>(position));
    }
}

} // namespace

std::vector<int> cuts(const QString& text, QAccessible::TextBoundaryType type)
{
    const int length = static_cast<int>(text.size());
    std::vector<int> result{0};
    switch (type) {
    case QAccessible::CharBoundary:
        addFound(result, QTextBoundaryFinder::Grapheme, text, false);
        break;
    case QAccessible::WordBoundary: addFound(result, QTextBoundaryFinder::Word, text, true); break;
    case QAccessible::SentenceBoundary:
        addFound(result, QTextBoundaryFinder::Sentence, text, false);
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
        for (int k = 0; k < length; ++k) {
            if (isLineBreak(text.at(k)) && k + 1 > result.back())
                result.push_back(k + 1);
        }
        break;
    case QAccessible::NoBoundary: break;
    }
    if (length > result.back())
        result.push_back(length);
    return result;
}

Span at(const QString& text, int offset, QAccessible::TextBoundaryType type)
{
    if (!validOffset(text, offset))
        return {};
    const int length = static_cast<int>(text.size());
    if (length == 0)
        return {0, 0};
    if (offset == length) {
        const bool lines =
            type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary;
        if (type == QAccessible::CharBoundary || (lines && isLineBreak(text.back())))
            return {length, length};
        const std::vector<int> c = cuts(text, type);
        return {c[c.size() - 2], length};
    }
    const std::vector<int> c = cuts(text, type);
    const auto next = std::upper_bound(c.begin(), c.end(), offset); // never the first cut, 0
    return {*(next - 1), *next};
}

Span before(const QString& text, int offset, QAccessible::TextBoundaryType type)
{
    const Span here = at(text, offset, type);
    if (here.start <= 0)
        return here.start < 0 ? Span{} : Span{0, 0};
    const std::vector<int> c = cuts(text, type);
    const auto start = std::lower_bound(c.begin(), c.end(), here.start);
    return {*(start - 1), here.start};
}

Span after(const QString& text, int offset, QAccessible::TextBoundaryType type)
{
    const Span here = at(text, offset, type);
    const int length = static_cast<int>(text.size());
    if (here.start < 0)
        return {};
    if (here.end >= length)
        return {length, length};
    const std::vector<int> c = cuts(text, type);
    const auto next = std::upper_bound(c.begin(), c.end(), here.end);
    return {here.end, *next};
}

} // namespace text_boundaries
