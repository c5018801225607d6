#include "sort_panel.h"

#include <algorithm>

namespace sort_panel
{

CommonLayout nineValueLayout()
{
    CommonLayout layout;
    layout.frame1 = Rect{120, 120, 6615, 5655};
    layout.label2 = Rect{120, 5880, 6615, 1575};
    layout.frame3 = Rect{6840, 1680, 4815, 4215};
    placeAutoRun(layout, 6000);
    return layout;
}

void placeAutoRun(CommonLayout& layout, int top)
{
    layout.command3.top = top;
    layout.command4.top = top;
    layout.label5.top = top + 480;
    layout.txtTime.top = top + 480;
}

void dropListingLabels(LessonDescription& d, std::initializer_list<int> lines)
{
    std::erase_if(d.listing, [&](const ListingLabel& label) {
        return std::find(lines.begin(), lines.end(), label.index) != lines.end();
    });
}

void addFillButton(LessonDescription& d)
{
    addButton(d, "Command5", "配列値設定", Rect{9600, 240, 1455, 375});
}

void addNineValueColumn(LessonDescription& d, const std::string& heading)
{
    addLabel(d, "Label4", 0, heading, Rect{600, 360, 2000, 255});
    ArrayColumn column;
    column.labelIndices = {1, 2, 6, 5, 7, 13, 11, 12, 10};
    column.texts.assign(9, "");
    column.labelWidth = 240;
    column.labelDrop = 0; // the captions stand at the tops of their rows
    addArrayColumn(d, column);
}

void addTwentyValueColumns(LessonDescription& d, const TwentyValueColumns& columns)
{
    addLabel(d, "Label4", 0, columns.heading, Rect{600, 360, 2000, 255});
    for (int half = 0; half < 2; ++half) {
        ArrayColumn column;
        column.firstBox = 10 * half;
        column.firstElement = 10 * half;
        for (int k = 0; k < 10; ++k)
            column.labelIndices.push_back(10 * half + k + 1);
        column.texts.assign(10, "");
        column.left = half == 0 ? 600 : columns.secondLeft;
        column.labelLeft = half == 0 ? 360 : columns.secondLabelLeft;
        column.labelWidth = column.left - column.labelLeft;
        column.labelDrop = 0;
        column.step = columns.step;
        column.width = columns.width;
        column.height = columns.height;
        addArrayColumn(d, column);
    }
}

void addScalars(LessonDescription& d, std::initializer_list<Scalar> scalars)
{
    for (const Scalar& scalar : scalars) {
        const int width = std::max(255, scalar.rect.left - scalar.labelLeft);
        addLabel(d, "Label4", scalar.labelIndex, scalar.caption,
                 Rect{scalar.labelLeft, scalar.labelTop, width, 255});
        addTextBox(d, "Text1", scalar.box, "", scalar.rect);
    }
}

} // namespace sort_panel
