#pragma once

#include "lesson/random_source.h"

#include <vector>

// The values of the worked runs of the sort lessons.
inline const std::vector<int> nineValues = {70, 53, 58, 29, 30, 77, 2, 76, 81};
inline const std::vector<int> nineSorted = {2, 29, 30, 53, 58, 70, 76, 77, 81};
inline const std::vector<int> twentyValues = {70, 53, 58, 29, 30, 77, 2,  76, 81, 71,
                                              5,  41, 86, 79, 37, 96, 87, 6,  95, 37};
inline const std::vector<int> twentySorted = {2,  5,  6,  29, 30, 37, 37, 41, 53, 58,
                                              70, 71, 76, 77, 79, 81, 86, 87, 95, 96};

// Puts a fixed sequence in place of the program's random source for the life of a test
// and restores the program's own source afterwards.
class FixedRandom
{
public:
    explicit FixedRandom(std::vector<double> draws)
    {
        random_source::replace(
            [draws, k = size_t{0}]() mutable { return draws[k++ % draws.size()]; });
    }
    ~FixedRandom() { random_source::replace({}); }
    FixedRandom(const FixedRandom&) = delete;
    FixedRandom& operator=(const FixedRandom&) = delete;
};
