#pragma once

#include "json_text.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// Reading a document from a file or link that nobody vouches for: bounded in size and depth,
// well-formed UTF-8 without NUL bytes, JSON, then every member checked for its type, its
// length and that it is known. Every refusal is one Japanese message naming what is wrong
// and where ("課題ファイルの「start.Text1[3]」は文字列でなければなりません。").
namespace strict_json
{

using json::Json;

struct Limits {
    size_t bytes = 0;
    int depth = 12;
};

// The document, or why it cannot be read. `what` names it in the messages ("課題ファイル").
std::variant<Json, std::string> parse(std::string_view bytes, std::string_view what,
                                      const Limits& limits);

// What a reader throws; read functions catch it and answer its message.
struct Refusal {
    std::string message;
};

// The members of one object of a document, read with their types checked.
class Fields
{
public:
    // `path`: where the object stands in the document ("start"), empty for the document.
    Fields(const Json& object, std::string_view what, std::string path = {});

    // A string of at most `limit` characters.
    std::string text(std::string_view key, size_t limit) const;
    // An integer from `lowest` to `highest`.
    long long integer(std::string_view key, long long lowest, long long highest) const;
    double number(std::string_view key) const;
    bool boolean(std::string_view key) const;
    // An array of at most `limit` items, or an object.
    const Json& array(std::string_view key, size_t limit) const;
    Fields object(std::string_view key) const;
    bool has(std::string_view key) const;
    // Refuses a document of another kind than `format`, or of a version newer than `version`
    // (which says so), before anything else of it is read.
    void format(std::string_view format, int version) const;
    // Refuses any member not in `known`.
    void only(std::initializer_list<std::string_view> known) const;

    // The same checks for an item of an array, named `<path>[index]`.
    std::string name(std::string_view key) const;
    [[noreturn]] void refuse(std::string message) const;
    const std::string& what() const { return what_; }
    static std::string textOf(const Json& value, const std::string& name, std::string_view what,
                              size_t limit);
    static long long integerOf(const Json& value, const std::string& name, std::string_view what,
                               long long lowest, long long highest);

private:
    const Json& member(std::string_view key) const;

    const Json& object_;
    std::string what_;
    std::string path_;
};

} // namespace strict_json
