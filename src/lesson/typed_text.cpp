#include "typed_text.h"

namespace typed_text
{
namespace
{

bool continues(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

size_t characters(std::string_view text)
{
    size_t count = 0;
    for (const char c : text)
        count += !continues(c);
    return count;
}

std::string shortened(std::string_view text)
{
    const size_t count = characters(text);
    if (count <= longest)
        return std::string(text);
    // The first `kept` characters, never cutting one of them in two.
    size_t end = 0;
    for (size_t taken = 0; end < text.size(); ++end) {
        if (!continues(text[end]) && taken++ == kept)
            break;
    }
    return std::string(text.substr(0, end)) + "…（" + std::to_string(count) + " 文字）";
}

} // namespace typed_text
