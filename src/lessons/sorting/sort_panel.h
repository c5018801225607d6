#pragma once

#include "lesson/description.h"

#include <initializer_list>
#include <string>

// The window layouts and the pieces of the variables panel that the sort lessons share:
// the taller window of the array lessons, the array columns with their index captions, the
// captioned scalar boxes and the button "配列値設定".
namespace sort_panel
{

inline constexpr int windowWidth = 11730;
// The lessons with nine values: a source panel with room for fifteen lines, the note below
// it, and a variables panel tall enough for the array column.
inline constexpr int nineValueHeight = 7560;
CommonLayout nineValueLayout();
// "自動実行" and "自動実行停止" at `top`, "タイマ間隔" and its box one row below.
void placeAutoRun(CommonLayout& layout, int top);

// Removes the listing labels a window does not have; their notes stay in the note table.
void dropListingLabels(LessonDescription& d, std::initializer_list<int> lines);

// "配列値設定" at the top right, beside "進む" and "先頭に戻る".
void addFillButton(LessonDescription& d);

// Data[0..8] in Text1(0..8), one below the other, under the heading Label4(0), each with its
// index caption to its left.
void addNineValueColumn(LessonDescription& d, const std::string& heading);

// Twenty values in two columns of ten, Text1(0..19), under the heading Label4(0); the index
// captions are Label4(1..20).
struct TwentyValueColumns {
    std::string heading;
    int secondLabelLeft; // the first column's captions stand at 360, its boxes at 600
    int secondLeft;
    int step;
    int width;
    int height;
};
void addTwentyValueColumns(LessonDescription& d, const TwentyValueColumns& columns);

// A scalar box Text1(box) with its caption Label4(labelIndex) at (labelLeft, labelTop).
struct Scalar {
    int labelIndex;
    std::string caption;
    int labelLeft;
    int labelTop;
    int box;
    Rect rect;
};
void addScalars(LessonDescription& d, std::initializer_list<Scalar> scalars);

} // namespace sort_panel
