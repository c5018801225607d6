#pragma once

#include <QProxyStyle>

// The program's style over the one chosen: in a zoomed window it scales the style's own
// sizes (check box and option button marks, frame widths, scroll bars, margins) and draws
// the marks, frames and button faces larger by the window's factor, in vectors, so that a
// zoomed window is the window at 100 % made larger. At 100 % it is the chosen style itself.
class ZoomStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Over the style named `key` ("Windows", "Fusion").
    explicit ZoomStyle(const QString& key);
    // Puts one over the application's style, once.
    static void install();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
