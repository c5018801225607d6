#include "attempts.h"

bool Attempts::add(prediction::Attempt attempt)
{
    const bool first = answered_.emplace(attempt.section, attempt.step).second;
    if (first) {
        Score& score = sections_[attempt.section];
        ++score.asked;
        if (attempt.judgement == prediction::Judgement::Correct)
            ++score.correct;
    }
    attempts_.push_back(std::move(attempt));
    return first;
}

Attempts::Score Attempts::score(int section) const
{
    const auto found = sections_.find(section);
    return found == sections_.end() ? Score{} : found->second;
}

Attempts::Score Attempts::total() const
{
    Score all;
    for (const auto& [section, score] : sections_) {
        all.asked += score.asked;
        all.correct += score.correct;
    }
    return all;
}
