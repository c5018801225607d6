#include "picture_scale.h"

#include "lesson/picture_box.h"

void SetPictureScale(PictureBox* picture, float x1, float y1, float x2, float y2)
{
    picture->setScale(PictureScale::fromCorners(x1, y1, x2, y2));
}
