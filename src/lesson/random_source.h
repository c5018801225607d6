#pragma once

#include <functional>

// The program's one uniform random source in [0, 1). It is never seeded, so every run of
// the program draws the same sequence; tests may put another source in its place.
namespace random_source
{

double next();

// Replaces the source (an empty function restores the program's own, from its start).
void replace(std::function<double()> source);

// The integer part of r * 99 + 1 for the next draw r: a value from 1 to 99.
int nextValue1To99();

} // namespace random_source
