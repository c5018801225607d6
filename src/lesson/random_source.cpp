#include "random_source.h"

#include <random>

namespace random_source
{
namespace
{

struct Source {
    std::mt19937_64 engine; // default state: the program never seeds it
    std::function<double()> replacement;
};

Source& source()
{
    static Source s;
    return s;
}

} // namespace

double next()
{
    Source& s = source();
    if (s.replacement)
        return s.replacement();
    // 53 random bits scaled into [0, 1).
    return static_cast<double>(s.engine() >> 11) * 0x1.0p-53;
}

void replace(std::function<double()> replacement)
{
    Source& s = source();
    s.replacement = std::move(replacement);
    if (!s.replacement)
        s.engine = std::mt19937_64{};
}

int nextValue1To99()
{
    const int value = static_cast<int>(next() * 99.0 + 1.0);
    return value < 1 ? 1 : value > 99 ? 99 : value;
}

} // namespace random_source
