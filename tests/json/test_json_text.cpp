#include "json/json_text.h"

#include <gtest/gtest.h>

namespace
{

using json::Json;

TEST(JsonText, WritesOneLineWithBlanksAfterCommasAndColons)
{
    const Json value =
        Json{{"b", 1}, {"a", Json::array({true, nullptr, "x"})}, {"c", Json::object()}};
    EXPECT_EQ(json::text(value), R"({"b": 1, "a": [true, null, "x"], "c": {}})");
}

TEST(JsonText, StringsKeepUtf8AndEscapeWhatJsonMust)
{
    const struct {
        std::string in;
        const char* out;
    } cases[] = {
        {"ＭＳ ゴシック", "\"ＭＳ ゴシック\""},
        {"\r\n  note", R"("\r\n  note")"},
        {"a\"b\\c\t\b\f", R"("a\"b\\c\t\b\f")"},
        {std::string("\x01\x1f", 2), R"("\u0001\u001f")"},
        {"😀", "\"😀\""},
        // Bytes that are not UTF-8 become U+FFFD, one for each byte.
        {"a\xff\xc3", "\"a\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"\xed\xa0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}, // an encoded surrogate
        {"\xc0\xaf", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                 // an overlong form
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(json::text(Json(c.in)), c.out);
        EXPECT_EQ(json::text(Json{{c.in, 0}}), std::string("{") + c.out + ": 0}"); // keys too
    }
}

TEST(JsonText, NumbersWithoutAFractionAreIntegers)
{
    EXPECT_EQ(json::text(json::number(12)), "12");
    EXPECT_EQ(json::text(json::number(-3)), "-3");
    EXPECT_EQ(json::text(json::number(9.75)), "9.75");
    EXPECT_EQ(json::text(json::number(8.5)), "8.5");
    EXPECT_EQ(json::text(Json(-2147483648LL)), "-2147483648");
}

} // namespace
