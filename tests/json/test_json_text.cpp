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

// A document written straight into a string reads exactly as `text` writes the same
// document: nesting, empty containers, every kind of value, escapes and bytes that are not
// UTF-8 in names and values, numbers with and without a fraction, and a value written before.
TEST(JsonWriter, WritesWhatTextWritesOfTheSameDocument)
{
    using json::Writer;
    const struct {
        const char* what;
        void (*write)(Writer&);
        Json same;
    } cases[] = {
        {"empty object", [](Writer& w) { w.beginObject().endObject(); }, Json::object()},
        {"empty array", [](Writer& w) { w.beginArray().endArray(); }, Json::array()},
        {"members of every kind",
         [](Writer& w) {
             w.beginObject()
                 .member("b", 1)
                 .member("t", true)
                 .member("n", nullptr)
                 .member("s", "x")
                 .member("f", 9.75)
                 .member("i", 8.0)
                 .member("big", -2147483648LL)
                 .endObject();
         },
         Json{{"b", 1},
              {"t", true},
              {"n", nullptr},
              {"s", "x"},
              {"f", 9.75},
              {"i", 8},
              {"big", -2147483648LL}}},
        {"nested",
         [](Writer& w) {
             w.beginObject().key("a").beginArray().value(1).beginObject().endObject();
             w.beginArray().value("y").endArray().endArray();
             w.key("o").beginObject().member("k", std::vector<int>{1, 2}).endObject();
             w.member("e", std::vector<std::string>{}).endObject();
         },
         Json{{"a", Json::array({1, Json::object(), Json::array({"y"})})},
              {"o", Json{{"k", Json::array({1, 2})}}},
              {"e", Json::array()}}},
        {"escapes and bad bytes",
         [](Writer& w) {
             w.beginObject().member("\r\n\"k\xff", std::string("a\x01\\\xc3", 4)).endObject();
         },
         Json{{"\r\n\"k\xff", std::string("a\x01\\\xc3", 4)}}},
        {"a value written before",
         [](Writer& w) {
             w.beginArray().value(0).raw(R"({"x": [1]})").value(2).endArray();
         },
         Json::array({0, Json{{"x", Json::array({1})}}, 2})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string out;
        Writer writer(out);
        c.write(writer);
        EXPECT_EQ(out, json::text(c.same));
    }
}
