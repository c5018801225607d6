#pragma once

#include "prediction.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

// Every answer a student gave in one lesson window, in the order given, and the score of
// each section counted from them: a step's first answer is the one that counts, so that
// stepping back and answering again never raises a score. Nothing is ever taken away.
class Attempts
{
public:
    struct Score {
        int asked = 0;   // steps of the section answered
        int correct = 0; // of them, answered right the first time
    };

    // Adds an answer; true when it is the first one to its step (the one the score counts).
    bool add(prediction::Attempt attempt);
    const std::vector<prediction::Attempt>& all() const { return attempts_; }
    Score score(int section) const;
    // All sections together.
    Score total() const;

private:
    std::vector<prediction::Attempt> attempts_;
    std::set<std::pair<int, int>> answered_; // (section, step) of every step answered
    std::map<int, Score> sections_;
};
