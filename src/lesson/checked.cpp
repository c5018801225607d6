#include "checked.h"

#include "numeric.h"

namespace checked
{

long long lowest(Width width)
{
    return width == Width::Bits16 ? -32768LL : -2147483648LL;
}

long long highest(Width width)
{
    return width == Width::Bits16 ? 32767LL : 2147483647LL;
}

std::string rangeText(Width width)
{
    return numeric::format(lowest(width)) + "～" + numeric::format(highest(width));
}

int fit(long long value, Width width, std::string_view expression)
{
    if (value < lowest(width) || value > highest(width))
        throw Fault{std::string(expression) + " の結果が " + rangeText(width) +
                    " の範囲を超えます。"};
    return static_cast<int>(value);
}

namespace
{
void checkDivisor(int b, std::string_view expression)
{
    if (b == 0)
        throw Fault{std::string(expression) + " は 0 で割ることになるため計算できません。"};
}
} // namespace

int div(int a, int b, std::string_view expression, Width width)
{
    checkDivisor(b, expression);
    return fit(static_cast<long long>(a) / b, width, expression);
}

int mod(int a, int b, std::string_view expression, Width width)
{
    checkDivisor(b, expression);
    return fit(static_cast<long long>(a) % b, width, expression);
}

void checkIndex(int index, int size, std::string_view array)
{
    if (index < 0 || index >= size)
        throw Fault{std::string(array) + "[" + numeric::format(index) + "] は配列の範囲 (0～" +
                    numeric::format(size - 1) + ") の外です。"};
}

} // namespace checked
