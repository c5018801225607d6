#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Fault is what a step throws when it must be refused; the lesson catches it at the
// end of the transaction and turns it into a refused outcome with this message.
struct Fault {
    std::string message;
};

// The integer widths of the routines' variables.
enum class Width { Bits16, Bits32 };

// Arithmetic of the 16-bit (or 32-bit) machine of a routine, checked operation by
// operation. Each function names the expression it computes, so a refusal can say which
// expression left the range ("total + a[i] の結果が -32768～32767 の範囲を超えます。").
namespace checked
{

long long lowest(Width width);
long long highest(Width width);
// "-32768～32767" or "-2147483648～2147483647".
std::string rangeText(Width width);

// Throws a Fault naming `expression` when `value` lies outside `width`.
int fit(long long value, Width width, std::string_view expression);

inline int add(int a, int b, std::string_view expression, Width width = Width::Bits16)
{
    return fit(static_cast<long long>(a) + b, width, expression);
}
inline int sub(int a, int b, std::string_view expression, Width width = Width::Bits16)
{
    return fit(static_cast<long long>(a) - b, width, expression);
}
inline int mul(int a, int b, std::string_view expression, Width width = Width::Bits16)
{
    return fit(static_cast<long long>(a) * b, width, expression);
}
// Integer division truncating toward zero; a zero divisor is refused.
int div(int a, int b, std::string_view expression, Width width = Width::Bits16);
// The remainder of truncating division (sign of the dividend); a zero divisor is refused.
int mod(int a, int b, std::string_view expression, Width width = Width::Bits16);

// Throws a Fault unless 0 <= index < size: "a[9] は配列の範囲 (0～5) の外です。".
void checkIndex(int index, int size, std::string_view array);

} // namespace checked

// Element access that refuses an index outside the storage.
template <class T, size_t N> T& at(std::array<T, N>& storage, int index, std::string_view name)
{
    checked::checkIndex(index, static_cast<int>(N), name);
    return storage[static_cast<size_t>(index)];
}

template <class T, size_t N>
const T& at(const std::array<T, N>& storage, int index, std::string_view name)
{
    checked::checkIndex(index, static_cast<int>(N), name);
    return storage[static_cast<size_t>(index)];
}
