#pragma once

#include "array_panel.h"

#include <array>

// The variables of the two array maximum lessons (for and while).
struct ArrayMaxVariables {
    std::array<int, 6> a{}; // slot 5 has no box
    int max = 0;
    int value = 0; // the function value
    int i = 0;
};

// The test both loops' bodies make, "max < a[i]"; an i outside the array is refused.
inline bool maxBelowElement(const ArrayMaxVariables& v)
{
    return v.max < at(v.a, v.i, "a");
}

// The body's statement "if (max<a[i]) max = a[i];".
inline void keepLarger(ArrayMaxVariables& v)
{
    if (maxBelowElement(v))
        v.max = v.a[static_cast<size_t>(v.i)];
}
