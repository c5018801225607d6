#include "slot_window.h"

namespace
{

// The window is as tall as the 24 listing lines need, 300 twips apart.
const WindowShape shape{12600, 9375, 6615, 24, 300, 2880, 0};

// The slots, and the pointer rows below them.
const TenBoxColumn slots{{}, std::vector<std::string>(10), 660, 420, 2040, 375};
const RowPlace pointerRows{5100, 240, 1800, 900, 480};
// The rows of Frame4 and Frame5.
const RowPlace routineRows{360, 120, 1080, 1440, 480};
constexpr int frame6Height = 855;
constexpr int frameGap = 105;

} // namespace

LessonDescription slotWindow(const SlotWindow& w)
{
    const CommonLayout layout = arrange(shape);
    LessonDescription d = lessonWindow(w.form, w.caption, shape.width, shape.height, layout,
                                       w.listing, w.notes, w.conditions);
    TenBoxColumn slotColumn = slots;
    slotColumn.heading = w.heading;
    addTenBoxColumn(d, slotColumn);
    addBoxRows(d, "Frame3", pointerRows, w.pointers);
    // Label4(8) has no caption; it stands below the pointer rows.
    addLabel(d, "Label4", 8, "", Rect{240, pointerRows.top + 2 * pointerRows.step, 255, 255});

    const Rect column = besideFrame3(layout, shape.width, frame6Height);
    addFrame(d, "Frame6", -1, "関数", column);
    addControl(d, Control{"Option1", -1, ControlKind::Option, w.option1, "Frame6",
                          Rect{240, 360, 1095, 375}, std::nullopt, false});
    addControl(d, Control{"Option2", -1, ControlKind::Option, w.option2, "Frame6",
                          Rect{1440, 360, 1095, 375}, std::nullopt, false});
    Rect place = column;
    place.top = column.top + column.height + frameGap;
    place.top = addBoxFrame(d, "Frame4", w.option2, place, routineRows, w.frame4) + frameGap;
    addBoxFrame(d, "Frame5", w.option1, place, routineRows, w.frame5);
    return d;
}
