#pragma once

#include "lesson/description.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// The sizes an array lesson window is arranged from: the source panel on the left with
// the note below it, and on the right the step buttons, the condition panel, the
// variables panel and the auto-run controls, in the places the array total lesson has.
struct WindowShape {
    int width = 11730; // client area, twips
    int height = 6120;
    int sourceWidth = 6615; // Frame1 and Label2
    int lines = 11;         // listing labels the source panel must hold
    int lineStep = 360;
    int frame3Width = 0;  // 0: as wide as the condition panel
    int frame3Height = 0; // 0: down to the auto-run buttons
};
CommonLayout arrange(const WindowShape& shape);

// A frame's place to the right of the variables panel, up to the right-hand margin of a
// window `windowWidth` wide, `height` high.
Rect besideFrame3(const CommonLayout& layout, int windowWidth, int height);

// The index captions of a ten-box array column, top to bottom (the Label4 elements that
// show "0" to "9").
inline const std::vector<int> tenIndexLabels = {1, 2, 6, 5, 7, 10, 9, 11, 12, 13};

// A column of the ten boxes Text1(0) to Text1(9) in Frame3, element 0 at the top, headed
// by Label4(0).
struct TenBoxColumn {
    std::string heading;
    std::vector<std::string> texts; // initial texts, ten of them
    int top = 660;                  // of the first box; the heading stands above it
    int step = 420;
    int width = 1335;
    int height = 375;
};
void addTenBoxColumn(LessonDescription& d, const TenBoxColumn& column);

// One value box with its caption (a Label4 element) to its left.
struct BoxRow {
    int labelIndex;
    std::string caption;
    int box;
    std::string text = {}; // initial text
};

// Where rows of captioned boxes stand in their frame: from `top` down by `step`.
struct RowPlace {
    int top = 360;
    int labelLeft = 120;
    int boxLeft = 1080;
    int boxWidth = 1440;
    int step = 480;
};
void addBoxRows(LessonDescription& d, const std::string& container, const RowPlace& place,
                const std::vector<BoxRow>& rows);
// The height of a frame that holds `rows` rows placed by `place`.
int rowsHeight(const RowPlace& place, int rows);
// A frame at `place`, as high as its rows need, holding rows of captioned boxes; returns
// the frame's bottom.
int addBoxFrame(LessonDescription& d, const std::string& frame, const std::string& caption,
                Rect place, const RowPlace& rows, const std::vector<BoxRow>& boxes);

// A condition table of `lines` entries, empty except on the lines that test a condition.
std::vector<std::string> conditionTable(int lines,
                                        std::initializer_list<std::pair<int, const char*>> tests);
