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

    void setScaleLeft(float value) { scaleLeft_ = value; }
    void setScaleTop(float value) { scaleTop_ = value; }
    void setScaleWidth(float value) { scaleWidth_ = value; }
    void setScaleHeight(float value) { scaleHeight_ = value; }
    float scaleLeft() const { return scaleLeft_; }
    float scaleTop() const { return scaleTop_; }
    float scaleWidth() const { return scaleWidth_; }
    float scaleHeight() const { return scaleHeight_; }

    // Clears the picture and draws `ops`; a Scale op sets the coordinate system for the
    // ops after it, through SetPictureScale.
    void show(const std::vector<DrawOp>& ops);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A drawing op with the coordinate system in force when it was drawn.
    struct Placed {
        DrawOp op;
        float left, top, width, height;
    };
    QRectF deviceRect(const Placed& placed) const;

    float scaleLeft_ = 0;
    float scaleTop_ = 0;
    float scaleWidth_ = 1;
    float scaleHeight_ = 1;
    std::vector<Placed> placed_;
};
