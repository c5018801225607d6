#pragma once

#include "drawing.h"

#include <QFrame>

// A picture area with a user coordinate system (scale left, top, width, height) that
// keeps what was drawn into it and paints it again whenever the window system asks.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setScale(const PictureScale& scale) { scale_ = scale; }
    const PictureScale& scale() const { return scale_; }
    float scaleLeft() const { return scale_.left; }
    float scaleTop() const { return scale_.top; }
    float scaleWidth() const { return scale_.width; }
    float scaleHeight() const { return scale_.height; }

    // Clears the picture and draws `ops`; a Scale op sets the coordinate system for the
    // ops after it.
    void show(const std::vector<DrawOp>& ops);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A drawing op with the coordinate system in force when it was drawn.
    struct Placed {
        DrawOp op;
        PictureScale scale;
    };
    QRectF deviceRect(const Placed& placed) const;

    PictureScale scale_;
    std::vector<Placed> placed_;
};
