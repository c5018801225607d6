#include "random_source.h"

#include <deque>
#include <random>

namespace random_source
{
namespace
{

struct Source {
    std::mt19937_64 engine; // default state: the program never seeds it
    std::function<double()> replacement;
    std::deque<double> returned; // draws given back, to come first
    Recording* recording = nullptr;
    Replay* replay = nullptr;
};

// One source for the program, made before main runs (nothing draws earlier).
Source theSource;

Source& source()
{
    return theSource;
}

} // namespace

double next()
{
    Source& s = source();
    double draw = 0;
    if (s.replay) {
        // A draw done again is still a draw of the action that makes it: recorded too.
        const std::vector<double>& draws = *s.replay->draws_;
        draw = s.replay->next_ < draws.size() ? draws[s.replay->next_++] : 0.0;
    } else if (!s.returned.empty()) {
        draw = s.returned.front();
        s.returned.pop_front();
    } else {
        // 53 random bits scaled into [0, 1).
        draw = s.replacement ? s.replacement() : static_cast<double>(s.engine() >> 11) * 0x1.0p-53;
    }
    if (s.recording)
        s.recording->draws_.push_back(draw);
    return draw;
}

Recording::Recording() : outer_(source().recording)
{
    source().recording = this;
}

Recording::~Recording()
{
    source().recording = outer_;
}

Replay::Replay(const std::vector<double>& draws) : draws_(&draws), outer_(source().replay)
{
    source().replay = this;
}

Replay::~Replay()
{
    source().replay = outer_;
}

void replace(std::function<double()> replacement)
{
    Source& s = source();
    s.replacement = std::move(replacement);
    s.returned.clear();
    if (!s.replacement)
        s.engine = std::mt19937_64{};
}

void putBack(std::vector<double> draws)
{
    std::deque<double>& returned = source().returned;
    returned.insert(returned.begin(), draws.begin(), draws.end());
}

int nextValue1To99()
{
    const int value = static_cast<int>(next() * 99.0 + 1.0);
    return value < 1 ? 1 : value > 99 ? 99 : value;
}

} // namespace random_source
