#include "picture_scale.h"

#include "lesson/picture_box.h"

void SetPictureScale(PictureBox* picture, float x1, float y1, float x2, float y2)
{
    picture->setScaleTop(y1);
    picture->setScaleLeft(x1);
    picture->setScaleHeight(y2 - y1);
    picture->setScaleWidth(x2 - x1);
}
