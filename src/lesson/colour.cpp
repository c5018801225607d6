#include "colour.h"

#include <algorithm>

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

bool colours::lightTextOn(Colour background)
{
    if (background.isSystem())
        return false;
    const unsigned r = background.red(), g = background.green(), b = background.blue();
    const double lightness = (std::max({r, g, b}) + std::min({r, g, b})) / 510.0;
    return lightness < 0.35 || (b > 200 && r < 80 && g < 80);
}
