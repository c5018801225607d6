#include "lesson/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

struct ReadCase {
    const char* text;
    double lenient;
    std::optional<double> strict;
};

const double inf = std::numeric_limits<double>::infinity();

// One table for both readings: what the lenient reading gives, and what the strict one
// gives (nothing where it refuses the text).
const ReadCase readCases[] = {
    {"13", 13, 13},
    {"", 0, std::nullopt},
    {"   ", 0, std::nullopt},
    {" 7 ", 7, 7},
    {"\t-12", -12, -12},
    {"+5", 5, 5},
    {"2.5", 2.5, 2.5},
    {".5", 0.5, 0.5},
    {"5.", 5, 5},
    {"-.25", -0.25, -0.25},
    {"1e2", 100, 100},
    {"1E+2", 100, 100},
    {"25e-1", 2.5, 2.5},
    {"1e", 1, std::nullopt}, // an exponent needs digits: reading stops before "e"
    {"1e+", 1, std::nullopt},
    {"12abc", 12, std::nullopt}, // stops at the first letter
    {"abc12", 0, std::nullopt},  // no number at the start
    {"a", 0, std::nullopt},
    {"-", 0, std::nullopt},
    {"+-3", 0, std::nullopt},
    {"- 5", 0, std::nullopt},
    {"1 2", 1, std::nullopt},
    {"3..4", 3, std::nullopt},
    {"0x1A", 0, std::nullopt},
    {"1,000", 1, std::nullopt},
    {"\r\n42\r\n", 42, 42},
    {"１２３", 123, 123},   // full-width digits
    {"－４５", -45, -45},   // full-width minus
    {"＋３．５", 3.5, 3.5}, // full-width plus and point
    {"１Ｅ２", 100, 100},   // full-width E
    {"２ｅ１", 20, 20},     // full-width e
    {"　８　", 8, 8},       // ideographic spaces are blanks
    {"1e400", inf, inf},    // too large for a double
    {"-1e400", -inf, -inf},
    {"1e-400", 0, 0},
    {"99999999999999999999", 1e20, 1e20},
    {"12３", 123, 123}, // mixed widths
    {"あ1", 0, std::nullopt},
};

TEST(NumericRead, LenientAndStrictReadingsOfTypicalTexts)
{
    for (const ReadCase& c : readCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numeric::read(c.text), c.lenient);
        EXPECT_EQ(numeric::readStrict(c.text), c.strict);
    }
}

TEST(NumericRead, TruncatedUtf8DoesNotReadPastTheEnd)
{
    const std::string broken = std::string("12") + "\xEF\xBC"; // a cut full-width character
    EXPECT_EQ(numeric::read(broken), 12);
    EXPECT_EQ(numeric::readStrict(broken), std::nullopt);
    EXPECT_EQ(numeric::read("\xE3\x80"), 0);
}

TEST(NumericRound, HalvesGoToTheEvenNeighbour)
{
    const struct {
        double value;
        double rounded;
    } cases[] = {{2.5, 2},           {3.5, 4},     {-2.5, -2},  {-3.5, -4}, {0.5, 0},
                 {1.5, 2},           {2.4999, 2},  {2.5001, 3}, {-0.4, 0},  {32767.5, 32768},
                 {-32768.5, -32768}, {1e20, 1e20}, {7, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(numeric::roundHalfEven(c.value), c.rounded);
    }
    EXPECT_TRUE(std::isinf(numeric::roundHalfEven(inf)));
}

TEST(NumericFormat, IntegersAndTheirDescriptions)
{
    EXPECT_EQ(numeric::format(-32768), "-32768");
    EXPECT_EQ(numeric::format(0), "0");
    EXPECT_EQ(numeric::describe(40000, "40000.2"), "40000");
    EXPECT_EQ(numeric::describe(inf, "1e400"), "1e400");
}

} // namespace
