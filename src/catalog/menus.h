#pragma once

#include "lesson/description.h"

#include <array>
#include <string_view>
#include <vector>

// One button of a menu: its control name, caption, the row it stands on (two buttons may
// share a row, left first) and what it opens: a form, or a code listing ("listing:a").
struct MenuButton {
    const char* name;
    const char* caption;
    const char* target;
    int row;
};

// A menu window: its form name, window title, client size in twips (a height of 0 fits
// the rows of buttons) and its buttons.
struct MenuTable {
    const char* form;
    const char* title;
    int width;
    int height;
    std::vector<MenuButton> buttons;
};

// The menu of `form`, or nullptr when `form` is not a menu.
const MenuTable* findMenu(std::string_view form);
const std::vector<MenuTable>& allMenus();

// Where a menu's buttons stand, in twips: a column with a margin, rows of equal height,
// the buttons of one row side by side in equal parts. Both front ends place them so.
struct MenuLayout {
    int width = 0; // the client area
    int height = 0;
    std::vector<Rect> buttons; // in the order of MenuTable::buttons
};
MenuLayout layOut(const MenuTable& menu);

// The opening screen: its size in twips and its texts (its pictures are drawn by each front
// end, at the places `introLayout` gives).
struct IntroScreen {
    int width = 10200;
    int height = 7755;
    const char* title = "Trevisk";
    const char* subtitle = "アルゴリズム学習";
    const char* start = "開始";
    const char* end = "終了";
    // The small listing the screen shows, with its current line in yellow, as every lesson
    // shows one.
    std::array<const char*, 7> sketch{"private int 合計(int[] a)",
                                      "{",
                                      "     int total=0;",
                                      "     for(int i=0;i<a.Length;i++)",
                                      "         total += a[i];",
                                      "     return total;",
                                      "}"};
    int sketchCurrent = 3;
};
inline IntroScreen introScreen()
{
    return {};
}

// Where the opening screen's parts stand, in pixels of its client area: a row of icons
// along the top and the bottom edge, the title picture, the small listing with its lines,
// and the buttons "開始" and "終了" side by side above the lower icons.
struct IntroLayout {
    int iconSize = 32;
    int iconGap = 2;
    int iconCount = 0;
    int iconLeft = 0;              // the first icon's left edge (the rows are centred)
    std::array<int, 2> iconTops{}; // the upper and the lower row
    Rect title;                    // the title picture
    Rect sketch;                   // the small listing's frame
    std::vector<Rect> sketchLines; // each line, inside the frame
    Rect start;                    // "開始"
    Rect end;                      // "終了"
};
IntroLayout introLayout(const IntroScreen& screen);
