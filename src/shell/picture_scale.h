#pragma once

class PictureBox;

// Gives `picture` a user coordinate system whose upper left corner is (x1, y1) and whose
// lower right corner is (x2, y2). The numbers are taken as single-precision values.
void SetPictureScale(PictureBox* picture, float x1, float y1, float x2, float y2);
