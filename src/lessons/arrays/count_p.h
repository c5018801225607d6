#pragma once

#include "lesson/checked.h"

#include <string_view>

// The cyclic counter CountP of the cyclic queue lessons: one position on, and from the
// last of the MAXQUE positions back to position 0. `expression` names the increment in a
// refusal ("EndPointer + 1").
inline constexpr int maxQue = 10;

inline int countP(int p, std::string_view expression)
{
    const int next = checked::add(p, 1, expression);
    return next >= maxQue ? 0 : next;
}
