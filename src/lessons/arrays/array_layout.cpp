#include "array_layout.h"

namespace
{

// Margins of the reference window, in twips.
constexpr int margin = 120;        // window edge to the source panel
constexpr int gap = 105;           // between neighbouring panels
constexpr int rightMargin = 75;    // right-hand panels to the window edge
constexpr int boxHeight = 375;     // a value box
constexpr int frameBottom = 165;   // below the last box of a frame
constexpr int listingBottom = 120; // below the last listing label

} // namespace

CommonLayout arrange(const WindowShape& shape)
{
    CommonLayout layout;
    layout.listingStep = shape.lineStep;
    layout.listingWidth = shape.sourceWidth - 2 * layout.listingLeft;
    const int frame1Height = layout.listingTop + layout.listingStep * (shape.lines - 1) +
                             layout.listingHeight + listingBottom;
    layout.frame1 = Rect{margin, margin, shape.sourceWidth, frame1Height};
    const int noteTop = margin + frame1Height + gap;
    layout.label2 = Rect{margin, noteTop, shape.sourceWidth, shape.height - gap - noteTop};

    const int right = margin + shape.sourceWidth + gap;
    const int rightWidth = shape.width - rightMargin - right;
    layout.command1 = Rect{right + 720, 240, 735, 375};
    layout.command2 = Rect{right + 1560, 240, 1095, 375};
    layout.frame2 = Rect{right, 720, rightWidth, 855};
    layout.label3 = Rect{120, 360, rightWidth - 360, 375};

    const int bottomRow = shape.height - 1080;
    const int frame3Top = 1680;
    layout.frame3 = Rect{right, frame3Top, shape.frame3Width > 0 ? shape.frame3Width : rightWidth,
                         shape.frame3Height > 0 ? shape.frame3Height : bottomRow - gap - frame3Top};
    layout.command3 = Rect{right, bottomRow, 1095, 375};
    layout.command4 = Rect{right + 1200, bottomRow, 1575, 375};
    // "タイマ間隔" ends short of txtTime.
    layout.label5 = Rect{right + 480, bottomRow + 480, 1020, 255};
    layout.txtTime = Rect{right + 1560, bottomRow + 480, 975, 270};
    return layout;
}

Rect besideFrame3(const CommonLayout& layout, int windowWidth, int height)
{
    const int left = layout.frame3.left + layout.frame3.width + margin;
    return Rect{left, layout.frame3.top, windowWidth - rightMargin - left, height};
}

void addTenBoxColumn(LessonDescription& d, const TenBoxColumn& column)
{
    addLabel(d, "Label4", 0, column.heading, Rect{240, column.top - 360, 2520, 255});
    ArrayColumn boxes;
    boxes.labelIndices = tenIndexLabels;
    boxes.texts = column.texts;
    boxes.top = column.top;
    boxes.step = column.step;
    boxes.width = column.width;
    boxes.height = column.height;
    boxes.labelLeft = 300; // the captions end short of the boxes
    addArrayColumn(d, boxes);
}

void addBoxRows(LessonDescription& d, const std::string& container, const RowPlace& place,
                const std::vector<BoxRow>& rows)
{
    for (size_t k = 0; k < rows.size(); ++k) {
        const BoxRow& row = rows[k];
        const int top = place.top + place.step * static_cast<int>(k);
        addCaptionedBox(d, {row.labelIndex, row.caption, place.labelLeft, row.box, row.text,
                            Rect{place.boxLeft, top, place.boxWidth, boxHeight}, container});
    }
}

int rowsHeight(const RowPlace& place, int rows)
{
    return place.top + place.step * (rows - 1) + boxHeight + frameBottom;
}

int addBoxFrame(LessonDescription& d, const std::string& frame, const std::string& caption,
                Rect place, const RowPlace& rows, const std::vector<BoxRow>& boxes)
{
    place.height = rowsHeight(rows, static_cast<int>(boxes.size()));
    addFrame(d, frame, -1, caption, place);
    addBoxRows(d, frame, rows, boxes);
    return place.top + place.height;
}

std::vector<std::string> conditionTable(int lines,
                                        std::initializer_list<std::pair<int, const char*>> tests)
{
    std::vector<std::string> conditions(static_cast<size_t>(lines));
    for (const auto& [line, text] : tests)
        conditions.at(static_cast<size_t>(line)) = text;
    return conditions;
}
