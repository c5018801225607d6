#include "colour.h"

std::string Colour::name() const
{
    if (*this == buttonFace())
        return "buttonface";
    if (*this == window())
        return "window";
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        text += digits[(value_ >> shift) & 0xF];
    return text;
}
