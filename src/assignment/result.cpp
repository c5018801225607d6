#include "result.h"

#include "lesson/trace_table.h"

namespace result
{

Result of(const LessonModel& model, const Assignment& assignment, std::string digest,
          std::string name, long long started, long long handedIn)
{
    Result r;
    r.assignment = assignment;
    r.digest = std::move(digest);
    r.name = std::move(name);
    r.started = started;
    r.handedIn = handedIn;
    r.attempts = model.attempts().all();
    r.score = model.attempts().total();
    const TraceTable table(model);
    for (size_t c = 0; c < table.columnCount(); ++c)
        r.trace.headers.push_back(table.header(c));
    const size_t rows = table.rowCount();
    const size_t first = rows > traceRowLimit ? rows - traceRowLimit : 0;
    r.trace.dropped = model.trace().dropped() + first;
    for (size_t row = first; row < rows; ++row) {
        table.seek(row);
        std::vector<std::string>& cells = r.trace.rows.emplace_back();
        for (size_t c = 0; c < table.columnCount(); ++c)
            cells.push_back(table.cell(c));
    }
    return r;
}

Attempts::Score recount(const std::vector<prediction::Attempt>& attempts)
{
    Attempts counted;
    for (const prediction::Attempt& attempt : attempts)
        counted.add(attempt);
    return counted.total();
}

size_t misjudged(const std::vector<prediction::Attempt>& attempts)
{
    using prediction::Judgement;
    for (size_t k = 0; k < attempts.size(); ++k) {
        const prediction::Attempt& a = attempts[k];
        const Judgement follows = a.judgement == Judgement::DontKnow ? Judgement::DontKnow
                                  : a.given == a.expected            ? Judgement::Correct
                                                                     : Judgement::Wrong;
        if (follows != a.judgement)
            return k + 1;
    }
    return 0;
}

} // namespace result
