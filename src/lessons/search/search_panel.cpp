#include "search_panel.h"

void addSearchArray(LessonDescription& d, int headingLabel, const std::string& heading,
                    int headingWidth, ArrayColumn column)
{
    addLabel(d, "Label4", headingLabel, heading, Rect{600, 360, headingWidth, 255});
    column.labelDrop = 0;
    addArrayColumn(d, column);
}

void addSearchScalar(LessonDescription& d, const SearchScalar& scalar)
{
    const int width = scalar.rect.left - scalar.labelLeft - 60;
    addLabel(d, "Label4", scalar.label, scalar.caption,
             Rect{scalar.labelLeft, scalar.rect.top, width, 255});
    addTextBox(d, "Text1", scalar.box, scalar.text, scalar.rect);
}
