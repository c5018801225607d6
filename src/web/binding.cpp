// The C functions the browser page calls (through emscripten's ccall): each takes UTF-8
// strings and numbers and answers one JSON text, valid until the next call; a file's bytes
// are read straight from the engine's memory.
#include "lesson_desk.h"

#include <emscripten/emscripten.h>

#include <exception>
#include <string>
#include <type_traits>

namespace
{

LessonDesk& desk()
{
    static LessonDesk instance;
    return instance;
}

std::string& answer()
{
    static std::string text;
    return text;
}

std::string& input()
{
    static std::string bytes;
    return bytes;
}

std::string& file()
{
    static std::string bytes;
    return bytes;
}

template <class Call> const char* respond(Call call)
{
    try {
        if constexpr (std::is_same_v<decltype(call()), std::string>)
            answer() = call(); // written as JSON already
        else
            answer() = json::text(call());
    } catch (const std::exception& e) {
        answer() = json::text(json::Json{{"error", std::string("internal: ") + e.what()}});
    }
    return answer().c_str();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* trevisk_catalog()
{
    return respond([] { return LessonDesk::catalog(); });
}

EMSCRIPTEN_KEEPALIVE const char* trevisk_open(const char* form)
{
    return respond([&] { return desk().open(form); });
}

EMSCRIPTEN_KEEPALIVE const char* trevisk_act(const char* form, const char* action, int index,
                                             int value, const char* text)
{
    return respond([&] { return desk().answer(form, action, index, value, text); });
}

// The CSV file of a lesson's trace: {"fileName", "size"}, its bytes at trevisk_file()
// until the next call.
EMSCRIPTEN_KEEPALIVE const char* trevisk_export_csv(const char* form, const char* date)
{
    return respond([&] { return desk().exportCsv(form, date, file()); });
}

EMSCRIPTEN_KEEPALIVE const char* trevisk_file()
{
    return file().data();
}

// A buffer of `size` bytes in the engine's memory for the bytes of a file the page read, so
// that they reach the readers as they are (NUL bytes and broken UTF-8 included).
EMSCRIPTEN_KEEPALIVE char* trevisk_input(int size)
{
    input().assign(static_cast<size_t>(size > 0 ? size : 0), '\0');
    return input().data();
}

// Assignments, results and kept work: `now` is the page's clock (ms since the epoch); with
// `fromInput`, the text is the bytes last put into trevisk_input's buffer.
EMSCRIPTEN_KEEPALIVE const char* trevisk_work(const char* action, const char* form,
                                              const char* text, double now, int fromInput)
{
    return respond([&] {
        const std::string_view given =
            fromInput ? std::string_view(input()) : std::string_view(text);
        return desk().work(action, form, given, static_cast<long long>(now));
    });
}

EMSCRIPTEN_KEEPALIVE const char* trevisk_close(const char* form)
{
    return respond([&] { return desk().close(form); });
}

} // extern "C"
