#include "lesson/checked.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace
{

std::string faultOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const Fault& fault) {
        return fault.message;
    }
    return {};
}

TEST(Checked, ResultsAtTheEdgesOfEachWidth)
{
    using checked::add;
    using checked::mul;
    using checked::sub;
    EXPECT_EQ(add(32766, 1, "x"), 32767);
    EXPECT_EQ(sub(-32767, 1, "x"), -32768);
    EXPECT_EQ(mul(479001600, 1, "x", Width::Bits32), 479001600);
    EXPECT_EQ(add(2147483646, 1, "x", Width::Bits32), 2147483647);
    EXPECT_EQ(faultOf([] { add(32767, 1, "total + a[i]"); }),
              "total + a[i] の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(faultOf([] { sub(-32768, 1, "j - 1"); }),
              "j - 1 の結果が -32768～32767 の範囲を超えます。");
    EXPECT_EQ(faultOf([] { mul(479001600, 13, "r * i", Width::Bits32); }),
              "r * i の結果が -2147483648～2147483647 の範囲を超えます。");
}

TEST(Checked, DivisionTruncatesTowardZeroAndRefusesZero)
{
    const struct {
        int a, b, quotient, remainder;
    } cases[] = {
        {7, 2, 3, 1}, {-7, 2, -3, -1}, {7, -3, -2, 1}, {-7, 3, -2, -1}, {12345, 10, 1234, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(checked::div(c.a, c.b, "a / b"), c.quotient);
        EXPECT_EQ(checked::mod(c.a, c.b, "a % b"), c.remainder);
    }
    EXPECT_EQ(faultOf([] { checked::mod(48, 0, "A % B"); }),
              "A % B は 0 で割ることになるため計算できません。");
    // -32768 / -1 leaves the 16-bit range.
    EXPECT_FALSE(faultOf([] { checked::div(-32768, -1, "a / b"); }).empty());
}

TEST(Checked, IndexOutsideTheStorageIsRefused)
{
    std::array<int, 6> a{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(at(a, 5, "a"), 6);
    EXPECT_EQ(faultOf([&] { at(a, 9, "a"); }), "a[9] は配列の範囲 (0～5) の外です。");
    EXPECT_EQ(faultOf([&] { at(a, -1, "a"); }), "a[-1] は配列の範囲 (0～5) の外です。");
}

} // namespace
