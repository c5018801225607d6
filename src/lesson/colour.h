#pragma once

#include <cstdint>
#include <string>

// A colour as the lessons name it: one of the two system colours or an RGB value.
// The system colours keep the values the window system gives them (&H8000000F, &H80000005).
class Colour
{
public:
    static constexpr Colour buttonFace() { return Colour(0x8000000Fu); }
    static constexpr Colour window() { return Colour(0x80000005u); }
    static constexpr Colour rgb(unsigned r, unsigned g, unsigned b)
    {
        return Colour((r << 16) | (g << 8) | b);
    }

    constexpr bool isSystem() const { return (value_ & 0x80000000u) != 0; }
    constexpr unsigned red() const { return (value_ >> 16) & 0xFF; }
    constexpr unsigned green() const { return (value_ >> 8) & 0xFF; }
    constexpr unsigned blue() const { return value_ & 0xFF; }
    constexpr uint32_t value() const { return value_; }

    // "buttonface", "window" or "#RRGGBB" in upper-case hex.
    std::string name() const;

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    explicit constexpr Colour(uint32_t value) : value_(value) {}
    uint32_t value_;
};

namespace colours
{
inline constexpr Colour yellow = Colour::rgb(255, 255, 0);
inline constexpr Colour red = Colour::rgb(255, 0, 0);
inline constexpr Colour blue = Colour::rgb(0, 0, 255);
inline constexpr Colour cyan = Colour::rgb(0, 255, 255);
inline constexpr Colour orange = Colour::rgb(255, 128, 0);
inline constexpr Colour skyBlue = Colour::rgb(0, 128, 255);
inline constexpr Colour green = Colour::rgb(0, 255, 0);
inline constexpr Colour black = Colour::rgb(0, 0, 0);
inline constexpr Colour white = Colour::rgb(255, 255, 255);

// The listing line that runs next.
inline constexpr Colour currentLine = yellow;
// The colours the lessons mark boxes and cells with.
inline constexpr Colour marks[] = {yellow, red, blue, cyan, orange, skyBlue, green};

// Whether text on a box of colour `background` is written in white rather than in the
// window's text colour: on a dark mark (blue) the value would not be read otherwise. Never
// on the system colours, which follow the window system's theme.
bool lightTextOn(Colour background);
} // namespace colours
