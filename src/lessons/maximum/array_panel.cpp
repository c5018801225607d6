#include "array_panel.h"

void addFiveElementPanel(LessonDescription& d, const ScalarCaption& box5, const ScalarCaption& box7,
                         const ScalarCaption& box6)
{
    addLabel(d, "Label4", 0, "a( a.Length=5)", Rect{600, 360, 1695, 255});
    ArrayColumn column;
    column.labelIndices = {1, 2, 6, 5, 7};
    column.texts = {"13", "35", "22", "44", "12"};
    column.step = 480;
    addArrayColumn(d, column);

    const struct {
        const ScalarCaption& caption;
        int box;
        int top;
    } scalars[] = {{box5, 5, 840}, {box7, 7, 1320}, {box6, 6, 1800}};
    for (const auto& scalar : scalars) {
        addCaptionedBox(d, {scalar.caption.labelIndex, scalar.caption.caption, 2160, scalar.box, "",
                            Rect{3120, scalar.top, 1335, 375}});
    }
}
