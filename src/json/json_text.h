#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

// JSON documents as the program writes them: objects keep their keys in the order they
// were added, and a document is written on one line with ", " and ": " between items.
namespace json
{

using Json = nlohmann::ordered_json;

// `value` on one line. Strings are UTF-8 as given, control characters escaped; bytes that
// are not UTF-8 are written as U+FFFD.
std::string text(const Json& value);

// Where `text` stops being well-formed UTF-8 (the offset of the first byte that is not part
// of a valid sequence), or npos when all of it is.
size_t firstBadUtf8(std::string_view text);

// A number as the program writes it: an integer where the value has no fraction.
Json number(double value);

// Writes a document straight into a string, exactly as `text` writes the same document:
// for what is written at every step (a lesson's view), without building a Json first.
// Members and items are separated as they are added; `raw` takes a value already written.
class Writer
{
public:
    explicit Writer(std::string& out) : out_(out) {}

    Writer& beginObject() { return open('{'); }
    Writer& endObject() { return close('}'); }
    Writer& beginArray() { return open('['); }
    Writer& endArray() { return close(']'); }
    // The name of the next member of the object being written.
    Writer& key(std::string_view name);

    Writer& value(std::string_view text);
    Writer& value(const std::string& text) { return value(std::string_view(text)); }
    Writer& value(const char* text) { return value(std::string_view(text)); }
    Writer& value(bool truth);
    Writer& value(int number) { return value(static_cast<long long>(number)); }
    Writer& value(unsigned number) { return value(static_cast<long long>(number)); }
    Writer& value(long long number);
    Writer& value(double number); // as `number` gives it
    Writer& value(std::nullptr_t);
    Writer& raw(std::string_view written);

    template <class T> Writer& member(std::string_view name, const T& item)
    {
        key(name);
        return value(item);
    }
    template <class T> Writer& value(const std::vector<T>& items)
    {
        beginArray();
        for (const T& item : items)
            value(item);
        return endArray();
    }

private:
    void next(); // the separator before a member or an item, unless it is the first
    Writer& open(char bracket);
    Writer& close(char bracket);

    std::string& out_;
    std::vector<bool> first_; // per open object or array: nothing written in it yet
    bool named_ = false;      // a key was written: its value follows without a separator
};

} // namespace json
