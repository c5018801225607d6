#pragma once

// What a picture looks like without colour: in greyscale, as seen, or as an eye with
// protanopia or deuteranopia sees it (Machado, Oliveira and Fernandes 2009, full severity),
// then in greyscale. For measuring whether two marks still differ when colour is gone.
#include <QImage>
#include <QRect>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace colour_vision
{

enum class Eye { Typical, Protanopia, Deuteranopia };

using Matrix = std::array<std::array<double, 3>, 3>;

inline const Matrix& matrixOf(Eye eye)
{
    static const Matrix typical{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    static const Matrix protanopia{{{0.152286, 1.052583, -0.204868},
                                    {0.114503, 0.786281, 0.099216},
                                    {-0.003882, -0.048116, 1.051998}}};
    static const Matrix deuteranopia{{{0.367322, 0.860646, -0.227968},
                                      {0.280085, 0.672501, 0.047413},
                                      {-0.011820, 0.042940, 0.968881}}};
    switch (eye) {
    case Eye::Typical: return typical;
    case Eye::Protanopia: return protanopia;
    case Eye::Deuteranopia: return deuteranopia;
    }
    return typical;
}

inline double linear(int c)
{
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// The grey (0 to 255, as sRGB) that `eye` sees for `rgb`.
inline int grey(QRgb rgb, Eye eye)
{
    const double in[3] = {linear(qRed(rgb)), linear(qGreen(rgb)), linear(qBlue(rgb))};
    const Matrix& m = matrixOf(eye);
    double seen[3];
    for (int r = 0; r < 3; ++r)
        seen[r] = std::clamp(m[r][0] * in[0] + m[r][1] * in[1] + m[r][2] * in[2], 0.0, 1.0);
    const double y = 0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2];
    const double v = y <= 0.0031308 ? 12.92 * y : 1.055 * std::pow(y, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(v * 255));
}

// The pixels of `area` that stand out from its ground (the grey most of it has) by more than
// `contrast` greys, for `eye`: what is drawn on the box, text and shape.
inline std::vector<bool> ink(const QImage& picture, const QRect& area, Eye eye, int contrast = 50)
{
    std::vector<int> greys;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            greys.push_back(grey(picture.pixel(x, y), eye));
    std::vector<int> sorted = greys;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const int ground = sorted[sorted.size() / 2];
    std::vector<bool> mask(greys.size());
    for (size_t k = 0; k < greys.size(); ++k)
        mask[k] = std::abs(greys[k] - ground) > contrast;
    return mask;
}

// The share of pixels where two masks of the same size differ.
inline double differing(const std::vector<bool>& a, const std::vector<bool>& b)
{
    size_t count = 0;
    for (size_t k = 0; k < a.size() && k < b.size(); ++k)
        count += a[k] != b[k] ? 1 : 0;
    return a.empty() ? 0 : static_cast<double>(count) / static_cast<double>(a.size());
}

} // namespace colour_vision
