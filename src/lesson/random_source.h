#pragma once

#include <functional>
#include <vector>

// The program's one uniform random source in [0, 1). It is never seeded, so every run of
// the program draws the same sequence; tests may put another source in its place.
namespace random_source
{

double next();

// Replaces the source (an empty function restores the program's own, from its start).
void replace(std::function<double()> source);

// Gives `draws` back to the source: they come again, in order, before any new one. What
// only looked ahead at a step (the prediction's question) leaves the sequence as it was.
void putBack(std::vector<double> draws);

// The integer part of r * 99 + 1 for the next draw r: a value from 1 to 99.
int nextValue1To99();

// Collects every draw made while it lives (a lesson keeps them to repeat an action).
class Recording
{
public:
    Recording();
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
    std::vector<double> take() { return std::move(draws_); }

private:
    std::vector<double> draws_;
    Recording* outer_;
    friend double next();
};

// Makes the draws come from `draws`, in order, while it lives, without touching the
// program's sequence.
class Replay
{
public:
    explicit Replay(const std::vector<double>& draws);
    ~Replay();
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

private:
    const std::vector<double>* draws_;
    size_t next_ = 0;
    Replay* outer_;
    friend double next();
};

} // namespace random_source
